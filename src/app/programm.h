#pragma once

#include <QString>

// Program-wide values that no project stores: the version, the VAT rate edited on the
// other-costs page, and the stage of the current project mirrored for pages and window.
class Programm
{
public:
    static QString version() { return QStringLiteral("1.6"); }

    static float mwstSatz();
    static void setMwstSatz(float fraction);

    // 0 "Kostenschätzung", 1 "Ausführungsplanung".
    static int stand();
    static void setStand(int stand);

    static void reset();
};
