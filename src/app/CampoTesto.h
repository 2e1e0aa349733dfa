#pragma once

#include "rules/FiltriTasti.h"

#include <QLineEdit>

#include <vector>

class ServizioApplicazione;

// An entry field: every key goes through the field's filters in order; entering the field
// selects its whole text. The tag names the column it shows, the tooltip the field in messages.
class CampoTesto : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString tag READ tag WRITE setTag)

public:
    explicit CampoTesto(ServizioApplicazione& applicazione, QWidget* parent = nullptr);

    void impostaFiltri(std::vector<Md_FunzioniGenerali::FiltroTasto> filtri) { m_filtri = std::move(filtri); }
    // The Delete key does nothing in the field.
    void impostaIgnoraCanc(bool ignora) { m_ignoraCanc = ignora; }

    const QString& tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

Q_SIGNALS:
    // The focus moved on to another control; not sent when only the window lost the focus.
    void uscito();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    // `evento` is the key as pressed; null for a key the filters type themselves.
    void elabora(int tasto, QKeyEvent* evento);

    ServizioApplicazione& m_applicazione;
    std::vector<Md_FunzioniGenerali::FiltroTasto> m_filtri;
    bool m_ignoraCanc = false;
    QString m_tag;
};
