#include "model/etagedata.h"

#include "app/grenzen.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/gebaeudedata.h"
#include "reports/vorlage.h"

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

// --- material and report operations ---
void EtageData::materialBedarf(MaterialBedarf& b)
{
    const int a = summen.anzahlAbgaenge;
    if (a < 1)
        return;
    // Manifolds of ten outlets, then one for the rest; there is no manifold of one outlet.
    int rest = a % 10;
    if (rest == 1)
        rest = 2;
    const float zehner = static_cast<float>(a / 10);
    if (istKeller()) {
        b[151508] += zehner;
        b[151498 + rest] += 1.0f;
    } else {
        b[151528] += zehner;
        b[151518 + rest] += 1.0f;
    }
    // A large floor needs a second box for the room thermostats' wiring.
    b[151560] += summen.anzahlBeheizt > 6 || a > 13 ? 2.0f : 1.0f;
}

void EtageData::printPE1(QString& vorlage)
{
    // The floor totals template carries the word "Total"; the floor line does not.
    if (!vorlage.contains(QLatin1String("Total"))) {
        printPE2(vorlage);
        return;
    }
    Vorlage::ersetze(vorlage, QStringLiteral("%Flaeche%"), Zahl::kurz(summen.flaeche));
    Vorlage::ersetze(vorlage, QStringLiteral("%WB%"), Zahl::kurz(summen.waermebedarf));
    // The systems laid on this floor, each with its wall area, one per line.
    QStringList systeme;
    QStringList flaechen;
    for (int i = 0; i < 4; ++i) {
        if (summen.flaecheWH[i] > 0.0f) {
            systeme << Vorlage::html(Kataloge::name(Kataloge::systeme(), i));
            flaechen << Zahl::kurz(summen.flaecheWH[i]);
        }
    }
    Vorlage::ersetze(vorlage, QStringLiteral("%SystemWH%"), systeme.join(QStringLiteral("<br>")));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlaecheWH%"), flaechen.join(QStringLiteral("<br>")));
    Vorlage::ersetze(vorlage, QStringLiteral("%FlacheFBH%"), Zahl::kurz(summen.flaecheFBH));
    Vorlage::ersetze(vorlage, QStringLiteral("%Differenz%"), Zahl::kurz(summen.differenz));
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzHK%"), QString::number(summen.anzahlAbgaenge));
}

void EtageData::printPE2(QString& vorlage)
{
    Vorlage::ersetzeText(vorlage, QStringLiteral("%EtageBezeichnung%"), name);
    Vorlage::ersetze(vorlage, QStringLiteral("%AnzahlRaume%"), QString::number(anzahlRaeume));
    Vorlage::ersetzeText(vorlage, QStringLiteral("%SWHE%"), Kataloge::name(Kataloge::systeme(), systemIndex));
}
