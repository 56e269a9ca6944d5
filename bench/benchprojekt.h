#pragma once

#include <QString>

class ProjektBaum;

// The projects the benchmark measures: floors × rooms of a house in execution planning, every
// room with 30 wall heating surfaces in 15 Tichelmann circuits, so that each room passes the
// checks and the material run and every document has its full length.
class BenchProjekt
{
public:
    // Fills the tree (after newProjekt) and computes the material list into it.
    static bool erzeuge(ProjektBaum& baum, int etagen, int raeume, QString& fehler);
    // Generates and saves the project; false with the message when that fails.
    static bool schreibe(const QString& pfad, int etagen, int raeume, QString& fehler);
};
