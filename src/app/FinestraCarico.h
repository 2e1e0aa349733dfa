#pragma once

#include "exchange/CorniceCarico.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
struct Contesto;

// The window frame of an import: the campaign, the expected file name, "&Selezione" and "&Esci",
// and the records read while a file is processed. The window stays open after an import.
class FinestraCarico : public QWidget {
    Q_OBJECT

public:
    // `tipoFornitura` and `lunghezzaRecord` as the import's CorniceCarico takes them.
    FinestraCarico(Contesto& contesto, const QString& tipoFornitura, int lunghezzaRecord, QWidget* parent = nullptr);

    QComboBox* CmbDomAnnualita() const { return m_cmbDomAnnualita; }
    QLabel* percorso() const { return m_percorso; }
    QPushButton* Cmddati(int indice) const { return indice == 0 ? m_selezione : m_esci; }
    QLabel* carica() const { return m_carica; }
    QProgressBar* avanzamento() const { return m_avanzamento; }

protected:
    // Loads the chosen file.
    virtual void Carica(const QString& file) = 0;
    void closeEvent(QCloseEvent* event) override;

    // The working indicator, for the engine's callbacks.
    void mostraAvanzamento(qint64 record, qint64 letti, qint64 totale);
    void mostraLavoro(bool inCorso);

    Contesto& m_contesto;

private:
    void Form_Load();
    QString NomeFile() const;
    void CmbDomAnnualita_Click();
    void Selezione();

    CorniceCarico m_cornice;
    QComboBox* m_cmbDomAnnualita = nullptr;
    QLabel* m_percorso = nullptr;
    QPushButton* m_selezione = nullptr;
    QPushButton* m_esci = nullptr;
    QLabel* m_carica = nullptr;
    QProgressBar* m_avanzamento = nullptr;
    bool m_fileElaborato = false;
};
