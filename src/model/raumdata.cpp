#include "model/raumdata.h"

#include "app/auslegung.h"
#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "design/heizkreise.h"
#include "design/registertypen.h"
#include "design/waermebilanz.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "reports/vorlage.h"
#include "reports/zeilenvorlage.h"

#include <algorithm>
#include <cmath>

RaumData::RaumData(EtageData* e) : etage(e)
{
    name = QStringLiteral("Raum %1");
    type = TypRaum;
    systemIndex = e ? e->systemIndex : 0;
    waermebedarfProM2 = e && e->gebaeude ? e->gebaeude->ueberWB : 50.0f;
}

RaumData::RaumData(const RaumData& quelle, EtageData* neueEtage) : RaumData(quelle)
{
    etage = neueEtage;
}

int RaumData::zusammenstellungsBreite(int system)
{
    return system == 1 ? 2 : (system == 3 ? 3 : 0);
}

void RaumData::setSystem(int s)
{
    if (s == systemIndex)
        return;
    if (Kataloge::istRegisterSystem(systemIndex))
        zusammenstellung.clear();
    if (Kataloge::istRegisterSystem(s))
        heizflaechen.clear();
    systemIndex = s;
}

bool RaumData::systemwechselLoescht(int s) const
{
    if (s == systemIndex)
        return false;
    return (Kataloge::istRegisterSystem(systemIndex) && !zusammenstellung.isEmpty()) ||
           (Kataloge::istRegisterSystem(s) && !heizflaechen.isEmpty());
}

float RaumData::vorlauftemperatur() const
{
    return etage && etage->gebaeude ? etage->gebaeude->vorlauftemperatur : 45.0f;
}

void RaumData::berechneWaermebilanz()
{
    const float q = Auslegung::WaermeabgabeProM2(systemIndex, vorlauftemperatur(), raumTemperatur);
    flaecheWH = Grenzen::halte(Waermebilanz::flaecheWH(q, waermebedarf, flaecheFBH), Grenzen::heizFlaeche);
    differenz = Grenzen::halte(
        Waermebilanz::differenz(Waermebilanz::waermeabgabe(q, flaecheWH, flaecheFBH), waermebedarf),
        Grenzen::differenz);
}

int RaumData::flaechenInZeile(const QString& line, const QString& version)
{
    const bool alt = version == QLatin1String("1.0") || version == QLatin1String("1.1");
    // Counting the separators gives the number of fields without splitting a line that may hold
    // hundreds of them.
    const qsizetype anzahlFelder = line.count(QChar(0x01)) + 1;
    return std::max(0, static_cast<int>((anzahlFelder - 2) / (alt ? 4 : 5)));
}

bool RaumData::hasData() const
{
    return waermebedarf > 0.0f || raumTyp != Kataloge::freieEingabe || !heizflaechen.isEmpty();
}

bool RaumData::checkData(int seitenSystem, float) const
{
    return !(vorlauftemperatur() > 50.0f && seitenSystem > 1);
}

QString RaumData::toString() const
{
    QString text = zeile(3, {QStringLiteral("3"), name, QString::number(raumTyp), zahl(raumTemperatur),
                             zahl(flaeche), zahl(waermebedarfProM2), zahl(waermebedarf), zahl(flaecheWH),
                             zahl(flaecheFBH), zahl(differenz), QString::number(systemIndex)});

    QStringList f{QStringLiteral("5"),
                  QStringLiteral("%1:%2").arg(fbhDirekt ? 1 : 0).arg(heizkreisFrei ? 1 : 0)};
    for (const Heizflaeche& h : heizflaechen) {
        f << zahl(h.flaeche) << zahl(h.entfernung) << QString::number(h.heizkreis)
          << QString::number(h.direkt ? 1 : 0) << QString::number(h.anzahlRegister);
    }
    text += zeile(4, f);

    if (Kataloge::istRegisterSystem(systemIndex)) {
        QStringList z{QStringLiteral("6")};
        for (int n : zusammenstellung)
            z << QString::number(n);
        text += zeile(5, z);
    }
    return text;
}

