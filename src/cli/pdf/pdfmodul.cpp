#include "cli/pdf/pdfauftrag.h"
#include "druck/pdfausgabe.h"
#include "druck/seitendrucker.h"

#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>
#include <QUrl>

extern "C" Q_DECL_EXPORT QCoreApplication* wh_pdf_anwendung(int* argc, char** argv)
{
    // Paged output needs a graphical application; without a display it runs on the offscreen
    // platform, so the tool works on a server as well.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(*argc, argv);
}

extern "C" Q_DECL_EXPORT bool wh_pdf_schreibe(const PdfAuftrag* auftrag, QString* fehler)
{
    // The module keeps its own program-wide user data, which the address band reads.
    AnwenderDaten::global() = auftrag->anwender;
    QTextDocument bilder;
    bilder.setBaseUrl(QUrl::fromLocalFile(auftrag->vorlagenDir));
    QFont schrift = QGuiApplication::font();
    schrift.setPointSize(auftrag->schriftGroesse > 0 ? auftrag->schriftGroesse : 10);
    Seitendrucker drucker(auftrag->html, bilder, schrift, Seitendrucker::MitAnwenderKopf);
    if (PdfAusgabe::schreibe(drucker, auftrag->ziel, auftrag->orientierung) == PdfAusgabe::Geschrieben)
        return true;
    *fehler = PdfAusgabe::fehlerText(auftrag->ziel);
    return false;
}
