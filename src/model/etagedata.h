#pragma once

#include "model/etagensummen.h"
#include "model/whbasedata.h"

class GebaeudeData;

// A floor of the building.
class EtageData : public WHBaseData
{
public:
    explicit EtageData(GebaeudeData* gebaeude);
    EtageData(const EtageData&) = default;
    EtageData& operator=(const EtageData&) = default;

    int anzahlRaeume = 0;
    int systemIndex = 0;
    GebaeudeData* gebaeude = nullptr; // not owned
    EtagenSummen summen;

    int anzahl() const override { return anzahlRaeume; }
    void setAnzahl(int n) override { anzahlRaeume = n; }
    int system() const override { return systemIndex; }
    void setSystem(int s) override { systemIndex = s; }

    // A floor counts as a basement when its name contains "keller" or "kg" in any case.
    bool istKeller() const;

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
    bool fromStringWB(const QString& line) override;
    bool hasData() const override { return anzahlRaeume > 0; }
    bool checkData(int seitenSystem, float vorlauf) const override;
};
