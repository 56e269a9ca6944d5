#include "reports/recorddruck.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "design/registertypen.h"
#include "material/ausschreibungsmengen.h"
#include "material/geld.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"
#include "reports/vorlage.h"
#include "reports/zeilenvorlage.h"
#include "reports/zeilenwerte.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <utility>

void printPE1(const ProjektData& r, QString& vorlage)
{
    Vorlage::ersetze(vorlage, QStringLiteral("%Datum%"), Vorlage::datum(r.datum));
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektBezeichnung%"), r.name);
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektNR%"), r.projektNr);
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektStrasse%"), r.strasse);
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektOrt%"), r.ort);
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektPLZ%"), r.plz);
}

void printPE2(const ProjektData& r, QString& vorlage)
{
    printPE1(r, vorlage);
}

void printAusschreibung(const ProjektData& r, QString& vorlage, int)
{
    printKA(r, vorlage);
}

void printKA(const ProjektData& r, QString& vorlage)
{
    // The cost documents carry the day they are made, not the project date.
    Vorlage::ersetzeText(vorlage, QStringLiteral("%ProjektBezeichnung%"), r.name);
    Vorlage::ersetze(vorlage, QStringLiteral("%setdate%"), Vorlage::datum(QDate::currentDate()));
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

    // Multilayer pipe priced per metre from the roll of 200 m.
    const AusschreibungsMengen m = AusschreibungsMengen::aus(s);
    const float rohr = m.rohr;
    const float rohrPreis = Geld::einzelpreis(
        artikelPreis(150010, QStringLiteral("Artikel Mehrschichtverbundrohr 16x2 nicht gefunden!")), 200.0f);
    setze(v, s.laufendeCent,
          {Zahl::kurz(rohr), rohr, rohrPreis, Geld::zeilenpreisGerundet(rohr, rohrPreis),
           QStringLiteral("%BedarfMVR%"), QStringLiteral("%PreisMVR%"), QStringLiteral("%GesamtpreisMVR%"),
           QString()});

    // Protective pipe per metre from the roll of 50 m.
    const float schutzrohr = m.schutzrohr;
    const float schutzPreis = Geld::einzelpreis(
        artikelPreis(150900, QStringLiteral("Artikel Schutzrohr 16x2 nicht gefunden!")), 50.0f);
    setze(v, s.laufendeCent,
          {Zahl::kurz(schutzrohr), schutzrohr, schutzPreis,
           Geld::zeilenpreisGerundet(schutzrohr, schutzPreis), QStringLiteral("%BedarfSR%"),
           QStringLiteral("%PreisSR%"), QStringLiteral("%GesamtpreisSR%"), QStringLiteral("150900")});

    // Insulating hose in sticks of 2 m.
    const int isolierung = m.isolierung;
    const float isolierPreis =
        artikelPreis(150910, QStringLiteral("Artikel Isolierschlauch nicht gefunden!"));
    setze(v, s.laufendeCent,
          {QString::number(isolierung), static_cast<float>(isolierung), isolierPreis,
           Geld::zeilenpreisGerundet(static_cast<float>(isolierung), isolierPreis),
           QStringLiteral("%BedarfIS%"), QStringLiteral("%PreisIS%"), QStringLiteral("%GesamtpreisIS%"),
           QStringLiteral("150910")});

    // Pipe hooks per piece from the pack of 50.
    const int haken = m.haken;
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
    const AusschreibungsMengen m = AusschreibungsMengen::aus(s);

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
        {150310, m.anschluesse, "%Bedarf150310%", "%Preispro150310%", "%Gesamtpreis150310%", true, ""},
        {151560, m.verteiler, "%Bedarf151560%", "%Preispro151560%", "%Gesamtpreis151560%", true, ""},
        {151570, m.stellantriebe, "%AnzahlStellantriebe%", "%PreisproStellantrieb%",
         "%GesamtpreisStellantriebe%", true, ""},
        {151610, m.raumregler, "%AnzahlRTL%", "%PreisproRTL%", "%GesamtpreisRTL%", true, ""},
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

void printPE1(const GebaeudeData& r, QString& vorlage)
{
    // The building's data template names the flow temperature; the totals template does not.
    if (vorlage.contains(QLatin1String("Vorlauftemperatur"))) {
        gebaeudeDaten(r, vorlage);
        return;
    }
    static const char* const platzhalter[4] = {"%EKR%", "%VOR%", "%UNI%", "%WKP%"};
    gebaeudeSummen(r.summen, vorlage, platzhalter);
}

void printPE2(const GebaeudeData& r, QString& vorlage)
{
    if (vorlage.contains(QLatin1String("Vorlauftemperatur"))) {
        gebaeudeDaten(r, vorlage);
        return;
    }
    static const char* const platzhalter[4] = {"%WR%", "%WRD%", "%WP%", "%WPI%"};
    gebaeudeSummen(r.summen, vorlage, platzhalter);
}

void printAusschreibung(GebaeudeData& r, QString& vorlage, int teil)
{
    switch (teil) {
    case 0:
        ausschreibungFlaechen(r, vorlage);
        break;
    case 1:
        ausschreibungVerteiler(r, vorlage, false);
        break;
    case 2:
        ausschreibungVerteiler(r, vorlage, true);
        break;
    case 3:
        ausschreibungZubehoer(r, vorlage);
        break;
    default:
        break;
    }
}

void printKA(const GebaeudeData& r, QString& vorlage)
{
    Vorlage::ersetze(vorlage, QStringLiteral("%Vorlauftemperatur%"), Zahl::kurz(r.vorlauftemperatur));
}

void printPE1(const EtageData& r, QString& vorlage)
{
    // The floor totals template carries the word "Total"; the floor line does not.
    if (!vorlage.contains(QLatin1String("Total"))) {
        printPE2(r, vorlage);
        return;
    }
    Vorlage::ersetze(vorlage, QStringLiteral("%Flaeche%"), Zahl::kurz(r.summen.flaeche));
    Vorlage::ersetze(vorlage, QStringLiteral("%WB%"), Zahl::kurz(r.summen.waermebedarf));
    // The systems laid on this floor, each with its wall area, one per line.
    QStringList systeme;
    QStringList flaechen;
    for (int i = 0; i < 4; ++i) {
        if (r.summen.flaecheWH[i] > 0.0f) {
            systeme << Vorlage::html(Kataloge::name(Kataloge::systeme(), i));
            flaechen << Zahl::kurz(r.summen.flaecheWH[i]);
        }
    }
    Vorlage::ersetze(vorlage, QStringLiteral("%SystemWH%"), systeme.join(QStringLiteral("<br>")));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlaecheWH%"), flaechen.join(QStringLiteral("<br>")));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheFBH%"), Zahl::kurz(r.summen.flaecheFBH));
    Vorlage::ersetze(vorlage, QStringLiteral("%Differenz%"), Zahl::kurz(r.summen.differenz));
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzHK%"), QString::number(r.summen.anzahlAbgaenge));
}

