#pragma once

#include "model/materialbedarf.h"

#include <QString>

class ArtikelListe;
class ProjektBaum;

// The material run behind the material page's "Be&rechnen": checks every room, lets rooms,
// floors and the building add their quantities into one map and stores the result, divided
// into packs, as the catalogue's requirements.
class MaterialBerechnung
{
public:
    // Checks each room and computes the requirement of the whole tree into the catalogue's
    // bedarf. A failing room: false, fehlerText = its message, catalogue untouched. einheiten
    // (optional) receives the map as it stands after the building's step, before the pack
    // division. Without a material list behind the other costs the map is dropped with a
    // debug warning and the catalogue stays as it was (the run itself still succeeds).
    static bool berechne(ProjektBaum& baum, ArtikelListe& katalog, QString& fehlerText,
                         MaterialBedarf* einheiten = nullptr);

    // The requirement in packs of a quantity in the article's unit. A pack content of 0 or
    // less (a catalogue line without one) counts as one unit per pack, so the quantity is
    // still shown and priced instead of turning into an undefined value.
    static float packungen(float menge, float packungsInhalt);
};
