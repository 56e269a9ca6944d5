#pragma once

#include "ui/whseite.h"

#include <QWidget>

// A page of inputs that Return and Enter walk like Tab (Shift+Return backwards); every
// other key goes on to the parent as usual.
class EingabeSeite : public QWidget, public WHSeite
{
    Q_OBJECT
public:
    explicit EingabeSeite(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
