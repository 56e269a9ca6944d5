#include "ui/mouseeventfilter.h"

#include <QEvent>
#include <QMouseEvent>

mouseEventFilter::mouseEventFilter(QObject* parent) : QObject(parent) {}

bool mouseEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_gedrueckt = watched;
        m_x = qRound(static_cast<QMouseEvent*>(event)->globalPosition().x());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (m_gedrueckt.isNull() || m_gedrueckt.data() != watched) {
            m_gedrueckt = nullptr;
            return false;
        }
        m_gedrueckt = nullptr;
        const int dx = qRound(static_cast<QMouseEvent*>(event)->globalPosition().x()) - m_x;
        if (dx > 3)
            emit toRight();
        else if (dx < -3)
            emit toLeft();
        return true;
    }
    return false;
}
