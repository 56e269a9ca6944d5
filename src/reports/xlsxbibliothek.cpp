#include "reports/xlsxbibliothek.h"

#include <QLibrary>

namespace {

template <typename Funktion> bool hole(QLibrary& bibliothek, Funktion& ziel, const char* name)
{
    ziel = reinterpret_cast<Funktion>(bibliothek.resolve(name));
    return ziel != nullptr;
}

bool ladeEinmal(XlsxBibliothek& x, QString& fehler)
{
    static QLibrary bibliothek(QStringLiteral(WH_XLSX_BIBLIOTHEK));
    if (!bibliothek.load()) {
        fehler = QStringLiteral("XLSX-Arbeitsmappen brauchen die Bibliothek %1: %2")
                     .arg(QStringLiteral(WH_XLSX_BIBLIOTHEK), bibliothek.errorString());
        return false;
    }
    const bool alle = hole(bibliothek, x.workbook_new, "workbook_new") &&
                      hole(bibliothek, x.workbook_add_worksheet, "workbook_add_worksheet") &&
                      hole(bibliothek, x.workbook_add_format, "workbook_add_format") &&
                      hole(bibliothek, x.workbook_close, "workbook_close") &&
                      hole(bibliothek, x.format_set_bold, "format_set_bold") &&
                      hole(bibliothek, x.format_set_num_format, "format_set_num_format") &&
                      hole(bibliothek, x.worksheet_set_column, "worksheet_set_column") &&
                      hole(bibliothek, x.worksheet_write_string, "worksheet_write_string") &&
                      hole(bibliothek, x.worksheet_write_number, "worksheet_write_number") &&
                      hole(bibliothek, x.worksheet_write_formula_num, "worksheet_write_formula_num") &&
                      hole(bibliothek, x.worksheet_freeze_panes, "worksheet_freeze_panes");
    if (!alle)
        fehler = QStringLiteral("Die Bibliothek %1 ist unvollständig.").arg(bibliothek.fileName());
    return alle;
}

} // namespace

const XlsxBibliothek* XlsxBibliothek::laden(QString& fehler)
{
    static XlsxBibliothek x;
    static QString meldung;
    static const bool geladen = ladeEinmal(x, meldung);
    if (!geladen) {
        fehler = meldung;
        return nullptr;
    }
    return &x;
}
