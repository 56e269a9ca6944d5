#include "reports/zeilenwerte.h"

#include "app/zahl.h"

#include <algorithm>
#include <charconv>

char16_t* Zeilenwerte::platz(qsizetype laenge)
{
    if (m_laenge + laenge > m_zeichen.size())
        m_zeichen.resize(std::max(2 * m_zeichen.size(), m_laenge + laenge));
    char16_t* ziel = m_zeichen.data() + m_laenge;
    m_laenge += laenge;
    m_ende.append(m_laenge);
    return ziel;
}

Zeilenwerte& Zeilenwerte::text(QStringView wert)
{
    const auto* von = reinterpret_cast<const char16_t*>(wert.data());
    std::copy_n(von, wert.size(), platz(wert.size()));
    m_prozent = m_prozent || wert.contains(u'%');
    return *this;
}

Zeilenwerte& Zeilenwerte::zeichen(const char* von, int laenge)
{
    char16_t* ziel = platz(laenge);
    for (int i = 0; i < laenge; ++i)
        ziel[i] = static_cast<unsigned char>(von[i]);
    return *this;
}

Zeilenwerte& Zeilenwerte::zahl(qint64 wert)
{
    char puffer[24];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return zeichen(puffer, static_cast<int>(ergebnis.ptr - puffer));
}

Zeilenwerte& Zeilenwerte::kurz(double wert)
{
    char puffer[24];
    return zeichen(puffer, Zahl::kurzNach(puffer, wert));
}

Zeilenwerte& Zeilenwerte::fest(double wert, int decimals)
{
    char puffer[24];
    if (const int laenge = Zahl::festNach(puffer, wert, decimals))
        return zeichen(puffer, laenge);
    return text(Zahl::fest(wert, decimals));
}
