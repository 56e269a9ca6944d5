#pragma once

#include <QStringList>

class CliKontext;

// "datanorm CATALOGUE_IN DATANORM_FILE -o CATALOGUE_OUT": the prices and descriptions of a
// DATANORM 4 file taken into a catalogue file, one report line per record on stdout.
class DatanormBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung()
    {
        return QStringLiteral("datanorm CATALOGUE_IN DATANORM_FILE -o CATALOGUE_OUT");
    }
};
