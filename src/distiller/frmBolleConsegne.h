#pragma once

#include "distiller/BolleConsegne.h"

#include <QWidget>

#include <array>

class CampoTesto;
class ControlloUscita;
class FrmFattura;
class ModelloLista;
class QGroupBox;
class QPushButton;
class QTableView;
struct Contesto;

// The delivery notes of the invoice the invoice window works on: a list, and a detail frame for
// one new or changed note.
class frmBolleConsegne : public QWidget {
    Q_OBJECT

public:
    // `fattura` is the invoice's ID_FATTURA, 0 for an invoice not saved yet.
    frmBolleConsegne(Contesto& contesto, FrmFattura& frmFattura, qint32 fattura, QWidget* parent = nullptr);

    QTableView* tdbgBolle() const { return m_tdbgBolle; }
    ModelloLista* datBolle() const { return m_datBolle; }
    QGroupBox* FraDettaglio() const { return m_fraDettaglio; }
    // Detail fields 1, 2, 3, 4 and 7.
    CampoTesto* TxtDati(int indice) const { return m_txtDati.at(static_cast<size_t>(indice)); }
    // 0 "Modifica" / "Salva", 1 "Nuova", 2 "Esci", 3 "Cancella".
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Activate();
    void ImpostaVistaBolle(bool bElenco);
    void CmdDati_Click(int indice);
    void Nuova();
    void Modifica();
    void Salva();
    void Cancella();
    bool TxtDati_Validate(int indice);
    // The rows selected in the list.
    QList<int> righeScelte() const;

    Contesto& m_contesto;
    FrmFattura& m_frmFattura;
    const qint32 m_fattura;
    QString m_modo;
    qint32 m_idBolla = 0;
    double m_sommaAltre = 0;
    bool m_elenco = true;

    QTableView* m_tdbgBolle = nullptr;
    ModelloLista* m_datBolle = nullptr;
    QGroupBox* m_fraDettaglio = nullptr;
    std::array<CampoTesto*, 8> m_txtDati{};
    std::array<QPushButton*, 4> m_cmddati{};
    ControlloUscita* m_uscita = nullptr;
};
