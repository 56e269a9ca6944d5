#pragma once

#include <QStringList>

class CliKontext;

// "convert FILE -o OUT": loads a project file or imports a heat-demand project exactly as the
// program's open operation does and writes it as a project file of this version.
class KonvertBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("convert FILE -o OUT"); }
};