void printPE2(const EtageData& r, QString& vorlage)
{
    Vorlage::ersetzeText(vorlage, QStringLiteral("%EtageBezeichnung%"), r.name);
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzahlRaume%"), QString::number(r.anzahlRaeume));
    Vorlage::ersetzeText(vorlage, QStringLiteral("%SWHE%"),
                         Kataloge::name(Kataloge::systeme(), r.systemIndex));
}

namespace {

// Floor heating loops of a room: full loops of the loop size, and a rest that gets a loop of
// its own when there is no full loop or when it is above 0.5 m².
int fbhSchleifen(float flaeche, float schleife)
{
    int n = Zahl::ganz(std::floor(flaeche / schleife));
    const float rest = flaeche - static_cast<float>(n) * schleife;
    if ((n == 0 && rest > 0.0f) || (n > 0 && rest > Auslegung::RestSchwelle()))
        ++n;
    return n;
}

} // namespace

void printPE1(const RaumData& r, QString& vorlage)
{
    Vorlage::ersetzeText(vorlage, QStringLiteral("%RaumBezeichnung%"), r.name);
    Vorlage::ersetze(vorlage, QStringLiteral("%RaumTemperatur%"), Zahl::kurz(r.raumTemperatur));
    Vorlage::ersetze(vorlage, QStringLiteral("%RaumFlache%"), Zahl::kurz(r.flaeche));
    Vorlage::ersetze(vorlage, QStringLiteral("%GeschWB%"), Zahl::kurz(r.waermebedarfProM2));
    Vorlage::ersetze(vorlage, QStringLiteral("%WB%"), Zahl::kurz(r.waermebedarf));
    // A room heated by its floor alone shows no wall heating system.
    const bool nurFBH = r.flaecheWH <= 0.0f && r.flaecheFBH > 0.0f;
    Vorlage::ersetzeText(vorlage, QStringLiteral("%SWHR%"),
                         nurFBH ? QString() : Kataloge::name(Kataloge::systeme(), r.systemIndex));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheWH%"), nurFBH ? QString() : Zahl::kurz(r.flaecheWH));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheFBH%"),
                     r.flaecheFBH > 0.0f ? Zahl::kurz(r.flaecheFBH) : QString());
    Vorlage::ersetze(vorlage, QStringLiteral("%Differenz%"), Zahl::kurz(r.differenz));
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzHK%"), QString::number(r.summen.anzahlKreise));
}

