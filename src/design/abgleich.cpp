#include "design/abgleich.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "design/raumpruefung.h"
#include "design/rohrabschnitt.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"
#include "model/ventiltabelle.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double zetaKopf = 4.0;     // two manifold connections 1.0, four bends 0.5
constexpr double zetaRegister = 3.0; // T-piece or coupling 16/10 in and out
constexpr double zetaProMeter = 0.2; // bends of the meander per metre of register pipe
constexpr double fbhRohrProM2 = 13.0;
constexpr double fbhKopf = 10.0; // header of a floor heating loop, m
constexpr double fbhRegisterFlaeche = 5.0;
constexpr int fbhKreisRegister = 4;

// ṁ = Q / (c · Δθ); no output or no spread carries no water.
double massenstrom(double leistung, double spreizung)
{
    return leistung > 0.0 && spreizung > 0.0 ? leistung / (Wasser::waermekapazitaet * spreizung) : 0.0;
}

// A register of area a of a circuit with header: length p·a, fittings and meander bends.
Abgleich::Zweig register10(double laenge, double massenstrom)
{
    return {laenge, massenstrom, zetaRegister + zetaProMeter * laenge};
}

// A branch straight from the manifold: there and back plus the register.
Abgleich::Zweig direkt10(double hinUndZurueck, double registerLaenge, double massenstrom)
{
    return {hinUndZurueck + registerLaenge, massenstrom, zetaKopf + zetaProMeter * registerLaenge};
}

Abgleich::Abgang neuerAbgang(const RaumData& raum, const QString& art, int nr)
{
    Abgleich::Abgang a;
    a.raum = raum.name;
    a.art = art;
    a.nr = nr;
    return a;
}

void warnung(Abgleich::Abgang& a, const QString& etage, const QString& code, const QString& text)
{
    a.warnungen << code;
    a.meldungen
        << QStringLiteral("Etage %1, Raum %2, Abgang %3: %4").arg(etage, a.raum).arg(a.nummer).arg(text);
}

} // namespace

double Abgleich::rohrProM2(int system)
{
    switch (system) {
    case 0:
        return 17.0;
    case 1:
        return 13.6; // 17 m per element of 1.25 m²
    default:
        return 13.0; // DID-10, RU-10 Register and any other as the dry system
    }
}

double Abgleich::kvWert(double volumenstrom, double dp)
{
    if (!(volumenstrom > 0.0) || !(dp > 0.0))
        return 0.0;
    return volumenstrom / std::sqrt(dp / 1000.0);
}

QString Abgleich::zahl(double wert, int stellen)
{
    char puffer[24];
    if (const int laenge = zahlNach(puffer, wert, stellen))
        return QString::fromLatin1(puffer, laenge);
    return Zahl::fest(std::isfinite(wert) ? wert : 0.0, stellen).replace(QLatin1Char('.'), QLatin1Char(','));
}

int Abgleich::zahlNach(char (&ziel)[24], double wert, int stellen)
{
    const int laenge = Zahl::festNach(ziel, std::isfinite(wert) ? wert : 0.0, stellen);
    std::replace(ziel, ziel + laenge, '.', ',');
    return laenge;
}

