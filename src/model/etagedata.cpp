#include "model/etagedata.h"

#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/gebaeudedata.h"

EtageData::EtageData(GebaeudeData* g) : gebaeude(g)
{
    name = QStringLiteral("Etage %1");
    type = TypEtage;
    systemIndex = g ? g->systemIndex : 0;
}

bool EtageData::istKeller() const
{
    return name.contains(QLatin1String("keller"), Qt::CaseInsensitive) ||
           name.contains(QLatin1String("kg"), Qt::CaseInsensitive);
}

QString EtageData::toString() const
{
    return zeile(2, {QStringLiteral("2"), name, QString::number(anzahlRaeume), QString::number(systemIndex)});
}

bool EtageData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 4)
        return false;
    name = f.at(1);
    anzahlRaeume = Grenzen::liesGanz(f.at(2), 0, Kataloge::maxRaeume);
    systemIndex = Zahl::toInt(f.at(3));
    if (version == QLatin1String("1.0") && systemIndex == 1)
        systemIndex = 0;
    if (systemIndex < 0 || systemIndex >= Kataloge::systeme().size())
        systemIndex = 0;
    return true;
}

bool EtageData::fromStringWB(const QString& line)
{
    const QStringList f = felder(line);
    if (f.size() < 3)
        return false;
    name = f.at(2);
    return true;
}

bool EtageData::checkData(int seitenSystem, float) const
{
    const float vorlauf = gebaeude ? gebaeude->vorlauftemperatur : 0.0f;
    return !(vorlauf > 50.0f && seitenSystem > 1);
}