Eingaben2Vorlagen::Eingaben2Vorlagen(const QString& raumVorlage, const QString& kopf, const QString& zeile,
                                     const QString& platte)
    : raum(raumVorlage,
           {QStringLiteral("%RaumBezeichnung%"), QStringLiteral("%RaumTemperatur%"),
            QStringLiteral("%RaumFlache%"), QStringLiteral("%GeschWB%"), QStringLiteral("%WB%"),
            QStringLiteral("%FlacheFBH%"), QStringLiteral("%MS%"), QStringLiteral("%FlacheWH%"),
            QStringLiteral("%FlacheWH1%"), QStringLiteral("%SWHR%"), QStringLiteral("%DiffWaerme%")}),
      flaechenKopf(kopf),
      flaeche(zeile, {QStringLiteral("%NrFlaeche%"), QStringLiteral("%FGroesse%"),
                      QStringLiteral("%RegGroesse%"), QStringLiteral("%AnzReg%"),
                      QStringLiteral("%Entfernung%"), QStringLiteral("%TKreis%"), QStringLiteral("%MS%")}),
      zusammenstellung(platte, {QStringLiteral("%Nr%"), QStringLiteral("%Bez%"), QStringLiteral("%ArtNr%"),
                                QStringLiteral("%Breite%"), QStringLiteral("%Hoehe%"),
                                QStringLiteral("%Groesse%"), QStringLiteral("%Anzahl%")})
{
}

