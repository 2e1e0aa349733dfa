#include "rules/FiltriTasti.h"

#include "StampaQString.h"

#include <gtest/gtest.h>

using namespace Md_FunzioniGenerali;

namespace {

struct Caso {
    const char* testo;
    qsizetype cursore;
    int tasto;
    int atteso;                 // the key that goes in, 0 when dropped
    bool beep;
    const char* nuovoTesto;     // nullptr: the text is left alone
    bool allaFine;
};

void verifica(const FiltroTasto& filtro, const std::vector<Caso>& casi, int lunghezzaMassima = 0)
{
    for (const auto& caso : casi) {
        const StatoCampo campo{QString::fromLatin1(caso.testo), caso.cursore, lunghezzaMassima};
        const EsitoTasto esito = filtro(campo, caso.tasto);
        const std::string dove = std::string("\"") + caso.testo + "\" @" + std::to_string(caso.cursore) + " key "
                                 + std::to_string(caso.tasto);
        EXPECT_EQ(esito.tasto, caso.atteso) << dove;
        EXPECT_EQ(esito.beep, caso.beep) << dove;
        EXPECT_EQ(esito.testo.has_value(), caso.nuovoTesto != nullptr) << dove;
        if (caso.nuovoTesto && esito.testo) {
            EXPECT_EQ(*esito.testo, QString::fromLatin1(caso.nuovoTesto)) << dove;
        }
        EXPECT_EQ(esito.cursoreAllaFine, caso.allaFine) << dove;
    }
}

}  // namespace

TEST(FiltriTasti, Testo)
{
    for (int tasto = 0; tasto < 256; ++tasto) {
        const bool tenuto = tasto <= 32 || tasto == 38 || tasto == 39 || (tasto >= 44 && tasto <= 57)
                            || (tasto >= 65 && tasto <= 90) || (tasto >= 97 && tasto <= 122);
        const EsitoTasto esito = Keypress_Testo({}, tasto);
        EXPECT_EQ(esito.tasto, tenuto ? tasto : 0) << tasto;
        EXPECT_FALSE(esito.beep) << tasto;
    }
}

TEST(FiltriTasti, Upper)
{
    const struct {
        int tasto, atteso, seguente;
    } casi[] = {
        {'a', 'A', 0}, {'z', 'Z', 0}, {'Q', 'Q', 0}, {'*', 0, 0}, {8, 8, 0}, {'5', '5', 0}, {'#', '#', 0},
        {u'à', 'A', '\''}, {u'á', 'A', '\''}, {u'è', 'E', '\''}, {u'é', 'E', '\''}, {u'ì', 'I', '\''},
        {u'í', 'I', '\''}, {u'ò', 'O', '\''}, {u'ó', 'O', '\''}, {u'ù', 'U', '\''}, {u'ú', 'U', '\''},
        {u'ç', u'ç', 0},
    };
    for (const auto& caso : casi) {
        const EsitoTasto esito = Keypress_Upper({}, caso.tasto);
        EXPECT_EQ(esito.tasto, caso.atteso) << caso.tasto;
        EXPECT_EQ(esito.tastoSeguente, caso.seguente) << caso.tasto;
        EXPECT_FALSE(esito.beep);
    }
}

TEST(FiltriTasti, Integer)
{
    verifica(Keypress_Integer, {
        {"", 0, '7', '7', false, nullptr, false},
        {"", 0, '.', '.', false, nullptr, false},
        {"", 0, ',', ',', false, nullptr, false},
        {"", 0, 8, 8, false, nullptr, false},
        {"", 0, 'a', 0, true, nullptr, false},
        {"", 0, '-', 0, true, nullptr, false},
        {"", 0, ' ', 0, true, nullptr, false},
    });
}

