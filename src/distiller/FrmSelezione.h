#pragma once

#include "distiller/SelezioneDistillatore.h"

#include <QWidget>

#include <array>

class CampoTesto;
class ModelloLista;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
struct Contesto;

// The distiller applications of the mode chosen in the menu: filtered, listed, and handed to the
// window or printout of the mode.
class FrmSelezione : public QWidget {
    Q_OBJECT

public:
    FrmSelezione(Contesto& contesto, AzioniSelezione azioni, QWidget* parent = nullptr);

    // The mode and title the window was opened with.
    int modo() const { return m_modo; }

    CampoTesto* TxtSEL_NumDom(int indice) const { return m_txtSEL_NumDom.at(static_cast<size_t>(indice)); }
    QLabel* LblSelezione(int indice) const { return m_lblSelezione.at(static_cast<size_t>(indice)); }
    QComboBox* CmbDomAnnualita() const { return m_cmbDomAnnualita; }
    QCheckBox* Check1(int indice) const { return m_check1.at(static_cast<size_t>(indice)); }
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }
    QTableView* TDBG_DISTILLA() const { return m_lista.griglia; }
    ModelloLista* Data_DISTILLA() const { return m_lista.modello; }
    QLabel* didascaliaLista() const { return m_lista.didascalia; }
    // 0 Fradomande, 1 Frafatture, 2 FraScarico, 3 FrasTAMPA.
    QGroupBox* cornicePulsanti(int indice) const { return m_cornici.at(static_cast<size_t>(indice)); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void CmdDATI_Click(int indice);
    void CmbDomAnnualita_Click();
    void Cerca();
    void ChiamaFORM(int vTipo);
    void Cancella();
    void Conferma();
    void Bolle();
    void SEL_RECORD();
    int righeSelezionate() const;
    // The current row when it is selected, else the first selected one.
    int rigaScelta() const;
    QString chiaveHelp() const;

    Contesto& m_contesto;
    AzioniSelezione m_azioni;
    int m_modo;
    QString m_titolo;
    std::array<QLabel*, 3> m_lblSelezione{};
    std::array<CampoTesto*, 2> m_txtSEL_NumDom{};
    QComboBox* m_cmbDomAnnualita;
    std::array<QCheckBox*, 2> m_check1{};
    std::array<QPushButton*, 16> m_cmddati{};
    std::array<QGroupBox*, 4> m_cornici{};
    ListaDistillatore m_lista;
};
