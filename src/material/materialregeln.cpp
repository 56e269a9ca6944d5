#include "material/materialregeln.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"

#include <algorithm>
#include <cmath>

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

void materialBedarf(const RaumData& r, MaterialBedarf& b)
{
    float h = 0.0f; // all surfaces, direct ones included
    for (const Heizflaeche& f : r.heizflaechen)
        h += static_cast<float>(f.flaeche);

    int registerGesamt = 0;
    int flaechenImKreis[Kataloge::maxHeizkreise] = {};
    int direkte = 0;
    double abgaenge = 0.0; // outlets the room needs at the floor's manifold

    for (const Heizflaeche& f : r.heizflaechen) {
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

    const float fbh = r.flaecheFBH;
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
        if (r.fbhDirekt) {
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
            if (r.fbhDirekt) {
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
    switch (r.systemIndex) {
    case 0:
        b[150003] += 17.0f * h;
        b[150063] += 3.0f * h;
        b[150064] += 7.0f * h;
        b[150920] += 20.0f * h;
        break;
    case 1:
        for (int j = 0; j < r.zusammenstellung.size(); ++j) {
            b[riRegisterArtikel[j % 2]] += static_cast<float>(r.zusammenstellung.at(j));
            elemente += r.zusammenstellung.at(j);
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
        for (int j = 0; j < r.zusammenstellung.size(); ++j) {
            const int anzahl = r.zusammenstellung.at(j);
            b[151410] += static_cast<float>(anzahl * 40 * ruRegisterHoehe[j % 3]) / 1000.0f;
            b[ruRegisterArtikel[j % 3]] += static_cast<float>(anzahl);
            elemente += anzahl;
        }
        b[150213] += static_cast<float>(elemente - registerGesamt);
        break;
    default:
        break;
    }

    if (r.etage) {
        r.etage->summen.anzahlAbgaenge = Zahl::ganz(r.etage->summen.anzahlAbgaenge + abgaenge);
        if (beheizt)
            r.etage->summen.anzahlBeheizt += 1;
    }
}

void materialBedarf(const EtageData& r, MaterialBedarf& b)
{
    const int a = r.summen.anzahlAbgaenge;
    if (a < 1)
        return;
    // Manifolds of ten outlets, then one for the rest; there is no manifold of one outlet.
    int rest = a % 10;
    if (rest == 1)
        rest = 2;
    const float zehner = static_cast<float>(a / 10);
    if (r.istKeller()) {
        b[151508] += zehner;
        b[151498 + rest] += 1.0f;
    } else {
        b[151528] += zehner;
        b[151518 + rest] += 1.0f;
    }
    // A large floor needs a second box for the room thermostats' wiring.
    b[151560] += r.summen.anzahlBeheizt > 6 || a > 13 ? 2.0f : 1.0f;
}

void materialBedarf(const GebaeudeData&, MaterialBedarf& b)
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
