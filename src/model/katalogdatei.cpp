#include "model/katalogdatei.h"

#include "app/textcodec.h"
#include "app/zahl.h"

#include <QFile>

bool KatalogDatei::laden(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    // The program refuses a larger catalogue (or an endless device) as unreadable.
    const QByteArray bytes = datei.read(ArtikelListe::maxDateiGroesse);
    if (bytes.size() >= ArtikelListe::maxDateiGroesse && !datei.read(1).isEmpty())
        return false;
    setzeBytes(bytes);
    return true;
}

void KatalogDatei::setzeBytes(const QByteArray& bytes)
{
    m_bytes = bytes;
    m_stellen.clear();
    m_ersetzt.clear();
    m_liste.clear();
    // Windows-1252 decodes each byte to one character, so a position in the text is the same
    // position in the file.
    const QString text = TextCodec::decode(bytes);
    m_liste.readCatalogue(text);

    // The sections as the catalogue reader sees them: comments and surrounding white space
    // do not count, then the header, the group count, that many group names, the articles.
    enum Abschnitt
    {
        KopfZeile,
        AnzahlZeile,
        GruppenZeilen,
        ArtikelZeilen
    } abschnitt = KopfZeile;
    int gruppenOffen = 0;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = text.indexOf(QLatin1Char('\n'), anfang);
        if (ende < 0)
            ende = text.size();
        qsizetype a = anfang;
        qsizetype e = ende;
        while (a < e && text.at(a).isSpace())
            ++a;
        while (e > a && text.at(e - 1).isSpace())
            --e;
        const qsizetype naechste = ende + 1;
        if (a < e && text.at(a) == QLatin1Char('#')) {
            anfang = naechste;
            continue;
        }
        switch (abschnitt) {
        case KopfZeile:
            abschnitt = AnzahlZeile;
            break;
        case AnzahlZeile:
            gruppenOffen = Zahl::toInt(text.mid(a, e - a));
            abschnitt = gruppenOffen > 0 ? GruppenZeilen : ArtikelZeilen;
            break;
        case GruppenZeilen:
            if (--gruppenOffen == 0)
                abschnitt = ArtikelZeilen;
            break;
        case ArtikelZeilen: {
            std::array<Stelle, 4> stellen;
            qsizetype feldAnfang = a;
            int felder = 0;
            for (qsizetype p = a; p <= e; ++p) {
                if (p < e && text.at(p) != QLatin1Char('\t'))
                    continue;
                if (felder < 4)
                    stellen[felder] = Stelle{feldAnfang, p};
                ++felder;
                feldAnfang = p + 1;
            }
            // A line with fewer than eight fields carries no article.
            if (felder >= 8)
                m_stellen.append(stellen);
            break;
        }
        }
        anfang = naechste;
    }
}

void KatalogDatei::ersetze(int i, Feld feld, const QByteArray& neu)
{
    const Stelle s = m_stellen.at(i).at(feld);
    m_ersetzt.insert(s.anfang, qMakePair(s.ende, neu));
}

void KatalogDatei::setzeText(int i, Feld feld, const QString& text)
{
    Artikel& a = m_liste.at(i);
    (feld == Bezeichnung ? a.bezeichnung : a.bezeichnungLang) = text;
    ersetze(i, feld, TextCodec::encode(text));
}

void KatalogDatei::setzePreisCent(int i, qint64 cent)
{
    const double euro = static_cast<double>(cent) / 100.0;
    m_liste.at(i).preis = static_cast<float>(euro);
    ersetze(i, Preis, Zahl::fest(euro, 2).toLatin1());
}

QByteArray KatalogDatei::bytes() const
{
    QByteArray ergebnis;
    ergebnis.reserve(m_bytes.size() + m_ersetzt.size() * 16);
    qsizetype pos = 0;
    for (auto it = m_ersetzt.cbegin(); it != m_ersetzt.cend(); ++it) {
        ergebnis.append(m_bytes.constData() + pos, it.key() - pos);
        ergebnis.append(it.value().second);
        pos = it.value().first;
    }
    ergebnis.append(m_bytes.constData() + pos, m_bytes.size() - pos);
    return ergebnis;
}
