#include "app/einstellungen.h"
#include "app/pfade.h"
#include "cli/abgleichbefehl.h"
#include "cli/berichtbefehl.h"
#include "cli/bestellbefehl.h"
#include "cli/clikontext.h"
#include "cli/datanormbefehl.h"
#include "cli/gaebbefehl.h"
#include "cli/katalogbefehl.h"
#include "cli/konvertbefehl.h"
#include "cli/materialbefehl.h"
#include "cli/pdfmodul.h"
#include "cli/pruefbefehl.h"
#include "cli/zeigebefehl.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

#include <memory>

namespace {

struct Befehl
{
    const char* name;
    QString (*benutzung)();
    int (*ausfuehren)(CliKontext&, QStringList);
};

// The commands of the batch tool; each lives in a file pair of its own.
const Befehl befehle[] = {
    {"convert", &KonvertBefehl::benutzung, &KonvertBefehl::ausfuehren},
    {"show", &ZeigeBefehl::benutzung, &ZeigeBefehl::ausfuehren},
    {"catalogue", &KatalogBefehl::benutzung, &KatalogBefehl::ausfuehren},
    {"check", &PruefBefehl::benutzung, &PruefBefehl::ausfuehren},
    {"material", &MaterialBefehl::benutzung, &MaterialBefehl::ausfuehren},
    {"report", &BerichtBefehl::benutzung, &BerichtBefehl::ausfuehren},
    {"order", &BestellBefehl::benutzung, &BestellBefehl::ausfuehren},
    {"gaeb", &GaebBefehl::benutzung, &GaebBefehl::ausfuehren},
    {"datanorm", &DatanormBefehl::benutzung, &DatanormBefehl::ausfuehren},
    {"abgleich", &AbgleichBefehl::benutzung, &AbgleichBefehl::ausfuehren},
};

QString benutzungstext()
{
    QString text =
        QStringLiteral("Aufruf: wandheizung-cli [--appl-dir ORDNER] [--user-dir ORDNER] BEFEHL ARGUMENTE…\n\n"
                       "Befehle:\n");
    for (const Befehl& b : befehle)
        text += QStringLiteral("  ") + b.benutzung() + QLatin1Char('\n');
    text += QStringLiteral(
        "\nOhne --appl-dir und --user-dir kommen beide Ordner aus denselben Einstellungen wie "
        "im Programm.\n"
        "report --pdf und abgleich --pdf schreiben die Seiten, wie die Vorschau sie druckt (A4, Kopf aus "
        "den Anwenderdaten des Benutzerordners); ohne Anzeige läuft es auf der Plattform "
        "\"offscreen\".\n"
        "abgleich ohne -o, --pdf und --csv schreibt die Tabelle als CSV (UTF-8) auf stdout, "
        "Warnungen als Zeilen auf stderr.\n"
        "--xlsx und --csv schreiben die Liste als Tabelle (XLSX-Arbeitsmappe; CSV mit ';', "
        "Dezimalkomma, UTF-8).\n"
        "gaeb schreibt das Leistungsverzeichnis als GAEB DA XML 3.3: 83 Angebotsaufforderung, "
        "84 Angebotsabgabe, 82 Kostenanschlag.\n"
        "datanorm übernimmt Bezeichnungen und Preise aus DATANORM 4 (Codepage 850) und "
        "ändert nur deren Bytes; jede Zeile der Ausgabe ist tab-getrennt, die letzte die "
        "Summe.\n"
        "Exit-Codes: 0 erledigt, 1 Fehler (Meldung auf stderr), 2 falscher Aufruf, "
        "20 Artikelkatalog nicht lesbar.");
    return text;
}

// The tool's own messages go to stderr; Qt's note that a headless machine has no runtime folder
// for the offscreen platform is not one of them.
void qtMeldung(QtMsgType typ, const QMessageLogContext& kontext, const QString& text)
{
    if (typ == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(typ, kontext, text)));
}

// A command that writes PDF runs in the graphical application of the PDF module; every other
// command needs Qt Core alone, and starts without loading the graphics libraries.
std::unique_ptr<QCoreApplication> anwendung(int& argc, char** argv, QString& fehler)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!BerichtBefehl::brauchtGui(args))
        return std::make_unique<QCoreApplication>(argc, argv);
    return PdfModul::anwendung(argc, argv, fehler);
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(qtMeldung);
    QString modulFehler;
    const std::unique_ptr<QCoreApplication> app = anwendung(argc, argv, modulFehler);
    if (!app) {
        std::fprintf(stderr, "%s\n", qPrintable(modulFehler));
        return 1;
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Belvoro"));
    QCoreApplication::setApplicationName(QStringLiteral("wh"));
    CliKontext k;

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return k.benutzungsfehler(benutzungstext());
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        k.out() << benutzungstext() << Qt::endl;
        return 0;
    }

    QString applDir;
    QString userDir;
    bool mitAppl = false;
    bool mitUser = false;
    if (!k.nimmOption(args, QStringLiteral("--appl-dir"), applDir, mitAppl) ||
        !k.nimmOption(args, QStringLiteral("--user-dir"), userDir, mitUser) || args.isEmpty())
        return k.benutzungsfehler(benutzungstext());
    // The folders of the program's own settings, unless an option names them.
    Einstellungen::lesePfade();
    if (mitAppl)
        Pfade::setApplDir(Pfade::normalise(applDir, QDir::homePath()));
    if (mitUser)
        Pfade::setUserDir(Pfade::normalise(userDir, QDir::homePath()));

    // The user folder of a new account is created as the program does; a folder that cannot
    // be created is reported, and the command still runs (most write where they are told).
    const QString ordnerFehler = Pfade::legeBenutzerOrdnerAn();
    if (!ordnerFehler.isEmpty())
        k.err() << CliKontext::klartext(ordnerFehler) << Qt::endl;

    const QString name = args.takeFirst();
    for (const Befehl& b : befehle) {
        if (name == QLatin1String(b.name))
            return b.ausfuehren(k, args);
    }
    return k.benutzungsfehler(QStringLiteral("Unbekannter Befehl: ") + name + QStringLiteral("\n\n") +
                              benutzungstext());
}