bool RaumData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 11)
        return false;
    name = f.at(1);
    raumTyp = Zahl::toInt(f.at(2));
    if (raumTyp < 0 || raumTyp >= Kataloge::raumTypen().size())
        raumTyp = Kataloge::freieEingabe;
    raumTemperatur = Grenzen::lies(f.at(3), Grenzen::temperatur);
    flaeche = Grenzen::lies(f.at(4), Grenzen::raumFlaeche);
    waermebedarfProM2 = Grenzen::lies(f.at(5), Grenzen::waermebedarfProM2);
    waermebedarf = Grenzen::lies(f.at(6), Grenzen::waermebedarf);
    flaecheWH = Grenzen::lies(f.at(7), Grenzen::heizFlaeche);
    flaecheFBH = Grenzen::lies(f.at(8), Grenzen::heizFlaeche);
    differenz = Grenzen::lies(f.at(9), Grenzen::differenz);
    systemIndex = Zahl::toInt(f.at(10));
    if (version == QLatin1String("1.0") && systemIndex == 1)
        systemIndex = 0;
    if (systemIndex < 0 || systemIndex >= Kataloge::systeme().size())
        systemIndex = 0;
    // Older versions computed the wall area with other output figures: recompute it.
    static const QStringList aeltere{QStringLiteral("1.0"), QStringLiteral("1.1"), QStringLiteral("1.2"),
                                     QStringLiteral("1.3")};
    if (aeltere.contains(version))
        berechneWaermebilanz();
    return true;
}

bool RaumData::fromStringFlaechen(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    const int code = Zahl::toInt(line.left(1));
    const bool alt = version == QLatin1String("1.0") || version == QLatin1String("1.1");

    if (code == TypFlaechen) {
        if (f.size() < 2)
            return false;
        const QStringList flags = f.at(1).split(QLatin1Char(':'));
        const int erstes = Zahl::toInt(flags.value(0));
        heizkreisFrei = Zahl::toInt(flags.value(1)) != 0;
        const int proFlaeche = alt ? 4 : 5;
        const int anzahl = flaechenInZeile(line, version);
        if (anzahl > Kataloge::maxFlaechen)
            return false;
        heizflaechen.clear();
        for (int i = 0; i < anzahl; ++i) {
            const int b = 2 + i * proFlaeche;
            Heizflaeche h;
            // The circuit stays within the 15 circuits of a room.
            h.flaeche = Grenzen::lies(f.at(b), Grenzen::heizFlaeche);
            h.entfernung = Grenzen::lies(f.at(b + 1), Grenzen::entfernung);
            h.heizkreis = Grenzen::liesGanz(f.at(b + 2), 0, Kataloge::maxHeizkreise - 1);
            h.direkt = Zahl::toInt(f.at(b + 3)) != 0;
            h.anzahlRegister = alt ? Auslegung::AnzahlRegister(static_cast<float>(h.flaeche), systemIndex)
                                   : Grenzen::liesGanz(f.at(b + 4), 0, Grenzen::maxRegister);
            heizflaechen.append(h);
        }
        // A composition read before belongs to surfaces this line replaces: it keeps no entries
        // beyond the new surfaces, so that the room saves as it reads.
        const int breite = zusammenstellungsBreite(systemIndex) * static_cast<int>(heizflaechen.size());
        if (zusammenstellung.size() > breite)
            zusammenstellung.resize(breite);
        if (version == QLatin1String("1.0")) {
            // Version 1.0 kept no direct floor heating; its first flag 0 asks for automatic circuits.
            fbhDirekt = false;
            if (erstes == 0)
                Heizkreise::bildeHeizkreiseGespeichert(heizflaechen, systemIndex);
        } else {
            fbhDirekt = erstes != 0;
        }
        return true;
    }

    if (code == TypZusammenstellung) {
        static const QStringList ohneZusammenstellung{QStringLiteral("1.0"), QStringLiteral("1.1"),
                                                      QStringLiteral("1.2"), QStringLiteral("1.3")};
        zusammenstellung.clear();
        if (ohneZusammenstellung.contains(version)) {
            // Compositions of these versions do not fit today's register types.
            Heizkreise::bildeHeizkreiseGespeichert(heizflaechen, systemIndex);
            return true;
        }
        const int n = zusammenstellungsBreite(systemIndex);
        const int anzahl = std::min<int>(f.size() - 1, n * heizflaechen.size());
        for (int i = 0; i < anzahl; ++i)
            zusammenstellung.append(Grenzen::liesGanz(f.at(1 + i), 0, Grenzen::maxElemente));
        return true;
    }
    return false;
}

