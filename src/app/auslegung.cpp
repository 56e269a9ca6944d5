#include "app/auslegung.h"

#include "app/zahl.h"

#include <cmath>

float Auslegung::WaermeabgabeProM2(int system, float tVorlauf, float tRaum)
{
    const float d = tVorlauf - tRaum;
    if (system == 0 || system == 1) {
        if (d <= 10.0f)
            return 5.7f * d;
        if (d <= 15.0f)
            return 6.6f * d - 9.0f;
        if (d <= 20.0f)
            return 7.0f * d - 15.0f;
        if (d <= 25.0f)
            return 7.4f * d - 23.0f;
        return 7.6f * d - 28.0f;
    }
    if (system == 2) {
        if (d <= 10.0f)
            return 5.2f * d;
        if (d <= 15.0f)
            return 5.6f * d - 4.0f;
        if (d <= 20.0f)
            return 6.0f * d - 10.0f;
        return 6.4f * d - 18.0f;
    }
    if (d <= 10.0f)
        return 4.5f * d;
    if (d <= 20.0f)
        return 5.0f * d - 5.0f;
    return 5.4f * d - 13.0f;
}

int Auslegung::AnzahlRegister(float flaeche, int system)
{
    return Zahl::ganz(std::ceil(flaeche / MaxRegisterFlaeche(system)));
}

float Auslegung::KreisFaktor(float flaeche, int system, float tVorlauf)
{
    float f;
    if (system == 0 || system == 1)
        f = tVorlauf <= 32.5f ? 9.0f : (tVorlauf <= 37.5f ? 13.0f : 18.0f);
    else if (system == 2)
        f = tVorlauf <= 32.5f ? 8.0f : (tVorlauf <= 37.5f ? 12.0f : 16.0f);
    else
        f = tVorlauf <= 32.5f ? 7.0f : (tVorlauf <= 37.5f ? 10.0f : 14.0f);
    return flaeche * f;
}
