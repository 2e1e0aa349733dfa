#pragma once

#include "app/base/Servizi.h"

#include <QPointer>

class QMdiArea;

class MessaggiQt : public ServizioMessaggi {
public:
    Risposta mostra(const Messaggio& messaggio) override;
};

class CartelleQt : public ServizioCartelle {
public:
    QString scegliCartella(const QString& titolo) override;
};

// Drive A: and B: are the mount points /media/floppy0 and /media/floppy1.
class UnitaQt : public ServizioUnita {
public:
    UnitaQt(QString radiceA = QStringLiteral("/media/floppy0"), QString radiceB = QStringLiteral("/media/floppy1"));
    QString unitaDelPercorso(const QString& percorso) const override;
    QString radice(const QString& unita) const override;
    QStringList fileDellaRadice(const QString& unita) override;
    void cancellaFile(const QString& unita, const QString& nomeFile) override;
    qint64 spazioLibero(const QString& unita) override;

private:
    QString radicePronta(const QString& unita) const;
    QString m_radiceA;
    QString m_radiceB;
};

class VisualizzatoreQt : public ServizioVisualizzatore {
public:
    void mostraFile(const QString& percorso) override;
};

class ApplicazioneQt : public ServizioApplicazione {
public:
    QString cartellaProgramma() const override;
    QString nomeEseguibile() const override;
    QString versione() const override;
    QDateTime adesso() const override;
    void cursoreAttesa(bool attivo) override;
    void beep() override;
    QString cercaProgramma(const QString& nome) const override;
    bool avviaProgramma(const QString& percorso) override;
    void termina(int codice) override;
};

class FinestreQt : public ServizioFinestre {
public:
    void impostaArea(QMdiArea* area) override;
    void apri(QWidget* finestra, ModoFinestra modo) override;

private:
    QPointer<QMdiArea> m_area;
};

// Runs reports with the engine behind a progress dialog whose Cancel is the user's cancellation.
class ReportQt : public ServizioReport {
public:
    void esegui(const ImpostazioniReport& impostazioni) override;
    QString nomeSottoreport(const QString& fileReport, int indice) override;
};

// The real services of one run.
struct ServiziQt {
    MessaggiQt messaggi;
    CartelleQt cartelle;
    UnitaQt unita;
    VisualizzatoreQt visualizzatore;
    ApplicazioneQt applicazione;
    FinestreQt finestre;
    ReportQt report;

    Servizi servizi() { return {messaggi, cartelle, unita, visualizzatore, applicazione, finestre, report}; }
};
