#pragma once

#include <QString>

// The installation folder, the user's folder and the paths derived from them. Set once at
// start-up from the settings (or by the batch tool's options); the current help page changes
// with every page shown.
class Pfade
{
public:
    static QString applDir();
    static QString userDir();
    static void setApplDir(const QString& dir);
    static void setUserDir(const QString& dir);

    static QString artikelPath();  // applDir + "data/artikel0608.txt"
    static QString anwenderPath(); // userDir + "data/anwender.txt"
    static QString vorlagenDir();  // applDir + "ausdrucke/"
    static QString ausgabeDir();   // userDir + "ausdrucke/"
    static QString projekteDir();  // userDir + "projekte"
    static QString hilfeDir();     // applDir + "hilfe"

    static QString helpPage();
    static void setHelpPage(const QString& page);

    // "~" at the start becomes the home folder; a non-empty result ends with one "/".
    static QString normalise(const QString& dir, const QString& home);

    static void reset();
};
