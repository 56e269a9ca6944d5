#pragma once

// Working totals of a room for the circuit estimate and the reports; not saved.
struct RaumSummen
{
    int kreiseMitRegistern[5] = {0, 0, 0, 0, 0}; // index k = 1 … 4: circuits with k registers
    int anzahlKreise = 0;

    void reset() { *this = RaumSummen(); }
};
