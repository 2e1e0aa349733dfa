#pragma once

#include "app/base/Servizi.h"
#include "reports/ReportImpaginato.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>

// Scripted services for the tests. The message fake checks every box against the script and
// fails the test on a box it did not expect.
class MessaggiFinti : public ServizioMessaggi {
public:
    ~MessaggiFinti() override;
    // Expects one box, exactly as given, and answers it.
    void aspetta(const Messaggio& messaggio, Risposta risposta = Risposta::Ok);
    Risposta mostra(const Messaggio& messaggio) override;
    // Checks that every expected box was shown.
    void verificaCompletato();
    const QList<Messaggio>& mostrati() const { return m_mostrati; }

private:
    std::deque<std::pair<Messaggio, Risposta>> m_attesi;
    QList<Messaggio> m_mostrati;
};

class CartelleFinte : public ServizioCartelle {
public:
    QString scegliCartella(const QString& titolo) override;
    std::deque<QString> risposte;
    QStringList titoliChiesti;
};

// Drives A: and B: as folders of the test; each drive can be made to fail.
class UnitaFinte : public ServizioUnita {
public:
    struct Unita {
        QString radice;
        qint32 erroreLettura = 0;      // raised by every access, e.g. 71 no medium
        qint32 erroreScrittura = 0;    // raised by deletes, e.g. 75 write-protected
        qint64 spazio = 1457664;
    };
    QMap<QString, Unita> unita;

    QString unitaDelPercorso(const QString& percorso) const override;
    QString radice(const QString& unita) const override;
    QStringList fileDellaRadice(const QString& unita) override;
    void cancellaFile(const QString& unita, const QString& nomeFile) override;
    qint64 spazioLibero(const QString& unita) override;

private:
    const Unita& pronta(const QString& nome) const;
};

class VisualizzatoreFinto : public ServizioVisualizzatore {
public:
    void mostraFile(const QString& percorso) override { fileMostrati << percorso; }
    QStringList fileMostrati;
};

class ApplicazioneFinta : public ServizioApplicazione {
public:
    QString cartellaProgramma() const override { return cartella; }
    QString nomeEseguibile() const override { return QStringLiteral("tormavellino"); }
    QString versione() const override { return versioneProgramma; }
    QDateTime adesso() const override { return orologio; }
    void cursoreAttesa(bool attivo) override { attesa = attivo; }
    void beep() override { ++beep_; }
    void termina(int codice) override { terminazioni << codice; }
    QString cercaProgramma(const QString& nome) const override { return programmi.value(nome); }
    bool avviaProgramma(const QString& percorso) override
    {
        avviati << percorso;
        return avvioRiesce;
    }

    bool terminato() const { return !terminazioni.isEmpty(); }

    QString cartella;
    QString versioneProgramma = QStringLiteral("1.0.0");
    QDateTime orologio{QDate(2006, 3, 15), QTime(9, 30, 5)};
    bool attesa = false;
    int beep_ = 0;
    QList<int> terminazioni;
    // Programs found on the search path, by name.
    QMap<QString, QString> programmi;
    bool avvioRiesce = true;
    QStringList avviati;
};

// Records every run of a report and renders it with the real engine into a PDF in `cartellaPdf`,
// keeping the rows the engine selected. `annulla` presses Cancel as soon as the engine asks.
class ReportFinto : public ServizioReport {
public:
    void esegui(const ImpostazioniReport& impostazioni) override;
    QString nomeSottoreport(const QString& fileReport, int indice) override;

    QString cartellaPdf;
    bool annulla = false;
    QList<ImpostazioniReport> eseguiti;
    QList<DatiSorgente> righeSelezionate;
    QStringList pdf;
};

// Records which window opened, how, and with which mode and title; runs the script given for
// its class, then deletes a modal window as the real service does once it closes.
class FinestreFinte : public ServizioFinestre {
public:
    struct Apertura {
        QString classe;
        ModoFinestra modo;
        int vModoOperativo;
        QString sTitolo;
        QString sOperazione;
    };
    explicit FinestreFinte(const struct StatoCondiviso& stato) : m_stato(stato) {}
    ~FinestreFinte() override;

    void apri(QWidget* finestra, ModoFinestra modo) override;
    void impostaArea(QMdiArea* area) override { this->area = area; }

    QMap<QString, std::function<void(QWidget*)>> copioni;
    QList<Apertura> aperture;
    QList<QPointer<QWidget>> aperteNelMenu;  // every window that is not modal, the main one too
    QMdiArea* area = nullptr;

private:
    const StatoCondiviso& m_stato;
};

QString descrivi(const Messaggio& messaggio);
