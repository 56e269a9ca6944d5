#include "model/datanormimport.h"

#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/datanormleser.h"
#include "model/katalogdatei.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// 1 000 000 EUR, the highest price of a catalogue article, in cents.
constexpr qint64 hoechstpreisCent = 100000000;

// The catalogue unit a DATANORM unit stands for: 1 m, 2 m², 3 Stück, 4 kg; 0 for any other
// unit, whose price is the price of a pack.
int einheitVon(const QString& mengeneinheit)
{
    const QString e = mengeneinheit.toLower();
    if (e == QLatin1String("m") || e == QLatin1String("lfm"))
        return 1;
    if (e == QLatin1String("m2") || e == QLatin1String("qm") || e == QStringLiteral("m²"))
        return 2;
    if (e == QLatin1String("st") || e == QLatin1String("stk") || e == QLatin1String("stck") ||
        e == QStringLiteral("stück"))
        return 3;
    if (e == QLatin1String("kg"))
        return 4;
    return 0;
}

bool nurZiffern(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// How a record prices its article: per 1, 10, 100 or 1000 (price unit 0 to 3) of its unit.
struct Preisbasis
{
    int preiseinheit = 0;
    QString mengeneinheit;
    bool ausSatz = false; // from an A record of the file, else the catalogue's own unit
};

class Lauf
{
public:
    Lauf(KatalogDatei& katalog, const DatanormImport::Ausgabe& ausgabe)
        : m_katalog(katalog), m_ausgabe(ausgabe)
    {
        const ArtikelListe& liste = katalog.liste();
        for (int i = liste.size() - 1; i >= 0; --i)
            m_index.insert(liste.at(i).artNr, i);
    }

    // A number as an A record writes it that names a catalogue article.
    bool gesucht(QByteArrayView nummer) const { return artikelIndex(QString::fromLatin1(nummer)) >= 0; }

    // An A record seen while the file is checked: how it prices its article, for the P records.
    void merke(const DatanormLeser::Satz& s)
    {
        const QStringList& f = s.felder;
        if (s.zuLang || f.first() != QLatin1String("A") || f.size() != 13 || !verarbeiten(f.at(1)))
            return;
        const int i = artikelIndex(f.at(2));
        const int pe = preiseinheit(f.at(7));
        if (i >= 0 && pe >= 0 && !m_basis.contains(i))
            m_basis.insert(i, Preisbasis{pe, f.at(8), true});
    }

    void satz(const DatanormLeser::Satz& s)
    {
        if (s.zuLang)
            abgelehnt(s.zeile, QStringLiteral("Zeile länger als %1 Bytes").arg(DatanormLeser::maxZeile));
        else if (s.felder.first() == QLatin1String("A"))
            artikelSatz(s);
        else
            preisSatz(s);
    }

    DatanormImport::Ergebnis ergebnis()
    {
        QVector<int> positionen(m_geaendert.cbegin(), m_geaendert.cend());
        std::sort(positionen.begin(), positionen.end());
        for (int i : positionen)
            m_ergebnis.geaendert.append(m_katalog.liste().at(i));
        m_ergebnis.status = DatanormImport::Geschrieben;
        return m_ergebnis;
    }

private:
    static bool verarbeiten(const QString& kennzeichen)
    {
        return kennzeichen == QLatin1String("N") || kennzeichen == QLatin1String("A");
    }

    static int preiseinheit(const QString& text)
    {
        return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('3')
                   ? text.at(0).unicode() - u'0'
                   : -1;
    }

    // The first catalogue article of a number of digits only, or -1.
    int artikelIndex(const QString& nummer) const
    {
        if (nummer.isEmpty() || !nurZiffern(nummer))
            return -1;
        qint64 wert = 0;
        for (QChar c : nummer) {
            wert = wert * 10 + (c.unicode() - u'0');
            if (wert > std::numeric_limits<qint32>::max())
                return -1;
        }
        return m_index.value(static_cast<qint32>(wert), -1);
    }

    // The price of one pack of article i in whole cents, a half cent upwards: cents per
    // 10^preiseinheit units times the pack content.
    qint64 packungsCent(const QString& cent, int preiseinheit, double faktor) const
    {
        // The pack content to six decimals: the figure the file holds (0.7), not the float
        // nearest to it (0.69999999).
        const QString f = QString::number(faktor, 'f', 6);
        const unsigned __int128 inhalt =
            f.left(f.size() - 7).toULongLong() * 1000000ULL + f.right(6).toULongLong();
        unsigned __int128 teiler = 1000000;
        for (int k = 0; k < preiseinheit; ++k)
            teiler *= 10;
        QString ziffern = cent;
        while (ziffern.size() > 1 && ziffern.startsWith(QLatin1Char('0')))
            ziffern.remove(0, 1);
        // More digits than that is beyond every price, unless the pack holds nothing.
        if (ziffern.size() > 18)
            return inhalt == 0 ? 0 : hoechstpreisCent + 1;
        const unsigned __int128 produkt = static_cast<unsigned __int128>(ziffern.toULongLong()) * inhalt;
        const unsigned __int128 ergebnis = (2 * produkt + teiler) / (2 * teiler);
        return ergebnis > static_cast<unsigned __int128>(hoechstpreisCent) ? hoechstpreisCent + 1
                                                                           : static_cast<qint64>(ergebnis);
    }

    // What a record's price does to article i: stays (no price, price 0), a new price in
    // cents, passed over or the record refused, with the reason.
    struct Preisfolge
    {
        enum Art
        {
            Bleibt,
            Neu,
            Uebergangen,
            Abgelehnt
        } art = Bleibt;
        qint64 cent = 0;
        QString grund;
    };

    Preisfolge preis(int i, const QString& schluessel, const QString& cent, const Preisbasis& basis) const
    {
        if (QString(cent).remove(QLatin1Char('0')).isEmpty())
            return {};
        if (schluessel == QLatin1String("2"))
            return {Preisfolge::Uebergangen, 0, QStringLiteral("Nettopreis (Preiskennzeichen 2)")};
        const Artikel& a = m_katalog.liste().at(i);
        // Without an A record the price is one of the catalogue's unit.
        double faktor = a.menge;
        if (basis.ausSatz) {
            const int einheit = einheitVon(basis.mengeneinheit);
            if (einheit == 0) {
                faktor = 1.0;
            } else if (einheit != a.einheit) {
                const QString artikelEinheit =
                    a.einheit >= 1 && a.einheit < Kataloge::einheiten().size()
                        ? QStringLiteral("in ") + Kataloge::einheiten().at(a.einheit)
                        : QStringLiteral("ohne Einheit");
                return {Preisfolge::Uebergangen, 0,
                        QStringLiteral("Preis je %1, Artikel %2").arg(basis.mengeneinheit, artikelEinheit)};
            }
        }
        const qint64 neu = packungsCent(cent, basis.preiseinheit, faktor);
        if (neu > hoechstpreisCent)
            return {Preisfolge::Abgelehnt, 0, QStringLiteral("Preis über 1000000 EUR")};
        return {neu > 0 ? Preisfolge::Neu : Preisfolge::Bleibt, neu, QString()};
    }

    // Takes the new values into article i and reports what changed. An empty text or a price
    // of 0 keeps what the article has: a record without a short text does not wipe the
    // description.
    void aendere(int i, const QString& nummer, const QString& text1, const QString& text2, qint64 cent)
    {
        const Artikel a = m_katalog.liste().at(i);
        QStringList was;
        if (!text1.isEmpty() && text1 != a.bezeichnung) {
            m_katalog.setzeText(i, KatalogDatei::Bezeichnung, text1);
            was << QStringLiteral("Bezeichnung");
        }
        if (!text2.isEmpty() && text2 != a.bezeichnungLang) {
            m_katalog.setzeText(i, KatalogDatei::BezeichnungLang, text2);
            was << QStringLiteral("Langtext");
        }
        if (cent > 0 && cent != std::llround(static_cast<double>(a.preis) * 100.0)) {
            m_katalog.setzePreisCent(i, cent);
            was << QStringLiteral("Preis %1 -> %2")
                       .arg(Zahl::fest(a.preis, 2), Zahl::fest(static_cast<double>(cent) / 100.0, 2));
        }
        if (was.isEmpty())
            return;
        m_geaendert.insert(i);
        ++m_ergebnis.aktualisiert;
        zeile({QStringLiteral("aktualisiert"), nummer, was.join(QStringLiteral(", "))});
    }

    void artikelSatz(const DatanormLeser::Satz& s)
    {
        const QStringList& f = s.felder;
        if (f.size() != 13)
            return abgelehnt(s.zeile, QStringLiteral("A-Satz mit %1 statt 13 Feldern").arg(f.size()));
        const QString& kennzeichen = f.at(1);
        if (kennzeichen == QLatin1String("L") || kennzeichen == QLatin1String("X"))
            return uebergangen(s.zeile, QStringLiteral("Verarbeitungskennzeichen ") + kennzeichen);
        if (!verarbeiten(kennzeichen))
            return abgelehnt(s.zeile, QStringLiteral("Verarbeitungskennzeichen ") + kennzeichen);
        const QString& nummer = f.at(2);
        if (nummer.isEmpty())
            return abgelehnt(s.zeile, QStringLiteral("Artikelnummer fehlt"));
        if (f.at(6) != QLatin1String("1") && f.at(6) != QLatin1String("2"))
            return abgelehnt(s.zeile, QStringLiteral("Preiskennzeichen ") + f.at(6));
        const int pe = preiseinheit(f.at(7));
        if (pe < 0)
            return abgelehnt(s.zeile, QStringLiteral("Preiseinheit ") + f.at(7));
        if (!nurZiffern(f.at(9)))
            return abgelehnt(s.zeile, QStringLiteral("Preis ") + f.at(9));

        const int i = artikelIndex(nummer);
        if (i < 0) {
            ++m_ergebnis.neu;
            return zeile({QStringLiteral("neu"), nummer, f.at(4)});
        }
        const Preisfolge p = preis(i, f.at(6), f.at(9), Preisbasis{pe, f.at(8), true});
        if (p.art == Preisfolge::Abgelehnt)
            return abgelehnt(s.zeile, p.grund);
        aendere(i, nummer, f.at(4), f.at(5), p.cent);
        if (p.art == Preisfolge::Uebergangen)
            uebergangen(s.zeile, p.grund);
    }

    void preisSatz(const DatanormLeser::Satz& s)
    {
        const QStringList& f = s.felder;
        const int bloecke = (f.size() - 2) / 9;
        if (f.size() < 11 || (f.size() - 2) % 9 != 0 || bloecke > 3)
            return abgelehnt(s.zeile,
                             QStringLiteral("P-Satz mit %1 Feldern statt 2 + 9, 18 oder 27").arg(f.size()));
        if (f.at(1) != QLatin1String("A"))
            return abgelehnt(s.zeile, QStringLiteral("Verarbeitungskennzeichen ") + f.at(1));
        for (int b = 0; b < bloecke; ++b) {
            const QString& nummer = f.at(2 + 9 * b);
            const QString& schluessel = f.at(3 + 9 * b);
            const QString& cent = f.at(4 + 9 * b);
            // A block left empty fills the record up.
            if (nummer.isEmpty() && schluessel.isEmpty() && cent.isEmpty())
                continue;
            if (nummer.isEmpty()) {
                abgelehnt(s.zeile, QStringLiteral("Artikelnummer fehlt"));
                continue;
            }
            if (schluessel != QLatin1String("1") && schluessel != QLatin1String("2")) {
                abgelehnt(s.zeile, QStringLiteral("Preiskennzeichen ") + schluessel);
                continue;
            }
            if (!nurZiffern(cent)) {
                abgelehnt(s.zeile, QStringLiteral("Preis ") + cent);
                continue;
            }
            const int i = artikelIndex(nummer);
            if (i < 0) {
                ++m_ergebnis.nichtGefunden;
                zeile({QStringLiteral("nicht gefunden"), nummer});
                continue;
            }
            const Preisfolge p = preis(i, schluessel, cent, m_basis.value(i));
            if (p.art == Preisfolge::Abgelehnt)
                abgelehnt(s.zeile, p.grund);
            else if (p.art == Preisfolge::Uebergangen)
                uebergangen(s.zeile, p.grund);
            else
                aendere(i, nummer, QString(), QString(), p.cent);
        }
    }

    void uebergangen(qint64 nr, const QString& grund)
    {
        ++m_ergebnis.uebergangen;
        zeile({QStringLiteral("übergangen"), QStringLiteral("Zeile %1").arg(nr), grund});
    }

    void abgelehnt(qint64 nr, const QString& grund)
    {
        ++m_ergebnis.abgelehnt;
        zeile({QStringLiteral("abgelehnt"), QStringLiteral("Zeile %1").arg(nr), grund});
    }

    void zeile(const QStringList& felder)
    {
        if (m_ausgabe)
            m_ausgabe(felder.join(QLatin1Char('\t')));
    }

    KatalogDatei& m_katalog;
    const DatanormImport::Ausgabe& m_ausgabe;
    DatanormImport::Ergebnis m_ergebnis;
    // Article number to the position of its first article.
    QHash<qint32, int> m_index;
    // How the file's own A records price the catalogue articles, by position.
    QHash<int, Preisbasis> m_basis;
    QSet<int> m_geaendert;
};

} // namespace

