#include "reports/leistungsverzeichnis.h"

#include "app/zahl.h"
#include "design/schaetzung.h"
#include "material/ausschreibungsmengen.h"
#include "material/geld.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/sonstigdata.h"

#include <algorithm>
#include <cmath>

namespace {

// Every figure read from a file is bounded far below this; the bound keeps the products of
// thousandths and cents inside 64 bits.
constexpr double grenze = 1.0e12;

// a × b / teiler rounded half-up, for a non-negative or negative product alike.
qint64 geteiltHalbAufwaerts(qint64 a, qint64 b, qint64 teiler)
{
    const __int128 p = static_cast<__int128>(a) * b;
    const __int128 q = p >= 0 ? (p + teiler / 2) / teiler : -((-p + teiler / 2 - 1) / teiler);
    return static_cast<qint64>(q);
}

using Position = Leistungsverzeichnis::Position;

Position position(const QString& kurz, const QString& lang, const QString& einheit, double menge,
                  double preis)
{
    Position p;
    p.kurztext = kurz;
    p.langtext = lang.trimmed().isEmpty() ? kurz : lang;
    p.einheit = einheit;
    p.mengeTausendstel = Leistungsverzeichnis::tausendstel(menge);
    p.preisCent = Leistungsverzeichnis::cent(preis);
    return p;
}

// The unit of a cost offer line: the article's own unit when a pack holds one of it,
// otherwise the pack.
QString einheitDerVerpackung(const Artikel& a)
{
    if (a.menge != 1.0f)
        return QStringLiteral("VE");
    switch (a.einheit) {
    case 1:
        return QStringLiteral("m");
    case 2:
        return QStringLiteral("m2");
    case 4:
        return QStringLiteral("kg");
    default:
        return QStringLiteral("Stck");
    }
}

Position montage(float stunden, float stundensatz)
{
    return position(QStringLiteral("Montage"), QString(), QStringLiteral("h"), stunden, stundensatz);
}

void kostenangebot(Leistungsverzeichnis& lv, ProjektBaum& baum, const ArtikelListe& katalog)
{
    if (MaterialData* material = baum.material()) {
        material->anpassenAnKatalog(katalog);
        const int n = std::min<int>(material->mengen.size(), katalog.size());
        for (int g = 1; g < katalog.gruppenAnzahl(); ++g) {
            Leistungsverzeichnis::Bereich bereich;
            bereich.nummer = g;
            bereich.name = katalog.gruppenNamen().at(g);
            qint64 gruppenCent = 0;
            for (int i = 0; i < n; ++i) {
                const float menge = material->mengen.at(i);
                const Artikel& a = katalog.at(i);
                if (!(menge > 0.0f) || a.gruppe != g)
                    continue;
                gruppenCent += Kosten::zeilenCent(menge, a.preis);
                bereich.positionen.append(
                    position(a.bezeichnung, a.bezeichnungLang, einheitDerVerpackung(a), menge, a.preis));
            }
            // The cost offer leaves out a group whose lines add up to nothing, lines and all.
            if (gruppenCent > 0)
                lv.bereiche.append(bereich);
        }
    }
    if (const SonstigData* sonstig = baum.sonstig()) {
        if (sonstig->montagezeit > 0.0f)
            lv.bereiche.append(
                {90, QStringLiteral("Montage"), {montage(sonstig->montagezeit, sonstig->stundensatz)}});
        if (sonstig->abschlag > 0.0f && sonstig->abschlag < 1.0f) {
            lv.abschlag = Leistungsverzeichnis::Prozent;
            lv.abschlagTausendstelProzent =
                Leistungsverzeichnis::tausendstel(static_cast<double>(sonstig->abschlag) * 100.0);
        } else if (sonstig->abschlag >= 1.0f) {
            lv.abschlag = Leistungsverzeichnis::Betrag;
            lv.abschlagCent = Leistungsverzeichnis::cent(sonstig->abschlag);
        }
    }
}

// The tender text's positions, each into its level.
class Ausschreibung
{
public:
    explicit Ausschreibung(const ArtikelListe& katalog) : m_katalog(katalog)
    {
        const char* const namen[5] = {"Heizflächen", "Rohrleitungen", "Heizkreisverteiler",
                                      "Regelung und Zubehör", "Montage"};
        for (int i = 0; i < 5; ++i)
            m_bereiche.append({i + 1, QString::fromUtf8(namen[i]), {}});
    }

