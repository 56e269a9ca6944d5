#pragma once

#include <QString>
#include <QWidget>

// Widgets of a dialog are found by their object names (settings, tests, style sheets):
// every child widget is created with its name in one step.
class Benannt
{
public:
    template <class W> static W* neu(QWidget* parent, const char* name)
    {
        auto* w = new W(parent);
        w->setObjectName(QLatin1String(name));
        return w;
    }
};
