#include "ui/numberedit.h"

#include "ui/combospinwgt.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {
// A click with a short pressed look; the click itself happens at once, so that a held key
// steps with the keyboard's own repeat.
void klicke(QToolButton* button, int ms)
{
    if (!button->isEnabled())
        return;
    button->setDown(true);
    QTimer::singleShot(ms, button, [button] { button->setDown(false); });
    button->click();
}
} // namespace

numberEdit::numberEdit(combospinWgt* owner) : QLineEdit(owner), m_owner(owner) {}

QSize numberEdit::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("999999.99")) + 10,
                 QLineEdit::sizeHint().height());
}

QSize numberEdit::minimumSizeHint() const
{
    return sizeHint();
}

void numberEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (m_owner->m_readOnly) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab)
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
        return;
    }
    switch (key) {
    case Qt::Key_Space:
        if (!m_owner->m_comboWerte.isEmpty()) {
            m_owner->m_comboButton->animateClick();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Up:
        if (m_owner->m_spinStep != 0.0)
            klicke(m_owner->m_upButton, 30);
        event->accept();
        return;
    case Qt::Key_Down:
        if (m_owner->m_spinStep != 0.0)
            klicke(m_owner->m_downButton, 30);
        event->accept();
        return;
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_F10:
        emit m_owner->FKeySignal(key);
        event->accept();
        return;
    case Qt::Key_Escape:
        m_owner->setWert(m_owner->m_resetWert);
        m_owner->listeVerbergen();
        emit m_owner->wertChanged(m_owner->m_wert);
        event->ignore();
        return;
    default:
        break;
    }
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    QLineEdit::keyPressEvent(event);
}

void numberEdit::wheelEvent(QWheelEvent* event)
{
    if (m_owner->m_readOnly || !hasFocus()) {
        event->ignore();
        return;
    }
    if (m_owner->m_spinStep != 0.0)
        (event->angleDelta().y() > 0 ? m_owner->m_upButton : m_owner->m_downButton)->click();
    event->accept();
}

void numberEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_owner->aktivieren();
    QLineEdit::mousePressEvent(event);
}

void numberEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    if (event->reason() == Qt::OtherFocusReason)
        m_owner->aktivieren();
}

void numberEdit::focusOutEvent(QFocusEvent* event)
{
    // The line edit's own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        m_owner->uebernehmen();
    QLineEdit::focusOutEvent(event);
}
