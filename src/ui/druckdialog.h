#pragma once

class QTextDocument;
class QWidget;

// Printing a document from a window: the printer dialog, then the pages, with progress and
// cancel for long documents.
class DruckDialog
{
public:
    enum Kopf
    {
        MitAnwenderKopf, // reports: header band with the user's address, footer with version and page
        NurSeitenzahl    // help pages: page numbers only
    };

    // Asks for a printer (A4; orientation -1 the printer's default, 0 landscape, 1 portrait)
    // and prints the document in the given font size. False when the dialog was cancelled or
    // printing stopped.
    static bool drucke(QWidget* parent, const QTextDocument& dokument, Kopf kopf, int orientierung,
                       int schriftGroesse);
};
