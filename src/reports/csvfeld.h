#pragma once

#include <QString>

// A field of the program's CSV files (";" between fields): written as it is, or in quotes with
// its quotes doubled when it holds ";", a quote or a line break, so that names survive any
// spreadsheet program.
class CsvFeld
{
public:
    static void anhaengen(QString& text, const QString& feld);
    static QString text(const QString& feld);
};
