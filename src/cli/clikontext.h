#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class MaterialTabelle;
class ProjektBaum;
class TextDatei;

// What every batch command shares: the output streams in the terminal's encoding, the
// catalogue, loading a project as the program's open operation does, the command's options.
class CliKontext
{
public:
    CliKontext();

    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }

    // Reads the catalogue as at start-up (the user's, else the installation's); on failure prints its
    // message and returns false (the caller ends with exit code 20).
    bool ladeKatalog();

    // Loads FILE like the program's open operation (project file or heat-demand import).
    // Prints the older-version notice or the failure message on stderr; true on success.
    bool ladeProjekt(const QString& datei, ProjektBaum& baum);

    // Writes text as a Windows-1252 file, atomically; prints the failure message on stderr.
    bool schreibeDatei(const QString& datei, const QString& text);
    // Commits a file written in pieces; prints the same failure message.
    bool schliesseDatei(TextDatei& datei, const QString& pfad);

    // Writes every file or none: each goes to a temporary file beside its target first, and the
    // targets are replaced only when all of them have been written in full. Prints the failure.
    bool schreibeAlle(const QList<QPair<QString, QByteArray>>& dateien);
    // Adds the spreadsheet files of the table that "--xlsx OUT" and "--csv OUT" name (an empty
    // name: none) to dateien; false after printing the message when one cannot be built.
    bool tabellen(const MaterialTabelle& tabelle, const QString& xlsxZiel, const QString& csvZiel,
                  QList<QPair<QString, QByteArray>>& dateien);

    // A message of the program for the terminal: HTML tags removed, "<br>" as a line break.
    static QString klartext(const QString& html);

    // Option parsing for a command's arguments: takes "-o VALUE" style options out of args.
    // Returns false (after printing the usage) when an option lacks its value.
    bool nimmOption(QStringList& args, const QString& name, QString& wert, bool& gefunden);
    bool nimmSchalter(QStringList& args, const QString& name);

    // Sets the VAT rate from a percentage ("--mwst"); false when it is no number from 0 to 100,
    // the range of the VAT field of the other-costs page.
    static bool setzeMwst(const QString& prozentText);

    // Prints the usage text on stderr; the caller ends with exit code 2.
    int benutzungsfehler(const QString& text);
    // The same for a command: "Aufruf: wandheizung-cli " and the command's usage BENUTZUNG.
    int aufrufFehler(const QString& benutzung);

    // True when the arguments left after the options are one file and no option.
    static bool nurDatei(const QStringList& args);

    // The catalogue first, as at start-up, since a project's material list grows to it, then
    // FILE: 0 when both are loaded, else the exit code to end with (exitKatalog, 1).
    int ladeMitKatalog(const QString& datei, ProjektBaum& baum);
    // The same for a command on one project file: ARGS must be that file alone (otherwise the
    // usage BENUTZUNG, exitBenutzung).
    int ladeEinProjekt(const QStringList& args, const QString& benutzung, ProjektBaum& baum);

    static int constexpr exitKatalog = 20;
    static int constexpr exitBenutzung = 2;

private:
    QTextStream m_out;
    QTextStream m_err;
};
