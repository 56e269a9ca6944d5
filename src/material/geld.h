#pragma once

// Money rules of the tender text: cent rounding of line prices and of prices per metre or
// per piece taken from a pack price.
class Geld
{
public:
    // Rounds an amount in cents to a whole cent, a half cent upwards: the lower cent is
    // taken only when it is strictly nearer than the upper one.
    static double halbAufwaerts(double cent);
    // The line price quantity × unit price in euros, rounded to cents. The factors are single
    // precision and multiplied at full width, as the figures are shown.
    static double zeilenpreisGerundet(float menge, float preis);
    // The price of one metre or piece from a pack price: pack price × 100 / pack size,
    // rounded to a cent, / 100. A pack size of 0 or less gives 0.
    static float einzelpreis(float packPreis, float packGroesse);
};
