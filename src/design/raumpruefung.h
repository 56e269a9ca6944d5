#pragma once

#include <QString>

class RaumData;

// The plausibility checks of a room before its material is computed: the balance between
// output and demand, the register compositions of the register systems, the share of the
// needed area that the surfaces cover, the sizes of surfaces and registers and the
// Tichelmann circuits. The first rule that fails decides.
class RaumPruefung
{
public:
    // code: 0 passed, 1 … 9 the failed rule; flaeche: 0-based index of the surface the rule
    // concerns, -1 where it concerns the whole room.
    struct Ergebnis
    {
        int code = 0;
        int flaeche = -1;
    };

    enum Code
    {
        Bestanden = 0,
        Abdeckung = 1,        // surfaces cover less than 95 % of the needed area
        FlaecheZuGross = 2,   // a surface above 10 m²
        KreisZuGross = 3,     // a Tichelmann circuit above 10 m²
        KreisSpreizung = 4,   // mean register sizes of one circuit spread above 0.21 m²
        DirektZuGross = 5,    // a direct surface above the largest register
        DifferenzZuGross = 6, // output short of the demand by more than 10 %
        RegisterZuGross = 7,  // a mean register size above the largest register
        RiOhneZusammenst = 8, // "RI-10 Register" surface without composition
        RuOhneZusammenst = 9  // "RU-10 Register" surface without composition
    };

    static Ergebnis pruefe(const RaumData& raum);
    // The message as the error box shows it: the room's name, its floor's name (empty without
    // a floor) and, where the rule concerns one, the surface number (index + 1). Empty for 0.
    static QString meldung(const RaumData& raum, const Ergebnis& ergebnis);
};
