#include "model/raumdata.h"

#include "app/auslegung.h"
#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/heizkreise.h"
#include "model/waermebilanz.h"

#include <algorithm>
#include <charconv>
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
    return std::max(0, static_cast<int>((anzahlFelder(line) - 2) / (alt ? 4 : 5)));
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

    // The surfaces line, the longest of a project, is written surface by surface from a
    // character buffer (every field is plain ASCII).
    const char trenner = '\x01';
    text += QLatin1String("\t\t\t\t5");
    text += QLatin1Char(trenner);
    text += QLatin1Char(fbhDirekt ? '1' : '0');
    text += QLatin1Char(':');
    text += QLatin1Char(heizkreisFrei ? '1' : '0');
    for (const Heizflaeche& h : heizflaechen) {
        char puffer[128]; // five fields of at most 24 characters, each after its separator
        char ziffern[24];
        int n = 0;
        const auto feld = [&](const char* anfang, int laenge) {
            puffer[n++] = trenner;
            std::copy_n(anfang, laenge, puffer + n);
            n += laenge;
        };
        const auto ganz = [&](int wert) {
            const auto [ende, fehler] = std::to_chars(ziffern, ziffern + sizeof ziffern, wert);
            feld(ziffern, fehler == std::errc() ? static_cast<int>(ende - ziffern) : 0);
        };
        feld(ziffern, Zahl::kurzNach(ziffern, h.flaeche));
        feld(ziffern, Zahl::kurzNach(ziffern, h.entfernung));
        ganz(h.heizkreis);
        ganz(h.direkt ? 1 : 0);
        ganz(h.anzahlRegister);
        text += QLatin1String(puffer, n);
    }
    text += QLatin1Char('\n');

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
    const QList<QStringView> f = felderAnsicht(line);
    if (f.size() < 11)
        return false;
    name = f.at(1).toString();
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
    // The surfaces line is the longest of a project (five fields for each of up to 30 surfaces):
    // its fields are read in place.
    const QList<QStringView> f = felderAnsicht(line);
    const int code = Zahl::toInt(line.left(1));
    const bool alt = version == QLatin1String("1.0") || version == QLatin1String("1.1");

    if (code == TypFlaechen) {
        if (f.size() < 2)
            return false;
        const QList<QStringView> flags = f.at(1).split(QLatin1Char(':'));
        const int erstes = Zahl::toInt(flags.value(0));
        heizkreisFrei = Zahl::toInt(flags.value(1)) != 0;
        const int proFlaeche = alt ? 4 : 5;
        const int anzahl = std::max(0, static_cast<int>((f.size() - 2) / proFlaeche));
        if (anzahl > Kataloge::maxFlaechen)
            return false;
        heizflaechen.clear();
        heizflaechen.reserve(anzahl);
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
