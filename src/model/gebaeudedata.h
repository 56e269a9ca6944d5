#pragma once

#include "model/gebaeudesummen.h"
#include "model/whbasedata.h"

// The building: mean flow temperature, system, building standard and the rough specific
// heat demand that new rooms start with.
class GebaeudeData : public WHBaseData
{
public:
    GebaeudeData();

    int anzahlEtagen = 0;
    int gebaeudeAlter = 2;
    int systemIndex = 0;
    float vorlauftemperatur = 45.0f;
    float ueberWB = 30.0f;
    GebaeudeSummen summen;

    int anzahl() const override { return anzahlEtagen; }
    void setAnzahl(int n) override { anzahlEtagen = n; }
    int system() const override { return systemIndex; }
    void setSystem(int s) override { systemIndex = s; }

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
    bool checkData(int seitenSystem, float vorlauf) const override;
};
