#pragma once

// The numeric rules of the wall heating design. Temperatures in °C, areas in m², outputs in
// W/m²; single precision as the records hold them.
class Auslegung
{
public:
    // Heat output of one m² of wall heating at the mean flow temperature; piecewise linear in
    // d = tVorlauf − tRaum, a bound belonging to the lower piece.
    static float WaermeabgabeProM2(int system, float tVorlauf, float tRaum);
    // Largest surface, size of a full surface, largest summed area of one Tichelmann circuit.
    static float MaxHeizflaeche() { return 10.0f; }
    // Largest register and largest surface connected directly to the manifold.
    static float MaxRegisterFlaeche(int system) { return system == 0 ? 3.0f : 2.5f; }
    static int AnzahlRegister(float flaeche, int system);
    static int MaxAnzahlRegister() { return 4; }
    // Largest spread of the mean register sizes within one Tichelmann circuit.
    static float MaxRegisterDifferenz() { return 0.21f; }
    // A rest above this area after at least one full surface or loop gets a circuit of its own.
    static float RestSchwelle() { return 0.5f; }
    // Floor heating: fixed output per m² and the area of one full loop.
    static float FbhLeistungProM2() { return 88.0f; }
    static float FbhKreisFlaeche() { return 20.0f; }
    static float KreisFaktor(float flaeche, int system, float tVorlauf);
};
