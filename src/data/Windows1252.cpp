#include "data/Windows1252.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

class Convertitore {
public:
    Convertitore(const char* verso, const char* da) : m_cd(iconv_open(verso, da)) {}
    ~Convertitore()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Convertitore(const Convertitore&) = delete;
    Convertitore& operator=(const Convertitore&) = delete;

    // Converts everything; an input character that cannot be converted becomes '?'.
    QByteArray converti(const QByteArray& ingresso, size_t (*lunghezzaCarattere)(unsigned char)) const
    {
        QByteArray uscita;
        char* in = const_cast<char*>(ingresso.constData());
        size_t restanti = static_cast<size_t>(ingresso.size());
        char blocco[4096];
        while (restanti > 0) {
            char* out = blocco;
            size_t spazio = sizeof(blocco);
            const size_t esito = iconv(m_cd, &in, &restanti, &out, &spazio);
            uscita.append(blocco, static_cast<qsizetype>(out - blocco));
            if (esito == static_cast<size_t>(-1) && errno != E2BIG) {
                uscita.append('?');
                const size_t salto = std::min(lunghezzaCarattere(static_cast<unsigned char>(*in)), restanti);
                in += salto;
                restanti -= salto;
            }
        }
        return uscita;
    }

private:
    iconv_t m_cd;
};

size_t lunghezzaCarattereUtf8(unsigned char primo)
{
    if (primo >= 0xF0) return 4;
    if (primo >= 0xE0) return 3;
    if (primo >= 0xC0) return 2;
    return 1;
}

size_t unByte(unsigned char)
{
    return 1;
}

}  // namespace

QByteArray Windows1252::codifica(const QString& testo)
{
    // Plain ASCII is the same in both.
    if (std::all_of(testo.cbegin(), testo.cend(), [](QChar c) { return c.unicode() < 0x80; })) return testo.toLatin1();
    const Convertitore convertitore("WINDOWS-1252", "UTF-8");
    return convertitore.converti(testo.toUtf8(), lunghezzaCarattereUtf8);
}

QString Windows1252::decodifica(const QByteArray& byte)
{
    if (std::all_of(byte.cbegin(), byte.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QString::fromLatin1(byte);
    }
    // One byte is one character: each byte's character is found once.
    static const std::array<QString, 256> caratteri = [] {
        std::array<QString, 256> tabella;
        const Convertitore convertitore("UTF-8", "WINDOWS-1252");
        for (int b = 0; b < 256; ++b) tabella[b] = QString::fromUtf8(convertitore.converti(QByteArray(1, char(b)), unByte));
        return tabella;
    }();
    QString testo;
    testo.reserve(byte.size());
    for (const char c : byte) testo += caratteri[static_cast<unsigned char>(c)];
    return testo;
}
