#pragma once

#include "app/kataloge.h"

#include <algorithm>

// One wall heating surface of a room.
struct Heizflaeche
{
    double flaeche = 0.0; // m²
    int anzahlRegister = 0;
    double entfernung = 15.0; // distance to the manifold, m
    int heizkreis = 0;        // Tichelmann circuit, 0-based
    bool direkt = false;      // connected directly to the manifold ("Direkt an HKV")

    // The circuit as an index into per-circuit tables: numbers outside 0 … 14 are treated as
    // the last circuit, so that no table is ever read or written out of bounds.
    int kreisIndex() const { return std::clamp(heizkreis, 0, Kataloge::maxHeizkreise - 1); }

    bool operator==(const Heizflaeche& o) const
    {
        return flaeche == o.flaeche && anzahlRegister == o.anzahlRegister && entfernung == o.entfernung &&
               heizkreis == o.heizkreis && direkt == o.direkt;
    }
    bool operator!=(const Heizflaeche& o) const { return !(*this == o); }
};
