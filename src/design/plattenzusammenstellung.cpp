#include "design/plattenzusammenstellung.h"

#include "app/zahl.h"

#include <algorithm>

PlattenZusammenstellung::PlattenZusammenstellung(int system, const QList<int>& anzahlen, double sollFlaeche,
                                                 int registerAnzahl)
    : m_system(system), m_soll(sollFlaeche)
{
    const int n = RegisterTypen::anzahlTypen(system);
    bool vorhanden = false;
    for (int i = 0; i < n; ++i) {
        const int a = std::clamp(anzahlen.value(i), 0, maxAnzahl);
        m_anzahlen.append(a);
        vorhanden = vorhanden || a > 0;
    }
    m_sollVerborgen = sollFlaeche == 0.0 || vorhanden;
    neuBerechnen();
    const int i = m_registerAnzahlen.indexOf(registerAnzahl);
    if (i >= 0)
        m_auswahl = i;
}

QString PlattenZusammenstellung::text(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= zeilen())
        return QString();
    const RegisterTypen::Typ& t = typen().at(zeile);
    switch (spalte) {
    case 0:
        return QString::number(t.artNr);
    case 1:
        return QString::number(m_anzahlen.at(zeile));
    case 2:
        return Zahl::fest(t.breite, 0);
    case 3:
        return Zahl::fest(t.hoehe, 0);
    case 4:
        return Zahl::fest(t.flaeche, 2);
    case 5:
        return Zahl::fest(t.vierterWert, 0);
    default:
        return QString();
    }
}

void PlattenZusammenstellung::setAnzahl(int typ, int anzahl)
{
    if (typ < 0 || typ >= m_anzahlen.size())
        return;
    m_anzahlen[typ] = std::clamp(anzahl, 0, maxAnzahl);
    neuBerechnen();
}

void PlattenZusammenstellung::setAuswahl(int index)
{
    m_auswahl = index >= 0 && index < m_registerAnzahlen.size() ? index : -1;
}

void PlattenZusammenstellung::neuBerechnen()
{
    float flaeche = 0.0f;
    m_kleine = 0;
    m_grosse = 0;
    const QList<RegisterTypen::Typ>& t = typen();
    for (int i = 0; i < t.size(); ++i) {
        const int a = m_anzahlen.at(i);
        flaeche += static_cast<float>(a) * t.at(i).flaeche;
        if (RegisterTypen::istKlein(t.at(i)))
            m_kleine += a;
        else
            m_grosse += a;
    }
    m_flaeche = flaeche;
    m_registerAnzahlen = moeglicheRegisterAnzahlen(m_kleine, m_grosse);
    // Refilling the choice selects its first entry.
    m_auswahl = m_registerAnzahlen.isEmpty() ? -1 : 0;
}

QList<int> PlattenZusammenstellung::moeglicheRegisterAnzahlen(int s, int l)
{
    QList<int> r;
    if (l == 0) {
        if (s < 1)
            return r;
        if (s % 4 == 0)
            r.append(s / 4);
        if (s % 3 == 0)
            r.append(s / 3);
        if (s % 2 == 0)
            r.append(s / 2);
        r.append(s);
        return r;
    }
    const int ungerade = l % 2;
    if (s >= 2 * ungerade && (s - 2 * ungerade) % 4 == 0)
        r.append(l / 2 + ungerade + (s - 2 * ungerade) / 4);
    if (s >= l && (s - l) % 3 == 0)
        r.append(l + (s - l) / 3);
    if (s % 2 == 0)
        r.append(l + s / 2);
    return r;
}

PlattenZusammenstellung::Ergebnis PlattenZusammenstellung::anwenden() const
{
    Ergebnis e;
    e.flaeche = m_flaeche;
    e.anzahlen = m_anzahlen;
    if (m_auswahl < 0) {
        if (m_flaeche > 0.0) {
            e.meldung = QStringLiteral("Die gewählte Registerzusammenstellung ist nicht erlaubt,\nda die "
                                       "Differenz der Registerflächen zu gross ist!");
            return e;
        }
        e.registerAnzahl = 0;
        e.angenommen = true;
        return e;
    }
    e.registerAnzahl = m_registerAnzahlen.at(m_auswahl);
    e.angenommen = true;
    return e;
}
