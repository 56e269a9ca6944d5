#pragma once

// The heat balance of a room, on plain values: the functions the room page runs while the user
// types, and the recompute of a stored room. Q heat demand (W), A room area (m²),
// w specific demand (W/m²), q output of one m² of wall heating at the mean flow temperature.
// Floor heating counts with a fixed 88 W/m².
class Waermebilanz
{
public:
    // Q = A · w.
    static float waermebedarf(float flaeche, float proM2);
    // w = Q / A for a room above 1 m², otherwise 0.
    static float waermebedarfProM2(float waermebedarf, float flaeche);
    // The wall area that covers the demand left after the floor heating, rounded up to the
    // next 0.1 m²; 0 when nothing is left, and 0 when the flow temperature gives no output.
    static float flaecheWH(float q, float waermebedarf, float flaecheFBH);
    // Output P = q · A_WH + 88 · A_FBH.
    static float waermeabgabe(float q, float flaecheWH, float flaecheFBH);
    // Difference D = P − Q.
    static float differenz(float waermeabgabe, float waermebedarf);
    // A difference below −0.005 W is shown red, otherwise dark green.
    static bool istRot(double differenz) { return differenz < -0.005; }
};
