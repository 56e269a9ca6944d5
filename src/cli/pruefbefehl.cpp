#include "cli/pruefbefehl.h"

#include "cli/clikontext.h"
#include "design/raumpruefung.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"

int PruefBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return k.benutzungsfehler(QStringLiteral("Aufruf: wandheizung-cli ") + benutzung());
    // The catalogue comes first, as at start-up: a project's material list grows to it.
    if (!k.ladeKatalog())
        return CliKontext::exitKatalog;

    ProjektBaum baum;
    if (!k.ladeProjekt(args.first(), baum))
        return 1;
    for (WHListItem* etage : baum.etagen()) {
        for (WHListItem* item : baum.raeume(etage)) {
            const auto& raum = *static_cast<const RaumData*>(item->record());
            const RaumPruefung::Ergebnis ergebnis = RaumPruefung::pruefe(raum);
            if (ergebnis.code != 0) {
                k.err() << RaumPruefung::meldung(raum, ergebnis) << Qt::endl;
                return 1;
            }
        }
    }
    return 0;
}
