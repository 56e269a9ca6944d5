#pragma once

#include "model/materialbedarf.h"

// Working totals of the building for the circuit estimate, the labour proposal and the
// reports; not saved.
struct GebaeudeSummen
{
    float flaeche = 0.0f;
    float differenz = 0.0f;
    float waermebedarf = 0.0f;
    float flaecheWH[4] = {0, 0, 0, 0};
    int kreiseMitRegistern[5] = {0, 0, 0, 0, 0}; // index k = 1 … 4
    int raeumeMitFBH = 0;
    float flaecheFBH = 0.0f;
    int fbhKreise = 0;   // floor heating loops
    int fbhRegister = 0; // 4 per full loop plus the register count of each rest loop
    int abgaenge = 0;    // outlets of all floors
    int beheizteRaeume = 0;
    // Manifolds by outlets: index 10 holds the 10-outlet manifolds, index r (0 … 9) those
    // of r outlets; basement floors and other floors apart.
    int hkvKeller[11] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int hkvAndere[11] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // Copied from the other-costs record for the tender report.
    float montagezeit = 0.0f;
    float stundensatz = 0.0f;
    float montageFaktor = 0.0f;
    // Slide-sleeve fittings 150210 … 150215 of the estimate.
    MaterialBedarf artikel;
    // Running sum of the tender report's line prices, in whole cents.
    qint64 laufendeCent = 0;

    void reset()
    {
        *this = GebaeudeSummen();
        for (qint32 nr = 150210; nr <= 150215; ++nr)
            artikel.insert(nr, 0.0f);
    }
};
