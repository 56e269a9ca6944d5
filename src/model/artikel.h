#pragma once

#include <QString>

// One catalogue article, with the requirement and order quantity of the current project.
struct Artikel
{
    qint32 artNr = 0;
    QString bezeichnung;
    QString bezeichnungLang;
    float preis = 0.0f;  // euro per pack
    float rabatt = 0.0f; // kept and shown only
    qint32 einheit = 0;  // index into the unit names
    float menge = 0.0f;  // pack content in units
    qint32 gruppe = 0;   // index into the group names
    bool bedarfBerechnen = false;
    float bedarf = 0.0f;     // requirement in packs (not in the file)
    qint32 bestellMenge = 0; // order quantity in whole packs (not in the file)
};
