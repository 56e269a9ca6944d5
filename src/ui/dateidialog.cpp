#include "ui/dateidialog.h"

#include "app/pfade.h"
#include "ui/messagebox.h"

#include <QFileDialog>
#include <QFileInfo>
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

QString DateiDialog::speichernUnter(QWidget* parent, const QString& titel, const QString& ordner,
                                    const QString& filter, const QString& endung, const QString& frageTitel)
{
    const QString gewaehlt = speichern(parent, titel, ordner, filter);
    if (gewaehlt.isEmpty())
        return QString();
    const QString name = Pfade::mitEndung(gewaehlt, endung);
    if (QFileInfo::exists(name) &&
        MessageBox::auswahl(parent, MessageBox::Information, frageTitel,
                            QObject::tr("%1 existiert bereits.\nSoll es überschrieben werden?").arg(name),
                            {QObject::tr("Ok"), QObject::tr("Abbruch")}, 0, 1) != 0)
        return QString();
    return name;
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
