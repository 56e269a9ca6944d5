#pragma once

#include <QProgressDialog>

// The progress of a long print or PDF run: "Seite N von M" with "Abbrechen", shown only once
// the run takes longer than half a second. Between pages the window keeps handling events, so
// it stays responsive and the cancel button works.
class DruckFortschritt
{
public:
    DruckFortschritt(QWidget* parent, const QString& titel);

    // The page about to be painted (a page count of 0: the page the layout has reached);
    // false once the user has cancelled.
    bool operator()(int seite, int seiten);

private:
    QProgressDialog m_dialog;
};
