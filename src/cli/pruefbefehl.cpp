#include "cli/pruefbefehl.h"

#include "cli/clikontext.h"
#include "design/raumpruefung.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"

int PruefBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    ProjektBaum baum;
    if (const int code = k.ladeEinProjekt(args, benutzung(), baum))
        return code;
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
