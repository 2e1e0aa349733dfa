#include "rules/Date.h"

#include <QRegularExpression>

namespace Md_FunzioniGenerali {

std::optional<QDate> LeggiData(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral(R"(^(\d{1,2})([/.-])(\d{1,2})\2(\d{2}|\d{4})$)"));
    const auto trovato = forma.match(testo.trimmed());
    if (!trovato.hasMatch()) return std::nullopt;
    int anno = trovato.captured(4).toInt();
    if (trovato.captured(4).size() == 2) anno += anno < 30 ? 2000 : 1900;
    if (anno < 100) return std::nullopt;
    const QDate data(anno, trovato.captured(3).toInt(), trovato.captured(1).toInt());
    if (!data.isValid()) return std::nullopt;
    return data;
}

bool IsDate(const QString& testo)
{
    return LeggiData(testo).has_value();
}

QString RiscriviData(const QString& testo)
{
    const auto data = LeggiData(testo);
    return data ? data->toString(QStringLiteral("dd/MM/yyyy")) : testo;
}

QString FormattazioneData(const QString& valore, const QString& modelloIngresso, const QString& modelloUscita,
                          const QString& opzione)
{
    const QString uscita = modelloUscita.toUpper();
    if (!valore.trimmed().isEmpty()) {
        QString giorno, mese, anno;
        for (qsizetype i = 0; i < modelloIngresso.size() && i < valore.size(); ++i) {
            switch (modelloIngresso[i].toUpper().unicode()) {
            case u'G': giorno += valore[i]; break;
            case u'M': mese += valore[i]; break;
            case u'A': anno += valore[i]; break;
            default: break;
            }
        }
        if (giorno.isEmpty()) giorno = QStringLiteral("01");
        if (mese.isEmpty()) mese = QStringLiteral("01");
        if (anno.isEmpty()) anno = QStringLiteral("00");
        if (const auto data = LeggiData(giorno + u'/' + mese + u'/' + anno)) {
            QString formatoQt = uscita;
            formatoQt.replace(u'G', u'd').replace(u'D', u'd').replace(u'A', u'y').replace(u'Y', u'y');
            return data->toString(formatoQt);
        }
    }
    return QString(modelloUscita.size(), opzione == QStringLiteral("D0") ? u'0' : u' ');
}

}  // namespace Md_FunzioniGenerali
