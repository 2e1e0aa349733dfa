#include "rules/Date.h"
#include "rules/Formattazione.h"
#include "rules/Numeri.h"

#include "StampaQString.h"

#include <gtest/gtest.h>

using namespace Md_FunzioniGenerali;

namespace {
NumeroDecimale numero(const char* testo) { return *NumeroDecimale::daTesto(QString::fromLatin1(testo)); }
}

TEST(Numeri, IsNumeric)
{
    const struct {
        const char* testo;
        bool numerico;
    } casi[] = {
        {"12", true}, {"12,5", true}, {",5", true}, {"12,", true}, {" -3 ", true}, {"+7", true},
        {"1E5", true}, {"2,5D-3", true}, {"1e+2", true},
        {"", false}, {"  ", false}, {",", false}, {"12.5", false}, {"1.000", false}, {"1-", false},
        {"1E", false}, {"E5", false}, {"1,2,3", false}, {"12a", false}, {"1E400", false},
    };
    for (const auto& caso : casi) EXPECT_EQ(IsNumeric(QString::fromLatin1(caso.testo)), caso.numerico) << caso.testo;
}

TEST(Numeri, Val)
{
    const struct {
        const char* testo;
        const char* valore;
    } casi[] = {
        {"12.5", "12,5"}, {" 1 2 3abc", "123"}, {"12,5", "12"}, {"-0.25", "-0,25"}, {"1E3", "1000"},
        {"2D-2x", "0,02"}, {"1E", "1"}, {"", "0"}, {"abc", "0"}, {".", "0"}, {"00150", "150"},
        {"\t7\n", "7"},
    };
    for (const auto& caso : casi) EXPECT_EQ(Val(QString::fromLatin1(caso.testo)).testo(), QString::fromLatin1(caso.valore)) << caso.testo;
}

