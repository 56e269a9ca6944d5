#pragma once

#include <QStringList>

class CliKontext;

// "gaeb FILE --phase 83|84|82 -o OUT": the project's bill of quantities as a GAEB DA XML 3.3
// file: the cost offer's lines in the stage "Ausführungsplanung", the tender text's positions
// in the stage "Kostenschätzung"; phase 84 names the bidder from the user folder's user data.
class GaebBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("gaeb FILE --phase 83|84|82 -o OUT"); }
};
