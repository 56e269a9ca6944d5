#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The prefabricated registers ("Fertigregister") of the register systems. System 3
// ("RU-10 Register") has the RU-10 types; every other system the RI-10 types. The order of
// the types is the order of a surface's composition counts.
class RegisterTypen
{
public:
    struct Typ
    {
        qint32 artNr;
        int breite;    // mm
        int hoehe;     // mm
        float flaeche; // heating area, m²
        // RI-10: pipe length of the partial circuit in m; RU-10: register height in mm.
        int vierterWert;
    };

    static const QList<Typ>& typen(int system);
    // Counts per surface: 3 for "RU-10 Register", 2 otherwise.
    static int anzahlTypen(int system) { return typen(system).size(); }

    // An element below 0.7 m² counts as small, any other as large.
    static bool istKlein(const Typ& typ) { return typ.flaeche < 0.7f; }

    // "RI-10 Fertigregister" or "RU-10 Fertigregister".
    static QString titel(int system);
    // The explanation above the table.
    static QString erklaerung(int system);
    // The six column headers of the composition table.
    static QStringList spaltenKoepfe(int system);
};
