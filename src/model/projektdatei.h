#pragma once

#include "model/ladeergebnis.h"

#include <QByteArray>
#include <QString>

class ProjektBaum;

// The project file (".bwh") and the load operation that also accepts heat-demand projects
// (".bwb") for import.
class ProjektDatei
{
public:
    // Loads a file by its first line: a project file, a heat-demand project to import, or a
    // rejected format. After a failed read the tree holds a new, empty, unchanged project.
    static LadeErgebnis laden(ProjektBaum& baum, const QString& dateiName);
    // The same on the bytes of a file already read; dateiName only names it in the messages.
    static LadeErgebnis lesen(ProjektBaum& baum, const QByteArray& bytes, const QString& dateiName);

    // The whole file text of the project. Deletes a cut clipboard item first.
    static QString text(ProjektBaum& baum);
    // Writes the project atomically: a failed or interrupted save leaves the old file intact.
    // Clears the changed flag on success; on failure fehlerText holds the message.
    static bool speichern(ProjektBaum& baum, const QString& dateiName, QString& fehlerText);
};
