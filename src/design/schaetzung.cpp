#include "design/schaetzung.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

#include <QtDebug>

#include <algorithm>
#include <cmath>

namespace {

// Connection of groups of k registers to the manifold: T-pieces between the registers and
// two couplings at the ends of each group.
void registerAnschlussHKV(MaterialBedarf& artikel, int k, int gruppen = 1)
{
    artikel[150215] += static_cast<float>(gruppen) * static_cast<float>(2 * k - 2);
    artikel[150212] += 2.0f * static_cast<float>(gruppen);
}

// One more circuit of k registers in the totals of room, floor and building.
void kreis(RaumData& raum, EtageData& etage, GebaeudeSummen& g, int k)
{
    raum.summen.kreiseMitRegistern[k] += 1;
    etage.summen.kreiseMitRegistern[k] += 1;
    g.kreiseMitRegistern[k] += 1;
    raum.summen.anzahlKreise += 1;
    registerAnschlussHKV(g.artikel, k);
}

// Full surfaces or loops of one size; a negative area (never computed, only typed into a
// file) has none.
int volle(float flaeche, float groesse)
{
    return std::max(0, Zahl::ganz(std::floor(flaeche / groesse)));
}

// A rest gets a circuit of its own when it is the only area, or above 0.5 m² after full ones.
bool restKreis(int volle, float rest)
{
    return (volle == 0 && rest > 0.0f) || (volle > 0 && rest > Auslegung::RestSchwelle());
}

} // namespace

void Schaetzung::raum(RaumData& r, EtageData& etage, GebaeudeSummen& g)
{
    EtagenSummen& e = etage.summen;
    const int system = std::clamp(r.systemIndex, 0, 3);
    const bool registerSystem = Kataloge::istRegisterSystem(r.systemIndex);

    r.summen.reset();
    e.waermebedarf += r.waermebedarf;
    g.waermebedarf += r.waermebedarf;
    e.flaeche += r.flaeche;
    g.flaeche += r.flaeche;
    e.differenz += r.differenz;
    g.differenz += r.differenz;
    e.flaecheWH[system] += r.flaecheWH;
    g.flaecheWH[system] += r.flaecheWH;

    if (r.flaecheWH + r.flaecheFBH > 0.0f) {
        e.anzahlBeheizt += 1;
        g.beheizteRaeume += 1;
    }

    // Wall heating: a circuit of four registers per full 10 m² surface.
    const int n = volle(r.flaecheWH, Auslegung::MaxHeizflaeche());
    r.summen.kreiseMitRegistern[4] += n;
    e.kreiseMitRegistern[4] += n;
    g.kreiseMitRegistern[4] += n;
    r.summen.anzahlKreise = n;
    registerAnschlussHKV(g.artikel, Auslegung::MaxAnzahlRegister(), n);
    if (registerSystem)
        g.artikel[150213] += static_cast<float>(4 * n);

    const float w = r.flaecheWH - Auslegung::MaxHeizflaeche() * static_cast<float>(n);
    if (restKreis(n, w)) {
        const int k = std::clamp(Auslegung::AnzahlRegister(w, r.systemIndex), 1, 4);
        kreis(r, etage, g, k);
        if (registerSystem)
            g.artikel[150213] += static_cast<float>(k);
    }

    // Floor heating: loops of 20 m² with four registers, a rest loop of one register per 5 m².
    const float f = r.flaecheFBH;
    if (f > 0.0f) {
        g.raeumeMitFBH += 1;
        g.flaecheFBH += f;
        e.flaecheFBH += f;
        const float schleife = Auslegung::FbhKreisFlaeche();
        const int m = volle(f, schleife);
        r.summen.kreiseMitRegistern[4] += m;
        e.kreiseMitRegistern[4] += m;
        g.kreiseMitRegistern[4] += m;
        g.fbhRegister += 4 * m;
        g.fbhKreise += m;
        r.summen.anzahlKreise += m;
        registerAnschlussHKV(g.artikel, Auslegung::MaxAnzahlRegister(), m);
        const float rest = f - schleife * static_cast<float>(m);
        if (restKreis(m, rest)) {
            const int k = std::clamp(Zahl::ganz(std::ceil(rest / 5.0f)), 1, 4);
            kreis(r, etage, g, k);
            g.fbhRegister += k;
            g.fbhKreise += 1;
        }
    }

    e.anzahlAbgaenge += r.summen.anzahlKreise;
    g.abgaenge += r.summen.anzahlKreise;
}

void Schaetzung::berechne(ProjektBaum& baum)
{
    GebaeudeData* gebaeude = baum.gebaeude();
    if (!gebaeude)
        return;
    GebaeudeSummen& g = gebaeude->summen;
    g.reset();

    float minuten = 0.0f;
    for (WHListItem* etageItem : baum.etagen()) {
        auto* etage = static_cast<EtageData*>(etageItem->record());
        EtagenSummen& e = etage->summen;
        e.reset();
        for (int i = 0; i < etageItem->childCount(); ++i) {
            WHListItem* kind = etageItem->child(i);
            if (kind->cut)
                continue;
            if (kind->type() != WHBaseData::TypRaum) {
                qWarning("Raum typ erwartet!!!");
                return;
            }
            raum(*static_cast<RaumData*>(kind->record()), *etage, g);
        }

        // Manifolds of ten outlets and one for the rest; there is no manifold of one outlet.
        const int a = e.anzahlAbgaenge;
        if (a > 0) {
            int rest = a % 10;
            if (rest == 1)
                rest = 2;
            int* hkv = etage->istKeller() ? g.hkvKeller : g.hkvAndere;
            hkv[10] += a / 10;
            hkv[rest] += 1;
        }

        e.montageMinuten = montageMinuten(e.flaecheWH, e.flaecheFBH, a);
        minuten += e.montageMinuten;
    }

    // Step 5 of the fittings: the sleeves follow from couplings and T-pieces.
    MaterialBedarf& art = g.artikel;
    art[150210] = 2.0f * art.value(150213) + art.value(150212) + art.value(150215);
    art[150211] = 2.0f * art.value(150215) + art.value(150212);

    if (SonstigData* sonstig = baum.sonstig()) {
        sonstig->mrzVorschlag = stunden(minuten);
        if (sonstig->montagezeit == 0.0f)
            sonstig->montagezeit = sonstig->mrzVorschlag;
        g.montagezeit = sonstig->montagezeit;
        g.stundensatz = sonstig->stundensatz;
        g.montageFaktor = sonstig->montageFaktor;
    }
}

void Schaetzung::mrzBerechnung(ProjektBaum& baum)
{
    berechne(baum);
    SonstigData* sonstig = baum.sonstig();
    if (!sonstig)
        return;
    sonstig->montagezeit = sonstig->mrzVorschlag;
    if (GebaeudeData* gebaeude = baum.gebaeude())
        gebaeude->summen.montagezeit = sonstig->montagezeit;
}

float Schaetzung::montageMinuten(const float flaecheWH[4], float flaecheFBH, int kreise)
{
    const float e = static_cast<float>(kreise);
    float m = 50.0f * flaecheWH[0] + 35.0f * flaecheWH[1] + 40.0f * flaecheWH[2] + 35.0f * flaecheWH[3] +
              55.0f * flaecheFBH + 5.0f * e;
    if (kreise > 0)
        m += 35.0f;
    m += 8.0f * e;
    m += kreise >= 3 ? 4.0f * e + 20.0f : 28.0f;
    return m;
}

float Schaetzung::stunden(float minuten)
{
    return std::ceil(minuten / 60.0f);
}
