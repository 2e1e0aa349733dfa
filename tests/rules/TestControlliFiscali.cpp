#include "rules/ControlliFiscali.h"

#include "StampaQString.h"

#include <gtest/gtest.h>

using namespace Md_FunzioniGenerali;

TEST(ControlliFiscali, CheckPartitaIva)
{
    const struct {
        const char* valore;
        bool valida;
    } casi[] = {
        {"12345678903", true},
        {"00743110157", true},
        {"01114601006", true},
        {"00743110156", false},   // wrong check digit
        {"00000000000", false},   // eleven zeros, although 0 would be the check digit
        {"00000000190", true},    // sum 10: check digit 0
        {"00000000191", false},
        // a doubled digit 5..9 counts 1 + (2d - 10)
        {"00000000059", true},
        {"00000000067", true},
        {"00000000075", true},
        {"00000000083", true},
        {"00000000091", true},
        {"00000000050", false},
        {"05050505055", true},
        {"09090909095", true},
        {"1234567890", false},    // ten digits
        {"123456789031", false},  // twelve
        {"12345678903 ", true},   // trimmed length counts
        {" 1234567890", false},   // a blank in a digit's place
        {"+1234567890", false},
        {"1234567,890", false},
        {"1234567890A", false},   // not numeric
        {"", false},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(CheckPartitaIva(QString::fromLatin1(caso.valore)), caso.valida) << caso.valore;
}

TEST(ControlliFiscali, CodFisc)
{
    const struct {
        const char* valore;
        bool omocodia;    // whether the question is asked
        bool risposta;    // the answer given
        bool valido;
    } casi[] = {
        {"RSSMRA80A01H501U", false, false, true},
        {"RSSMRA85T10A562S", false, false, true},
        {"VRDGPP13R10B293P", false, false, true},
        {"BNCLRA70M41F205V", false, false, true},
        {"RSSMRA80A01H501U EXTRA", false, false, true},   // only the first sixteen are examined
        {"RSSMRA80A01H501A", false, false, false},        // wrong check character
        {"RSSMRA85T10A562T", false, false, false},
        // homonym letters in 13-15: asked once, "yes" still needs the right check character
        {"RSSMRA80A01HRLMS", true, true, true},
        {"RSSMRA80A01H5LMX", true, true, true},
        {"RSSMRA80A01H50MM", true, true, true},
        {"RSSMRA80A01HRLMS", true, false, false},
        {"RSSMRA80A01HRLMA", true, true, false},
        // lower case: refused in 1-6, a wrong check character elsewhere
        {"rssmra80a01h501u", false, false, false},
        {"RSSMRA80A01h501U", false, false, false},
        {"RSSMRA80A01H501u", false, false, false},
        // shape
        {"RSSMRA80A01H501", false, false, false},         // fifteen characters
        {"RSSMR180A01H501U", false, false, false},        // digit among the letters
        {"RSSMRAL0A01H501U", false, false, false},        // letter in the year
        {"RSSMRA80101H501U", false, false, false},        // digit for the month
        {"RSSMRA80AL1H501U", false, false, false},        // letter in the day
        {"RSSMRA80A011501U", false, false, false},        // digit for the town letter
        {"RSSMRA80A01H5011", false, false, false},        // digit as check character
        {" RSSMRA80A01H501U", false, false, false},       // positions count as passed
    };
    for (const auto& caso : casi) {
        int domande = 0;
        const bool valido = CodFisc(QString::fromLatin1(caso.valore), [&] {
            ++domande;
            return caso.risposta;
        });
        EXPECT_EQ(valido, caso.valido) << caso.valore;
        EXPECT_EQ(domande, caso.omocodia ? 1 : 0) << caso.valore;
    }
}

TEST(ControlliFiscali, SceltaTraPartitaIvaECodiceFiscale)
{
    const struct {
        const char* valore;
        bool valido;
    } casi[] = {
        {"00743110157", true},
        {"RSSMRA80A01H501U", true},
        {"1234567890", false},          // numeric of ten digits: the VAT test refuses it
        {"1234567890123456", false},    // sixteen digits: still the VAT test
        {"12,5", false},                // numeric for the platform: VAT test
        {"1E5", false},
        {"RSSMRA80A01H501A", false},
    };
    for (const auto& caso : casi) {
        bool chiesto = false;
        EXPECT_EQ(CodiceFiscaleOPartitaIva(QString::fromLatin1(caso.valore), [&] { return chiesto = true; }),
                  caso.valido)
            << caso.valore;
        EXPECT_FALSE(chiesto) << caso.valore;
    }
}
