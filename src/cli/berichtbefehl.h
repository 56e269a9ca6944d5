#pragma once

#include <QStringList>

class CliKontext;

// "report KIND FILE -o OUT [--mwst PERCENT]": one of the printed documents of a project file,
// assembled from the installation's templates and written to OUT. KIND "eingaben" and
// "kosten" take the form the project's stage chooses, as the print actions do; "eingaben1",
// "eingaben2", "kostenvoranschlag" and "kostenangebot" name one directly.
class BerichtBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung()
    {
        return QStringLiteral(
            "report eingaben|kosten|eingaben1|eingaben2|kostenvoranschlag|kostenangebot FILE "
            "-o OUT [--mwst PERCENT]");
    }
};
