#include "design/wasser.h"

#include <algorithm>
#include <cmath>

Wasser Wasser::bei(double temperatur)
{
    Wasser w;
    w.temperatur = std::isfinite(temperatur) ? std::clamp(temperatur, 10.0, 90.0) : 45.0;
    const double t = w.temperatur;
    w.dichte = 1000.0 - 0.0178 * std::pow(std::abs(t - 4.0), 1.7);
    w.viskositaet = 1.78e-6 / (1.0 + 0.0337 * t + 0.000221 * t * t);
    return w;
}
