#pragma once

#include <QObject>
#include <QPointer>

// Turns a horizontal drag over a watched widget into a step through the project: a release
// more than 3 pixels right of the press emits toRight(), more than 3 pixels left toLeft().
// Press and release on the watched objects themselves are consumed.
class mouseEventFilter : public QObject
{
    Q_OBJECT
public:
    explicit mouseEventFilter(QObject* parent = nullptr);

signals:
    void toLeft();
    void toRight();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> m_gedrueckt;
    int m_x = 0;
};