QString DatanormImport::Ergebnis::zaehlung() const
{
    return QStringLiteral("%1 aktualisiert, %2 neu, %3 nicht gefunden, %4 übergangen, %5 abgelehnt")
        .arg(aktualisiert)
        .arg(neu)
        .arg(nichtGefunden)
        .arg(uebergangen)
        .arg(abgelehnt);
}

DatanormImport::Ergebnis DatanormImport::anwenden(KatalogDatei& katalog, QIODevice& datanorm,
                                                  const Ausgabe& ausgabe, const Fortschritt& fortschritt)
{
    Lauf lauf(katalog, ausgabe);
    DatanormLeser leser(datanorm);
    // The check is the first half of the work, the records the second.
    int haelfte = 0;
    if (fortschritt) {
        leser.setFortschritt([&fortschritt, &haelfte](qint64 gelesen, qint64 groesse) {
            const qint64 anteil = groesse > 0 ? std::min<qint64>(500, gelesen * 500 / groesse) : 0;
            return fortschritt(haelfte + static_cast<int>(anteil));
        });
    }
    const auto abgebrochen = [] {
        Ergebnis e;
        e.abgebrochen = true;
        e.meldung = QStringLiteral("abgebrochen");
        return e;
    };
    const QString fehler = leser.pruefe([&lauf](QByteArrayView nummer) { return lauf.gesucht(nummer); },
                                        [&lauf](const DatanormLeser::Satz& s) { lauf.merke(s); });
    if (leser.abgebrochen())
        return abgebrochen();
    if (!fehler.isEmpty()) {
        Ergebnis e;
        e.meldung = fehler;
        return e;
    }
    haelfte = 500;
    DatanormLeser::Satz s;
    while (leser.naechsterSatz(s))
        lauf.satz(s);
    if (leser.abgebrochen())
        return abgebrochen();
    return lauf.ergebnis();
}

