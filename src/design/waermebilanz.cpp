#include "design/waermebilanz.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "model/raumdata.h"

#include <cmath>

float Waermebilanz::waermebedarf(float flaeche, float proM2)
{
    return flaeche * proM2;
}

float Waermebilanz::waermebedarfProM2(float waermebedarf, float flaeche)
{
    return flaeche > 1.0f ? waermebedarf / flaeche : 0.0f;
}

float Waermebilanz::flaecheWH(float q, float waermebedarf, float flaecheFBH)
{
    // A flow temperature not above the room temperature gives no output: no wall area can
    // cover the demand, and the difference then shows the whole shortfall.
    if (!(q > 0.0f))
        return 0.0f;
    const float rest = waermebedarf - Auslegung::FbhLeistungProM2() * flaecheFBH;
    const float a = std::ceil((rest / q) * 10.0f) / 10.0f;
    return a > 0.0f && std::isfinite(a) ? a : 0.0f;
}

float Waermebilanz::waermeabgabe(float q, float flaecheWH, float flaecheFBH)
{
    return q * flaecheWH + Auslegung::FbhLeistungProM2() * flaecheFBH;
}

float Waermebilanz::differenz(float waermeabgabe, float waermebedarf)
{
    return waermeabgabe - waermebedarf;
}

namespace {

// A value for a page field: never a non-finite number.
double endlich(double x)
{
    return std::isfinite(x) ? x : 0.0;
}

} // namespace

float Waermebilanz::Werte::q() const
{
    return Auslegung::WaermeabgabeProM2(system, vorlauftemperatur, static_cast<float>(raumTemperatur));
}

void Waermebilanz::berechneWaermebedarf(Werte& w)
{
    w.waermebedarf = endlich(w.flaeche * w.proM2);
    berechneWHFlaeche(w);
}

void Waermebilanz::berechneWaermebedarfProM2(Werte& w)
{
    const float a = static_cast<float>(w.flaeche);
    w.proM2 = a > 1.0f ? endlich(w.waermebedarf / a) : 0.0;
    berechneWHFlaeche(w);
}

void Waermebilanz::berechneWHFlaeche(Werte& w)
{
    const float q = w.q();
    float a = 0.0f;
    // Without output per m² (flow not above the room temperature) no wall area helps: it
    // stays 0 and the difference shows the shortfall.
    if (q > 0.0f) {
        a = static_cast<float>(
            std::ceil(((w.waermebedarf - Auslegung::FbhLeistungProM2() * w.flaecheFBH) / q) * 10.0) / 10.0);
        if (!(a > 0.0f) || !std::isfinite(a))
            a = 0.0f;
    }
    w.flaecheWH = a;
    berechneDifferenz(w);
}

void Waermebilanz::berechneDifferenz(Werte& w)
{
    const float p = static_cast<float>(w.q() * w.flaecheWH + Auslegung::FbhLeistungProM2() * w.flaecheFBH);
    w.waermeabgabe = endlich(p);
    const float d = static_cast<float>(w.waermeabgabe - w.waermebedarf);
    w.differenz = endlich(d);
}

bool Waermebilanz::raumTypGewaehlt(int raumTyp, Werte& w, QString& name)
{
    if (raumTyp < 0 || raumTyp >= Kataloge::raumTypen().size())
        return false;
    w.raumTemperatur = Kataloge::raumTemperatur(raumTyp);
    name = Kataloge::raumTypen().at(raumTyp);
    berechneWHFlaeche(w);
    return true;
}

Waermebilanz::Werte Waermebilanz::ausRaum(const RaumData& raum)
{
    Werte w;
    w.system = raum.systemIndex;
    w.vorlauftemperatur = raum.vorlauftemperatur();
    w.raumTemperatur = raum.raumTemperatur;
    w.flaeche = raum.flaeche;
    w.proM2 = raum.waermebedarfProM2;
    w.waermebedarf = raum.waermebedarf;
    w.flaecheWH = raum.flaecheWH;
    w.flaecheFBH = raum.flaecheFBH;
    w.differenz = raum.differenz;
    w.waermeabgabe = static_cast<double>(raum.differenz) + raum.waermebedarf;
    return w;
}

void Waermebilanz::inRaum(const Werte& w, RaumData& raum)
{
    raum.setSystem(w.system);
    raum.raumTemperatur = static_cast<float>(w.raumTemperatur);
    raum.flaeche = static_cast<float>(w.flaeche);
    raum.waermebedarfProM2 = static_cast<float>(w.proM2);
    raum.waermebedarf = static_cast<float>(w.waermebedarf);
    raum.flaecheWH = static_cast<float>(w.flaecheWH);
    raum.flaecheFBH = static_cast<float>(w.flaecheFBH);
    raum.differenz = static_cast<float>(w.differenz);
}
