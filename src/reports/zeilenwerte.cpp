#include "reports/zeilenwerte.h"

#include "app/zahl.h"

#include <algorithm>
#include <charconv>

Zeilenwerte& Zeilenwerte::text(QStringView wert)
{
    m_zeichen.append(reinterpret_cast<const char16_t*>(wert.data()), wert.size());
    m_ende.append(m_zeichen.size());
    return *this;
}

Zeilenwerte& Zeilenwerte::zeichen(const char* von, int laenge)
{
    const qsizetype anfang = m_zeichen.size();
    m_zeichen.resize(anfang + laenge);
    char16_t* ziel = m_zeichen.data() + anfang;
    for (int i = 0; i < laenge; ++i)
        ziel[i] = static_cast<unsigned char>(von[i]);
    m_ende.append(m_zeichen.size());
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

QStringView Zeilenwerte::wert(qsizetype i) const
{
    const qsizetype von = i == 0 ? 0 : m_ende.at(i - 1);
    return QStringView(m_zeichen.constData() + von, m_ende.at(i) - von);
}

bool Zeilenwerte::enthaeltProzent() const
{
    return std::find(m_zeichen.cbegin(), m_zeichen.cend(), u'%') != m_zeichen.cend();
}
