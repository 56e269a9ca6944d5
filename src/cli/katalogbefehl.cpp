#include "cli/katalogbefehl.h"

#include "cli/clikontext.h"
#include "model/artikelliste.h"

int KatalogBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    bool mitZiel = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitZiel || !args.isEmpty())
        return k.aufrufFehler(benutzung());
    if (!k.ladeKatalog())
        return CliKontext::exitKatalog;
    return k.schreibeDatei(ziel, ArtikelListe::global().toText()) ? 0 : 1;
}
