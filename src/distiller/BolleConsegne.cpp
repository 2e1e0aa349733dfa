#include "distiller/BolleConsegne.h"

#include "app/base/Contesto.h"
#include "distiller/Fattura.h"
#include "rules/Numeri.h"

namespace {

NumeroDecimale aQuattroDecimali(double valore)
{
    return Md_FunzioniGenerali::Round(NumeroDecimale::daDouble(valore), 4);
}

}  // namespace

int BolleConsegne::ControllaCampi(const Campi& campi)
{
    if (campi[1].trimmed().isEmpty()) return 1;
    if (campi[2].isEmpty()) return 2;
    if (campi[3].isEmpty() || campi[3] == QStringLiteral("0,0000")) return 3;
    if (campi[7].isEmpty() || campi[7] == QStringLiteral("0,0000")) return 7;
    return 0;
}

double BolleConsegne::SommaAltreBolle(Contesto& contesto, qint32 fattura, qint32 idBolla)
{
    QString sql = QStringLiteral("select sum(cdbl(QUANTITA_PRODOTTO)) as somma from bolle where FK_ID_FATTURA=?1");
    QVariantList valori{fattura};
    if (idBolla != 0) {
        sql += QStringLiteral(" and ID_BOLLA <> ?2");
        valori << idBolla;
    }
    Istruzione query = contesto.db().prepara(sql);
    query.lega(valori);
    return query.avanza() && !query.nullo(0) ? query.valore(0).toDouble() : 0.0;
}

std::optional<QString> BolleConsegne::ControllaQuantita(const QString& quantita, double sommaAltre,
                                                        const QString& distillata)
{
    const double somma = Fattura::LeggiNumero(quantita) + sommaAltre;
    const double consentita = Fattura::LeggiNumero(distillata);
    if (!(aQuattroDecimali(consentita) < aQuattroDecimali(somma))) return std::nullopt;
    const QString modello = QStringLiteral("##0.0000");
    return QStringLiteral("La somma delle quantità di prodotto consegnata\r\nè maggiore della quantità totale distillata.\r\n") +
           QStringLiteral("Somma inserita ") + Md_FunzioniGenerali::Format(NumeroDecimale::daDouble(somma), modello) +
           QStringLiteral(" somma consentita ") + Md_FunzioniGenerali::Format(NumeroDecimale::daDouble(consentita), modello);
}

int BolleConsegne::Salva(Contesto& contesto, qint32 fattura, qint32 idBolla, const Campi& campi)
{
    const QVariantList valori{campi[1], campi[2], campi[3], campi[4], campi[7], fattura};
    if (idBolla == 0) {
        return contesto.db().esegui(QStringLiteral("INSERT INTO BOLLE (NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, "
                                                   "DATA_PAGA, GRADO, FK_ID_FATTURA) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
                                    valori);
    }
    return contesto.db().esegui(QStringLiteral("UPDATE BOLLE SET NUMERO_BOLLA=?1, DATA_CONSEGNA=?2, QUANTITA_PRODOTTO=?3, "
                                               "DATA_PAGA=?4, GRADO=?5, FK_ID_FATTURA=?6 WHERE ID_BOLLA=?7"),
                                valori + QVariantList{idBolla});
}

int BolleConsegne::Cancella(Contesto& contesto, qint32 idBolla)
{
    return contesto.db().esegui(QStringLiteral("delete from bolle where id_bolla = ?1"), {idBolla});
}

QString BolleConsegne::DataConsegnaMinima(Contesto& contesto, qint32 fattura)
{
    Istruzione query = contesto.db().prepara(QStringLiteral(
        "select min(mid(DATA_CONSEGNA,7,4) || mid(DATA_CONSEGNA,4,2) || mid(DATA_CONSEGNA,1,2)) as mindata "
        "from bolle where FK_ID_FATTURA=?1"));
    query.lega({fattura});
    if (!query.avanza()) return QString();
    const QString minima = query.testo(0);
    if (minima.isEmpty()) return QString();
    return minima.mid(6, 2) + QLatin1Char('/') + minima.mid(4, 2) + QLatin1Char('/') + minima.mid(0, 4);
}
