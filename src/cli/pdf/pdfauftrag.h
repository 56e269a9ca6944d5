#pragma once

#include "model/anwenderdaten.h"

#include <QString>

class QCoreApplication;

// What the batch tool hands to its PDF module: the document and where its pictures lie, the
// page settings of the report, the target file and the user data for the address band. The
// module lives apart so that the tool starts without the graphics libraries, which only the
// commands writing PDF load.
struct PdfAuftrag
{
    QString html;
    QString vorlagenDir;
    int schriftGroesse = 10;
    int orientierung = 1;
    QString ziel;
    AnwenderDaten anwender;
};

// The module's two entry points, looked up by these names.
extern "C" {
// The graphical application the pages are painted with (offscreen without a display).
using PdfAnwendungFunktion = QCoreApplication* (*)(int* argc, char** argv);
// Writes the PDF; false with the message in fehler when the file cannot be written.
using PdfSchreibeFunktion = bool (*)(const PdfAuftrag* auftrag, QString* fehler);
}
