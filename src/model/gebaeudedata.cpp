#include "model/gebaeudedata.h"

#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "model/artikelliste.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

GebaeudeData::GebaeudeData()
{
    name = QStringLiteral("Gebäude");
    type = TypGebaeude;
    summen.reset();
}

QString GebaeudeData::toString() const
{
    return zeile(1, {QStringLiteral("1"), zahl(vorlauftemperatur), QString::number(anzahlEtagen),
                     QString::number(systemIndex), QString::number(gebaeudeAlter), zahl(ueberWB)});
}

bool GebaeudeData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 6)
        return false;
    vorlauftemperatur = Grenzen::lies(f.at(1), Grenzen::temperatur);
    anzahlEtagen = Grenzen::liesGanz(f.at(2), 0, Kataloge::maxEtagen);
    systemIndex = Zahl::toInt(f.at(3));
    // Version 1.0 knew no register system 1: its 1 is today's 0.
    if (version == QLatin1String("1.0") && systemIndex == 1)
        systemIndex = 0;
    if (systemIndex < 0 || systemIndex >= Kataloge::systeme().size())
        systemIndex = 0;
    gebaeudeAlter = Zahl::toInt(f.at(4));
    if (gebaeudeAlter < 0 || gebaeudeAlter >= Kataloge::gebaeudeStandards().size())
        gebaeudeAlter = 2;
    ueberWB = Grenzen::lies(f.at(5), Grenzen::waermebedarfProM2);
    return true;
}

bool GebaeudeData::checkData(int seitenSystem, float vorlauf) const
{
    return !(vorlauf > 50.0f && seitenSystem > 1);
}
