#pragma once

#include <QString>

#include <xlsxwriter.h>

// libxlsxwriter, loaded the first time a workbook is written. The programs start without it
// and the libraries it pulls in (a compression and a cryptography library), which every
// command and every start would otherwise pay for. The entry points keep the library's names.
struct XlsxBibliothek
{
    decltype(&::workbook_new) workbook_new = nullptr;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
    decltype(&::workbook_add_format) workbook_add_format = nullptr;
    decltype(&::workbook_close) workbook_close = nullptr;
    decltype(&::format_set_bold) format_set_bold = nullptr;
    decltype(&::format_set_num_format) format_set_num_format = nullptr;
    decltype(&::worksheet_set_column) worksheet_set_column = nullptr;
    decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
    decltype(&::worksheet_write_number) worksheet_write_number = nullptr;
    decltype(&::worksheet_write_formula_num) worksheet_write_formula_num = nullptr;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes = nullptr;

    // The library with every entry point; null with the message in fehler when it cannot be
    // loaded. Loaded once per process.
    static const XlsxBibliothek* laden(QString& fehler);
};
