#include "app/ServiziQt.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

TEST(FinestreQt, FinestraNelMenuChiusaPortaViaLaCornice)
{
    QMdiArea area;
    FinestreQt finestre;
    finestre.impostaArea(&area);
    QPointer<QWidget> finestra = new QWidget;
    finestre.apri(finestra, ModoFinestra::NelMenu);
    ASSERT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(area.subWindowList().at(0)->widget(), finestra.data());

    finestra->close();
    QTRY_VERIFY(area.subWindowList().isEmpty());
    EXPECT_TRUE(finestra.isNull());
}

TEST(FinestreQt, FinestraPrincipaleFuoriDallArea)
{
    QMdiArea area;
    FinestreQt finestre;
    finestre.impostaArea(&area);
    QPointer<QWidget> principale = new QWidget;
    finestre.apri(principale, ModoFinestra::Principale);
    EXPECT_TRUE(area.subWindowList().isEmpty());
    EXPECT_TRUE(principale->isWindow());
    EXPECT_TRUE(principale->isVisible());
    delete principale.data();
}
