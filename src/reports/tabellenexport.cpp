#include "reports/tabellenexport.h"

#include "app/zahl.h"
#include "app/zieldatei.h"
#include "reports/csvfeld.h"
#include "reports/materialtabelle.h"
#include "reports/xlsxbibliothek.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QString geld(qint64 cent)
{
    return Zahl::fest(static_cast<double>(cent) / 100.0, 2);
}

QString komma(QString zahl)
{
    return zahl.replace(QLatin1Char('.'), QLatin1Char(','));
}

// Excel's limit of characters in one cell.
constexpr int maxZellText = 32767;

QByteArray zellText(const QString& text)
{
    QString t = text.left(maxZellText);
    if (!t.isEmpty() && t.back().isHighSurrogate())
        t.chop(1);
    return t.toUtf8();
}

// A cell reference such as "F12" for a table row (row 0 of the table is sheet row 2).
QByteArray zelle(char spalte, int tabellenZeile)
{
    return QByteArray(1, spalte) + QByteArray::number(tabellenZeile + 2);
}

} // namespace

QByteArray TabellenExport::csv(const MaterialTabelle& tabelle)
{
    QStringList zeilen{MaterialTabelle::spalten().join(QLatin1Char(';'))};
    for (const MaterialTabelle::Zeile& z : tabelle.zeilen) {
        QStringList f(6);
        f[2] = CsvFeld::text(z.bezeichnung);
        if (z.art == MaterialTabelle::Artikel) {
            f[0] = QString::number(z.position);
            f[1] = CsvFeld::text(z.artNr);
            f[3] = komma(z.mengeText);
            f[4] = komma(geld(z.preisCent));
        }
        if (z.art != MaterialTabelle::Gruppe)
            f[5] = komma(geld(z.gesamtCent));
        zeilen.append(f.join(QLatin1Char(';')));
    }
    return QByteArray("\xEF\xBB\xBF") + zeilen.join(QStringLiteral("\r\n")).toUtf8() + QByteArray("\r\n");
}

