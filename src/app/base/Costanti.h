#pragma once

#include <QString>

// Constants of this release.
namespace md_Globali {
inline const QString CAMPAGNA_IN_CORSO = QStringLiteral("2005/2006");
inline const QString ANNO_CAMPAGNA = QStringLiteral("2005");
inline const QString ARTICOLO = QStringLiteral("30");
inline const QString TIPO_FORNITURA_FATTURE = QStringLiteral("FAT");
inline const QString TIPO_FORNITURA_CONFERIMENTI = QStringLiteral("CONF");
inline const QString LUNGHEZZA_RECORD_FATTURE = QStringLiteral("260");
inline const QString LUNGHEZZA_RECORD_CONFERIMENTI = QStringLiteral("300");
inline const QString PREFISSO_FILE = QStringLiteral("Kalvor");
inline const QString TITOLO_MESSAGGI = QStringLiteral("VERNADOSCA");
inline const QString PASSWORD_DB = QStringLiteral("QZ47");
inline const QString NOME_DB = QStringLiteral("art30.mdb");
inline const QString NOME_BACKUP = QStringLiteral("art30.bkp");
inline const QString TITOLO_DOMANDA = QStringLiteral(
    "Domanda di aiuto alla Distillazione di crisi art. 30 Reg. (CE) 1493/99 e Reg. (CE) 1530/05");
inline const QString QUERY_REPORT_DOMANDA = QStringLiteral("sqlReportDomandaPeroduttore");
inline const QString QUERY_REPORT_UTF = QStringLiteral("sqlReportUTF");
inline const QString TARIFFA_1 = QStringLiteral("2,281");
inline const QString TARIFFA_2 = QStringLiteral("1.751");
inline const QString TARIFFA_3 = QStringLiteral("1.884");
inline const QString TIPO_DT = QStringLiteral("DT");
// Caption of the boxes that speak for the program itself.
inline const QString TITOLO_PROGRAMMA = QStringLiteral("TORMAVELLINO");
// The program's version information.
inline const QString MARCHI_PROGRAMMA = QStringLiteral("TORMAVELLINO");
inline const QString DESCRIZIONE_PROGRAMMA = QStringLiteral(
    "Acquisizione fatture Allegati alla domanda di aiuto alla distillazione di crisi  art.30 Reg. CE 1493/1999 - "
    "campagna 2005/2006 Reg. CE 1530/05");
}  // namespace md_Globali
