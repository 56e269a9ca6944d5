#include "ui/druckdialog.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

bool DruckDialog::drucke(QWidget* parent, const QTextDocument& dokument, Kopf, int orientierung,
                         int schriftGroesse)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (orientierung == 0)
        printer.setPageOrientation(QPageLayout::Landscape);
    else if (orientierung == 1)
        printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QTextDocument kopie;
    kopie.setHtml(dokument.toHtml());
    QFont schrift = kopie.defaultFont();
    schrift.setPointSize(schriftGroesse > 0 ? schriftGroesse : 10);
    kopie.setDefaultFont(schrift);
    kopie.print(&printer);
    return true;
}
