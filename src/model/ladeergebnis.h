#pragma once

#include <QString>

// What loading a file ended with, for the window (or the batch tool) to show: the status
// message, the message box, the notice about files of older versions, and what becomes of
// the project and of the current file name.
struct LadeErgebnis
{
    enum Art
    {
        Geladen,        // a project file was read
        Importiert,     // a heat-demand project was imported
        NichtGeoeffnet, // the file could not be opened; nothing changed
        Abgelehnt,      // the header was not accepted; the project is left as it was
        Fehlgeschlagen  // reading failed; the window starts a new project
    };

    Art art = NichtGeoeffnet;
    bool erfolgreich() const { return art == Geladen || art == Importiert; }

    QString statusText;          // status bar, 5000 ms
    QString meldungTitel;        // "Fehler" when a message box is due, else empty
    QString meldungText;         // its text (HTML)
    bool meldungKritisch = true; // critical box; false: warning box (older heat-demand versions)
    QString hinweisText;         // information box "Achtung" about a file of an older version, or empty
    QString fensterTitel;        // "Wandheizung: …" after success
    // After success: the project file name (empty after an import, so the next save asks for
    // a name). After a failure the window keeps its previous name.
    QString dateiName;
};
