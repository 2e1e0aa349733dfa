#include "data/Apici.h"

#include <gtest/gtest.h>

using namespace Md_FunzioniGenerali;

TEST(Apici, ApiceSql)
{
    const struct {
        QString testo, atteso;
    } casi[] = {
        {QStringLiteral("O'Neil"), QStringLiteral("O''Neil")},
        {QStringLiteral("la \"Cantina\""), QStringLiteral("la \"\"Cantina\"\"")},
        {QStringLiteral("l'\"a\""), QStringLiteral("l''\"\"a\"\"")},
        {QString(), QString()},
    };
    for (const auto& caso : casi) EXPECT_EQ(ApiceSql(caso.testo), caso.atteso) << caso.testo.toStdString();
}

TEST(Apici, ApiceReport)
{
    const struct {
        QString testo, atteso;
    } casi[] = {
        {QStringLiteral("   "), QString()},
        {QStringLiteral(" D'ALESSIO "), QStringLiteral("D`ALESSIO")},
        {QStringLiteral("FINE''"), QStringLiteral("FINE`")},
        {QStringLiteral("'A'"), QStringLiteral("`A`")},
    };
    for (const auto& caso : casi) EXPECT_EQ(ApiceReport(caso.testo), caso.atteso) << caso.testo.toStdString();
}
