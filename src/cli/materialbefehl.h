#pragma once

#include "model/materialbedarf.h"

#include <QStringList>

class CliKontext;
class ProjektBaum;

// "material FILE [--units] [--mwst PERCENT] [-o OUT] [--xlsx OUT] [--csv OUT]": the material
// page's "Be&rechnen" on a project file. Prints the material list with its sums, or with --units
// the requirement in the articles' units before the division into packs; -o writes the project
// with its material list holding the result; --xlsx and --csv write the list as spreadsheet.
class MaterialBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    // Reads the catalogue, loads the project and runs "Be&rechnen" on it: afterwards the
    // catalogue holds each article's requirement and the project's material list the same
    // (created when the project had none). Prints the failure (a file, a room check) on stderr
    // and returns the exit code to end with (CliKontext::exitKatalog without catalogue, 1
    // otherwise); 0 on success.
    static int rechne(CliKontext& k, const QString& datei, ProjektBaum& baum,
                      MaterialBedarf* bedarf = nullptr);
    static QString benutzung()
    {
        return QStringLiteral("material FILE [--units] [--mwst PERCENT] [-o OUT] [--xlsx OUT] [--csv OUT]");
    }
};
