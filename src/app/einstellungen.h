#pragma once

#include <QString>

// The settings the program reads at start-up (it never writes them): its own installation
// and user folders, and the host application's folder with the "anwender.ini" from which
// the installer's address lines are taken over.
class Einstellungen
{
public:
    // Reads "Einstellungen/ApplDir" (system scope) and "Einstellungen/UserDir" (user scope)
    // of organisation "Belvoro", application "wh", each only when the key exists, and sets
    // the normalised folders in Pfade. An absent key leaves that folder as it is.
    static void lesePfade();

    // The folder value of a key, normalised ("~" expanded, one closing "/"); empty and
    // gefunden false when the key does not exist.
    static QString applDir(bool* gefunden = nullptr);
    static QString userDir(bool* gefunden = nullptr);

    // The host's "anwender.ini": its ini folder ("Einstellungen/WIniDir", default "ini",
    // relative to the host folder "Pfad") + "/anwender.ini".
    static QString anwenderIniPfad();
};
