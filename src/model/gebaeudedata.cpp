#include "model/gebaeudedata.h"

#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "material/artikelliste.h"
#include "material/kosten.h"
#include "reports/geld.h"
#include "reports/vorlage.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

GebaeudeData::GebaeudeData()
{
    name = QStringLiteral("Gebäude");
    type = TypGebaeude;
    summen.reset();
}

QString GebaeudeData::toString() const
{
    return zeile(1, {QStringLiteral("1"), zahl(vorlauftemperatur), QString::number(anzahlEtagen),
                     QString::number(systemIndex), QString::number(gebaeudeAlter), zahl(ueberWB)});
}

bool GebaeudeData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 6)
        return false;
    vorlauftemperatur = Grenzen::lies(f.at(1), Grenzen::temperatur);
    anzahlEtagen = Grenzen::liesGanz(f.at(2), 0, Kataloge::maxEtagen);
    systemIndex = Zahl::toInt(f.at(3));
    // Version 1.0 knew no register system 1: its 1 is today's 0.
    if (version == QLatin1String("1.0") && systemIndex == 1)
        systemIndex = 0;
    if (systemIndex < 0 || systemIndex >= Kataloge::systeme().size())
        systemIndex = 0;
    gebaeudeAlter = Zahl::toInt(f.at(4));
    if (gebaeudeAlter < 0 || gebaeudeAlter >= Kataloge::gebaeudeStandards().size())
        gebaeudeAlter = 2;
    ueberWB = Grenzen::lies(f.at(5), Grenzen::waermebedarfProM2);
    return true;
}

bool GebaeudeData::checkData(int seitenSystem, float vorlauf) const
{
    return !(vorlauf > 50.0f && seitenSystem > 1);
}

// --- material and report operations ---
void GebaeudeData::materialBedarf(MaterialBedarf& b)
{
    // The building's steps set quantities derived from what rooms and floors added.
    b[150930] = 0.5f * b[150010];
    b[150801] = 1.0f;
    b[150811] = 1.0f;
    const float f210 = 2.0f * b[150213] + b[150212] + b[150215];
    b[150210] = f210;
    const float f211 = 2.0f * b[150214] + b[150212] + 2.0f * b[150215];
    b[150211] = f211;
    // Article 151410 is summed in its small unit above and needed in packs of 310 of them.
    if (b[151410] > 0.0f)
        b[151410] = std::ceil(b[151410] / 310.0f);
}

