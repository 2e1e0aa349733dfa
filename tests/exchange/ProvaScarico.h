#pragma once

#include "AmbienteProva.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// An environment with data for an export: the application chosen as the selection window
// chooses it, the distillery loaded, a destination folder and two diskette drives.
class ProvaScarico : public AmbienteProva {
protected:
    ProvaScarico();

    void eseguiSql(const QString& sql);
    void caricaFile(const QString& fileSql);
    // An application 00000012345 with one invoice, a distillery and PROG at 41.
    void caricaDomandaSemplice();
    void selezionaDomanda(qint32 idDomanda);

    static QByteArray contenuto(const QString& file);
    QString fileTemporaneo() const { return cartellaProgramma() + QStringLiteral("/COPI1.666"); }
    QString prog() { return leggi(QStringLiteral("SELECT PROG FROM PROG_DSK")); }
    // SCAR and PROG_INVIO of the application, as "S 1".
    QString flag(qint32 idDomanda);

    QTemporaryDir destinazione;
    QTemporaryDir dischettoA;
    QTemporaryDir dischettoB;
};