    enum Ebene
    {
        Heizflaechen,
        Rohrleitungen,
        Verteiler,
        Zubehoer,
        Montage
    };

    void flaeche(const QString& name, float menge, float preis)
    {
        add(Heizflaechen, position(name, name, QStringLiteral("m2"), menge, preis));
    }

    // An article by its number; teilung > 0 prices one metre or piece of a pack of that size.
    void artikel(Ebene ebene, qint32 artNr, float menge, const QString& einheit, float teilung = 0.0f)
    {
        const int i = m_katalog.indexOf(artNr);
        const QString ersatz = QStringLiteral("Artikel %1").arg(Zahl::artikelNummer(artNr));
        const Artikel* a = i >= 0 ? &m_katalog.at(i) : nullptr;
        float preis = a ? a->preis : 0.0f;
        if (teilung > 0.0f)
            preis = Geld::einzelpreis(preis, teilung);
        add(ebene,
            position(a ? a->bezeichnung : ersatz, a ? a->bezeichnungLang : ersatz, einheit, menge, preis));
    }

    void add(Ebene ebene, const Position& p)
    {
        if (p.mengeTausendstel > 0)
            m_bereiche[ebene].positionen.append(p);
    }

    QVector<Leistungsverzeichnis::Bereich> bereiche() const
    {
        QVector<Leistungsverzeichnis::Bereich> b;
        for (const auto& bereich : m_bereiche) {
            if (!bereich.positionen.isEmpty())
                b.append(bereich);
        }
        return b;
    }

private:
    const ArtikelListe& m_katalog;
    QVector<Leistungsverzeichnis::Bereich> m_bereiche;
};

void kostenvoranschlag(Leistungsverzeichnis& lv, ProjektBaum& baum, const ArtikelListe& katalog)
{
    Schaetzung::berechne(baum);
    const GebaeudeData* gebaeude = baum.gebaeude();
    if (!gebaeude)
        return;
    const GebaeudeSummen& s = gebaeude->summen;
    Ausschreibung a(katalog);
    const QString stueck = QStringLiteral("Stck");
    const QString meter = QStringLiteral("m");

    const char* const flaechen[5] = {"Wandheizung RI-10", "Wandheizung RI-10 Register", "Wandheizung DID-10",
                                     "Wandheizung RU-10 Register", "Fußbodenheizung"};
    const float flaeche[5] = {s.flaecheWH[0], s.flaecheWH[1], s.flaecheWH[2], s.flaecheWH[3], s.flaecheFBH};
    for (int i = 0; i < 5; ++i)
        a.flaeche(QString::fromUtf8(flaechen[i]), flaeche[i], katalog.systemPreis(i));

    // Slide-sleeve fittings; the couplings 16/10 are counted in whole pieces.
    for (qint32 nr : {150212, 150213, 150215, 150210, 150211}) {
        const float menge = s.artikel.value(nr);
        a.artikel(Ausschreibung::Rohrleitungen, nr,
                  nr == 150212 ? static_cast<float>(Zahl::ganz(menge)) : menge, stueck);
    }

    // Pipe per metre of the 200 m roll, protective pipe of the 50 m roll, hooks of the pack of 50.
    const AusschreibungsMengen m = AusschreibungsMengen::aus(s);
    a.artikel(Ausschreibung::Rohrleitungen, 150010, m.rohr, meter, 200.0f);
    a.artikel(Ausschreibung::Rohrleitungen, 150900, m.schutzrohr, meter, 50.0f);
    a.artikel(Ausschreibung::Rohrleitungen, 150910, static_cast<float>(m.isolierung), stueck);
    a.artikel(Ausschreibung::Rohrleitungen, 150930, static_cast<float>(m.haken), stueck, 50.0f);

    // Manifolds by outlets on basement floors, then manifolds in cabinets on the others.
    for (int z = 2; z <= 10; ++z)
        a.artikel(Ausschreibung::Verteiler, 151498 + z, static_cast<float>(s.hkvKeller[z]), stueck);
    for (int z = 2; z <= 10; ++z)
        a.artikel(Ausschreibung::Verteiler, 151518 + z, static_cast<float>(s.hkvAndere[z]), stueck);
    a.artikel(Ausschreibung::Verteiler, 150310, static_cast<float>(m.anschluesse), stueck);
    a.artikel(Ausschreibung::Verteiler, 151560, static_cast<float>(m.verteiler), stueck);

    a.artikel(Ausschreibung::Zubehoer, 151570, static_cast<float>(m.stellantriebe), stueck);
    a.artikel(Ausschreibung::Zubehoer, 151610, static_cast<float>(m.raumregler), stueck);
    a.artikel(Ausschreibung::Zubehoer, 200001, static_cast<float>(s.beheizteRaeume), stueck);
    a.artikel(Ausschreibung::Zubehoer, 150801, 1.0f, stueck);
    a.artikel(Ausschreibung::Zubehoer, 150811, 1.0f, stueck);

    a.add(Ausschreibung::Montage, montage(s.montagezeit, s.stundensatz));
    lv.bereiche = a.bereiche();
}

} // namespace

