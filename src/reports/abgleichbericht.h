#pragma once

#include "design/abgleich.h"
#include "reports/berichtergebnis.h"

#include <QByteArray>
#include <QString>

class ProjektBaum;

// The outputs of the hydraulic balancing: the table as CSV for spreadsheets and the funding
// forms, and the printed document "Hydraulischer Abgleich" from its templates in "ausdrucke/".
class AbgleichBericht
{
public:
    // The table in the CSV form of the funding forms: UTF-8 with byte order mark, ";" between
    // fields, "\n" after each line, quoted where a field needs it, decimal comma, no grouping.
    static QByteArray csv(const Abgleich::Ergebnis& ergebnis);
    // The header line (without line end).
    static QString csvKopf();
    // Writes bytes atomically; false with the message naming the file when that fails.
    static bool schreibe(const QString& pfad, const QByteArray& inhalt, QString& fehlerText);

    // The document from a finished balancing. tabellenHinweis: the notice of a missing valve
    // table, printed under the design values.
    static BerichtErgebnis dokument(const Abgleich::Ergebnis& ergebnis, const ProjektBaum& baum,
                                    const QString& tabellenHinweis);

    // The program's run: settings and valve table as stored, the balancing, the document. A
    // failing room check or a malformed table ends it with the message.
    static BerichtErgebnis erstelle(const ProjektBaum& baum);
};
