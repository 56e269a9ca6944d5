#pragma once

#include <QString>

class RaumData;

// The heat balance of a room, on plain values. Q heat demand (W), A room area (m²),
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

    // The values of the room page, as its inputs hold them. The mean flow temperature is the
    // building's; the output is shown but never stored.
    struct Werte
    {
        int system = 0;
        float vorlauftemperatur = 45.0f;
        double raumTemperatur = 20.0;
        double flaeche = 0.0;      // room area
        double proM2 = 0.0;        // specific heat demand
        double waermebedarf = 0.0; // heat demand
        double flaecheWH = 0.0;    // wall heating area
        double flaecheFBH = 0.0;   // floor heating area
        double waermeabgabe = 0.0; // output of wall and floor heating
        double differenz = 0.0;    // output − demand

        // Output of one m² of wall heating for the room's system and temperatures.
        float q() const;
        bool differenzRot() const { return istRot(differenz); }
    };

    // The page's recalculation chains. Each starts where the user typed and runs the steps
    // after it, as typing into the page does.
    // Room area or specific demand typed: demand, then wall area and difference.
    static void berechneWaermebedarf(Werte& w);
    // Demand typed: specific demand (0 for a room of 1 m² or less), then wall area and difference.
    static void berechneWaermebedarfProM2(Werte& w);
    // Temperature, floor heating area or system changed: wall area, then output and difference.
    static void berechneWHFlaeche(Werte& w);
    // Wall area typed: output and difference only.
    static void berechneDifferenz(Werte& w);
    // A room type chosen: its default temperature and its name (which replaces the room's
    // name), then wall area and difference. False, and nothing changed, for an index outside
    // the table.
    static bool raumTypGewaehlt(int raumTyp, Werte& w, QString& name);

    // The page's values of a stored room: the output shown is the stored difference plus the
    // demand; the flow temperature is the building's.
    static Werte ausRaum(const RaumData& raum);
    // Takes the page's numbers back into the room, each as float; the output is not stored.
    // The system goes through the room's setSystem, so stored surfaces follow a change.
    static void inRaum(const Werte& w, RaumData& raum);
};
