#include "ui/whseite.h"

#include <QKeyEvent>

int WHSeite::fokusRichtung(const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return 0;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::ShiftModifier ? -1 : 1;
}
