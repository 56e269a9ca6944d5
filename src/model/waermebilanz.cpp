#include "model/waermebilanz.h"

#include "app/auslegung.h"

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
