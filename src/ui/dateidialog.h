#pragma once

#include <QString>
#include <QStringList>

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

    // A save target: the save dialog, then the suffix rule of Pfade::mitEndung, then, for an
    // existing file, the question "%1 existiert bereits.\nSoll es überschrieben werden?" in an
    // information box titled frageTitel with "Ok" and "Abbruch". Empty when the dialog was
    // cancelled or the question declined.
    static QString speichernUnter(QWidget* parent, const QString& titel, const QString& ordner,
                                  const QString& filter, const QString& endung, const QString& frageTitel);

    // A save target among several kinds of file (filters and suffixes in the same order): the
    // kind whose suffix the chosen name carries exactly, else the kind of the filter chosen in
    // the dialog, whose suffix the name then gets; then the question for an existing file as
    // above. art is the kind's index. Empty when the dialog was cancelled or the question declined.
    static QString speichernUnter(QWidget* parent, const QString& titel, const QString& ordner,
                                  const QStringList& filter, const QStringList& endungen,
                                  const QString& frageTitel, int& art);

    // The filter queued with a name stands for the one chosen in the dialog (empty: the first).
    static void setNextAnswer(const QString& dateiName, const QString& filter = QString());
    static void leeren();
    // The titles, folders and filters of the dialogs asked for, for tests to check.
    static QStringList gefragt();
};
