#pragma once

#include "druck/seitendrucker.h"

#include <QString>

// The pages of a document as a PDF file: A4 in the document's orientation, its title as the
// PDF title, the program as creator. The file is written beside the target under a temporary
// name and takes the target's place only when it is complete, so a cancel or a failure leaves
// no half-written file (and an existing file as it was).
class PdfAusgabe
{
public:
    enum Ergebnis
    {
        Geschrieben,
        Abgebrochen,
        Fehler
    };

    // orientierung 0 landscape, otherwise portrait (a PDF has no printer default).
    static Ergebnis schreibe(Seitendrucker& drucker, const QString& ziel, int orientierung,
                             const Seitendrucker::Fortschritt& fortschritt = Seitendrucker::Fortschritt());

    // The message when the file cannot be written: "Datei <ziel> konnte nicht geöffnet werden!".
    static QString fehlerText(const QString& ziel);
};
