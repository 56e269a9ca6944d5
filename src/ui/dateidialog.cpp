#include "ui/dateidialog.h"

#include <QFileDialog>
#include <QStringList>

namespace {
QStringList g_antworten;
QStringList g_gefragt;
} // namespace

QString DateiDialog::oeffnen(QWidget* parent, const QString& titel, const QString& ordner,
                             const QString& filter)
{
    g_gefragt.append(titel + QLatin1Char('|') + ordner + QLatin1Char('|') + filter);
    if (!g_antworten.isEmpty())
        return g_antworten.takeFirst();
    return QFileDialog::getOpenFileName(parent, titel, ordner, filter);
}

QString DateiDialog::speichern(QWidget* parent, const QString& titel, const QString& ordner,
                               const QString& filter)
{
    g_gefragt.append(titel + QLatin1Char('|') + ordner + QLatin1Char('|') + filter);
    if (!g_antworten.isEmpty())
        return g_antworten.takeFirst();
    return QFileDialog::getSaveFileName(parent, titel, ordner, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void DateiDialog::setNextAnswer(const QString& dateiName)
{
    g_antworten.append(dateiName);
}

void DateiDialog::leeren()
{
    g_antworten.clear();
    g_gefragt.clear();
}

QStringList DateiDialog::gefragt()
{
    return g_gefragt;
}
