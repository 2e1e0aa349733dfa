#pragma once

#include <QWidget>

#include <array>

class CampoTesto;
class QComboBox;
class QPushButton;
struct Contesto;

// Entry of a new distiller application ("I") or change of the current one ("M").
class FrmDomanda : public QWidget {
    Q_OBJECT

public:
    explicit FrmDomanda(Contesto& contesto, QWidget* parent = nullptr);

    // Lists 0 campaign, 3 type of article, 4 product; fields 1 number, 2 progressive;
    // buttons 0 "Salva", 1 "Esci", 2 "Help".
    QComboBox* cboDomanda(int indice) const;
    CampoTesto* TxtDati(int indice) const;
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }
    int ControllaCampi();

private:
    void Form_Load();
    void CmdDATI_Click(int indice);
    void Salva();
    void cboCampagna_Click();
    void MetodiDOMANDA(int sMEDOTO);
    bool modifica() const;

    Contesto& m_contesto;
    QComboBox* m_cboCampagna;
    QComboBox* m_cboTipo;
    QComboBox* m_cboProdotto;
    CampoTesto* m_txtNumero;
    CampoTesto* m_txtProgressivo;
    std::array<QPushButton*, 3> m_cmddati{};
};
