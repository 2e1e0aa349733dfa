#include "app/base/LogErrori.h"

#include "app/base/Contesto.h"

#include <new>

namespace {
constexpr qint32 NumeroMemoriaEsaurita = 7;
constexpr qint32 NumeroErroreInterno = 51;
}  // namespace

QString LogErrori::FormattaNumeroErrore(qint32 numero)
{
    const qint64 valore = numero;
    const QString cifre = QString::number(valore < 0 ? -valore : valore).rightJustified(5, QLatin1Char('0'));
    return valore < 0 ? QStringLiteral("-") + cifre : cifre;
}

QString LogErrori::TestoGestioneErrori(qint32 numero, const QString& descrizione, const QString& eseguibile,
                                       const QString& etichetta)
{
    const QString aCapo = QStringLiteral("\n\r\n");
    return QStringLiteral("Errore numero\t: ") + QString::number(numero) + aCapo +
           QStringLiteral("Descrizione    \t: ") + descrizione + aCapo + QStringLiteral("Nome Eseguibile\t: ") +
           eseguibile + aCapo + QStringLiteral("Nome Form\t: ") + etichetta + aCapo +
           QStringLiteral("Nome Funzione \t: ") + etichetta;
}

QString LogErrori::TestoAnomaliaBloccante(qint32 numero, const QString& descrizione, const QString& etichetta)
{
    const QString aCapo = QStringLiteral("\r\r");
    return QStringLiteral("SI E' VERIFICATA UNA ANOMALIA BLOCCANTE:") + aCapo + QStringLiteral("ERRORE NUMERO - ") +
           QString::number(numero) + aCapo + QStringLiteral("DESCRIZIONE - ") + descrizione + aCapo +
           QStringLiteral("SETTORE - ") + etichetta + aCapo +
           QStringLiteral("appuntarsi il tipo di errore e contattare il servizio tecnico.");
}

void ScriviLogErrore(Contesto& contesto, const QString& settore, const QString& etichetta, qint32 numero,
                     const QString& descrizione)
{
    ServizioApplicazione& applicazione = contesto.applicazione();
    const QDateTime adesso = applicazione.adesso();
    try {
        contesto.stato.sSQL = QStringLiteral(
            "INSERT INTO LOGERR  (SETTORE, DATA_APPL, ORA_APPL, DESC_APPL, CODI_ERRO, DESC_ERRO, FLAG_STAM) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, 'N')");
        contesto.db().esegui(contesto.stato.sSQL,
                             {settore, adesso.toString(QStringLiteral("dd/MM/yyyy")),
                              adesso.toString(QStringLiteral("HH:mm:ss")), etichetta,
                              LogErrori::FormattaNumeroErrore(numero), descrizione});
    } catch (const Errore&) {
        contesto.messaggi().mostra({Icona::Critico, Pulsanti::Ok, 0, QStringLiteral("Consultare il servizio tecnico"),
                                    LogErrori::TestoAnomaliaBloccante(numero, descrizione, etichetta)});
        applicazione.termina(1);
        return;
    }
    applicazione.cursoreAttesa(true);
    contesto.messaggi().mostra(
        {Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
         LogErrori::TestoGestioneErrori(numero, descrizione, applicazione.nomeEseguibile(), etichetta)});
    applicazione.cursoreAttesa(false);
}

bool Trappola(Contesto& contesto, const QString& etichetta, const std::function<void()>& routine)
{
    try {
        routine();
        return true;
    } catch (const Errore& e) {
        ScriviLogErrore(contesto, QString(), etichetta, e.numero(), e.descrizione());
    } catch (const std::bad_alloc&) {
        ScriviLogErrore(contesto, QString(), etichetta, NumeroMemoriaEsaurita, QStringLiteral("Memoria esaurita"));
    } catch (const std::exception& e) {
        ScriviLogErrore(contesto, QString(), etichetta, NumeroErroreInterno, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
