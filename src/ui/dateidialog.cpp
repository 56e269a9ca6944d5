#include "ui/dateidialog.h"

#include "app/pfade.h"
#include "ui/messagebox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {
QList<QPair<QString, QString>> g_antworten;
QStringList g_gefragt;

// The save dialog; gewaehlt receives the filter the user chose.
QString speicherDialog(QWidget* parent, const QString& titel, const QString& ordner, const QString& filter,
                       QString& gewaehlt)
{
    g_gefragt.append(titel + QLatin1Char('|') + ordner + QLatin1Char('|') + filter);
    if (!g_antworten.isEmpty()) {
        const auto antwort = g_antworten.takeFirst();
        gewaehlt = antwort.second;
        return antwort.first;
    }
    return QFileDialog::getSaveFileName(parent, titel, ordner, filter, &gewaehlt,
                                        QFileDialog::DontConfirmOverwrite);
}

// An existing file is replaced only when the user agrees.
bool ueberschreibenErlaubt(QWidget* parent, const QString& name, const QString& frageTitel)
{
    return !QFileInfo::exists(name) ||
           MessageBox::auswahl(parent, MessageBox::Information, frageTitel,
                               QObject::tr("%1 existiert bereits.\nSoll es überschrieben werden?").arg(name),
                               {QObject::tr("Ok"), QObject::tr("Abbruch")}, 0, 1) == 0;
}
} // namespace

QString DateiDialog::oeffnen(QWidget* parent, const QString& titel, const QString& ordner,
                             const QString& filter)
{
    g_gefragt.append(titel + QLatin1Char('|') + ordner + QLatin1Char('|') + filter);
    if (!g_antworten.isEmpty())
        return g_antworten.takeFirst().first;
    return QFileDialog::getOpenFileName(parent, titel, ordner, filter);
}

QString DateiDialog::speichern(QWidget* parent, const QString& titel, const QString& ordner,
                               const QString& filter)
{
    QString gewaehlt;
    return speicherDialog(parent, titel, ordner, filter, gewaehlt);
}

QString DateiDialog::speichernUnter(QWidget* parent, const QString& titel, const QString& ordner,
                                    const QString& filter, const QString& endung, const QString& frageTitel)
{
    const QString gewaehlt = speichern(parent, titel, ordner, filter);
    if (gewaehlt.isEmpty())
        return QString();
    const QString name = Pfade::mitEndung(gewaehlt, endung);
    return ueberschreibenErlaubt(parent, name, frageTitel) ? name : QString();
}

QString DateiDialog::speichernUnter(QWidget* parent, const QString& titel, const QString& ordner,
                                    const QStringList& filter, const QStringList& endungen,
                                    const QString& frageTitel, int& art)
{
    QString gewaehlterFilter;
    const QString gewaehlt =
        speicherDialog(parent, titel, ordner, filter.join(QStringLiteral(";;")), gewaehlterFilter);
    if (gewaehlt.isEmpty())
        return QString();
    art = endungen.indexOf(QFileInfo(gewaehlt).suffix());
    if (art < 0)
        art = std::max<int>(0, filter.indexOf(gewaehlterFilter));
    const QString name = Pfade::mitEndung(gewaehlt, endungen.value(art));
    return ueberschreibenErlaubt(parent, name, frageTitel) ? name : QString();
}

void DateiDialog::setNextAnswer(const QString& dateiName, const QString& filter)
{
    g_antworten.append({dateiName, filter});
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