TEST(FiltriTasti, Data)
{
    verifica(Keypress_Data, {
        // caret 0
        {"", 0, '4', 0, false, "04/", true},
        {"", 0, '7', 0, false, "07/", true},
        {"", 0, '1', '1', false, nullptr, false},
        {"", 0, '3', '3', false, nullptr, false},
        {"/03/2006", 0, '5', 0, false, "05/03/2006", false},
        {"2/03/2006", 0, '5', 0, true, nullptr, false},
        {"2", 0, '3', 0, true, nullptr, false},       // 3 before a 2: day 32
        {"1", 0, '3', '3', false, nullptr, false},
        {"12/03/2006", 0, '1', 0, true, nullptr, false},   // day complete
        // caret 1
        {"1", 1, '2', 0, false, "12/", true},
        {"3", 1, '2', 0, true, nullptr, false},
        {"3", 1, '1', 0, false, "31/", true},
        {"0", 1, '0', 0, true, nullptr, false},
        {"4", 1, '0', 0, true, nullptr, false},
        {"0/03", 1, '5', '5', false, nullptr, false},
        {"12/03/2006", 1, '1', 0, true, nullptr, false},
        // caret 2 and 5: the bar
        {"12", 2, '/', '/', false, nullptr, false},
        {"12/03", 5, '/', '/', false, nullptr, false},
        {"1", 1, '/', 0, true, nullptr, false},
        {"12/0", 4, '/', 0, true, nullptr, false},
        {"", 0, 'a', 0, true, nullptr, false},
        // caret 3: first month digit
        {"12/", 3, '0', '0', false, nullptr, false},
        {"12/", 3, '1', '1', false, nullptr, false},
        {"12/", 3, '5', 0, false, "12/05/", true},
        {"12//2006", 3, '5', 0, false, "12/05/2006", true},
        {"12/1/200", 3, '1', 0, true, nullptr, false},     // three characters after the second bar
        // caret 4: second month digit
        {"12/0", 4, '3', 0, false, "12/03/", true},
        {"12/1", 4, '2', 0, false, "12/12/", true},
        {"12/1", 4, '3', 0, true, nullptr, false},         // month 13
        {"12/0", 4, '0', 0, true, nullptr, false},
        {"12/0/2006", 4, '3', '3', false, nullptr, false},
        // the year and beyond
        {"12/03/", 6, '2', '2', false, nullptr, false},
        {"12/03/200", 9, '6', '6', false, nullptr, false},
        {"12/03/2006", 10, '1', 0, true, nullptr, false},
        // control keys
        {"12/", 3, 8, 0, false, nullptr, false},           // Backspace right after a bar does nothing
        {"12/03/", 6, 8, 0, false, nullptr, false},
        {"12/0", 4, 8, 8, false, nullptr, false},
        {"12/03/2006", 0, 3, 3, false, nullptr, false},
    });
}

TEST(FiltriTasti, Decimale)
{
    verifica(Keypress_Decimale, {
        {"12,34", 5, '5', 0, true, nullptr, false},        // two decimals already, caret after the comma
        {"12,34", 3, '5', 0, true, nullptr, false},
        {"12,34", 2, '5', '5', false, nullptr, false},     // before the comma: fits
        {"12,34", 0, '5', '5', false, nullptr, false},
        {"12,3", 4, '5', '5', false, nullptr, false},
        {"12,34", 5, 3, 0, true, nullptr, false},          // a control key counts as a digit here
        {"12,34", 5, 8, 8, false, nullptr, false},
        {"", 0, ',', 0, true, nullptr, false},
        {"", 0, '.', 0, true, nullptr, false},
        {"12", 2, '.', ',', false, nullptr, false},
        {"12", 2, ',', ',', false, nullptr, false},
        {"12,3", 4, ',', 0, true, nullptr, false},
        {"12", 2, 'a', 0, true, nullptr, false},
        {"12", 2, '-', 0, true, nullptr, false},
        {"1,", 1, 8, 0, false, "0", false},                // what remains is just the comma
        {"", 0, 8, 8, false, nullptr, false},
    });
    const EsitoTasto invio = Keypress_Decimale({QStringLiteral("12"), 2, 0}, 13);
    EXPECT_EQ(invio.tasto, 0);
    EXPECT_TRUE(invio.campoSuccessivo);
    EXPECT_FALSE(invio.beep);
}

TEST(FiltriTasti, DecimaliLunghezzaMassima)
{
    // length 6: the value times 10^4 may not exceed 99999
    verifica([](const StatoCampo& c, int t) { return Keypress_Decimali(c, t, 4); }, {
        {"9,999", 5, '9', '9', false, nullptr, false},
        {"9", 1, '9', 0, true, nullptr, false},
        {"9,9999", 0, '1', 0, true, nullptr, false},
        {"19,999", 1, 8, 8, false, nullptr, false},
    }, 6);
}

TEST(FiltriTasti, Catena)
{
    const std::vector<FiltroTasto> superioreETesto{Keypress_Upper, Keypress_Testo};
    const struct {
        int tasto, atteso, seguente;
    } casi[] = {{'a', 'A', 0}, {u'è', 'E', '\''}, {'*', 0, 0}, {'#', 0, 0}, {'\'', '\'', 0}};
    for (const auto& caso : casi) {
        const EsitoTasto esito = ApplicaFiltri(superioreETesto, {}, caso.tasto);
        EXPECT_EQ(esito.tasto, caso.atteso) << caso.tasto;
        EXPECT_EQ(esito.tastoSeguente, caso.seguente) << caso.tasto;
    }
    // A key dropped by the first filter reaches no further one: no beep from the amount filter.
    const EsitoTasto asterisco = ApplicaFiltri({Keypress_Upper, Keypress_Decimale}, {QStringLiteral("1,23"), 4, 0}, '*');
    EXPECT_EQ(asterisco.tasto, 0);
    EXPECT_FALSE(asterisco.beep);
}