void Abgleich::fuelle(Abgang& abgang, double l16, double massenstrom, const QList<Zweig>& zweige,
                      const Wasser& wasser)
{
    const RohrAbschnitt kopf{l16, RohrAbschnitt::d16, zetaKopf};
    const RohrAbschnitt::Verlust k = kopf.verlust(massenstrom / wasser.dichte, wasser);
    RohrAbschnitt::Verlust massgebend;
    double laenge = 0.0;
    double v = k.geschwindigkeit;
    bool erster = true;
    for (const Zweig& z : zweige) {
        const RohrAbschnitt zweig{z.laenge, RohrAbschnitt::d10, z.zeta};
        const RohrAbschnitt::Verlust verlust = zweig.verlust(z.massenstrom / wasser.dichte, wasser);
        v = std::max(v, verlust.geschwindigkeit);
        if (erster || verlust.gesamt() > massgebend.gesamt()) {
            massgebend = verlust;
            laenge = z.laenge;
            erster = false;
        }
    }
    abgang.massenstrom = massenstrom;
    abgang.volumenstrom = massenstrom / wasser.dichte;
    abgang.l16 = l16;
    abgang.l10 = laenge;
    abgang.geschwindigkeit = v;
    abgang.dpRohr = (k.rohr + massgebend.rohr) / 100.0;
    abgang.dpEinzel = (k.einzel + massgebend.einzel) / 100.0;
    abgang.dpKreis = abgang.dpRohr + abgang.dpEinzel;
}

QList<Abgleich::Abgang> Abgleich::abgaenge(const RaumData& raum, double vorlauf, const Wasser& wasser,
                                           double spreizung)
{
    QList<Abgang> ergebnis;
    const double q = std::max(
        0.0, double(Auslegung::WaermeabgabeProM2(raum.systemIndex, float(vorlauf), raum.raumTemperatur)));
    const double p = rohrProM2(raum.systemIndex);

    // The lists are emptied for each outlet and keep their room.
    QList<const Heizflaeche*> flaechen;
    QList<Zweig> zweige;
    // Tichelmann circuits in ascending number: in reverse return every path runs to the
    // farthest surface and back; each surface's registers share its flow equally.
    for (int k = 0; k < Kataloge::maxHeizkreise; ++k) {
        flaechen.clear();
        double kreisFlaeche = 0.0;
        double weiteste = 0.0;
        for (const Heizflaeche& h : raum.heizflaechen) {
            if (h.direkt || h.kreisIndex() != k)
                continue;
            flaechen << &h;
            kreisFlaeche += std::max(0.0, h.flaeche);
            weiteste = std::max(weiteste, h.entfernung);
        }
        if (flaechen.isEmpty())
            continue;
        Abgang a = neuerAbgang(raum, QStringLiteral("Tichelmann"), k + 1);
        a.flaeche = kreisFlaeche;
        a.leistung = kreisFlaeche * q;
        const double m = massenstrom(a.leistung, spreizung);
        zweige.clear();
        for (const Heizflaeche* h : flaechen) {
            const int n = std::max(1, h->anzahlRegister);
            const double anteil = kreisFlaeche > 0.0 ? std::max(0.0, h->flaeche) / kreisFlaeche : 0.0;
            zweige << register10(p * std::max(0.0, h->flaeche) / n, m * anteil / n);
        }
        fuelle(a, 2.0 * weiteste, m, zweige, wasser);
        ergebnis.append(std::move(a));
    }

    // Direct surfaces, two to an outlet in table order.
    QList<const Heizflaeche*>& direkte = flaechen;
    direkte.clear();
    for (const Heizflaeche& h : raum.heizflaechen) {
        if (h.direkt)
            direkte << &h;
    }
    for (int i = 0; i < direkte.size(); i += 2) {
        Abgang a = neuerAbgang(raum, QStringLiteral("Direkt"), i / 2 + 1);
        zweige.clear();
        for (int j = i; j < std::min<int>(i + 2, direkte.size()); ++j) {
            const double f = std::max(0.0, direkte.at(j)->flaeche);
            a.flaeche += f;
            a.leistung += f * q;
            zweige << direkt10(2.0 * direkte.at(j)->entfernung, p * f, massenstrom(f * q, spreizung));
        }
        fuelle(a, 0.0, massenstrom(a.leistung, spreizung), zweige, wasser);
        ergebnis.append(std::move(a));
    }

    // Floor heating in loops of 20 m² with 4 registers; a rest forms a loop of 5 m² registers,
    // a rest of 0.5 m² or less after a full loop is laid into the last full loop.
    const float f = std::max(0.0f, raum.flaecheFBH);
    if (f > 0.0f) {
        const int voll = Zahl::ganz(f / Auslegung::FbhKreisFlaeche());
        const float rest = f - Auslegung::FbhKreisFlaeche() * float(voll);
        struct Kreis
        {
            double flaeche;
            int anzahl;
        };
        QList<Kreis> kreise;
        for (int i = 0; i < voll; ++i)
            kreise.append({double(Auslegung::FbhKreisFlaeche()), fbhKreisRegister});
        if ((voll == 0 && rest > 0.0f) || (voll > 0 && rest > Auslegung::RestSchwelle()))
            kreise.append({double(rest), std::max(1, int(std::ceil(double(rest) / fbhRegisterFlaeche)))});
        else if (voll > 0 && rest > 0.0f)
            kreise.last().flaeche += double(rest);

        int nr = 0;
        for (const Kreis& kreis : kreise) {
            const double a = kreis.flaeche / kreis.anzahl;
            const double mKreis = massenstrom(Auslegung::FbhLeistungProM2() * kreis.flaeche, spreizung);
            const double mRegister = mKreis / kreis.anzahl;
            if (!raum.fbhDirekt) {
                Abgang ab = neuerAbgang(raum, QStringLiteral("FBH"), ++nr);
                ab.flaeche = kreis.flaeche;
                ab.leistung = Auslegung::FbhLeistungProM2() * kreis.flaeche;
                zweige.clear();
                for (int r = 0; r < kreis.anzahl; ++r)
                    zweige << register10(fbhRohrProM2 * a, mRegister);
                fuelle(ab, fbhKopf, mKreis, zweige, wasser);
                ergebnis.append(std::move(ab));
                continue;
            }
            for (int r = 0; r < kreis.anzahl; r += 2) {
                const int anzahl = std::min(2, kreis.anzahl - r);
                Abgang ab = neuerAbgang(raum, QStringLiteral("FBH direkt"), ++nr);
                ab.flaeche = a * anzahl;
                ab.leistung = Auslegung::FbhLeistungProM2() * ab.flaeche;
                zweige.clear();
                for (int j = 0; j < anzahl; ++j)
                    zweige << direkt10(fbhKopf, fbhRohrProM2 * a, mRegister);
                fuelle(ab, 0.0, mRegister * anzahl, zweige, wasser);
                ergebnis.append(std::move(ab));
            }
        }
    }
    return ergebnis;
}

