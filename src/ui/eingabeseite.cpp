#include "ui/eingabeseite.h"

#include <QKeyEvent>

EingabeSeite::EingabeSeite(QWidget* parent) : QWidget(parent) {}

void EingabeSeite::keyPressEvent(QKeyEvent* event)
{
    const int richtung = fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
