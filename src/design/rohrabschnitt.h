#pragma once

struct Wasser;

// One pipe section of a heating circuit: its length, inner diameter and the sum of its
// single-resistance coefficients. Friction follows Hagen-Poiseuille below Re 2320 and Blasius
// above; the single resistances count the dynamic pressure ζ-fold.
struct RohrAbschnitt
{
    double laenge = 0.0;      // m
    double durchmesser = 0.0; // inner diameter, m
    double zeta = 0.0;

    // Composite pipe 16x2 (header to the circuit) and 10x1.3 (registers, direct branches).
    static constexpr double d16 = 0.012;
    static constexpr double d10 = 0.0074;

    struct Verlust
    {
        double geschwindigkeit = 0.0; // m/s
        double reynolds = 0.0;
        double lambda = 0.0;
        double rohr = 0.0;   // friction, Pa
        double einzel = 0.0; // single resistances, Pa
        double gesamt() const { return rohr + einzel; }
    };

    // The losses at a volume flow in m³/h. No flow (or no pipe) loses nothing.
    Verlust verlust(double volumenstrom, const Wasser& wasser) const;
};
