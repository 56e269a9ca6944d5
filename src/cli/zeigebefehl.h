#pragma once

#include <QStringList>

class CliKontext;
class ProjektBaum;
class WHBaseData;

// "show FILE": the project tree as indented text for people, one line per record (and per
// heating surface) with its key values.
class ZeigeBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("show FILE"); }

    // The whole tree as text, two blanks of indentation per level.
    static QString baumText(const ProjektBaum& baum);
    // The line of one record, without indentation.
    static QString zeile(const WHBaseData& record);
};