bool RaumData::fromStringWB(const QString& line)
{
    const QStringList f = felder(line);
    if (f.size() < 4)
        return false;
    name = f.at(2);
    raumTyp = Kataloge::freieEingabe;
    const QStringList sub = f.at(3).split(QChar(0x02));
    raumTemperatur = Grenzen::lies(sub.value(0), Grenzen::temperatur);
    // Rounded down in single precision, as the heat-demand program's values always were.
    flaeche =
        std::floor(static_cast<float>(Grenzen::lies(sub.value(6), Grenzen::raumFlaeche)) * 100.0f) / 100.0f;
    if (sub.size() >= 12) {
        waermebedarf =
            std::floor(static_cast<float>(Grenzen::lies(sub.at(11), Grenzen::waermebedarf)) * 10.0f) / 10.0f;
        // A room without area has no specific demand.
        waermebedarfProM2 = flaeche != 0.0f
                                ? Grenzen::halte(std::floor(waermebedarf / flaeche * 10.0f) / 10.0f,
                                                 Grenzen::waermebedarfProM2)
                                : 0.0f;
        berechneWaermebilanz();
    }
    return true;
}

// --- material and report operations ---
namespace {

// Connection of a group of k registers: the slide-sleeve fittings 150215 between the
// registers and, at the two ends, either two more of them or two of 150212.
void registerAnschluss(MaterialBedarf& b, int k, bool zweiAn150212)
{
    b[150215] += static_cast<float>(2 * k - 2);
    if (zweiAn150212)
        b[150212] += 2.0f;
    else
        b[150215] += 2.0f;
}

// Prefabricated registers: article per type, in the order of the composition counts.
const qint32 riRegisterArtikel[2] = {150030, 150031};
const qint32 ruRegisterArtikel[3] = {150150, 150151, 150152};
// Element height of the RU-10 types in mm; article 151410 takes 40 per metre of element height.
const int ruRegisterHoehe[3] = {2000, 2000, 1000};

} // namespace

