#pragma once

#include <QLineEdit>

class combospinWgt;

// The text entry of a combospinWgt. It hands the keys, the wheel and the focus changes that
// drive the value list and the step buttons to its owner.
class numberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit numberEdit(combospinWgt* owner);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    combospinWgt* m_owner;
};