void printPE2Raum(const RaumData& r, const Eingaben2Vorlagen& vorlagen, QString& dokument)
{
    const float q = Auslegung::WaermeabgabeProM2(r.systemIndex, r.vorlauftemperatur(), r.raumTemperatur);
    const float fbh = r.flaecheFBH;
    float installiert = 0.0f;
    for (const Heizflaeche& h : r.heizflaechen)
        installiert += static_cast<float>(h.flaeche);

    Zeilenwerte werte;
    werte.text(Vorlage::html(r.etage ? r.name + QLatin1Char('/') + r.etage->name : r.name))
        .kurz(r.raumTemperatur)
        .kurz(r.flaeche)
        .kurz(r.waermebedarfProM2)
        .kurz(r.waermebedarf);

    if (fbh > 0.0f) {
        werte.text(r.fbhDirekt ? QStringLiteral("%1 (Dir. HKV)").arg(Zahl::kurz(fbh)) : Zahl::kurz(fbh));
        // Loops laid directly from the manifold are kept to 5 m² each.
        const int n = fbhSchleifen(fbh, r.fbhDirekt ? 5.0f : Auslegung::FbhKreisFlaeche());
        werte.text(
            QStringLiteral("%1 (%2 TK)").arg(Zahl::fest(9.0f * fbh / static_cast<float>(n), 0)).arg(n));
    } else {
        werte.text({}).text({});
    }

    // Without installed wall heating a floor-heated room shows no wall values.
    const bool ohneWand = installiert == 0.0f && fbh > 0.0f;
    // No output per m² (flow not above room temperature) needs no wall area.
    const float benoetigt = q > 0.0f ? r.waermebedarf / q : 0.0f;
    if (ohneWand)
        werte.text({}).text({}).text({});
    else
        werte.fest(benoetigt, 2)
            .fest(installiert, 2)
            .text(Vorlage::html(Kataloge::name(Kataloge::systeme(), r.systemIndex)));

    const float diff = std::ceil(fbh * Auslegung::FbhLeistungProM2() + installiert * q - r.waermebedarf);
    werte.fest(diff, 1);
    vorlagen.raum.haengeAn(dokument, werte);

    // This form's totals are those of the installed surfaces, added up room by room.
    if (r.etage) {
        EtagenSummen& e = r.etage->summen;
        e.flaeche += r.flaeche;
        e.waermebedarf += r.waermebedarf;
        e.flaecheWH[std::clamp(r.systemIndex, 0, 3)] += installiert;
        e.differenz += diff;
        e.flaecheFBH += fbh;
        if (r.etage->gebaeude) {
            GebaeudeSummen& g = r.etage->gebaeude->summen;
            g.flaeche += r.flaeche;
            g.waermebedarf += r.waermebedarf;
            g.flaecheWH[std::clamp(r.systemIndex, 0, 3)] += installiert;
            g.differenz += diff;
            g.flaecheFBH += fbh;
        }
    }
    printPE2Flaechen(r, vorlagen, dokument);
}

void printPE2Flaechen(const RaumData& r, const Eingaben2Vorlagen& vorlagen, QString& dokument)
{
    if (r.heizflaechen.isEmpty())
        return;

    const float vorlauf = r.vorlauftemperatur();
    // Summed area of the surfaces of each Tichelmann circuit (direct surfaces apart).
    float kreisFlaeche[Kataloge::maxHeizkreise] = {};
    for (const Heizflaeche& h : r.heizflaechen) {
        if (!h.direkt)
            kreisFlaeche[h.kreisIndex()] += static_cast<float>(h.flaeche);
    }

    dokument += vorlagen.flaechenKopf;
    bool kreisGezeigt[Kataloge::maxHeizkreise] = {};
    for (int i = 0; i < r.heizflaechen.size(); ++i) {
        const Heizflaeche& h = r.heizflaechen.at(i);
        Zeilenwerte werte;
        werte.zahl(i + 1)
            .fest(h.flaeche, 2)
            .fest(h.flaeche / std::max(1, h.anzahlRegister), 2)
            .zahl(h.anzahlRegister)
            .kurz(h.entfernung);
        if (h.direkt)
            werte.text(u"Dir. HKV");
        else
            werte.zahl(h.heizkreis + 1);
        // The circuit's value stands on its first surface only.
        if (h.direkt) {
            werte.fest(Auslegung::KreisFaktor(static_cast<float>(h.flaeche), r.systemIndex, vorlauf), 0);
        } else if (!kreisGezeigt[h.kreisIndex()]) {
            kreisGezeigt[h.kreisIndex()] = true;
            werte.fest(Auslegung::KreisFaktor(kreisFlaeche[h.kreisIndex()], r.systemIndex, vorlauf), 0);
        } else {
            werte.text({});
        }
        vorlagen.flaeche.haengeAn(dokument, werte);
    }
    dokument += QStringLiteral("\n</table>\n");

    // The register systems list what each surface is composed of.
    const int n = RaumData::zusammenstellungsBreite(r.systemIndex);
    if (n == 0)
        return;
    const QList<RegisterTypen::Typ>& typen = RegisterTypen::typen(r.systemIndex);
    const QStringView bez = r.systemIndex == 1 ? QStringView(u"Register") : QStringView(u"Platte");
    for (int nr = 0; nr < r.heizflaechen.size(); ++nr) {
        for (int t = 0; t < n && t < typen.size(); ++t) {
            const int anzahl = r.zusammenstellung.value(nr * n + t);
            if (anzahl < 1)
                continue;
            const RegisterTypen::Typ& typ = typen.at(t);
            Zeilenwerte werte;
            werte.zahl(nr + 1)
                .text(bez)
                .zahl(typ.artNr)
                .kurz(typ.breite)
                .kurz(typ.hoehe)
                .kurz(typ.flaeche)
                .zahl(anzahl);
            vorlagen.zusammenstellung.haengeAn(dokument, werte);
        }
    }
}