void RaumData::materialBedarf(MaterialBedarf& b)
{
    float h = 0.0f; // all surfaces, direct ones included
    for (const Heizflaeche& f : heizflaechen)
        h += static_cast<float>(f.flaeche);

    int registerGesamt = 0;
    int flaechenImKreis[Kataloge::maxHeizkreise] = {};
    int direkte = 0;
    double abgaenge = 0.0; // outlets the room needs at the floor's manifold

    for (const Heizflaeche& f : heizflaechen) {
        const float entfernung = static_cast<float>(f.entfernung);
        if (f.direkt) {
            // Supply and return straight to the manifold.
            ++direkte;
            ++registerGesamt;
            b[150003] += 2.0f * entfernung;
            continue;
        }
        registerGesamt += f.anzahlRegister;
        const int kreis = f.kreisIndex();
        if (flaechenImKreis[kreis] == 0) {
            // The first surface of a circuit carries the supply and return from the manifold.
            b[150010] += 2.0f * entfernung;
            b[150910] += 2.0f * entfernung;
            registerAnschluss(b, f.anzahlRegister, false);
            b[150215] -= 1.0f;
            b[150212] += 1.0f;
        } else {
            // Every further surface of a Tichelmann circuit adds the third pipe.
            b[150010] += 3.0f * entfernung;
            b[150910] += 3.0f * entfernung;
            registerAnschluss(b, f.anzahlRegister, false);
        }
        ++flaechenImKreis[kreis];
    }

    // Two direct surfaces share one manifold outlet.
    if (direkte > 0) {
        const int paare = direkte / 2 + direkte % 2;
        abgaenge += paare;
        b[151570] += static_cast<float>(paare);
        b[150301] += static_cast<float>(2 * (direkte % 2));
        b[150306] += static_cast<float>(2 * (direkte / 2));
    }

    for (int k = 0; k < Kataloge::maxHeizkreise; ++k) {
        if (flaechenImKreis[k] > 0) {
            ++abgaenge;
            b[150310] += 2.0f;
            b[151570] += 1.0f;
            b[150215] -= 1.0f;
            b[150212] += 1.0f;
        }
    }

    const float fbh = flaecheFBH;
    const bool beheizt = h + fbh > 0.0f;
    if (beheizt)
        b[200001] += 1.0f;
    if (fbh > 0.0f) {
        b[150003] += 13.0f * fbh;
        b[150140] += fbh;
        b[151410] += 31.0f * fbh;
        b[459561] += 40.0f * fbh;
        const float kreisFlaeche = Auslegung::FbhKreisFlaeche();
        const int schleifen = Zahl::ganz(std::floor(fbh / kreisFlaeche));
        const float n = static_cast<float>(schleifen);
        if (fbhDirekt) {
            // Each full loop is led to the manifold with both ends of its own.
            abgaenge += 2.0 * schleifen;
            b[151610] += 2.0f * n;
            b[150003] += 40.0f * n;
            b[150306] += 4.0f * n;
        } else {
            // Each full loop is a group of four registers on one outlet: registerAnschluss(4, true).
            b[150215] += 6.0f * n;
            b[150212] += 2.0f * n;
            b[151610] += n;
            b[150310] += 2.0f * n;
            b[150010] += 10.0f * n;
            abgaenge += schleifen;
        }
        // A rest above 0.5 m² after a full loop gets a loop of its own; without a full loop
        // any rest does.
        const float rest = fbh - kreisFlaeche * static_cast<float>(schleifen);
        if ((schleifen == 0 && rest > 0.0f) || (schleifen > 0 && rest > Auslegung::RestSchwelle())) {
            const int m = Zahl::ganz(std::ceil(rest / 5.0f));
            if (fbhDirekt) {
                const int paare = m / 2 + m % 2;
                abgaenge += paare;
                b[151610] += static_cast<float>(paare);
                b[150301] += static_cast<float>(2 * (m % 2));
                b[150306] += static_cast<float>(2 * (m / 2));
                b[150003] += static_cast<float>(10 * m);
            } else {
                b[151610] += 1.0f;
                b[150310] += 2.0f;
                b[150010] += 10.0f;
                registerAnschluss(b, m, true);
                abgaenge += 1;
            }
        }
    }

    b[150900] += 0.6f * static_cast<float>(registerGesamt);

    int elemente = 0;
    switch (systemIndex) {
    case 0:
        b[150003] += 17.0f * h;
        b[150063] += 3.0f * h;
        b[150064] += 7.0f * h;
        b[150920] += 20.0f * h;
        break;
    case 1:
        for (int j = 0; j < zusammenstellung.size(); ++j) {
            b[riRegisterArtikel[j % 2]] += static_cast<float>(zusammenstellung.at(j));
            elemente += zusammenstellung.at(j);
        }
        // Elements beyond the hydraulic registers are joined by one more fitting each.
        b[150213] += static_cast<float>(elemente - registerGesamt);
        b[150920] += 20.0f * h;
        break;
    case 2:
        b[150003] += 13.0f * h;
        b[150140] += h;
        b[459561] += 50.0f * h;
        b[151410] += 50.0f * h;
        break;
    case 3:
        b[459561] += 50.0f * h;
        for (int j = 0; j < zusammenstellung.size(); ++j) {
            const int anzahl = zusammenstellung.at(j);
            b[151410] += static_cast<float>(anzahl * 40 * ruRegisterHoehe[j % 3]) / 1000.0f;
            b[ruRegisterArtikel[j % 3]] += static_cast<float>(anzahl);
            elemente += anzahl;
        }
        b[150213] += static_cast<float>(elemente - registerGesamt);
        break;
    default:
        break;
    }

    if (etage) {
        etage->summen.anzahlAbgaenge = Zahl::ganz(etage->summen.anzahlAbgaenge + abgaenge);
        if (beheizt)
            etage->summen.anzahlBeheizt += 1;
    }
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

void RaumData::printPE1(QString& vorlage)
{
    Vorlage::ersetzeText(vorlage, QStringLiteral("%RaumBezeichnung%"), name);
    Vorlage::ersetze(vorlage, QStringLiteral("%RaumTemperatur%"), Zahl::kurz(raumTemperatur));
    Vorlage::ersetze(vorlage, QStringLiteral("%RaumFlache%"), Zahl::kurz(flaeche));
    Vorlage::ersetze(vorlage, QStringLiteral("%GeschWB%"), Zahl::kurz(waermebedarfProM2));
    Vorlage::ersetze(vorlage, QStringLiteral("%WB%"), Zahl::kurz(waermebedarf));
    // A room heated by its floor alone shows no wall heating system.
    const bool nurFBH = flaecheWH <= 0.0f && flaecheFBH > 0.0f;
    Vorlage::ersetzeText(vorlage, QStringLiteral("%SWHR%"),
                         nurFBH ? QString() : Kataloge::name(Kataloge::systeme(), systemIndex));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheWH%"), nurFBH ? QString() : Zahl::kurz(flaecheWH));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheFBH%"),
                     flaecheFBH > 0.0f ? Zahl::kurz(flaecheFBH) : QString());
    Vorlage::ersetze(vorlage, QStringLiteral("%Differenz%"), Zahl::kurz(differenz));
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzHK%"), QString::number(summen.anzahlKreise));
}

