#include "rules/FiltriTasti.h"

#include "rules/Numeri.h"

namespace Md_FunzioniGenerali {

namespace {

bool cifra(int tasto) { return tasto >= '0' && tasto <= '9'; }
bool controllo(int tasto) { return tasto >= 0 && tasto <= 31; }

EsitoTasto tenuto(int tasto)
{
    EsitoTasto esito;
    esito.tasto = tasto;
    return esito;
}

EsitoTasto rifiutato()
{
    EsitoTasto esito;
    esito.beep = true;
    return esito;
}

EsitoTasto nuovoTesto(const QString& testo, bool allaFine = true, bool beep = false)
{
    EsitoTasto esito;
    esito.testo = testo;
    esito.cursoreAllaFine = allaFine;
    esito.beep = beep;
    return esito;
}

// The capital, then an apostrophe typed right after it.
EsitoTasto accentata(int lettera)
{
    EsitoTasto esito = tenuto(lettera);
    esito.tastoSeguente = '\'';
    return esito;
}

// The character at a position, or NUL past the end: "the next character".
QChar carattere(const QString& testo, qsizetype posizione)
{
    return posizione >= 0 && posizione < testo.size() ? testo[posizione] : QChar();
}

}  // namespace

EsitoTasto Keypress_Testo(const StatoCampo&, int tasto)
{
    const bool ammesso = (tasto >= 0 && tasto <= 32) || tasto == '&' || tasto == '\'' || (tasto >= ',' && tasto <= '9')
                         || (tasto >= 'A' && tasto <= 'Z') || (tasto >= 'a' && tasto <= 'z');
    return tenuto(ammesso ? tasto : 0);
}

EsitoTasto Keypress_Upper(const StatoCampo&, int tasto)
{
    if (controllo(tasto)) return tenuto(tasto);
    if (tasto == '*') return tenuto(0);
    if (tasto >= 'a' && tasto <= 'z') return tenuto(tasto - 'a' + 'A');
    switch (tasto) {
    case u'à': case u'á': return accentata('A');
    case u'è': case u'é': return accentata('E');
    case u'ì': case u'í': return accentata('I');
    case u'ò': case u'ó': return accentata('O');
    case u'ù': case u'ú': return accentata('U');
    default: return tenuto(tasto);
    }
}

EsitoTasto Keypress_Integer(const StatoCampo&, int tasto)
{
    return controllo(tasto) || cifra(tasto) || tasto == '.' || tasto == ',' ? tenuto(tasto) : rifiutato();
}

EsitoTasto Keypress_Data(const StatoCampo& campo, int tasto)
{
    const QString& testo = campo.testo;
    const qsizetype cursore = campo.cursore;

    if (controllo(tasto))
        return tasto == TastoBackspace && (cursore == 3 || cursore == 6) ? tenuto(0) : tenuto(tasto);
    if (tasto == '/') return cursore == 2 || cursore == 5 ? tenuto(tasto) : rifiutato();
    if (!cifra(tasto)) return rifiutato();

    const QChar c = QChar(tasto);
    const qsizetype primaBarra = testo.indexOf(u'/');
    const bool giornoCompleto = primaBarra == 2;
    const qsizetype secondaBarra = primaBarra < 0 ? -1 : testo.indexOf(u'/', primaBarra + 1);
    const bool annoIniziato = secondaBarra >= 0 && testo.size() - secondaBarra - 1 == 3;
    const QChar successivo = carattere(testo, cursore);

    switch (cursore) {
    case 0: {
        EsitoTasto esito = tenuto(tasto);
        if (giornoCompleto) esito = rifiutato();
        if (c >= u'4') {
            if (testo.isEmpty()) return nuovoTesto(u'0' + c + u'/');
            if (successivo == u'/') return nuovoTesto(u'0' + c + testo.mid(primaBarra), false, esito.beep);
            return rifiutato();
        }
        if (c == u'3' && successivo > u'1') return rifiutato();
        return esito;
    }
    case 1: {
        const QChar prima = testo.isEmpty() ? QChar() : testo[0];
        if (giornoCompleto) return rifiutato();
        if ((prima == u'3' && c > u'1') || (prima > u'3' && c == u'0') || (prima == u'0' && c == u'0'))
            return rifiutato();
        if (testo.size() == 1) return nuovoTesto(testo + c + u'/');
        return tenuto(tasto);
    }
    case 3: {
        if (annoIniziato) return rifiutato();
        if (c >= u'2') {
            const QString mese = QStringLiteral("0") + c;
            // A month typed before the "/" that is already there uses it.
            if (successivo == u'/') return nuovoTesto(testo.left(primaBarra + 1) + mese + testo.mid(primaBarra + 1));
            return nuovoTesto(testo + mese + u'/');
        }
        return tenuto(tasto);
    }
    case 4: {
        if (annoIniziato) return rifiutato();
        const QChar prima = carattere(testo, 3);
        if ((prima == u'1' && c > u'2') || (prima == u'0' && c == u'0')) return rifiutato();
        if (testo.size() == 4) return nuovoTesto(testo + c + u'/');
        return tenuto(tasto);
    }
    case 2: case 5: case 6: case 7: case 8: case 9:
        return tenuto(tasto);
    default:
        return rifiutato();
    }
}

EsitoTasto Keypress_Decimali(const StatoCampo& campo, int tasto, int decimali)
{
    if (tasto == TastoInvio) {
        EsitoTasto esito;
        esito.campoSuccessivo = true;
        return esito;
    }

    const QString& testo = campo.testo;
    const qsizetype virgola = testo.indexOf(u',');
    if (cifra(tasto) || (controllo(tasto) && tasto != TastoBackspace)) {
        if (virgola >= 0 && testo.size() - virgola - 1 >= decimali && campo.cursore > virgola) return rifiutato();
    } else if (tasto == ',' || tasto == '.') {
        tasto = ',';
        if (testo.isEmpty() || virgola >= 0) return rifiutato();
    } else if (tasto != TastoBackspace) {
        return rifiutato();
    }

    QString previsto = testo;
    if (tasto == TastoBackspace) {
        if (campo.cursore > 0) previsto.remove(campo.cursore - 1, 1);
    } else {
        previsto.insert(campo.cursore, QChar(tasto));
    }
    previsto.replace(u',', u'.');
    const NumeroDecimale valore = Val(previsto);
    if (campo.lunghezzaMassima > 0) {
        const NumeroDecimale limite = NumeroDecimale::potenzaDiDieci(campo.lunghezzaMassima - 1) - 1;
        if (valore * NumeroDecimale::potenzaDiDieci(decimali) > limite) return rifiutato();
    }
    if (previsto == QStringLiteral(".") && valore.zero()) return nuovoTesto(QStringLiteral("0"), false);
    return tenuto(tasto);
}

EsitoTasto Keypress_Decimale(const StatoCampo& campo, int tasto)
{
    return Keypress_Decimali(campo, tasto, 2);
}

EsitoTasto ApplicaFiltri(const std::vector<FiltroTasto>& filtri, const StatoCampo& campo, int tasto)
{
    EsitoTasto esito = tenuto(tasto);
    for (const auto& filtro : filtri) {
        const EsitoTasto passo = filtro(campo, esito.tasto);
        esito.tasto = passo.tasto;
        esito.beep = esito.beep || passo.beep;
        if (passo.testo) esito.testo = passo.testo;
        esito.cursoreAllaFine = esito.cursoreAllaFine || passo.cursoreAllaFine;
        esito.campoSuccessivo = esito.campoSuccessivo || passo.campoSuccessivo;
        if (passo.tastoSeguente) esito.tastoSeguente = passo.tastoSeguente;
        if (esito.tasto == 0) break;
    }
    return esito;
}

}  // namespace Md_FunzioniGenerali
