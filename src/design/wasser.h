#pragma once

// Heating water at the design flow temperature: density and kinematic viscosity from two
// fitted curves that hold from 10 to 90 °C; a temperature outside that range is taken at the
// nearest bound.
struct Wasser
{
    double temperatur = 45.0;                         // °C, as used
    double dichte = 0.0;                              // kg/m³
    double viskositaet = 0.0;                         // m²/s
    static constexpr double waermekapazitaet = 1.163; // Wh/(kg·K)

    static Wasser bei(double temperatur);
};
