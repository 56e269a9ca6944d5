#pragma once

#include <QStringList>

#include <memory>

class QTranslator;
class WHApplWindow;

// The program's start up to the event loop.
class ProgrammStart
{
public:
    // Exit code of a start without article catalogue.
    static constexpr int startFehler = 20;

    // Application names and style, the folders from the settings, the window (which reads the
    // catalogue and the user data), the address lines of the host's "anwender.ini", Qt's own
    // German texts, the user folder with its sub-folders where they are missing, and the
    // project named by the first argument after the program name.
    // Returns the window, not yet shown, or null when the catalogue could not be read.
    static std::unique_ptr<WHApplWindow> starte(const QStringList& argumente, QTranslator& uebersetzer);

    // Qt's own German texts for standard buttons and dialogs: "qt_de.qm" in the working
    // folder, else the translation that comes with Qt. The translator is installed when one
    // of them was found.
    static bool ladeUebersetzung(QTranslator& uebersetzer);
};
