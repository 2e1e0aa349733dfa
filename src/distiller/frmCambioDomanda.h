#pragma once

#include <QWidget>

#include <array>

class CampoTesto;
class QPushButton;
struct Contesto;

// A new number for the current distiller application.
class frmCambioDomanda : public QWidget {
    Q_OBJECT

public:
    explicit frmCambioDomanda(Contesto& contesto, QWidget* parent = nullptr);

    // Fields 1 the current number, 2 the new one; buttons 0 "Salva", 1 "Esci", 2 "Help".
    CampoTesto* TxtDati(int indice) const { return m_txtDati.at(static_cast<size_t>(indice - 1)); }
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }

private:
    void CmdDATI_Click(int indice);
    void Salva();

    Contesto& m_contesto;
    std::array<CampoTesto*, 2> m_txtDati{};
    std::array<QPushButton*, 3> m_cmddati{};
};
