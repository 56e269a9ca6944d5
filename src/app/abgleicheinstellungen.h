#pragma once

// The three design values of the hydraulic balancing, kept in the user's settings of
// "Belvoro"/"wh" under "Abgleich/…". Program and batch tool read them; only the balancing
// dialog writes them. A missing or unreadable value gives its default, a value outside its
// range is held to the nearest bound.
struct AbgleichEinstellungen
{
    double spreizung = 5.0;       // design spread between flow and return, K
    double ventildruck = 50.0;    // least pressure drop across a manifold valve, mbar
    double pumpenzuschlag = 50.0; // distribution pipes between pump and manifolds, mbar

    static constexpr double minSpreizung = 2.0;
    static constexpr double maxSpreizung = 20.0;
    static constexpr double minVentildruck = 5.0;
    static constexpr double maxVentildruck = 500.0;
    static constexpr double minZuschlag = 0.0;
    static constexpr double maxZuschlag = 1000.0;

    static AbgleichEinstellungen lese();
    void schreibe() const;
    // The values held to their ranges (a non-finite value gives the default).
    AbgleichEinstellungen begrenzt() const;
};