namespace {

// Building data of both input forms.
void gebaeudeDaten(const GebaeudeData& g, QString& v)
{
    Vorlage::ersetze(v, QStringLiteral("%Vorlauftemperatur%"), Zahl::kurz(g.vorlauftemperatur));
    Vorlage::ersetze(v, QStringLiteral("%AnzahlEtagen%"), QString::number(g.anzahlEtagen));
    Vorlage::ersetzeText(v, QStringLiteral("%SWHG%"), Kataloge::name(Kataloge::systeme(), g.systemIndex));
    Vorlage::ersetzeText(v, QStringLiteral("%Gebaudealter%"),
                         Kataloge::name(Kataloge::gebaeudeStandards(), g.gebaeudeAlter));
    Vorlage::ersetze(v, QStringLiteral("%UeberWB%"), Zahl::kurz(g.ueberWB));
}

// Building totals of both input forms; the two forms name the wall areas per system apart.
void gebaeudeSummen(const GebaeudeSummen& s, QString& v, const char* const (&systemPlatzhalter)[4])
{
    Vorlage::ersetze(v, QStringLiteral("%NutzFlaeche%"), Zahl::fest(s.flaeche, 2));
    Vorlage::ersetze(v, QStringLiteral("%Waermebedarf%"), Zahl::fest(s.waermebedarf, 1));
    for (int i = 0; i < 4; ++i)
        Vorlage::ersetze(v, QLatin1String(systemPlatzhalter[i]), Zahl::fest(s.flaecheWH[i], 1));
    Vorlage::ersetze(v, QStringLiteral("%FBH%"), Zahl::fest(s.flaecheFBH, 1));
    Vorlage::ersetze(v, QStringLiteral("%Differenz%"), Zahl::fest(s.differenz, 1));
}

// The catalogue price of an article; a missing article costs 0 and, where the position names
// one, leaves a warning in the debug output.
float artikelPreis(qint32 artNr, const QString& warnung = QString())
{
    if (const Artikel* a = ArtikelListe::global().findArtikel(artNr))
        return a->preis;
    if (!warnung.isEmpty())
        qWarning().noquote() << warnung;
    return 0.0f;
}

// The tender positions: quantity, unit price and line price into the position's placeholders.
// A position with a block tag stays only with a quantity above 0; each position that stays
// adds its line price to the running sum.
struct Position
{
    QString mengeText;
    float menge;
    float preis;
    double gesamt;
    QString pMenge, pPreis, pGesamt;
    QString tag; // empty: the position always stays
};

void setze(QString& v, qint64& laufendeCent, const Position& p)
{
    // The line adds to the sum as it is printed, in whole cents.
    const qint64 gesamt = Kosten::cent(p.gesamt);
    Vorlage::ersetze(v, p.pMenge, p.mengeText);
    Vorlage::ersetze(v, p.pPreis, Zahl::fest(p.preis, 2));
    Vorlage::ersetze(v, p.pGesamt, Zahl::fest(Kosten::euro(gesamt), 2));
    const bool bleibt = p.tag.isEmpty() || p.menge > 0.0f;
    if (!p.tag.isEmpty())
        Vorlage::block(v, p.tag, bleibt);
    if (bleibt)
        laufendeCent += gesamt;
}

// First section of the tender text: heating surfaces, fittings, pipe, protective pipe,
// insulation and hooks. Line prices are rounded to cents, as are the prices per metre or piece
// taken from pack prices.
void ausschreibungFlaechen(GebaeudeData& g, QString& v)
{
    GebaeudeSummen& s = g.summen;
    s.laufendeCent = 0;
    const ArtikelListe& katalog = ArtikelListe::global();

    Vorlage::ersetze(v, QStringLiteral("%Vorlauftemperatur%"), Zahl::kurz(g.vorlauftemperatur));

    // The wall heating systems and the floor heating, priced per m² by the catalogue header.
    const char* const flaechenTags[5] = {"EKR", "VOR", "UNI8", "WKP", "UNI10"};
    const float flaechen[5] = {s.flaecheWH[0], s.flaecheWH[1], s.flaecheWH[2], s.flaecheWH[3], s.flaecheFBH};
    for (int i = 0; i < 5; ++i) {
        const QString tag = QLatin1String(flaechenTags[i]);
        const float preis = katalog.systemPreis(i);
        setze(v, s.laufendeCent,
              {Zahl::kurz(flaechen[i]), flaechen[i], preis, Geld::zeilenpreisGerundet(flaechen[i], preis),
               QLatin1Char('%') + QStringLiteral("Flaeche") + tag + QLatin1Char('%'),
               QLatin1Char('%') + QStringLiteral("Preis") + tag + QLatin1Char('%'),
               QLatin1Char('%') + QStringLiteral("Gesamtpreis") + tag + QLatin1Char('%'), tag});
    }

    // Slide-sleeve fittings counted by the estimate.
    struct Fitting
    {
        qint32 artNr;
        const char* platzhalter;
        const char* warnung;
    };
    const Fitting fittings[5] = {
        {150212, "16_10", "Artikel Schiebehülsen-Kupplung 16/10 nicht gefunden!"},
        {150213, "10_10", "Artikel Schiebehülsen-Kupplung 10/10 nicht gefunden!"},
        {150215, "16_10_16", "Artikel Schiebehülsen-T-Stück 16/10/16 nicht gefunden!"},
        {150210, "_10", "Artikel Schiebehülse 10 nicht gefunden!"},
        {150211, "_16", "Artikel Schiebehülse 16 nicht gefunden!"},
    };
    for (const Fitting& f : fittings) {
        const float preis = artikelPreis(f.artNr, QString::fromUtf8(f.warnung));
        const float menge = s.artikel.value(f.artNr);
        // The couplings 16/10 are counted in whole pieces.
        const float stueck = f.artNr == 150212 ? static_cast<float>(Zahl::ganz(menge)) : menge;
        const QString mengeText = f.artNr == 150212 ? QString::number(Zahl::ganz(menge)) : Zahl::kurz(menge);
        const QString name = QLatin1String(f.platzhalter);
        setze(v, s.laufendeCent,
              {mengeText, stueck, preis, Geld::zeilenpreisGerundet(stueck, preis),
               QStringLiteral("%Bedarf") + name + QLatin1Char('%'),
               QStringLiteral("%Preis") + name + QLatin1Char('%'),
               QStringLiteral("%Gesamtpreis") + name + QLatin1Char('%'), QString::number(f.artNr)});
    }

    // Multilayer pipe: 40 m per circuit, a floor heating loop running 10 m shorter, priced per
    // metre from the roll of 200 m.
    const int kreise = s.abgaenge;
    const int fbhKreise = s.fbhKreise;
    float rohr = 40.0f * static_cast<float>(kreise);
    if (fbhKreise > 0)
        rohr -= 10.0f * static_cast<float>(fbhKreise);
    const float rohrPreis = Geld::einzelpreis(
        artikelPreis(150010, QStringLiteral("Artikel Mehrschichtverbundrohr 16x2 nicht gefunden!")), 200.0f);
    setze(v, s.laufendeCent,
          {Zahl::kurz(rohr), rohr, rohrPreis, Geld::zeilenpreisGerundet(rohr, rohrPreis),
           QStringLiteral("%BedarfMVR%"), QStringLiteral("%PreisMVR%"), QStringLiteral("%GesamtpreisMVR%"),
           QString()});

    // Protective pipe: 0.3 m at both ends of every wall register (all registers of the circuits
    // less those of the floor heating loops), per metre from the roll of 50 m.
    int register_ = 0;
    for (int k = 1; k <= 4; ++k)
        register_ += k * s.kreiseMitRegistern[k];
    const float schutzrohr = 2.0f * static_cast<float>(std::max(0, register_ - s.fbhRegister)) * 0.3f;
    const float schutzPreis = Geld::einzelpreis(
        artikelPreis(150900, QStringLiteral("Artikel Schutzrohr 16x2 nicht gefunden!")), 50.0f);
    setze(v, s.laufendeCent,
          {Zahl::kurz(schutzrohr), schutzrohr, schutzPreis,
           Geld::zeilenpreisGerundet(schutzrohr, schutzPreis), QStringLiteral("%BedarfSR%"),
           QStringLiteral("%PreisSR%"), QStringLiteral("%GesamtpreisSR%"), QStringLiteral("150900")});

    // Insulating hose in sticks of 2 m along the pipe, five sticks fewer per floor heating loop.
    const int rohrMeter = Zahl::ganz(rohr);
    int isolierung = rohrMeter / 2;
    if (fbhKreise > 0)
        isolierung -= 5 * fbhKreise;
    isolierung = std::max(0, isolierung);
    const float isolierPreis =
        artikelPreis(150910, QStringLiteral("Artikel Isolierschlauch nicht gefunden!"));
    setze(v, s.laufendeCent,
          {QString::number(isolierung), static_cast<float>(isolierung), isolierPreis,
           Geld::zeilenpreisGerundet(static_cast<float>(isolierung), isolierPreis),
           QStringLiteral("%BedarfIS%"), QStringLiteral("%PreisIS%"), QStringLiteral("%GesamtpreisIS%"),
           QStringLiteral("150910")});

    // One pipe hook every two metres, per piece from the pack of 50.
    const int haken = rohrMeter / 2;
    const float hakenPreis = Geld::einzelpreis(
        artikelPreis(150930, QStringLiteral("Artikel Einfachdübelhaken nicht gefunden!")), 50.0f);
    setze(v, s.laufendeCent,
          {QString::number(haken), static_cast<float>(haken), hakenPreis,
           Geld::zeilenpreisGerundet(static_cast<float>(haken), hakenPreis), QStringLiteral("%BedarfHaken%"),
           QStringLiteral("%PreisHaken%"), QStringLiteral("%GesamtpreisHaken%"), QStringLiteral("150930")});
}

// The two manifold sections: one row per manifold size with manifolds, on basement floors (plain
// manifolds) or on the other floors (manifolds in cabinets). Line prices are quantity × price
// as printed, to the cent.
void ausschreibungVerteiler(GebaeudeData& g, QString& v, bool imSchrank)
{
    GebaeudeSummen& s = g.summen;
    const int* anzahl = imSchrank ? s.hkvAndere : s.hkvKeller;
    const QString zeile = v;
    v.clear();
    for (int z = 2; z <= 10; ++z) {
        const int n = anzahl[z];
        if (n <= 0)
            continue;
        QString t = zeile;
        const float preis =
            imSchrank ? artikelPreis(151518 + z, QStringLiteral("Artikel HKV Schrank nicht gefunden!!!"))
                      : artikelPreis(151498 + z, QStringLiteral("Artikel HKV nicht gefunden!!!"));
        const qint64 gesamt = Kosten::zeilenCent(n, preis);
        Vorlage::ersetze(t, imSchrank ? QStringLiteral("%Schrank%") : QStringLiteral("%AnzHK%"),
                         QString::number(z));
        Vorlage::ersetze(t, imSchrank ? QStringLiteral("%AnzahlSchrank%") : QStringLiteral("%AnzahlHKV%"),
                         QString::number(n));
        Vorlage::ersetze(
            t, imSchrank ? QStringLiteral("%PreisproStkSchrank%") : QStringLiteral("%PreisproStkHKV%"),
            Zahl::fest(preis, 2));
        Vorlage::ersetze(
            t, imSchrank ? QStringLiteral("%GesamtpreisSchrank%") : QStringLiteral("%GesamtpreisHKV%"),
            Zahl::fest(Kosten::euro(gesamt), 2));
        s.laufendeCent += gesamt;
        v += t;
    }
}

// Last section: manifold accessories, actuators, room thermostats, separators, labour and the
// totals. Line prices are quantity × price as printed, to the cent.
void ausschreibungZubehoer(GebaeudeData& g, QString& v)
{
    GebaeudeSummen& s = g.summen;

    int verteiler = 0;
    int anschluesse = 0;
    for (int z = 2; z <= 10; ++z) {
        const int n = s.hkvKeller[z] + s.hkvAndere[z];
        verteiler += n;
        anschluesse += 2 * z * n;
    }
    const int kreise = s.abgaenge;
    const int fbhKreise = s.fbhKreise;

    struct Stueck
    {
        qint32 artNr;
        int menge;
        const char* pMenge;
        const char* pPreis;
        const char* pGesamt;
        bool mitTag;
        const char* warnung;
    };
    const Stueck stuecke[5] = {
        {150310, anschluesse, "%Bedarf150310%", "%Preispro150310%", "%Gesamtpreis150310%", true, ""},
        {151560, verteiler, "%Bedarf151560%", "%Preispro151560%", "%Gesamtpreis151560%", true, ""},
        {151570, kreise - fbhKreise, "%AnzahlStellantriebe%", "%PreisproStellantrieb%",
         "%GesamtpreisStellantriebe%", true, ""},
        {151610, fbhKreise, "%AnzahlRTL%", "%PreisproRTL%", "%GesamtpreisRTL%", true, ""},
        {200001, s.beheizteRaeume, "%AnzahlRaumthermostate%", "%PreisproRaumthermostat%",
         "%GesamtpreisRaumthermostate%", false, "Artikel Raumthermostat nicht gefunden!!!"},
    };
    for (const Stueck& st : stuecke) {
        const float preis = artikelPreis(st.artNr, QString::fromUtf8(st.warnung));
        setze(v, s.laufendeCent,
              {QString::number(st.menge), static_cast<float>(st.menge), preis,
               static_cast<double>(st.menge) * static_cast<double>(preis), QLatin1String(st.pMenge),
               QLatin1String(st.pPreis), QLatin1String(st.pGesamt),
               st.mitTag ? QString::number(st.artNr) : QString()});
    }

    // One sludge separator and one micro-bubble separator for every installation.
    const float schlamm = artikelPreis(150801, QStringLiteral("Artikel Schlammabscheider nicht gefunden!!!"));
    setze(v, s.laufendeCent,
          {QStringLiteral("1"), 1.0f, schlamm, schlamm, QStringLiteral("%AnzahlSchlammabscheider%"),
           QStringLiteral("%PreisproSchlammabscheider%"), QStringLiteral("%GesamtpreisSchlammabscheider%"),
           QString()});
    const float mikro =
        artikelPreis(150811, QStringLiteral("Artikel Mikroblasenabscheider nicht gefunden!!!"));
    setze(v, s.laufendeCent,
          {QStringLiteral("1"), 1.0f, mikro, mikro, QStringLiteral("%AnzahlMikroblasen%"),
           QStringLiteral("%PreisproMikroblasen%"), QStringLiteral("%GesamtpreisMikroblasen%"), QString()});

    setze(v, s.laufendeCent,
          {Zahl::kurz(s.montagezeit), s.montagezeit, s.stundensatz,
           Kosten::produkt(s.montagezeit, s.stundensatz), QStringLiteral("%AnzahlArbeitsstunden%"),
           QStringLiteral("%PreisproArbeitsstunde%"), QStringLiteral("%GesamtpreisArbeitsstunden%"),
           QString()});

    const float satz = Programm::mwstSatz();
    const Kosten k = Kosten::mitMwst(Kosten::euro(s.laufendeCent), satz);
    Vorlage::ersetze(v, QStringLiteral("%SummeGesamt%"), Zahl::fest(k.summe, 2));
    Vorlage::ersetze(v, QStringLiteral("%Mwst%"), Zahl::fest(k.mwst, 2));
    Vorlage::ersetze(v, QStringLiteral("%MwstSatz%"), Zahl::fest(100.0f * satz, 0));
    Vorlage::ersetze(v, QStringLiteral("%SummeMwst%"), Zahl::fest(k.summeMwst, 2));
}

} // namespace

