#pragma once

#include <QByteArray>
#include <QString>

class MaterialTabelle;

// The material list or the order as a spreadsheet file. CSV for any spreadsheet program:
// UTF-8 with byte order mark, ";" between fields, CR LF line ends, a decimal comma, money with
// two decimals, quotes only around a field that needs them. XLSX workbook: one sheet, numbers
// as numbers, article numbers as text, money as "#,##0.00", the header row bold and frozen;
// the sums and the VAT are formulas that carry the figures the program shows and give them
// again when recalculated.
class TabellenExport
{
public:
    enum Format
    {
        Csv,
        Xlsx
    };

    static QByteArray csv(const MaterialTabelle& tabelle);
    // False with the message when the workbook could not be built.
    static bool xlsx(const MaterialTabelle& tabelle, QByteArray& inhalt, QString& fehlerText);
    static bool inhalt(const MaterialTabelle& tabelle, Format format, QByteArray& inhalt,
                       QString& fehlerText);

    // The file written atomically: a failed write leaves no file and an existing one as it was.
    static bool schreibe(const MaterialTabelle& tabelle, Format format, const QString& pfad,
                         QString& fehlerText);
    static QString schreibFehler(const QString& pfad);
};
