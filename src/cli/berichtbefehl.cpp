#include "cli/berichtbefehl.h"

#include "app/pfade.h"
#include "app/textdatei.h"
#include "cli/clikontext.h"
#include "cli/pdf/pdfauftrag.h"
#include "cli/pdfmodul.h"
#include "model/anwenderdaten.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "reports/berichte.h"

namespace {

int benutzungsfehler(CliKontext& k)
{
    return k.aufrufFehler(BerichtBefehl::benutzung());
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

// The document's pages as the preview prints them, with the header of the user's data as the
// program has them after its start (the user file, then the host's "anwender.ini").
bool BerichtBefehl::schreibePdf(CliKontext& k, const BerichtErgebnis& r, const QString& ziel)
{
    AnwenderDaten::global().load(Pfade::anwenderPath());
    AnwenderDaten::uebernehmeAnwenderIni();

    PdfAuftrag auftrag;
    auftrag.html = r.html;
    // The spacing image and any other picture of the templates lies beside them.
    auftrag.vorlagenDir = Pfade::vorlagenDir();
    auftrag.schriftGroesse = r.schriftGroesse;
    auftrag.orientierung = r.orientierung;
    auftrag.ziel = ziel;
    auftrag.anwender = AnwenderDaten::global();
    QString fehler;
    if (PdfModul::schreibe(auftrag, fehler))
        return true;
    k.err() << fehler << Qt::endl;
    return false;
}

int BerichtBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString mwstText;
    QString ziel;
    QString pdfZiel;
    bool mitMwst = false;
    bool mitZiel = false;
    bool mitPdf = false;
    if (!k.nimmOption(args, QStringLiteral("--mwst"), mwstText, mitMwst) ||
        !k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) ||
        !k.nimmOption(args, QStringLiteral("--pdf"), pdfZiel, mitPdf) || !(mitZiel || mitPdf) ||
        args.size() != 2 || args.at(1).startsWith(QLatin1Char('-')))
        return benutzungsfehler(k);
    Berichte::Art bericht = Berichte::Eingaben1;
    if (!art(args.at(0), 0, bericht))
        return benutzungsfehler(k);
    if (mitMwst && !CliKontext::setzeMwst(mwstText))
        return benutzungsfehler(k);

    ProjektBaum baum;
    if (const int code = k.ladeMitKatalog(args.at(1), baum))
        return code;
    art(args.at(0), baum.projekt() ? baum.projekt()->stand : 0, bericht);

    // Without a PDF the HTML goes into its file while it is put together; the file replaces the
    // old one only when the whole document is written.
    TextDatei html(ziel);
    Berichte::Abschnitte abschnitte;
    if (mitZiel && !mitPdf)
        abschnitte = [&html](QStringView text) { html.schreibe(text); };
    const BerichtErgebnis r = Berichte::erstelle(bericht, baum, abschnitte);
    if (!r.ok) {
        k.err() << CliKontext::klartext(r.fehlerText) << Qt::endl;
        return 1;
    }
    if (mitZiel) {
        html.schreibe(r.html);
        if (!k.schliesseDatei(html, ziel))
            return 1;
    }
    if (mitPdf && !schreibePdf(k, r, pdfZiel))
        return 1;
    return 0;
}
