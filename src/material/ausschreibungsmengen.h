#pragma once

struct GebaeudeSummen;

// The quantities of the tender text that follow from the circuit and manifold estimate: pipe,
// protective pipe, insulation, hooks, manifold connections, actuators. The printed estimate and
// the exported bill of quantities take them from here, so both always name the same amounts.
struct AusschreibungsMengen
{
    float rohr = 0.0f;       // multilayer pipe in metres: 40 m per circuit, a floor loop 10 m less
    float schutzrohr = 0.0f; // protective pipe in metres: 0.3 m at both ends of every wall register
    int rohrMeter = 0;       // the pipe in whole metres
    int isolierung = 0;      // insulating hose in sticks of 2 m, five fewer per floor loop
    int haken = 0;           // one pipe hook every 2 m
    int verteiler = 0;       // manifolds of every size and place
    int anschluesse = 0;     // manifold connections: two per outlet of every manifold
    int stellantriebe = 0;   // one actuator per wall heating circuit
    int raumregler = 0;      // one return temperature limiter per floor heating loop

    static AusschreibungsMengen aus(const GebaeudeSummen& s);
};
