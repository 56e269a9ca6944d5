#include "cli/berichtbefehl.h"

#include "cli/clikontext.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "reports/berichte.h"

namespace {

int benutzungsfehler(CliKontext& k)
{
    return k.benutzungsfehler(QStringLiteral("Aufruf: wandheizung-cli ") + BerichtBefehl::benutzung());
}

// The report a kind names; the two general kinds depend on the project's stage.
bool art(const QString& name, int stand, Berichte::Art& ergebnis)
{
    if (name == QLatin1String("eingaben"))
        ergebnis = Berichte::eingabenFuerStand(stand);
    else if (name == QLatin1String("kosten"))
        ergebnis = Berichte::kostenFuerStand(stand);
    else if (name == QLatin1String("eingaben1"))
        ergebnis = Berichte::Eingaben1;
    else if (name == QLatin1String("eingaben2"))
        ergebnis = Berichte::Eingaben2;
    else if (name == QLatin1String("kostenvoranschlag"))
        ergebnis = Berichte::Kostenvoranschlag;
    else if (name == QLatin1String("kostenangebot"))
        ergebnis = Berichte::Kostenangebot;
    else
        return false;
    return true;
}

} // namespace

int BerichtBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString mwstText;
    QString ziel;
    bool mitMwst = false;
    bool mitZiel = false;
    if (!k.nimmOption(args, QStringLiteral("--mwst"), mwstText, mitMwst) ||
        !k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitZiel || args.size() != 2 ||
        args.at(1).startsWith(QLatin1Char('-')))
        return benutzungsfehler(k);
    Berichte::Art bericht = Berichte::Eingaben1;
    if (!art(args.at(0), 0, bericht))
        return benutzungsfehler(k);
    if (mitMwst && !CliKontext::setzeMwst(mwstText))
        return benutzungsfehler(k);

    if (!k.ladeKatalog())
        return CliKontext::exitKatalog;
    ProjektBaum baum;
    if (!k.ladeProjekt(args.at(1), baum))
        return 1;
    art(args.at(0), baum.projekt() ? baum.projekt()->stand : 0, bericht);

    const BerichtErgebnis r = Berichte::erstelle(bericht, baum);
    if (!r.ok) {
        k.err() << CliKontext::klartext(r.fehlerText) << Qt::endl;
        return 1;
    }
    return k.schreibeDatei(ziel, r.html) ? 0 : 1;
}
