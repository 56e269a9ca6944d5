#pragma once

#include <QObject>

// Remembers the size and position of the window it watches: installed as the window's event
// filter (and created with the window as parent), it restores the geometry stored under the
// window's object name when the window is shown and stores it when the window is hidden.
class layoutSaver : public QObject
{
    Q_OBJECT
public:
    explicit layoutSaver(QObject* parent = nullptr);

    // The settings key of a window's geometry.
    static QString schluessel(const QString& objektName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
