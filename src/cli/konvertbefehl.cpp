#include "cli/konvertbefehl.h"

#include "cli/clikontext.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"

int KonvertBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    bool mitZiel = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitZiel || ziel.isEmpty())
        return k.aufrufFehler(benutzung());
    // The notice about older files names the catalogue's product range.
    ProjektBaum baum;
    if (const int code = k.ladeEinProjekt(args, benutzung(), baum))
        return code;
    QString fehler;
    if (!ProjektDatei::speichern(baum, ziel, fehler)) {
        k.err() << CliKontext::klartext(fehler) << Qt::endl;
        return 1;
    }
    return 0;
}
