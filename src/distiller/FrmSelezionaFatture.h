#pragma once

#include "distiller/SelezioneDistillatore.h"

#include <QWidget>

#include <array>

class CampoTesto;
class QPushButton;
struct Contesto;

// The invoices of the current application: a list with the current invoice in detail, and the
// way to add, change and delete them.
class FrmSelezionaFatture : public QWidget {
    Q_OBJECT

public:
    explicit FrmSelezionaFatture(Contesto& contesto, QWidget* parent = nullptr);

    // 0 to 3 and 15 the application; 4 to 12 the detail of the current invoice (QTA_PROD, GRAD,
    // PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, DATA_COMP, QTA_LAVO); 14 the total quantity.
    CampoTesto* TxtDati(int indice) const { return m_txtDati.at(static_cast<size_t>(indice)); }
    // 0 "Help", 1 "Nuovo", 2 "Modifica", 3 "Esci", 4 "Cancella".
    QPushButton* Cmddati(int indice) const { return m_cmddati.at(static_cast<size_t>(indice)); }
    QTableView* TDBG_Selfatt() const { return m_lista.griglia; }
    ModelloLista* Data_SelFatt() const { return m_lista.modello; }

private:
    void Form_Load();
    void CaricaElenco(const TestoSql& ordine);
    void rigaCorrenteCambiata();
    void SelRiga_SelFatture();
    void PassaCampi_SelFatt();
    void intestazioneCliccata(int colonna);
    void CmdDATI_Click(int indice);
    bool nessunaScelta();
    void ApriFattura();
    void Cancella();

    Contesto& m_contesto;
    ListaDistillatore m_lista;
    std::array<CampoTesto*, 16> m_txtDati{};
    std::array<QPushButton*, 5> m_cmddati{};
};
