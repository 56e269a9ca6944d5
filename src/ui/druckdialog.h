#pragma once

#include "druck/pdfausgabe.h"

#include <QString>

#include <functional>

class QFont;
class QPrinter;
class QTextDocument;
class QWidget;

// Printing a document from a window: the printer dialog, then the pages through the page
// painter, with progress and cancel for long documents; and the same pages as a PDF file.
class DruckDialog
{
public:
    enum Kopf
    {
        MitAnwenderKopf, // reports: header band with the user's address, footer with version and page
        NurSeitenzahl    // help pages: page numbers only
    };

    // Asks for a printer (A4; orientation -1 the printer's default, 0 landscape, 1 portrait)
    // and prints the document in the parent's font at the given size (0: 10 points). False
    // when the dialog was cancelled or printing stopped.
    static bool drucke(QWidget* parent, const QTextDocument& dokument, Kopf kopf, int orientierung,
                       int schriftGroesse);
    // The same for a long document given as its HTML text; images are fetched through the
    // document the window shows.
    static bool drucke(QWidget* parent, const QString& html, const QTextDocument& angezeigt, Kopf kopf,
                       int orientierung, int schriftGroesse);

    // The pages printing would produce, as the PDF file ziel (A4, landscape for orientation 0,
    // otherwise portrait).
    static PdfAusgabe::Ergebnis speicherePdf(QWidget* parent, const QString& html,
                                             const QTextDocument& angezeigt, Kopf kopf, int orientierung,
                                             int schriftGroesse, const QString& ziel);

    // Test seam: the next printer dialog is not shown. An empty name stands for a cancelled
    // dialog; otherwise the dialog counts as accepted and the pages go into that PDF file.
    static void setNextAnswer(const QString& pdfDatei);
    static void leeren();

private:
    static QFont schrift(QWidget* parent, int schriftGroesse);
    // The printer dialog (or the test's answer); when a printer was chosen, seiten prints.
    static bool drucke(QWidget* parent, int orientierung, const std::function<bool(QPrinter&)>& seiten);
};
