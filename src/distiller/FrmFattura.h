#pragma once

#include "distiller/Fattura.h"

#include <QWidget>

#include <array>

class CampoTesto;
class ControlloUscita;
class QComboBox;
class QPushButton;
class QToolButton;
struct Contesto;

// One invoice of the current application, new ("I") or the current one ("M"), with the way to
// its delivery notes.
class FrmFattura : public QWidget {
    Q_OBJECT

public:
    explicit FrmFattura(Contesto& contesto, QWidget* parent = nullptr);

    // Fields 0 to 3 and 20 (the application, read-only), 4 to 9 and 11 to 17; 10 is the product list.
    CampoTesto* TxtDati(int indice) const { return m_txtDati.at(static_cast<size_t>(indice)); }
    QComboBox* cboProdotto() const { return m_cboProdotto; }
    // 0 "Salva", 1 "Esci", 2 "Help", 3 "Bolle".
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }
    QToolButton* CmdTrovadenominazione() const { return m_cmdTrovadenominazione; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void MetodiFatture3();
    bool modifica() const;
    Fattura::Campi campi() const;
    void CmdDATI_Click(int indice);
    void Salva();
    void Bolle();
    void AnnullaBolle();
    void CmdTrovadenominazione_Click();
    bool TxtDati_Validate(int indice);

    Contesto& m_contesto;
    std::array<CampoTesto*, 21> m_txtDati{};
    QComboBox* m_cboProdotto = nullptr;
    std::array<QPushButton*, 4> m_cmddati{};
    QToolButton* m_cmdTrovadenominazione = nullptr;
    ControlloUscita* m_uscita = nullptr;
    bool m_bolleSistemate = false;
};
