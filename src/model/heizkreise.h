#pragma once

#include "model/heizflaeche.h"

#include <QList>

// Automatic grouping of a room's surfaces into Tichelmann circuits: in table order, a
// circuit holds at most 10 m² and registers whose mean sizes differ by at most 0.21 m².
// Numbering stops at the 15th circuit; every later surface joins it. Direct surfaces keep
// their number and do not count.
class Heizkreise
{
public:
    // The table's form: mean register size = area / register count (the area itself for a
    // count of 0 or less).
    static void bildeHeizkreise(QList<Heizflaeche>& flaechen);
    // The stored room's form: mean register size = area / the register count the system would
    // give that area, rounded to float, a count of 0 counting as 1.
    static void bildeHeizkreiseGespeichert(QList<Heizflaeche>& flaechen, int system);
};