void GebaeudeData::printPE1(QString& vorlage)
{
    // The building's data template names the flow temperature; the totals template does not.
    if (vorlage.contains(QLatin1String("Vorlauftemperatur"))) {
        gebaeudeDaten(*this, vorlage);
        return;
    }
    static const char* const platzhalter[4] = {"%EKR%", "%VOR%", "%UNI%", "%WKP%"};
    gebaeudeSummen(summen, vorlage, platzhalter);
}

void GebaeudeData::printPE2(QString& vorlage)
{
    if (vorlage.contains(QLatin1String("Vorlauftemperatur"))) {
        gebaeudeDaten(*this, vorlage);
        return;
    }
    static const char* const platzhalter[4] = {"%WR%", "%WRD%", "%WP%", "%WPI%"};
    gebaeudeSummen(summen, vorlage, platzhalter);
}

void GebaeudeData::printAusschreibung(QString& vorlage, int teil)
{
    switch (teil) {
    case 0:
        ausschreibungFlaechen(*this, vorlage);
        break;
    case 1:
        ausschreibungVerteiler(*this, vorlage, false);
        break;
    case 2:
        ausschreibungVerteiler(*this, vorlage, true);
        break;
    case 3:
        ausschreibungZubehoer(*this, vorlage);
        break;
    default:
        break;
    }
}

void GebaeudeData::printKA(QString& vorlage)
{
    Vorlage::ersetze(vorlage, QStringLiteral("%Vorlauftemperatur%"), Zahl::kurz(vorlauftemperatur));
}
