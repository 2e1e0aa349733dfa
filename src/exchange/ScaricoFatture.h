#pragma once

#include "exchange/CorniceScarico.h"

#include <QByteArray>
#include <QString>

struct Contesto;
class FileTracciati;
class Istruzione;

// The distiller supply file of the current application (DomandaCorrente): a header, one record per
// invoice, one per delivery note, a trailer; 260 Windows-1252 bytes a record.
class ScaricoFatture {
public:
    static const QString Etichetta;

    explicit ScaricoFatture(Contesto& contesto);

    QByteArray TRACCIATO_0() const;
    // The current row of the invoices, or of the delivery notes, of QueryFatture / QueryBolle.
    QByteArray TRACCIATO_1(const Istruzione& rsGen) const;
    QByteArray TRACCIATO_2(const Istruzione& rsGen) const;
    // Sets lConta back to 0.
    QByteArray TRACCIATO_9();

    // The invoices in the numeric order of their numbers, and the delivery notes by invoice and
    // note; ?1 is the application. Invoices without processing, product or kind of application
    // are left out with their notes.
    static QString QueryFatture();
    static QString QueryBolle();

    // The folder chooser, "" when the user gave up.
    QString ScegliPercorso() { return m_cornice.ScegliPercorso(); }
    // The export towards a chosen folder.
    EsitoScarico Esegui(const QString& percorso);
    // The records into an open file.
    void ScriviRecord(FileTracciati& file);

    QString sValore;
    qint32 lConta = 0;
    qint32 lConta2 = 0;

private:
    Contesto& m_contesto;
    CorniceScarico m_cornice;
};