void Abgleich::gleicheAb(Verteiler& verteiler, double ventildruck, const VentilTabelle& tabelle)
{
    verteiler.index = 0;
    verteiler.flaeche = verteiler.leistung = verteiler.massenstrom = verteiler.volumenstrom = 0.0;
    for (int i = 0; i < verteiler.abgaenge.size(); ++i) {
        Abgang& a = verteiler.abgaenge[i];
        a.nummer = i + 1;
        if (a.dpKreis > verteiler.abgaenge.at(verteiler.index).dpKreis)
            verteiler.index = i;
        verteiler.flaeche += a.flaeche;
        verteiler.leistung += a.leistung;
        verteiler.massenstrom += a.massenstrom;
        verteiler.volumenstrom += a.volumenstrom;
    }
    verteiler.dpIndex = verteiler.abgaenge.isEmpty() ? 0.0 : verteiler.abgaenge.at(verteiler.index).dpKreis;
    verteiler.dpErf = verteiler.dpIndex + ventildruck + verteilerVerlust;

    for (Abgang& a : verteiler.abgaenge) {
        a.warnungen.clear();
        a.meldungen.clear();
        a.voreinstellung.clear();
        a.dpVentil = verteiler.dpIndex - a.dpKreis + ventildruck;
        a.kv = kvWert(a.volumenstrom, a.dpVentil);
        if (a.geschwindigkeit > maxGeschwindigkeit)
            warnung(
                a, verteiler.etage, QStringLiteral("v"),
                QStringLiteral("Fließgeschwindigkeit %1 m/s über 0,8 m/s").arg(zahl(a.geschwindigkeit, 3)));
        if (a.dpKreis > maxDruckverlust)
            warnung(a, verteiler.etage, QStringLiteral("dp"),
                    QStringLiteral("Druckverlust %1 mbar über 250 mbar").arg(zahl(a.dpKreis, 2)));
        if (a.massenstrom < minMassenstrom)
            warnung(a, verteiler.etage, QStringLiteral("m"),
                    QStringLiteral("Massenstrom %1 kg/h unter 10 kg/h").arg(zahl(a.massenstrom, 2)));
        // Without flow there is nothing to preset.
        if (tabelle.istLeer() || !(a.kv > 0.0))
            continue;
        const int stufe = tabelle.stufeFuer(a.kv);
        a.voreinstellung = tabelle.stufen().at(stufe).name;
        if (a.kv > tabelle.stufen().last().kv)
            warnung(a, verteiler.etage, QStringLiteral("kv+"),
                    QStringLiteral("benötigter kv-Wert %1 m³/h über der größten Stufe des Ventils")
                        .arg(zahl(a.kv, 4)));
        else if (a.kv < tabelle.stufen().first().kv)
            warnung(a, verteiler.etage, QStringLiteral("kv-"),
                    QStringLiteral("benötigter kv-Wert %1 m³/h unter der kleinsten Stufe des Ventils")
                        .arg(zahl(a.kv, 4)));
    }
}