qint64 Leistungsverzeichnis::Position::gesamtCent() const
{
    return geteiltHalbAufwaerts(mengeTausendstel, preisCent, 1000);
}

qint64 Leistungsverzeichnis::Bereich::summeCent() const
{
    qint64 summe = 0;
    for (const Position& p : positionen)
        summe += p.gesamtCent();
    return summe;
}

Leistungsverzeichnis Leistungsverzeichnis::ausProjekt(ProjektBaum& baum, const ArtikelListe& katalog)
{
    Leistungsverzeichnis lv;
    lv.stand = baum.projekt() ? baum.projekt()->stand : 0;
    if (lv.stand == 1)
        kostenangebot(lv, baum, katalog);
    else
        kostenvoranschlag(lv, baum, katalog);
    return lv;
}

QString Leistungsverzeichnis::bezeichnung() const
{
    return stand == 1 ? QStringLiteral("Kostenangebot") : QStringLiteral("Kostenvoranschlag");
}

qint64 Leistungsverzeichnis::summeCent() const
{
    qint64 summe = 0;
    for (const Bereich& b : bereiche)
        summe += b.summeCent();
    return summe;
}

qint64 Leistungsverzeichnis::abschlagBetragCent() const
{
    switch (abschlag) {
    case Prozent:
        return geteiltHalbAufwaerts(summeCent(), abschlagTausendstelProzent, 100000);
    case Betrag:
        return abschlagCent;
    case KeinAbschlag:
        break;
    }
    return 0;
}

QString Leistungsverzeichnis::prozentText() const
{
    return Zahl::anzeige(static_cast<double>(abschlagTausendstelProzent) / 1000.0, 3);
}

qint64 Leistungsverzeichnis::tausendstel(double wert)
{
    if (!std::isfinite(wert))
        return 0;
    return static_cast<qint64>(Geld::halbAufwaerts(std::clamp(wert * 1000.0, -grenze, grenze)));
}

qint64 Leistungsverzeichnis::cent(double euro)
{
    if (!std::isfinite(euro))
        return 0;
    return static_cast<qint64>(Geld::halbAufwaerts(std::clamp(euro * 100.0, -grenze, grenze)));
}
