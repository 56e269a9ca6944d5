#include "design/rohrabschnitt.h"

#include "design/wasser.h"

#include <algorithm>
#include <cmath>

RohrAbschnitt::Verlust RohrAbschnitt::verlust(double volumenstrom, const Wasser& wasser) const
{
    Verlust v;
    if (!(volumenstrom > 0.0) || !(durchmesser > 0.0) || !std::isfinite(volumenstrom) ||
        !(wasser.viskositaet > 0.0))
        return v;
    const double querschnitt = M_PI * durchmesser * durchmesser / 4.0;
    v.geschwindigkeit = volumenstrom / 3600.0 / querschnitt;
    v.reynolds = v.geschwindigkeit * durchmesser / wasser.viskositaet;
    v.lambda = v.reynolds < 2320.0 ? 64.0 / v.reynolds : 0.3164 * std::pow(v.reynolds, -0.25);
    const double staudruck = wasser.dichte * v.geschwindigkeit * v.geschwindigkeit / 2.0;
    v.rohr = v.lambda * std::max(0.0, laenge) / durchmesser * staudruck;
    v.einzel = std::max(0.0, zeta) * staudruck;
    return v;
}