QString RaumData::printPE2Raum(const QString& raumVorlage, const QString& flaechenKopf,
                               const QString& flaechenZeile, const QString& zusammenstellungsZeile)
{
    QString v = raumVorlage;
    const float q = Auslegung::WaermeabgabeProM2(systemIndex, vorlauftemperatur(), raumTemperatur);
    const float fbh = flaecheFBH;
    float installiert = 0.0f;
    for (const Heizflaeche& h : heizflaechen)
        installiert += static_cast<float>(h.flaeche);

    Vorlage::ersetzeText(v, QStringLiteral("%RaumBezeichnung%"),
                         etage ? name + QLatin1Char('/') + etage->name : name);
    Vorlage::ersetze(v, QStringLiteral("%RaumTemperatur%"), Zahl::kurz(raumTemperatur));
    Vorlage::ersetze(v, QStringLiteral("%RaumFlache%"), Zahl::kurz(flaeche));
    Vorlage::ersetze(v, QStringLiteral("%GeschWB%"), Zahl::kurz(waermebedarfProM2));
    Vorlage::ersetze(v, QStringLiteral("%WB%"), Zahl::kurz(waermebedarf));

    QString fbhText;
    QString schleifenText;
    if (fbh > 0.0f) {
        fbhText = fbhDirekt ? QStringLiteral("%1 (Dir. HKV)").arg(Zahl::kurz(fbh)) : Zahl::kurz(fbh);
        // Loops laid directly from the manifold are kept to 5 m² each.
        const int n = fbhSchleifen(fbh, fbhDirekt ? 5.0f : Auslegung::FbhKreisFlaeche());
        schleifenText =
            QStringLiteral("%1 (%2 TK)").arg(Zahl::fest(9.0f * fbh / static_cast<float>(n), 0)).arg(n);
    }
    Vorlage::ersetze(v, QStringLiteral("%FlacheFBH%"), fbhText);
    Vorlage::ersetze(v, QStringLiteral("%MS%"), schleifenText);

    // Without installed wall heating a floor-heated room shows no wall values.
    const bool ohneWand = installiert == 0.0f && fbh > 0.0f;
    // No output per m² (flow not above room temperature) needs no wall area.
    const float benoetigt = q > 0.0f ? waermebedarf / q : 0.0f;
    Vorlage::ersetze(v, QStringLiteral("%FlacheWH%"), ohneWand ? QString() : Zahl::fest(benoetigt, 2));
    Vorlage::ersetze(v, QStringLiteral("%FlacheWH1%"), ohneWand ? QString() : Zahl::fest(installiert, 2));
    Vorlage::ersetzeText(v, QStringLiteral("%SWHR%"),
                         ohneWand ? QString() : Kataloge::name(Kataloge::systeme(), systemIndex));

    const float diff = std::ceil(fbh * Auslegung::FbhLeistungProM2() + installiert * q - waermebedarf);
    Vorlage::ersetze(v, QStringLiteral("%DiffWaerme%"), Zahl::fest(diff, 1));

    // This form's totals are those of the installed surfaces, added up room by room.
    if (etage) {
        EtagenSummen& e = etage->summen;
        e.flaeche += flaeche;
        e.waermebedarf += waermebedarf;
        e.flaecheWH[std::clamp(systemIndex, 0, 3)] += installiert;
        e.differenz += diff;
        e.flaecheFBH += fbh;
        if (etage->gebaeude) {
            GebaeudeSummen& g = etage->gebaeude->summen;
            g.flaeche += flaeche;
            g.waermebedarf += waermebedarf;
            g.flaecheWH[std::clamp(systemIndex, 0, 3)] += installiert;
            g.differenz += diff;
            g.flaecheFBH += fbh;
        }
    }
    return v + printPE2Flaechen(flaechenKopf, flaechenZeile, zusammenstellungsZeile);
}

