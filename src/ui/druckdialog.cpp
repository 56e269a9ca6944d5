#include "ui/druckdialog.h"

#include "druck/seitendrucker.h"
#include "ui/druckfortschritt.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace {
QStringList g_antworten;

Seitendrucker::Kopf seitenKopf(DruckDialog::Kopf kopf)
{
    return kopf == DruckDialog::MitAnwenderKopf ? Seitendrucker::MitAnwenderKopf
                                                : Seitendrucker::NurSeitenzahl;
}

// Every page onto the printer, with progress; a cancel also cancels the print job.
bool druckeSeiten(QWidget* parent, Seitendrucker& drucker, QPrinter& printer)
{
    DruckFortschritt fortschritt(parent, QObject::tr("Drucken"));
    return drucker.drucke(printer, [&](int seite, int seiten) {
        if (fortschritt(seite, seiten))
            return true;
        printer.abort();
        return false;
    });
}
} // namespace

QFont DruckDialog::schrift(QWidget* parent, int schriftGroesse)
{
    QFont f = parent ? parent->font() : QApplication::font();
    f.setPointSize(schriftGroesse > 0 ? schriftGroesse : 10);
    return f;
}

bool DruckDialog::drucke(QWidget* parent, int orientierung, const std::function<bool(QPrinter&)>& seiten)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (orientierung == 0)
        printer.setPageOrientation(QPageLayout::Landscape);
    else if (orientierung == 1)
        printer.setPageOrientation(QPageLayout::Portrait);
    if (!g_antworten.isEmpty()) {
        const QString datei = g_antworten.takeFirst();
        if (datei.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    return seiten(printer);
}

bool DruckDialog::drucke(QWidget* parent, const QTextDocument& dokument, Kopf kopf, int orientierung,
                         int schriftGroesse)
{
    return drucke(parent, orientierung, [&](QPrinter& printer) {
        Seitendrucker drucker(dokument, schrift(parent, schriftGroesse), seitenKopf(kopf));
        return druckeSeiten(parent, drucker, printer);
    });
}

bool DruckDialog::drucke(QWidget* parent, const QString& html, const QTextDocument& angezeigt, Kopf kopf,
                         int orientierung, int schriftGroesse)
{
    return drucke(parent, orientierung, [&](QPrinter& printer) {
        Seitendrucker drucker(html, angezeigt, schrift(parent, schriftGroesse), seitenKopf(kopf));
        return druckeSeiten(parent, drucker, printer);
    });
}

PdfAusgabe::Ergebnis DruckDialog::speicherePdf(QWidget* parent, const QString& html,
                                               const QTextDocument& angezeigt, Kopf kopf, int orientierung,
                                               int schriftGroesse, const QString& ziel)
{
    DruckFortschritt fortschritt(parent, QObject::tr("Als PDF speichern"));
    Seitendrucker drucker(html, angezeigt, schrift(parent, schriftGroesse), seitenKopf(kopf));
    return PdfAusgabe::schreibe(drucker, ziel, orientierung, std::ref(fortschritt));
}

void DruckDialog::setNextAnswer(const QString& pdfDatei)
{
    g_antworten.append(pdfDatei);
}

void DruckDialog::leeren()
{
    g_antworten.clear();
}
