#pragma once

#include "ServiziFinti.h"
#include "app/base/Contesto.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh program folder with a fresh working database and the shipped report files, the shared
// state and scripted services.
class AmbienteProva : public ::testing::Test {
protected:
    AmbienteProva();
    ~AmbienteProva() override;

    QString cartellaProgramma() const { return m_cartella.path(); }
    QString fileDatabase() const;
    // Opens dbDati as the main window does.
    Database& apriDatabase();
    // One value read with a query (null reads as "").
    QString leggi(const QString& sql, const QVariantList& valori = {});
    int conta(const QString& tabella);

    QTemporaryDir m_cartella;
    StatoCondiviso stato;
    MessaggiFinti messaggi;
    CartelleFinte cartelle;
    UnitaFinte unita;
    VisualizzatoreFinto visualizzatore;
    ApplicazioneFinta applicazione;
    FinestreFinte finestre{stato};
    ReportFinto report;
    Contesto contesto{stato, {messaggi, cartelle, unita, visualizzatore, applicazione, finestre, report}};
};
