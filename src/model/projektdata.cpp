#include "model/projektdata.h"

#include "app/programm.h"
#include "app/zahl.h"

ProjektData::ProjektData() : datum(QDate::currentDate())
{
    name = QStringLiteral("Projekt");
    type = TypProjekt;
}

QString ProjektData::toString() const
{
    return zeile(0, {QStringLiteral("0"), name, projektNr, datum.toString(Qt::ISODate), strasse, ort, plz,
                     QString::number(stand)});
}

bool ProjektData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 8)
        return false;
    name = f.at(1);
    projektNr = f.at(2);
    datum = QDate::fromString(f.at(3), version == QLatin1String("1.0") ? Qt::TextDate : Qt::ISODate);
    strasse = f.at(4);
    ort = f.at(5);
    plz = f.at(6);
    // Only the two known stages exist; anything else is taken as the cost estimate.
    stand = Zahl::toInt(f.at(7)) == 1 ? 1 : 0;
    Programm::setStand(stand);
    return true;
}

bool ProjektData::fromStringWB(const QString& line)
{
    const QStringList f = felder(line);
    if (f.size() < 3)
        return false;
    name = f.at(2);
    return true;
}

// --- report operations ---
void ProjektData::printPE1(QString&) {}
void ProjektData::printPE2(QString&) {}
void ProjektData::printAusschreibung(QString&, int) {}
void ProjektData::printKA(QString&) {}