void printPE1(const SonstigData& r, QString& vorlage)
{
    vorlage.replace(QStringLiteral("%Stundens%"), Zahl::kurz(r.stundensatz));
    vorlage.replace(QStringLiteral("%Montagez%"), Zahl::kurz(r.montagezeit));
}

void printPE2(const SonstigData& r, QString& vorlage)
{
    printPE1(r, vorlage);
    QString text;
    if (r.abschlag > 0.0f && r.abschlag < 1.0f)
        text = QStringLiteral("%1%").arg(Zahl::kurz(r.abschlag * 100.0f));
    else if (r.abschlag >= 1.0f)
        text = QStringLiteral("%1 EUR").arg(Zahl::kurz(r.abschlag));
    vorlage.replace(QStringLiteral("%Abschlag%"), text);
}

void printKA(const SonstigData& r, QString& vorlage, qint64 materialCent)
{
    // Labour, net and deduction are whole cents, so the document adds up as printed.
    const qint64 lohn = Kosten::cent(Kosten::produkt(r.stundensatz, r.montagezeit));
    vorlage.replace(QStringLiteral("%AnzahlStunden%"), Zahl::fest(r.montagezeit, 1));
    vorlage.replace(QStringLiteral("%PreisStunde%"), Zahl::fest(r.stundensatz, 2));
    vorlage.replace(QStringLiteral("%GesamtLohn%"), Zahl::fest(Kosten::euro(lohn), 2));

    qint64 netto = lohn + materialCent;

    QString block;
    if (r.abschlag > 0.0f) {
        // Below 1 the deduction is a share of the net sum, from 1 on a lump sum in EUR.
        const bool anteil = r.abschlag < 1.0f;
        const qint64 betrag = Kosten::cent(anteil ? Kosten::euro(netto) * static_cast<double>(r.abschlag)
                                                  : static_cast<double>(r.abschlag));
        block = QStringLiteral("<p><b>Abschlag</b></p>\n");
        block += QStringLiteral("\n<table cols=2 width=\"100%\">");
        block += QStringLiteral("\n<tr>");
        block += QStringLiteral("\n<td align=left> ");
        if (anteil)
            block += QStringLiteral("%1% von %2 <b>EUR</b> ")
                         .arg(Zahl::kurz(r.abschlag * 100.0f), Zahl::fest(Kosten::euro(netto), 2));
        block += QStringLiteral(" </td>");
        block += QStringLiteral("\n<td align=right><b>");
        block += Zahl::fest(Kosten::euro(betrag), 2);
        block += QStringLiteral(" &nbsp;EUR</b></td>");
        block += QStringLiteral("\n</tr>");
        block += QStringLiteral("\n</table>");
        block += QStringLiteral("\n<p><img src=\"leer.png\" height=10 width=1></p>");
        netto -= betrag;
    }
    vorlage.replace(QStringLiteral("%Abschlag%"), block);

    // VAT on the net sum after the deduction.
    const float satz = Programm::mwstSatz();
    const Kosten k = Kosten::mitMwst(Kosten::euro(netto), satz);
    vorlage.replace(QStringLiteral("%SummeGesamt%"), Zahl::fest(k.summe, 2));
    vorlage.replace(QStringLiteral("%MwstSatz%"), Zahl::fest(satz * 100.0f, 0));
    vorlage.replace(QStringLiteral("%Mwst%"), Zahl::fest(k.mwst, 2));
    vorlage.replace(QStringLiteral("%SummeMwst%"), Zahl::fest(k.summeMwst, 2));
}

