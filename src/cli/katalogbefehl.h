#pragma once

#include <QStringList>

class CliKontext;

// "catalogue -o OUT": writes the catalogue the program reads (the user's, else the installation's) in its
// canonical text form.
class KatalogBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("catalogue -o OUT"); }
};