bool TabellenExport::xlsx(const MaterialTabelle& tabelle, QByteArray& inhalt, QString& fehlerText)
{
    const XlsxBibliothek* x = XlsxBibliothek::laden(fehlerText);
    if (!x)
        return false;
    fehlerText = QStringLiteral("Die Arbeitsmappe konnte nicht erstellt werden.");
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return false;
    const QByteArray pfad = QFile::encodeName(ordner.filePath(QStringLiteral("mappe.xlsx")));
    lxw_workbook* mappe = x->workbook_new(pfad.constData());
    if (!mappe)
        return false;
    const QByteArray blattName = tabelle.blattName().toUtf8();
    lxw_worksheet* blatt = x->workbook_add_worksheet(mappe, blattName.constData());

    lxw_format* fett = x->workbook_add_format(mappe);
    x->format_set_bold(fett);
    lxw_format* betrag = x->workbook_add_format(mappe);
    x->format_set_num_format(betrag, "#,##0.00");
    lxw_format* betragFett = x->workbook_add_format(mappe);
    x->format_set_num_format(betragFett, "#,##0.00");
    x->format_set_bold(betragFett);

    const double breiten[6] = {6, 10, 50, 10, 12, 14};
    for (int s = 0; s < 6; ++s)
        x->worksheet_set_column(blatt, static_cast<lxw_col_t>(s), static_cast<lxw_col_t>(s), breiten[s],
                                nullptr);
    const QStringList spalten = MaterialTabelle::spalten();
    for (int s = 0; s < spalten.size(); ++s)
        x->worksheet_write_string(blatt, 0, static_cast<lxw_col_t>(s), spalten.at(s).toUtf8().constData(),
                                  fett);
    x->worksheet_freeze_panes(blatt, 1, 0);

    // The rate as the program holds it, so that a recalculated VAT keeps the shown cent.
    const QByteArray satz = QByteArray::number(static_cast<double>(tabelle.mwstSatz), 'g', 15);
    int summenZeile = -1;
    int mwstZeile = -1;
    bool ok = true;
    for (int i = 0; i < tabelle.zeilen.size(); ++i) {
        const MaterialTabelle::Zeile& z = tabelle.zeilen.at(i);
        const lxw_row_t r = static_cast<lxw_row_t>(i + 1);
        const bool summe = z.art != MaterialTabelle::Artikel;
        if (!z.bezeichnung.isEmpty())
            ok = x->worksheet_write_string(blatt, r, 2, zellText(z.bezeichnung).constData(),
                                           summe ? fett : nullptr) == LXW_NO_ERROR &&
                 ok;
        const double wert = static_cast<double>(z.gesamtCent) / 100.0;
        QByteArray formel;
        switch (z.art) {
        case MaterialTabelle::Gruppe:
            continue;
        case MaterialTabelle::Artikel:
            x->worksheet_write_number(blatt, r, 0, z.position, nullptr);
            x->worksheet_write_string(blatt, r, 1, z.artNr.toUtf8().constData(), nullptr);
            x->worksheet_write_number(blatt, r, 3, Zahl::toDouble(z.mengeText), nullptr);
            x->worksheet_write_number(blatt, r, 4, static_cast<double>(z.preisCent) / 100.0, betrag);
            // The line total as the program computes it from its single-precision figures, as
            // a number: a formula on the shown quantity and price could recompute a half cent
            // the other way (0.29 × 19.50).
            break;
        case MaterialTabelle::GruppenSumme:
            formel = "=SUM(" + zelle('F', z.erste) + ":" + zelle('F', z.letzte) + ")";
            break;
        case MaterialTabelle::Summe: {
            summenZeile = i;
            QByteArrayList teile;
            for (int j = z.erste; j >= 0 && j <= z.letzte; ++j) {
                if (tabelle.zeilen.at(j).art == MaterialTabelle::GruppenSumme)
                    teile.append(zelle('F', j));
            }
            if (!teile.isEmpty())
                formel = "=" + teile.join('+');
            break;
        }
        case MaterialTabelle::Mwst:
            mwstZeile = i;
            if (summenZeile >= 0)
                formel = "=ROUND(" + zelle('F', summenZeile) + "*" + satz + ",2)";
            break;
        case MaterialTabelle::SummeMwst:
            if (summenZeile >= 0 && mwstZeile >= 0)
                formel = "=" + zelle('F', summenZeile) + "+" + zelle('F', mwstZeile);
            break;
        }
        lxw_format* f = summe ? betragFett : betrag;
        if (formel.isEmpty())
            x->worksheet_write_number(blatt, r, 5, wert, f);
        else
            x->worksheet_write_formula_num(blatt, r, 5, formel.constData(), f, wert);
    }
    if (x->workbook_close(mappe) != LXW_NO_ERROR || !ok)
        return false;
    QFile datei(QFile::decodeName(pfad));
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    inhalt = datei.readAll();
    fehlerText.clear();
    return true;
}

bool TabellenExport::inhalt(const MaterialTabelle& tabelle, Format format, QByteArray& inhalt,
                            QString& fehlerText)
{
    if (format == Csv) {
        inhalt = csv(tabelle);
        return true;
    }
    return xlsx(tabelle, inhalt, fehlerText);
}

bool TabellenExport::schreibe(const MaterialTabelle& tabelle, Format format, const QString& pfad,
                              QString& fehlerText)
{
    QByteArray bytes;
    if (!inhalt(tabelle, format, bytes, fehlerText))
        return false;
    if (!ZielDatei::schreibeGanz(pfad, bytes)) {
        fehlerText = schreibFehler(pfad);
        return false;
    }
    return true;
}

QString TabellenExport::schreibFehler(const QString& pfad)
{
    return QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(pfad);
}
