#include "model/gebaeudedata.h"

#include "app/kataloge.h"
#include "app/zahl.h"

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
    vorlauftemperatur = Zahl::toFloat(f.at(1));
    anzahlEtagen = Zahl::toInt(f.at(2));
    systemIndex = Zahl::toInt(f.at(3));
    // Version 1.0 knew no register system 1: its 1 is today's 0.
    if (version == QLatin1String("1.0") && systemIndex == 1)
        systemIndex = 0;
    if (systemIndex < 0 || systemIndex >= Kataloge::systeme().size())
        systemIndex = 0;
    gebaeudeAlter = Zahl::toInt(f.at(4));
    if (gebaeudeAlter < 0 || gebaeudeAlter >= Kataloge::gebaeudeStandards().size())
        gebaeudeAlter = 2;
    ueberWB = Zahl::toFloat(f.at(5));
    return true;
}

bool GebaeudeData::checkData(int seitenSystem, float vorlauf) const
{
    return !(vorlauf > 50.0f && seitenSystem > 1);
}

// --- material and report operations ---
void GebaeudeData::materialBedarf(MaterialBedarf&) {}
void GebaeudeData::printPE1(QString&) {}
void GebaeudeData::printPE2(QString&) {}
void GebaeudeData::printAusschreibung(QString&, int) {}
void GebaeudeData::printKA(QString&) {}
