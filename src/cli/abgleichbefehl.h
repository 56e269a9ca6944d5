#pragma once

#include <QStringList>

class CliKontext;

// "abgleich FILE [-o OUT.html] [--pdf OUT.pdf] [--csv OUT.csv] [--spreizung K]": the hydraulic
// balancing of a project file with the design values of the program's settings (the spread
// given by --spreizung instead). Without an output option the CSV goes to stdout; warnings go
// to stderr as German lines.
class AbgleichBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung()
    {
        return QStringLiteral("abgleich FILE [-o OUT.html] [--pdf OUT.pdf] [--csv OUT.csv] [--spreizung K]");
    }
};
