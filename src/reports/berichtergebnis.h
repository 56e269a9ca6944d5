#pragma once

#include <QString>

// What a report run ends with: the finished HTML document, or the message that stopped it,
// and the print settings the preview applies to the document.
struct BerichtErgebnis
{
    bool ok = false;
    QString fehlerText; // "Datei kazus.html konnte nicht geöffnet werden!" and so on
    QString html;       // stays empty when the run stopped

    // Paper orientation: -1 the printer's default, 0 landscape, 1 portrait.
    int orientierung = -1;
    // Print font size in points; 0 leaves the preview window's current size.
    int schriftGroesse = 0;

    static constexpr int druckerStandard = -1;
    static constexpr int quer = 0;
    static constexpr int hoch = 1;
};
