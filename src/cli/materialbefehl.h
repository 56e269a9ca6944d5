#pragma once

#include <QStringList>

class CliKontext;

// "material FILE [--units] [--mwst PERCENT] [-o OUT]": the material page's "Be&rechnen" on a
// project file. Prints the material list with its sums, or with --units the requirement in
// the articles' units before the division into packs; -o writes the project with its material
// list holding the result.
class MaterialBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("material FILE [--units] [--mwst PERCENT] [-o OUT]"); }
};