DatanormImport::Ergebnis DatanormImport::einlesen(const QString& katalogPfad, const QString& datanormPfad,
                                                  const QString& zielPfad, const Ausgabe& ausgabe,
                                                  const Fortschritt& fortschritt)
{
    const QString nichtGeoeffnet = QStringLiteral("Datei %1 konnte nicht geöffnet werden!");
    Ergebnis e;
    KatalogDatei katalog;
    if (!katalog.laden(katalogPfad)) {
        e.status = KatalogNichtLesbar;
        e.meldung = nichtGeoeffnet.arg(katalogPfad);
        return e;
    }
    QFile datanorm(datanormPfad);
    if (!datanorm.open(QIODevice::ReadOnly)) {
        e.meldung = nichtGeoeffnet.arg(datanormPfad);
        return e;
    }
    // The file is read twice (first checked whole, then applied), which a pipe cannot give.
    if (datanorm.isSequential()) {
        e.meldung = QStringLiteral("DATANORM-Datei %1 nicht eingelesen: sie ist keine gewöhnliche Datei.")
                        .arg(datanormPfad);
        return e;
    }
    e = anwenden(katalog, datanorm, ausgabe, fortschritt);
    if (e.abgebrochen)
        return e;
    if (e.status != Geschrieben) {
        e.meldung = QStringLiteral("DATANORM-Datei %1 nicht eingelesen: %2").arg(datanormPfad, e.meldung);
        return e;
    }
    // Unbuffered, so that a write cut short is seen before the target is replaced.
    QSaveFile ziel(zielPfad);
    const QByteArray bytes = katalog.bytes();
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || ziel.write(bytes) != bytes.size() ||
        !ziel.commit()) {
        e.status = Fehler;
        e.meldung = QStringLiteral("Datei %1 konnte nicht geschrieben werden!").arg(zielPfad);
        return e;
    }
    if (ausgabe)
        ausgabe(QStringLiteral("Summe\t") + e.zaehlung());
    return e;
}
