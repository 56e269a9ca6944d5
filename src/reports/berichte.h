#pragma once

#include "reports/berichtergebnis.h"

#include <QStringView>

#include <functional>

class ProjektBaum;

// The report drivers. Each runs what its document needs first (the circuit and
// manifold estimate, the totals), loads its templates from the installation's "ausdrucke/"
// in a fixed order, lets the records fill their pieces and joins them into one HTML
// document. The drivers themselves write no file.
class Berichte
{
public:
    enum Art
    {
        Eingaben1,            // project inputs, first form (stage "Kostenschätzung")
        Eingaben2,            // project inputs, second form (stage "Ausführungsplanung")
        Kostenvoranschlag,    // cost estimate from tender texts (stage "Kostenschätzung")
        Kostenangebot,        // cost offer from the material list (stage "Ausführungsplanung")
        HydraulischerAbgleich // hydraulic balancing of circuits and manifolds
    };

    // The document the print actions choose by the project's stage.
    static Art eingabenFuerStand(int stand) { return stand == 1 ? Eingaben2 : Eingaben1; }
    static Art kostenFuerStand(int stand) { return stand == 1 ? Kostenangebot : Kostenvoranschlag; }

    static BerichtErgebnis printEingaben1(ProjektBaum& baum);
    static BerichtErgebnis printEingaben2(ProjektBaum& baum);
    static BerichtErgebnis printKostenvoranschlag(ProjektBaum& baum);
    static BerichtErgebnis printKostenangebot(ProjektBaum& baum);
    // Takes a long document in pieces while it is put together (the batch tool writes them
    // straight into its file); the document returned then holds only what came after them.
    using Abschnitte = std::function<void(QStringView)>;
    static BerichtErgebnis erstelle(Art art, ProjektBaum& baum, const Abschnitte& abschnitte = {});

    // The program's report run: the estimate where the report needs it, then the output file
    // "ausdruck.html" of the user's folder is opened (and emptied), then the templates are
    // read and the document is written into it. A template that cannot be read leaves the
    // output empty; ok is false and fehlerText holds the message to show.
    static BerichtErgebnis ausgeben(Art art, ProjektBaum& baum);

    // userDir + "ausdrucke/ausdruck.html".
    static QString ausgabePfad();
    // Writes a finished document (Windows-1252) to the file; false with "Datei <name>
    // konnte nicht geöffnet werden!" when it cannot be written.
    static bool schreibeAusgabe(const QString& html, const QString& pfad, QString& fehlerText);

private:
    static void vorbereiten(Art art, ProjektBaum& baum);
    static BerichtErgebnis zusammenstellen(Art art, ProjektBaum& baum, const Abschnitte& abschnitte);
    static BerichtErgebnis eingaben1(ProjektBaum& baum, const Abschnitte& abschnitte);
    static BerichtErgebnis eingaben2(ProjektBaum& baum, const Abschnitte& abschnitte);
    static BerichtErgebnis kostenvoranschlag(ProjektBaum& baum);
    static BerichtErgebnis kostenangebot(ProjektBaum& baum);
};
