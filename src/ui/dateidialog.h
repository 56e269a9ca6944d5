#pragma once

#include <QString>

class QWidget;

// Every file dialog of the program goes through here. Tests queue the chosen file name with
// setNextAnswer() (an empty name stands for a cancelled dialog); a queued answer is taken
// instead of opening the dialog.
class DateiDialog
{
public:
    static QString oeffnen(QWidget* parent, const QString& titel, const QString& ordner,
                           const QString& filter);
    static QString speichern(QWidget* parent, const QString& titel, const QString& ordner,
                             const QString& filter);

    static void setNextAnswer(const QString& dateiName);
    static void leeren();
    // The titles, folders and filters of the dialogs asked for, for tests to check.
    static QStringList gefragt();
};
