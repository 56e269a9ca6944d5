#pragma once

#include <QStringList>

class CliKontext;

// "order FILE [-o OUT.txt] [--xlsx OUT] [--csv OUT] [--fax OUT.html] [--kunden-nr TEXT]
// [--lieferart TEXT] [--bemerkung TEXT] [--mwst PERCENT]": the material of FILE as "material"
// computes it, rounded to whole packs as the order form does, written as the order export, as
// spreadsheet and/or as the order fax with the sender of the user folder's user data (at
// least one of them; every file or none).
class BestellBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung()
    {
        return QStringLiteral(
            "order FILE [-o OUT.txt] [--xlsx OUT] [--csv OUT] [--fax OUT.html] [--kunden-nr TEXT] "
            "[--lieferart TEXT] [--bemerkung TEXT] [--mwst PERCENT]");
    }
};
