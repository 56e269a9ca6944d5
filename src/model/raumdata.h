#pragma once

#include "model/heizflaeche.h"
#include "model/raumsummen.h"
#include "model/whbasedata.h"

#include <QList>

class EtageData;

// A room with its heat balance and its wall heating surfaces.
class RaumData : public WHBaseData
{
public:
    explicit RaumData(EtageData* etage);
    // Copy that keeps the source's floor.
    RaumData(const RaumData&) = default;
    // Copy placed under another floor (pasting a room elsewhere).
    RaumData(const RaumData& quelle, EtageData* neueEtage);
    RaumData& operator=(const RaumData&) = default;

    int systemIndex = 0;
    int raumTyp = 7;
    float flaeche = 0.0f;            // room area, m²
    float raumTemperatur = 20.0f;    // °C
    float waermebedarfProM2 = 50.0f; // W/m²
    float waermebedarf = 0.0f;       // W
    float flaecheWH = 0.0f;          // wall heating area needed, m²
    float flaecheFBH = 0.0f;         // floor heating area, m²
    float differenz = 0.0f;          // output − demand, W
    EtageData* etage = nullptr;      // not owned

    bool fbhDirekt = false; // floor heating connected directly to the manifold
    // Register composition of the register systems: n counts per surface (n = 2 for
    // "RI-10 Register", 3 for "RU-10 Register"), surface i owning entries i·n … i·n + n − 1.
    QList<int> zusammenstellung;
    QList<Heizflaeche> heizflaechen;
    bool heizkreisFrei = false; // circuit numbers entered by hand
    RaumSummen summen;

    int system() const override { return systemIndex; }
    // Stores the system; a real change converts the surfaces: leaving a register system
    // clears the compositions, entering one clears the surfaces.
    void setSystem(int s) override;
    // True when setSystem(s) would delete stored surfaces or compositions.
    bool systemwechselLoescht(int s) const;

    // The building's mean flow temperature (45 °C without floor or building).
    float vorlauftemperatur() const;
    // Recomputes wall heating area and difference from demand, floor heating and flow temperature.
    void berechneWaermebilanz();

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
    bool fromStringWB(const QString& line) override;
    // Reads a surface line (code 5) or composition line (code 6) of this room.
    bool fromStringFlaechen(const QString& line, const QString& version);
    // The number of surfaces a surface line (code 5) of this version holds.
    static int flaechenInZeile(const QString& line, const QString& version);
    bool hasData() const override;
    bool checkData(int seitenSystem, float vorlauf) const override;

    // Counts per surface in the composition list of a system: 2, 3, or 0 for the others.
    static int zusammenstellungsBreite(int system);
};
