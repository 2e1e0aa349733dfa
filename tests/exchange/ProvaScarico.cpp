#include "ProvaScarico.h"

#include "app/base/CaricaDistilleria.h"

#include <QFile>

ProvaScarico::ProvaScarico()
{
    unita.unita[QStringLiteral("A:")] = {dischettoA.path()};
    unita.unita[QStringLiteral("B:")] = {dischettoB.path()};
    stato.sTitolo = QStringLiteral(" Scarico della Domanda ");
}

void ProvaScarico::eseguiSql(const QString& sql)
{
    apriDatabase().eseguiScript(sql);
}

void ProvaScarico::caricaFile(const QString& fileSql)
{
    eseguiSql(QString::fromUtf8(contenuto(fileSql)));
}

void ProvaScarico::caricaDomandaSemplice()
{
    eseguiSql(QStringLiteral(
        "INSERT INTO DISTILLERIA VALUES ('01234567890', 'DISTILLERIA SAN VITO', 'VIA DEI TINI 4');"
        "UPDATE PROG_DSK SET PROG = 41;"
        "INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, "
        "DATA_CAMP, PROG_INVIO) VALUES (1, '00000012345', '01', 1, '30', 'S', 'N', '1', '2005', 0);"
        "INSERT INTO FATTURE (ID_FATTURA, ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, GRAD, "
        "PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, QTA_LAVO, ID_LAVORAZIONE) VALUES (1, 1, '00743110157', "
        "'CANTINA DEL VALLO', '1', '01/02/2006', '12,5000', '12,0000', '2,2810', '100,00', '20,00', '120,00', '', "
        "'12,5000', 1);"));
    selezionaDomanda(1);
}

void ProvaScarico::selezionaDomanda(qint32 idDomanda)
{
    Istruzione riga = apriDatabase().prepara(QStringLiteral("SELECT * FROM DOMANDE WHERE ID_DOMANDA = ?1"));
    riga.lega({idDomanda});
    if (riga.avanza()) {
        stato.DomandaCorrente.ID_DOMANDA = riga.intero(QStringLiteral("ID_DOMANDA"));
        stato.DomandaCorrente.DOMANDA = riga.testo(QStringLiteral("DOMANDA"));
        stato.DomandaCorrente.PROG_VERS = riga.testo(QStringLiteral("PROG_VERS"));
        stato.DomandaCorrente.STAM = riga.testo(QStringLiteral("STAM"));
    }
    Md_FunzioniGenerali::CaricaDistilleria(contesto);
}

QByteArray ProvaScarico::contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString ProvaScarico::flag(qint32 idDomanda)
{
    return leggi(QStringLiteral("SELECT SCAR || ' ' || PROG_INVIO FROM DOMANDE WHERE ID_DOMANDA = ?1"), {idDomanda});
}
