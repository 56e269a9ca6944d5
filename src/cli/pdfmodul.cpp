#include "cli/pdfmodul.h"

#include "cli/pdf/pdfauftrag.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

QLibrary& modul()
{
    static QLibrary bibliothek;
    return bibliothek;
}

// Beside the tool (the build), then in the installation's library folder.
bool lade(QString& fehler)
{
    if (modul().isLoaded())
        return true;
    const QString programmOrdner = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QStringList orte = {programmOrdner + QStringLiteral("/wandheizung-pdf.so"),
                              programmOrdner + QStringLiteral("/" WH_PDF_MODUL_ORDNER "/wandheizung-pdf.so")};
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        modul().setFileName(ort);
        if (modul().load())
            return true;
        fehler = QStringLiteral("Die PDF-Ausgabe %1 konnte nicht geladen werden: %2")
                     .arg(ort, modul().errorString());
        return false;
    }
    fehler = QStringLiteral("Die PDF-Ausgabe wandheizung-pdf.so fehlt (gesucht in %1).")
                 .arg(orte.join(QStringLiteral(", ")));
    return false;
}

template <typename Funktion> Funktion funktion(const char* name, QString& fehler)
{
    if (!lade(fehler))
        return nullptr;
    const auto f = reinterpret_cast<Funktion>(modul().resolve(name));
    if (!f)
        fehler = QStringLiteral("Die PDF-Ausgabe %1 ist unvollständig (%2 fehlt).")
                     .arg(modul().fileName(), QLatin1String(name));
    return f;
}

} // namespace

std::unique_ptr<QCoreApplication> PdfModul::anwendung(int& argc, char** argv, QString& fehler)
{
    const auto f = funktion<PdfAnwendungFunktion>("wh_pdf_anwendung", fehler);
    return std::unique_ptr<QCoreApplication>(f ? f(&argc, argv) : nullptr);
}

bool PdfModul::schreibe(const PdfAuftrag& auftrag, QString& fehler)
{
    const auto f = funktion<PdfSchreibeFunktion>("wh_pdf_schreibe", fehler);
    return f && f(&auftrag, &fehler);
}
