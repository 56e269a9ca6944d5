#pragma once

class EtageData;
struct GebaeudeSummen;
class ProjektBaum;
class RaumData;

// The estimate of circuits and manifolds from the room areas alone (needed wall heating area
// and floor heating area), with the installation-time proposal. It fills the working totals
// of rooms, floors and the building that the reports and the labour proposal read.
class Schaetzung
{
public:
    // Resets and fills the totals of the building, of every floor and room in navigator order
    // (cut items skipped), proposes the installation hours (mrzVorschlag, taken into an empty
    // montagezeit) and copies hours, hourly rate and mounting factor into the building.
    static void berechne(ProjektBaum& baum);
    // "Vorschlag Montagerichtzeit": the estimate, then the proposal replaces the hours.
    static void mrzBerechnung(ProjektBaum& baum);

    // Installation minutes of one floor from its totals: the wall areas per system, the floor
    // heating area and the number of circuits.
    static float montageMinuten(const float flaecheWH[4], float flaecheFBH, int kreise);
    // Hours proposed for the summed minutes of all floors: whole hours, rounded up.
    static float stunden(float minuten);

private:
    static void raum(RaumData& raum, EtageData& etage, GebaeudeSummen& gebaeude);
};