TEST(Numeri, Format)
{
    const struct {
        const char* valore;
        const char* modello;
        const char* atteso;
    } casi[] = {
        {"12,5", "##0.0000", "12,5000"},
        {"0", "##0.0000", "0,0000"},
        {"0,00005", "##0.0000", "0,0001"},   // halves away from zero
        {"-0,00005", "##0.0000", "-0,0001"},
        {"-0,00004", "##0.0000", "0,0000"},
        {"2,345", "##0.00", "2,35"},
        {"2,355", "##0.00", "2,36"},
        {"1234567,891", "##0.00", "1234567,89"},
        {"0,5", "#0.0000", "0,5000"},
        {"7", "000", "007"},
        {"1234", "000", "1234"},
        {"2,5", "00", "03"},
        {"5", "00", "05"},
        {"1E3", "##0.00", "1000,00"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(Format(numero(caso.valore), QString::fromLatin1(caso.modello)), QString::fromLatin1(caso.atteso))
            << caso.valore << " " << caso.modello;

    EXPECT_EQ(Format(QStringLiteral("0") + QStringLiteral("12,5"), QStringLiteral("##0.00")), QStringLiteral("12,50"));
    EXPECT_EQ(Format(QStringLiteral("0") + QString(), QStringLiteral("##0.00")), QStringLiteral("0,00"));
    EXPECT_EQ(Format(QStringLiteral("abc"), QStringLiteral("##0.00")), QStringLiteral("abc"));
    EXPECT_EQ(Format(NumeroDecimale::daDouble(1.005), QStringLiteral("##0.00")), QStringLiteral("1,01"));
    EXPECT_THROW(Format(numero("1"), QStringLiteral("#,##0.00")), std::invalid_argument);
    EXPECT_THROW(Format(numero("1"), QStringLiteral("0.0#")), std::invalid_argument);
}

TEST(Numeri, RoundMetaAlPari)
{
    const struct {
        const char* valore;
        int decimali;
        const char* atteso;
    } casi[] = {
        {"2,345", 2, "2,34"}, {"2,355", 2, "2,36"}, {"2,3451", 2, "2,35"}, {"-2,345", 2, "-2,34"},
        {"0,5", 0, "0"}, {"1,5", 0, "2"}, {"2,5", 0, "2"}, {"12345,675", 2, "12345,68"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(Round(numero(caso.valore), caso.decimali).testo(), QString::fromLatin1(caso.atteso)) << caso.valore;
}

TEST(Numeri, Formatta2dec)
{
    const struct {
        const char* calcolo;
        const char* atteso;
    } casi[] = {
        {"12,349", "12,34"}, {"12,5", "12,50"}, {"12", "12,00"}, {"0,999", "0,99"}, {"12,34", "12,34"},
    };
    for (const auto& caso : casi) EXPECT_EQ(Formatta2dec(QString::fromLatin1(caso.calcolo)), QString::fromLatin1(caso.atteso));
}

TEST(Numeri, TestoCompleto)
{
    EXPECT_EQ((numero("1") / numero("3")).testo(), QStringLiteral("0,33333333333333333333333333333333"));
    EXPECT_EQ((numero("12,5") * numero("1E20")).testo(), QStringLiteral("1250000000000000000000"));
    EXPECT_EQ(numero("-0,001").testo(), QStringLiteral("-0,001"));
}

TEST(Date, LetturaERiscrittura)
{
    const struct {
        const char* testo;
        const char* atteso;   // "" when it is no date
    } casi[] = {
        {"1/2/2006", "01/02/2006"}, {"01/02/2006", "01/02/2006"}, {" 29/2/2004 ", "29/02/2004"},
        {"12/03/06", "12/03/2006"}, {"12/03/45", "12/03/1945"}, {"1-2-2006", "01/02/2006"},
        {"31/02/2006", ""}, {"29/02/2006", ""}, {"32/01/2006", ""}, {"12/13/2006", ""}, {"00/01/2006", ""},
        {"1/2-2006", ""}, {"12/03/206", ""}, {"", ""}, {"abc", ""},
    };
    for (const auto& caso : casi) {
        const QString atteso = QString::fromLatin1(caso.atteso);
        EXPECT_EQ(IsDate(QString::fromLatin1(caso.testo)), !atteso.isEmpty()) << caso.testo;
        EXPECT_EQ(RiscriviData(QString::fromLatin1(caso.testo)), atteso.isEmpty() ? QString::fromLatin1(caso.testo) : atteso)
            << caso.testo;
    }
}

TEST(Date, FormattazioneData)
{
    const struct {
        const char* valore;
        const char* ingresso;
        const char* uscita;
        const char* opzione;
        const char* atteso;
    } casi[] = {
        {"20060312", "AAAAMMGG", "GG/MM/AAAA", "DT", "12/03/2006"},
        {"20061312", "AAAAMMGG", "GG/MM/AAAA", "DT", "          "},
        {"20061312", "AAAAMMGG", "GG/MM/AAAA", "D0", "0000000000"},
        {"12/03/2006", "GG/MM/AAAA", "AAAAMMGG", "DT", "20060312"},
        {"", "GG/MM/AAAA", "AAAAMMGG", "DT", "        "},
        {"   ", "GG/MM/AAAA", "AAAAMMGG", "D0", "00000000"},
        {"31/02/2006", "GG/MM/AAAA", "AAAAMMGG", "D0", "00000000"},
        {"200603", "AAAAMM", "GG/MM/AAAA", "DT", "01/03/2006"},   // a missing day is 01
    };
    for (const auto& caso : casi)
        EXPECT_EQ(FormattazioneData(QString::fromLatin1(caso.valore), QString::fromLatin1(caso.ingresso),
                                    QString::fromLatin1(caso.uscita), QString::fromLatin1(caso.opzione)),
                  QString::fromLatin1(caso.atteso))
            << caso.valore << " " << caso.opzione;
}

TEST(Formattazione, Riempimenti)
{
    EXPECT_EQ(RiempiDestra(QStringLiteral("ABC"), 5, u'0'), QStringLiteral("ABC00"));
    EXPECT_EQ(RiempiDestra(QStringLiteral("ABCDEF"), 3, u' '), QStringLiteral("ABC"));
    EXPECT_EQ(RiempiSinistra(QStringLiteral("12345"), 3, u'0'), QStringLiteral("345"));
    EXPECT_EQ(RiempiSinistra(QStringLiteral("7"), 3, u'0'), QStringLiteral("007"));
}

TEST(Formattazione, VirgolaMessaETolta)
{
    const struct {
        const char* cifre;
        int decimali;
        const char* atteso;
    } messa[] = {
        {"00150", 2, "1,50"}, {"0012", 4, "0,0012"}, {"00000123456", 4, "12,3456"}, {"00000000000", 4, "0,0000"},
        {"00000000000045", 2, "0,45"}, {" 0 1 23456", 4, "12,3456"}, {"12", 2, "0,12"}, {"ab1234", 2, "0,34"},
    };
    for (const auto& caso : messa) {
        EXPECT_EQ(InserisciVirgola(QString::fromLatin1(caso.cifre), caso.decimali), QString::fromLatin1(caso.atteso)) << caso.cifre;
        EXPECT_EQ(ImportoConVirgola(QString::fromLatin1(caso.cifre), caso.decimali), QString::fromLatin1(caso.atteso)) << caso.cifre;
    }

    const struct {
        const char* valore;
        int decimali;
        const char* atteso;
    } tolta[] = {
        {"12,34567", 4, "123456"}, {"12,5", 4, "125000"}, {"7", 4, "70000"}, {"0,5", 2, "050"},
        {"", 4, ""}, {"   ", 4, ""}, {"0", 2, ""}, {"0,0000", 4, ""}, {" 3,1 ", 2, "310"},
    };
    for (const auto& caso : tolta)
        EXPECT_EQ(ImportoSenzaVirgola(QString::fromLatin1(caso.valore), caso.decimali), QString::fromLatin1(caso.atteso))
            << caso.valore;
}
