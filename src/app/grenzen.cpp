#include "app/grenzen.h"

#include "app/zahl.h"

#include <algorithm>

double Grenzen::lies(QStringView text, Bereich bereich)
{
    return halte(Zahl::toDouble(text), bereich);
}

double Grenzen::halte(double wert, Bereich bereich)
{
    if (!(wert == wert))
        wert = 0.0;
    return std::clamp(wert, bereich.min, bereich.max);
}

int Grenzen::liesGanz(QStringView text, int min, int max)
{
    return std::clamp(Zahl::toInt(text), min, max);
}
