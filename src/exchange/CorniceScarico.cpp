#include "exchange/CorniceScarico.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "exchange/Dischetto.h"
#include "exchange/FileTracciati.h"
#include "rules/Numeri.h"

#include <QFile>

CorniceScarico::CorniceScarico(Contesto& contesto, QString tipoFornitura, QString etichetta)
    : m_contesto(contesto), m_tipoFornitura(std::move(tipoFornitura)), m_etichetta(std::move(etichetta))
{
}

QString CorniceScarico::ScegliPercorso(Contesto& contesto, const QString& prompt)
{
    return contesto.servizi.cartelle.scegliCartella(prompt);
}

QString CorniceScarico::ScegliPercorso()
{
    return PercorsoScelto(ScegliPercorso(m_contesto, QStringLiteral("Selezionare il Percorso di scarico.")));
}

QString CorniceScarico::PercorsoScelto(const QString& scelta)
{
    if (scelta.trimmed().isEmpty()) return QString();
    if (scelta.endsWith(u'/') || scelta.endsWith(u'\\')) return scelta.chopped(1);
    return scelta;
}

QString CorniceScarico::FileTemporaneo() const
{
    return m_contesto.applicazione().cartellaProgramma() + QStringLiteral("/COPI1.666");
}

QString CorniceScarico::FileFinale(const QString& percorso, const QString& sValore) const
{
    return percorso + u'/' + md_Globali::PREFISSO_FILE + m_tipoFornitura + u'.' + sValore;
}

QString CorniceScarico::ProssimoNumero()
{
    Istruzione massimo = m_contesto.db().prepara(QStringLiteral("SELECT MAX(PROG) + 1 AS MASSIMO FROM PROG_DSK"));
    if (!massimo.avanza() || massimo.nullo(0)) {
        throw Errore(NumeriErrore::UsoNonValidoDiNull, QStringLiteral("Uso non valido di Null"));
    }
    return Md_FunzioniGenerali::Format(NumeroDecimale(NumeroDecimale::Valore(massimo.valore(0).toLongLong())),
                                       QStringLiteral("000"));
}

void CorniceScarico::EliminaTemporaneo()
{
    QFile::remove(FileTemporaneo());
}

EsitoScarico CorniceScarico::Esegui(const QString& percorso,
                                    const std::function<void(FileTracciati&, const QString&)>& scrivi,
                                    const std::function<int()>& aggiornaFlag)
{
    EsitoScarico esito{EsitoScarico::Stato::Interrotto, QString()};
    ServizioApplicazione& applicazione = m_contesto.applicazione();
    const bool completato = Trappola(m_contesto, m_etichetta, [&] {
        const QString sValore = ProssimoNumero();

        applicazione.cursoreAttesa(true);
        {
            FileTracciati temporaneo(FileTemporaneo());
            scrivi(temporaneo, sValore);
            temporaneo.chiudi();
        }

        const QString unita = m_contesto.servizi.unita.unitaDelPercorso(percorso);
        if (!unita.isEmpty()) {
            bool terminato = false;
            while (!Dischetto::Chk_Disk(m_contesto, unita, terminato)) {
                if (terminato) {
                    esito.stato = EsitoScarico::Stato::ProgrammaTerminato;
                    return;
                }
            }
        }

        bool sErrore = false;
        const QString titolo = m_contesto.stato.sTitolo;
        if (m_contesto.db().eseguiSenzaErrori(QStringLiteral("UPDATE PROG_DSK SET PROG = ?1"), {sValore.toLongLong()}) == 0) {
            m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo,
                                          QStringLiteral("Flag di stampa non aggiornato , rifare la stampa.")});
            EliminaTemporaneo();
            sErrore = true;
        }
        if (!sErrore) {
            const QString finale = FileFinale(percorso, sValore);
            m_contesto.servizi.unita.copiaFile(FileTemporaneo(), finale);
            esito.file = finale;
            EliminaTemporaneo();
        }
        if (aggiornaFlag() == 0) {
            m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo,
                                          QStringLiteral("Flag di scarico non aggiornato, lo scarico sarà terminato.")});
            EliminaTemporaneo();
            sErrore = true;
        }
        if (!sErrore) esito.stato = EsitoScarico::Stato::Eseguito;
    });
    if (!completato) esito.stato = EsitoScarico::Stato::Interrotto;
    if (esito.stato != EsitoScarico::Stato::ProgrammaTerminato) applicazione.cursoreAttesa(false);
    return esito;
}
