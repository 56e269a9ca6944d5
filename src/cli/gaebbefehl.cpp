#include "cli/gaebbefehl.h"

#include "app/pfade.h"
#include "cli/clikontext.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"
#include "model/projektbaum.h"
#include "reports/gaebexport.h"

int GaebBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString phaseText;
    QString ziel;
    bool mitPhase = false;
    bool mitZiel = false;
    GaebExport::Phase phase = GaebExport::X83;
    if (!k.nimmOption(args, QStringLiteral("--phase"), phaseText, mitPhase) ||
        !k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitPhase || !mitZiel || ziel.isEmpty() ||
        !GaebExport::phaseAusText(phaseText, phase) || !CliKontext::nurDatei(args))
        return k.aufrufFehler(benutzung());

    ProjektBaum baum;
    if (const int code = k.ladeMitKatalog(args.first(), baum))
        return code;
    // The bidder as the program knows it after its start: the user file, then the host's
    // "anwender.ini".
    AnwenderDaten anwender;
    anwender.load(Pfade::anwenderPath());
    AnwenderDaten::uebernehmeAnwenderIni(anwender);

    QString fehler;
    if (!GaebExport::exportieren(baum, ArtikelListe::global(), anwender, phase, ziel, fehler)) {
        k.err() << fehler << Qt::endl;
        return 1;
    }
    return 0;
}