namespace {
// Fills the placeholders in one pass: a value is inserted as it stands and is never searched
// for placeholders itself, so that an article called "50%Menge%" or "A\1" prints as typed.
QString fuelle(const QString& vorlage, const QList<std::pair<QString, QString>>& werte)
{
    QString text;
    int pos = 0;
    while (pos < vorlage.size()) {
        int naechste = -1;
        int welcher = -1;
        for (int w = 0; w < werte.size(); ++w) {
            const int i = vorlage.indexOf(werte.at(w).first, pos);
            if (i >= 0 && (naechste < 0 || i < naechste)) {
                naechste = i;
                welcher = w;
            }
        }
        if (naechste < 0)
            break;
        text += QStringView(vorlage).mid(pos, naechste - pos);
        text += werte.at(welcher).second;
        pos = naechste + werte.at(welcher).first.size();
    }
    text += QStringView(vorlage).mid(pos);
    return text;
}
} // namespace

QString materialRows(const MaterialData& r, const QString& vorlage, int gruppe, qint64& summeCent,
                     const ArtikelListe& katalog)
{
    QString zeilen;
    const int n = std::min<int>(r.mengen.size(), katalog.size());
    for (int i = 0; i < n; ++i) {
        const float menge = r.mengen.at(i);
        const Artikel& a = katalog.at(i);
        if (!(menge > 0.0f) || a.gruppe != gruppe)
            continue;
        const qint64 gesamt = Kosten::zeilenCent(menge, a.preis);
        zeilen += fuelle(vorlage, {{QStringLiteral("%Bezeichnung%"), a.bezeichnung.toHtmlEscaped()},
                                   {QStringLiteral("%BezeichnungLong%"), a.bezeichnungLang.toHtmlEscaped()},
                                   {QStringLiteral("%Menge%"), Zahl::fest(menge, 2)},
                                   {QStringLiteral("%Einzelpreis%"), Zahl::fest(a.preis, 2)},
                                   {QStringLiteral("%Gesamtpreis%"), Zahl::fest(Kosten::euro(gesamt), 2)}});
        summeCent += gesamt;
    }
    return zeilen;
}

void printPE1(const WHBaseData& record, QString& vorlage)
{
    switch (record.type) {
    case WHBaseData::TypProjekt:
        printPE1(static_cast<const ProjektData&>(record), vorlage);
        break;
    case WHBaseData::TypGebaeude:
        printPE1(static_cast<const GebaeudeData&>(record), vorlage);
        break;
    case WHBaseData::TypEtage:
        printPE1(static_cast<const EtageData&>(record), vorlage);
        break;
    case WHBaseData::TypRaum:
        printPE1(static_cast<const RaumData&>(record), vorlage);
        break;
    case WHBaseData::TypSonstig:
        printPE1(static_cast<const SonstigData&>(record), vorlage);
        break;
    default:
        break;
    }
}

void printPE2(const WHBaseData& record, QString& vorlage)
{
    switch (record.type) {
    case WHBaseData::TypProjekt:
        printPE2(static_cast<const ProjektData&>(record), vorlage);
        break;
    case WHBaseData::TypGebaeude:
        printPE2(static_cast<const GebaeudeData&>(record), vorlage);
        break;
    case WHBaseData::TypEtage:
        printPE2(static_cast<const EtageData&>(record), vorlage);
        break;
    case WHBaseData::TypSonstig:
        printPE2(static_cast<const SonstigData&>(record), vorlage);
        break;
    default:
        break;
    }
}

void printAusschreibung(WHBaseData& record, QString& vorlage, int teil)
{
    switch (record.type) {
    case WHBaseData::TypProjekt:
        printAusschreibung(static_cast<const ProjektData&>(record), vorlage, teil);
        break;
    case WHBaseData::TypGebaeude:
        printAusschreibung(static_cast<GebaeudeData&>(record), vorlage, teil);
        break;
    default:
        break;
    }
}

void printKA(const WHBaseData& record, QString& vorlage)
{
    switch (record.type) {
    case WHBaseData::TypProjekt:
        printKA(static_cast<const ProjektData&>(record), vorlage);
        break;
    case WHBaseData::TypGebaeude:
        printKA(static_cast<const GebaeudeData&>(record), vorlage);
        break;
    default:
        break;
    }
}
