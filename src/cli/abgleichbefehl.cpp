#include "cli/abgleichbefehl.h"

#include "app/abgleicheinstellungen.h"
#include "cli/berichtbefehl.h"
#include "cli/clikontext.h"
#include "design/abgleich.h"
#include "model/projektbaum.h"
#include "model/ventiltabelle.h"
#include "reports/abgleichbericht.h"

#include <cmath>
#include <cstdio>

namespace {

// A spread written as "6" or "6.5" within the settings' range.
bool spreizung(const QString& text, double& wert)
{
    bool ok = false;
    wert = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(wert) && wert >= AbgleichEinstellungen::minSpreizung &&
           wert <= AbgleichEinstellungen::maxSpreizung;
}

} // namespace

int AbgleichBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString html;
    QString pdf;
    QString csv;
    QString spreizungText;
    bool mitHtml = false;
    bool mitPdf = false;
    bool mitCsv = false;
    bool mitSpreizung = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), html, mitHtml) ||
        !k.nimmOption(args, QStringLiteral("--pdf"), pdf, mitPdf) ||
        !k.nimmOption(args, QStringLiteral("--csv"), csv, mitCsv) ||
        !k.nimmOption(args, QStringLiteral("--spreizung"), spreizungText, mitSpreizung) ||
        !CliKontext::nurDatei(args))
        return k.aufrufFehler(benutzung());
    AbgleichEinstellungen werte = AbgleichEinstellungen::lese();
    if (mitSpreizung && !spreizung(spreizungText, werte.spreizung))
        return k.aufrufFehler(benutzung());

    ProjektBaum baum;
    if (const int code = k.ladeMitKatalog(args.first(), baum))
        return code;

    VentilTabelle tabelle;
    QString hinweis;
    const VentilTabelle::Status status = tabelle.lade(hinweis);
    if (status == VentilTabelle::Falsch) {
        k.err() << hinweis << Qt::endl;
        return 1;
    }
    if (status == VentilTabelle::Fehlt)
        k.err() << hinweis << Qt::endl;

    const Abgleich::Ergebnis e = Abgleich::berechne(baum, werte, tabelle);
    if (!e.ok) {
        k.err() << CliKontext::klartext(e.fehlerText) << Qt::endl;
        return 1;
    }
    for (const QString& meldung : e.meldungen)
        k.err() << meldung << Qt::endl;

    const QByteArray tabelleCsv = AbgleichBericht::csv(e);
    if (!mitHtml && !mitPdf && !mitCsv) {
        k.out().flush();
        std::fwrite(tabelleCsv.constData(), 1, size_t(tabelleCsv.size()), stdout);
        std::fflush(stdout);
        return 0;
    }
    QString fehler;
    if (mitCsv && !AbgleichBericht::schreibe(csv, tabelleCsv, fehler)) {
        k.err() << "Datei " << csv << " konnte nicht geöffnet werden!" << Qt::endl;
        return 1;
    }
    if (mitHtml || mitPdf) {
        const BerichtErgebnis r =
            AbgleichBericht::dokument(e, baum, status == VentilTabelle::Fehlt ? hinweis : QString());
        if (!r.ok) {
            k.err() << CliKontext::klartext(r.fehlerText) << Qt::endl;
            return 1;
        }
        if (mitHtml && !k.schreibeDatei(html, r.html))
            return 1;
        if (mitPdf && !BerichtBefehl::schreibePdf(k, r, pdf))
            return 1;
    }
    return 0;
}
