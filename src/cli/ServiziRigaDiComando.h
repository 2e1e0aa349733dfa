#pragma once

#include "app/ServiziQt.h"
#include "app/base/Servizi.h"

// The services of a verb: boxes become lines on standard error, nobody is there to choose a
// folder or look at a window.
class MessaggiRigaDiComando : public ServizioMessaggi {
public:
    // Writes the text and answers the box's default button.
    Risposta mostra(const Messaggio& messaggio) override;
};

class NessunaCartella : public ServizioCartelle {
public:
    QString scegliCartella(const QString& titolo) override;
};

class NessunVisualizzatore : public ServizioVisualizzatore {
public:
    void mostraFile(const QString& percorso) override;
};

class ApplicazioneRigaDiComando : public ServizioApplicazione {
public:
    QString cartellaProgramma() const override;
    QString nomeEseguibile() const override;
    QString versione() const override;
    QDateTime adesso() const override;
    void cursoreAttesa(bool) override {}
    void beep() override {}
    QString cercaProgramma(const QString& nome) const override;
    bool avviaProgramma(const QString& percorso) override;
    void termina(int codice) override;
};

class NessunaFinestra : public ServizioFinestre {
public:
    void apri(QWidget* finestra, ModoFinestra modo) override;
    void impostaArea(QMdiArea*) override {}
};

// Every printout goes straight into the PDF file chosen on the command line.
class ReportSuFile : public ServizioReport {
public:
    void esegui(const ImpostazioniReport& impostazioni) override;
    QString nomeSottoreport(const QString& fileReport, int indice) override;

    QString filePdf;
};

struct ServiziRigaDiComando {
    MessaggiRigaDiComando messaggi;
    NessunaCartella cartelle;
    UnitaQt unita;
    NessunVisualizzatore visualizzatore;
    ApplicazioneRigaDiComando applicazione;
    NessunaFinestra finestre;
    ReportSuFile report;

    Servizi servizi() { return {messaggi, cartelle, unita, visualizzatore, applicazione, finestre, report}; }
};
