#include "cli/konvertbefehl.h"

#include "cli/clikontext.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"

int KonvertBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    bool mitZiel = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitZiel || ziel.isEmpty() ||
        args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return k.benutzungsfehler(QStringLiteral("Aufruf: wandheizung-cli ") + benutzung());
    // The catalogue comes first, as at start-up: the material list grows to it and the notice
    // about older files names its product range.
    if (!k.ladeKatalog())
        return CliKontext::exitKatalog;

    ProjektBaum baum;
    if (!k.ladeProjekt(args.first(), baum))
        return 1;
    QString fehler;
    if (!ProjektDatei::speichern(baum, ziel, fehler)) {
        k.err() << CliKontext::klartext(fehler) << Qt::endl;
        return 1;
    }
    return 0;
}