QString RaumData::printPE2Flaechen(const QString& kopf, const QString& zeile, const QString& platte) const
{
    if (heizflaechen.isEmpty())
        return QString();

    const float vorlauf = vorlauftemperatur();
    // Summed area of the surfaces of each Tichelmann circuit (direct surfaces apart).
    float kreisFlaeche[Kataloge::maxHeizkreise] = {};
    for (const Heizflaeche& h : heizflaechen) {
        if (!h.direkt)
            kreisFlaeche[h.kreisIndex()] += static_cast<float>(h.flaeche);
    }

    QString text = kopf;
    // One row per surface: the row piece is prepared once for all of them.
    const Zeilenvorlage flaechenZeile(zeile, {QStringLiteral("%NrFlaeche%"), QStringLiteral("%FGroesse%"),
                                              QStringLiteral("%RegGroesse%"), QStringLiteral("%AnzReg%"),
                                              QStringLiteral("%Entfernung%"), QStringLiteral("%TKreis%"),
                                              QStringLiteral("%MS%")});
    bool kreisGezeigt[Kataloge::maxHeizkreise] = {};
    for (int i = 0; i < heizflaechen.size(); ++i) {
        const Heizflaeche& h = heizflaechen.at(i);
        // The circuit's value stands on its first surface only.
        QString faktor;
        if (h.direkt) {
            faktor =
                Zahl::fest(Auslegung::KreisFaktor(static_cast<float>(h.flaeche), systemIndex, vorlauf), 0);
        } else if (!kreisGezeigt[h.kreisIndex()]) {
            kreisGezeigt[h.kreisIndex()] = true;
            faktor =
                Zahl::fest(Auslegung::KreisFaktor(kreisFlaeche[h.kreisIndex()], systemIndex, vorlauf), 0);
        }
        text += flaechenZeile.fuelle(
            {QString::number(i + 1), Zahl::fest(h.flaeche, 2),
             Zahl::fest(h.flaeche / std::max(1, h.anzahlRegister), 2), QString::number(h.anzahlRegister),
             Zahl::kurz(h.entfernung),
             h.direkt ? QStringLiteral("Dir. HKV") : QString::number(h.heizkreis + 1), faktor});
    }
    text += QStringLiteral("\n</table>\n");

    // The register systems list what each surface is composed of.
    const int n = zusammenstellungsBreite(systemIndex);
    if (n == 0)
        return text;
    const QList<RegisterTypen::Typ>& typen = RegisterTypen::typen(systemIndex);
    const QString bez = systemIndex == 1 ? QStringLiteral("Register") : QStringLiteral("Platte");
    for (int r = 0; r < heizflaechen.size(); ++r) {
        for (int t = 0; t < n && t < typen.size(); ++t) {
            const int anzahl = zusammenstellung.value(r * n + t);
            if (anzahl < 1)
                continue;
            QString z = platte;
            Vorlage::ersetze(z, QStringLiteral("%Nr%"), QString::number(r + 1));
            Vorlage::ersetze(z, QStringLiteral("%Bez%"), bez);
            Vorlage::ersetze(z, QStringLiteral("%ArtNr%"), QString::number(typen.at(t).artNr));
            Vorlage::ersetze(z, QStringLiteral("%Breite%"), Zahl::kurz(typen.at(t).breite));
            Vorlage::ersetze(z, QStringLiteral("%Hoehe%"), Zahl::kurz(typen.at(t).hoehe));
            Vorlage::ersetze(z, QStringLiteral("%Groesse%"), Zahl::kurz(typen.at(t).flaeche));
            Vorlage::ersetze(z, QStringLiteral("%Anzahl%"), QString::number(anzahl));
            text += z;
        }
    }
    return text;
}
