#pragma once

#include <QStringList>

class CliKontext;
struct BerichtErgebnis;

// "report KIND FILE [-o OUT] [--pdf OUT.pdf] [--mwst PERCENT]": one of the printed documents of
// a project file, assembled from the installation's templates and written to OUT as HTML and/or
// to OUT.pdf as the pages the program prints (header from the user folder's user data). At
// least one of the two outputs is required. KIND "eingaben" and
// "kosten" take the form the project's stage chooses, as the print actions do; "eingaben1",
// "eingaben2", "kostenvoranschlag" and "kostenangebot" name one directly.
class BerichtBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    // The command writes a PDF: the tool then needs a graphical application (offscreen).
    static bool brauchtGui(const QStringList& args) { return args.contains(QStringLiteral("--pdf")); }
    // Writes a finished document as the pages the preview prints, with the header of the
    // user's data as the program has them after its start; prints the failure on stderr.
    static bool schreibePdf(CliKontext& k, const BerichtErgebnis& r, const QString& ziel);
    static QString benutzung()
    {
        return QStringLiteral(
            "report eingaben|kosten|eingaben1|eingaben2|kostenvoranschlag|kostenangebot FILE "
            "[-o OUT] [--pdf OUT.pdf] [--mwst PERCENT]");
    }
};
