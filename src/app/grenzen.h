#pragma once

#include <QString>

// The one rule for numbers that come from a file (project file, heat-demand import, article
// catalogue, material list): each is read locale-free and clamped into a generous physical
// range of its kind. The ranges are those the pages accept, far beyond any real building, yet
// small enough that every product, count and loop of the calculations stays finite, inside
// the int range and short. A value outside its range is taken as the nearest bound; text that
// is not a number reads as 0 (or the bound nearest to 0).
class Grenzen
{
public:
    struct Bereich
    {
        double min;
        double max;
    };

    static constexpr Bereich temperatur{-50.0, 100.0};       // room and flow temperatures, °C
    static constexpr Bereich raumFlaeche{0.0, 10000.0};      // room area, m²
    static constexpr Bereich heizFlaeche{0.0, 1000.0};       // wall or floor heating area, m²
    static constexpr Bereich entfernung{0.0, 1000.0};        // distance to the manifold, m
    static constexpr Bereich waermebedarfProM2{0.0, 1000.0}; // W/m²
    static constexpr Bereich waermebedarf{0.0, 1.0e6};       // W
    static constexpr Bereich differenz{-1.0e8, 1.0e8};       // output − demand, W
    static constexpr Bereich stunden{0.0, 1.0e6};            // installation time, h
    static constexpr Bereich stundensatz{0.0, 1.0e6};        // EUR/h
    static constexpr Bereich faktor{0.0, 100.0};             // mounting factor
    static constexpr Bereich abschlag{0.0, 1.0e8};           // deduction: a share below 1, else EUR
    static constexpr Bereich preis{0.0, 1.0e6};              // EUR per pack or per m²
    static constexpr Bereich prozent{0.0, 100.0};            // discount, %
    static constexpr Bereich menge{0.0, 1.0e6};              // pack content, quantity in packs
    static constexpr int maxRegister = 1000;                 // registers of one surface
    static constexpr int maxElemente = 30;                   // elements of one register type

    // The number in the text, clamped into the range.
    static double lies(QStringView text, Bereich bereich);
    // A computed or typed value held to the same range; NaN gives the bound nearest to 0.
    static double halte(double wert, Bereich bereich);
    // An integer field clamped into [min, max].
    static int liesGanz(QStringView text, int min, int max);
};
