#pragma once

#include "app/abgleicheinstellungen.h"
#include "design/wasser.h"

#include <QList>
#include <QString>
#include <QStringList>

class ProjektBaum;
class RaumData;
class VentilTabelle;

// The hydraulic balancing of the wall and floor heating: the flow of every manifold outlet
// from the heat output of its surfaces, the pressure loss of its governing path, the
// presetting of its valve so that every outlet of a manifold needs the same pressure, a
// balancing valve before each manifold that needs less than the worst one, and the pump's
// flow and head. Pressure differences in mbar, flows in kg/h and m³/h.
class Abgleich
{
public:
    // One pipe of an outlet below its header: a register of a circuit or floor heating loop,
    // or the branch of a directly connected surface, all of pipe 10x1.3.
    struct Zweig
    {
        double laenge = 0.0;      // m
        double massenstrom = 0.0; // kg/h
        double zeta = 0.0;
    };

    // One manifold outlet with its figures.
    struct Abgang
    {
        QString raum;
        QString art;    // "Tichelmann", "Direkt", "FBH", "FBH direkt"
        int nr = 0;     // the circuit number as shown, else the count of that kind in the room
        int nummer = 0; // the outlet's number at the manifold, from 1
        double flaeche = 0.0;
        double leistung = 0.0;        // W
        double massenstrom = 0.0;     // kg/h
        double volumenstrom = 0.0;    // m³/h
        double l16 = 0.0;             // header 16x2, m; 0 without header
        double l10 = 0.0;             // the governing branch, m
        double geschwindigkeit = 0.0; // largest velocity, m/s
        double dpRohr = 0.0;
        double dpEinzel = 0.0;
        double dpKreis = 0.0;
        double dpVentil = 0.0;
        double kv = 0.0;        // needed kv of the valve, m³/h
        QString voreinstellung; // the valve step; empty without flow or table
        QStringList warnungen;  // codes "v", "dp", "m", "kv+", "kv-"
        QStringList meldungen;  // the German message of each code
    };

    // The outlets of one floor at its manifold.
    struct Verteiler
    {
        QString etage;
        QList<Abgang> abgaenge;
        int index = 0; // 0-based position of the index outlet
        double flaeche = 0.0;
        double leistung = 0.0;
        double massenstrom = 0.0;
        double volumenstrom = 0.0;
        double dpIndex = 0.0;
        double dpErf = 0.0;     // pressure the manifold needs
        bool mitVentil = false; // balancing valve before the manifold
        double dpVentil = 0.0;
        double kv = 0.0;
    };

    struct Ergebnis
    {
        bool ok = false;
        QString fehlerText; // the failing room's message
        AbgleichEinstellungen werte;
        double vorlauf = 45.0;
        Wasser wasser;
        QString ventil;             // name of the valve table, empty without one
        QList<Verteiler> verteiler; // floors with outlets, in tree order
        double flaeche = 0.0;
        double leistung = 0.0;
        double massenstrom = 0.0;
        double volumenstrom = 0.0;
        double foerderhoehe = 0.0; // pump head, mbar; 0 without any outlet
        QStringList meldungen;     // every warning message, in outlet order

        // The pump head as metres of water column, the form pump curves use.
        double foerderhoeheMeter() const
        {
            return wasser.dichte > 0.0 ? foerderhoehe * 100.0 / (wasser.dichte * 9.81) : 0.0;
        }
    };

    // Checks each room as the material run does (the first failing room stops with its
    // message), then forms and balances every floor's manifold and sizes the pump.
    static Ergebnis berechne(const ProjektBaum& baum, const AbgleichEinstellungen& werte,
                             const VentilTabelle& tabelle);

    // A room's outlets in order: Tichelmann circuits, direct surfaces two by two, floor heating
    // loops. Numbers, valves and warnings are left to the manifold.
    static QList<Abgang> abgaenge(const RaumData& raum, double vorlauf, const Wasser& wasser,
                                  double spreizung);
    // The figures of an outlet from its header (l16 0: none, but its fittings still count)
    // and its branches; the branch with the largest loss governs.
    static void fuelle(Abgang& abgang, double l16, double massenstrom, const QList<Zweig>& zweige,
                       const Wasser& wasser);
    // Numbers the outlets, finds the index outlet, presets each valve and sets the warnings.
    static void gleicheAb(Verteiler& verteiler, double ventildruck, const VentilTabelle& tabelle);
    // Register pipe per m² of wall of a system, m/m².
    static double rohrProM2(int system);
    // kv from a flow in m³/h and a pressure difference in mbar; 0 without flow or difference.
    static double kvWert(double volumenstrom, double dp);

    // A figure in German form: fixed decimals, decimal comma; a value that is not finite is 0.
    static QString zahl(double wert, int stellen);
    // The same as characters into ziel, for the CSV's thousands of figures; returns how many, or 0
    // for a value only zahl() can write.
    static int zahlNach(char (&ziel)[24], double wert, int stellen);

    static constexpr double maxGeschwindigkeit = 0.8; // m/s
    static constexpr double maxDruckverlust = 250.0;  // mbar
    static constexpr double minMassenstrom = 10.0;    // kg/h
    static constexpr double verteilerVerlust = 20.0;  // manifold body, mbar
};
