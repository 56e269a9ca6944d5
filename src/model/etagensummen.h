#pragma once

// Working totals of a floor for the circuit estimate, the material run and the reports;
// not saved.
struct EtagenSummen
{
    float flaeche = 0.0f;                        // sum of room areas
    float differenz = 0.0f;                      // sum of differences
    float waermebedarf = 0.0f;                   // sum of heat demands
    float flaecheWH[4] = {0, 0, 0, 0};           // wall heating area per system
    float flaecheFBH = 0.0f;                     // floor heating area
    int kreiseMitRegistern[5] = {0, 0, 0, 0, 0}; // index k = 1 … 4
    int anzahlAbgaenge = 0;                      // manifold outlets the floor's rooms need
    int anzahlBeheizt = 0;                       // rooms with wall or floor heating area
    float montageMinuten = 0.0f;                 // installation minutes of the floor

    void reset() { *this = EtagenSummen(); }
};
