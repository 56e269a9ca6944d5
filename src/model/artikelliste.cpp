#include "model/artikelliste.h"

#include "app/grenzen.h"
#include "app/textcodec.h"
#include "app/zahl.h"

#include <cmath>
#include <functional>
#include <limits>

ArtikelListe& ArtikelListe::global()
{
    static ArtikelListe liste;
    return liste;
}

void ArtikelListe::clear()
{
    *this = ArtikelListe();
}

void ArtikelListe::readCatalogue(const QString& text)
{
    const QStringList alleZeilen = TextCodec::lines(text);
    QStringList zeilen;
    for (const QString& roh : alleZeilen) {
        const QString z = roh.trimmed();
        if (!z.startsWith(QLatin1Char('#')))
            zeilen.append(z);
    }

    int pos = 0;
    if (pos < zeilen.size()) {
        const QStringList kopf = zeilen.at(pos++).split(QLatin1Char('\t'));
        if (!kopf.value(0).isEmpty())
            m_sortimentDatum = kopf.at(0);
        for (int i = 0; i < 5; ++i) {
            const QString feld = kopf.value(i + 1);
            if (!feld.isEmpty())
                m_systemPreise[i] = Grenzen::lies(feld, Grenzen::preis);
        }
    }
    if (pos < zeilen.size()) {
        const int anzahl = Zahl::toInt(zeilen.at(pos++));
        m_gruppenNamen = QStringList{QString()};
        for (int g = 0; g < anzahl; ++g) {
            if (pos >= zeilen.size()) {
                m_aktuell = m_artikel.isEmpty() ? -1 : 0;
                return;
            }
            // Only 29 named groups fit; surplus group lines are read and passed over.
            const QString gruppe = zeilen.at(pos++);
            if (g < maxGruppen)
                m_gruppenNamen.append(gruppe);
        }
    }
    for (; pos < zeilen.size(); ++pos) {
        const QStringList f = zeilen.at(pos).split(QLatin1Char('\t'));
        // A line with fewer than eight fields carries no article.
        if (f.size() < 8)
            continue;
        Artikel a;
        a.artNr = Zahl::toInt(f.at(0));
        a.bezeichnung = f.at(1);
        a.bezeichnungLang = f.at(2);
        a.preis = Grenzen::lies(f.at(3), Grenzen::preis);
        a.rabatt = Grenzen::lies(f.at(4), Grenzen::prozent);
        a.einheit = Zahl::toInt(f.at(5));
        a.menge = Grenzen::lies(f.at(6), Grenzen::menge);
        a.gruppe = Zahl::toInt(f.at(7));
        a.bedarfBerechnen = f.size() == 9 && Zahl::toInt(f.at(8)) == 1;
        m_artikel.append(a);
    }
    m_aktuell = m_artikel.isEmpty() ? -1 : 0;
}

bool ArtikelListe::load(const QString& path)
{
    // A catalogue of many thousand articles stays far below this size; a larger file (or an
    // endless device) is no catalogue and is refused like one that cannot be opened.
    QString text;
    bool zuGross = false;
    if (!TextCodec::readFile(path, text, maxDateiGroesse, &zuGross) || zuGross)
        return false;
    readCatalogue(text);
    return true;
}

QString ArtikelListe::toText() const
{
    QString text =
        QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
            .arg(m_sortimentDatum, Zahl::kurz(m_systemPreise[0]), Zahl::kurz(m_systemPreise[1]),
                 Zahl::kurz(m_systemPreise[2]), Zahl::kurz(m_systemPreise[3]), Zahl::kurz(m_systemPreise[4]));
    text += QString::number(m_gruppenNamen.size() - 1) + QLatin1Char('\n');
    for (int g = 1; g < m_gruppenNamen.size(); ++g)
        text += m_gruppenNamen.at(g) + QLatin1Char('\n');
    for (const Artikel& a : m_artikel) {
        const QStringList f{QString::number(a.artNr),
                            a.bezeichnung,
                            a.bezeichnungLang,
                            Zahl::fest(a.preis, 2),
                            Zahl::fest(a.rabatt, 1),
                            QString::number(a.einheit),
                            Zahl::fest(a.menge, 2),
                            QString::number(a.gruppe),
                            QString::number(a.bedarfBerechnen ? 1 : 0)};
        text += f.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

int ArtikelListe::anzeigeGruppe(const Artikel& artikel) const
{
    const int letzte = gruppenAnzahl() - 1;
    if (letzte < 1)
        return 0;
    return artikel.gruppe >= 1 && artikel.gruppe <= letzte ? artikel.gruppe : letzte;
}

int ArtikelListe::indexOf(qint32 artNr, int start) const
{
    for (int i = std::max(0, start); i < m_artikel.size(); ++i) {
        if (m_artikel.at(i).artNr == artNr)
            return i;
    }
    return -1;
}

int ArtikelListe::position(const Artikel* start) const
{
    if (!start)
        return 0;
    const Artikel* anfang = m_artikel.constData();
    const Artikel* ende = anfang + m_artikel.size();
    // An article of another list (or a stale pointer) finds nothing rather than reading
    // outside this one.
    if (std::less<const Artikel*>()(start, anfang) || !std::less<const Artikel*>()(start, ende))
        return m_artikel.size();
    return static_cast<int>(start - anfang);
}

Artikel* ArtikelListe::findArtikel(qint32 artNr, const Artikel* start)
{
    const int i = indexOf(artNr, position(start));
    return i >= 0 ? &m_artikel[i] : nullptr;
}

Artikel* ArtikelListe::findInBezeichnung(const QString& text, const Artikel* start)
{
    for (int i = position(start); i < m_artikel.size(); ++i) {
        if (m_artikel.at(i).bezeichnung.contains(text, Qt::CaseInsensitive))
            return &m_artikel[i];
    }
    return nullptr;
}

float ArtikelListe::setBedarf(Artikel& artikel, float packs)
{
    if (!std::isfinite(packs))
        packs = 0.0f;
    if (artikel.einheit == 1 && artikel.menge > 20.0f) {
        // Pipes in rolls of more than 20 m keep fractional rolls, to the nearest hundredth;
        // an exact half rounds up.
        const float t = 100.0f * packs;
        const float unten = std::floor(t);
        const float oben = std::ceil(t);
        artikel.bedarf = (oben - t > t - unten ? unten : oben) / 100.0f;
    } else {
        artikel.bedarf = std::ceil(packs);
    }
    return artikel.bedarf;
}

void ArtikelListe::clearBestellMengen()
{
    for (Artikel& a : m_artikel)
        a.bestellMenge = 0;
}

void ArtikelListe::rundeBestellMengen()
{
    for (Artikel& a : m_artikel) {
        // A rest of more than five hundredths of a pack orders one pack more.
        const int n = Zahl::ganz(std::floor(a.bedarf));
        const bool rest = a.bedarf - static_cast<float>(n) > 0.05f;
        a.bestellMenge = rest && n < std::numeric_limits<int>::max() ? n + 1 : n;
    }
}
