#pragma once

#include "model/whbasedata.h"

#include <QDate>

// The project: designation, number, address, date and stage.
class ProjektData : public WHBaseData
{
public:
    ProjektData();

    int stand = 0; // 0 "Kostenschätzung", 1 "Ausführungsplanung"
    QDate datum;
    QString projektNr;
    QString strasse;
    QString ort;
    QString plz;

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
    bool fromStringWB(const QString& line) override;
};