Abgleich::Ergebnis Abgleich::berechne(const ProjektBaum& baum, const AbgleichEinstellungen& werte,
                                      const VentilTabelle& tabelle)
{
    Ergebnis e;
    e.werte = werte.begrenzt();
    const GebaeudeData* gebaeude = baum.gebaeude();
    e.vorlauf = gebaeude ? gebaeude->vorlauftemperatur : 45.0;
    e.wasser = Wasser::bei(e.vorlauf);
    e.ventil = tabelle.name();

    for (WHListItem* etageItem : baum.etagen()) {
        Verteiler verteiler;
        verteiler.etage = etageItem->record()->name;
        for (WHListItem* raumItem : baum.raeume(etageItem)) {
            const auto* raum = static_cast<const RaumData*>(raumItem->record());
            const RaumPruefung::Ergebnis pruefung = RaumPruefung::pruefe(*raum);
            if (pruefung.code != 0) {
                e.fehlerText = RaumPruefung::meldung(*raum, pruefung);
                e.verteiler.clear();
                return e;
            }
            verteiler.abgaenge << abgaenge(*raum, raum->vorlauftemperatur(), e.wasser, e.werte.spreizung);
        }
        if (verteiler.abgaenge.isEmpty())
            continue;
        gleicheAb(verteiler, e.werte.ventildruck, tabelle);
        e.verteiler << verteiler;
    }

    double groesste = 0.0;
    for (const Verteiler& v : e.verteiler)
        groesste = std::max(groesste, v.dpErf);
    for (Verteiler& v : e.verteiler) {
        // A manifold needing less than the worst one gets a balancing valve before it.
        v.mitVentil = v.dpErf < groesste;
        v.dpVentil = v.mitVentil ? groesste - v.dpErf : 0.0;
        v.kv = v.mitVentil ? kvWert(v.volumenstrom, v.dpVentil) : 0.0;
        e.flaeche += v.flaeche;
        e.leistung += v.leistung;
        e.massenstrom += v.massenstrom;
        e.volumenstrom += v.volumenstrom;
        for (const Abgang& a : v.abgaenge)
            e.meldungen << a.meldungen;
    }
    e.foerderhoehe = e.verteiler.isEmpty() ? 0.0 : groesste + e.werte.pumpenzuschlag;
    e.ok = true;
    return e;
}
