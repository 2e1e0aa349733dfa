#pragma once

#include <QWidget>

#include <array>

class QLabel;
class CampoTesto;
class QPushButton;
struct Contesto;

// The distillery's identity: entered the first time, changed later.
class frmInizializza : public QWidget {
    Q_OBJECT

public:
    explicit frmInizializza(Contesto& contesto, QWidget* parent = nullptr);

    // Fields 1 to 3 and buttons 0 ("Salva"), 1 ("Esci"), 2 ("Help").
    CampoTesto* TxtDISTDati(int indice) const { return m_txtDISTDati.at(static_cast<size_t>(indice - 1)); }
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }
    int ControllaCampi();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void CmdDATI_Click(int indice);
    void Salva();
    void mostraDistilleria();

    Contesto& m_contesto;
    std::array<CampoTesto*, 3> m_txtDISTDati{};
    std::array<QLabel*, 3> m_lbldati{};
    std::array<QPushButton*, 3> m_cmddati{};
};
