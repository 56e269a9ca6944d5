#include "druck/pdfausgabe.h"

#include "app/programm.h"
#include "app/zieldatei.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

PdfAusgabe::Ergebnis PdfAusgabe::schreibe(Seitendrucker& drucker, const QString& ziel, int orientierung,
                                          const Seitendrucker::Fortschritt& fortschritt)
{
    ZielDatei datei(ziel);
    if (!datei.oeffne(QIODevice::WriteOnly))
        return Fehler;
    bool abgebrochen = false;
    const Seitendrucker::Fortschritt weiter = [&](int seite, int seiten) {
        abgebrochen = fortschritt && !fortschritt(seite, seiten);
        return !abgebrochen;
    };
    bool geschrieben = false;
    {
        QPdfWriter pdf(&datei.geraet());
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      orientierung == 0 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(drucker.titel());
        pdf.setCreator(QStringLiteral("Wandheizung ") + Programm::version());
        geschrieben = drucker.drucke(pdf, weiter);
    }
    // Not closed, the temporary file goes and the old file stays.
    if (!geschrieben)
        return abgebrochen ? Abgebrochen : Fehler;
    return datei.schliesse() ? Geschrieben : Fehler;
}

QString PdfAusgabe::fehlerText(const QString& ziel)
{
    return QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(ziel);
}
