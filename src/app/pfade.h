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

    // The catalogue the program and the batch tool read: the user's own, into which DATANORM
    // prices are taken, when there is one, else applDir + "data/artikel0608.txt".
    static QString artikelPath();
    static QString anwenderPath(); // userDir + "data/anwender.txt"
    static QString vorlagenDir();  // applDir + "ausdrucke/"
    static QString ausgabeDir();   // userDir + "ausdrucke/"
    static QString projekteDir();  // userDir + "projekte"
    static QString hilfeDir();     // applDir + "hilfe"
    // userDir + "data/artikel0608.txt".
    static QString benutzerArtikelPath();

    // Creates the user folder and its "projekte", "ausdrucke" and "data" where they are
    // missing (an installed program's first start on a new account). Returns an empty text
    // when all exist and are writable afterwards, otherwise the message naming the folder that
    // could not be created or written. Without a user folder (working folder) nothing is created.
    static QString legeBenutzerOrdnerAn();

    static QString helpPage();
    static void setHelpPage(const QString& page);

    // A file name chosen in a save dialog with its suffix: "." + endung is appended unless the
    // name's suffix is exactly endung (so "x.TXT" and "x.htm" get one too).
    static QString mitEndung(const QString& name, const QString& endung);

    // "~" at the start becomes the home folder; a non-empty result ends with one "/".
    static QString normalise(const QString& dir, const QString& home);

    static void reset();
};
