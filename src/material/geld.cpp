#include "material/geld.h"

#include <cmath>

double Geld::halbAufwaerts(double cent)
{
    const double unten = std::floor(cent);
    const double oben = std::ceil(cent);
    return oben - cent > cent - unten ? unten : oben;
}

double Geld::zeilenpreisGerundet(float menge, float preis)
{
    return halbAufwaerts(static_cast<double>(menge) * static_cast<double>(preis) * 100.0) / 100.0;
}

float Geld::einzelpreis(float packPreis, float packGroesse)
{
    if (!(packGroesse > 0.0f))
        return 0.0f;
    return static_cast<float>(halbAufwaerts(static_cast<double>(packPreis) * 100.0 / packGroesse) / 100.0);
}
