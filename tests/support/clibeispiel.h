#pragma once

#include <QString>
#include <QStringList>

// What the batch-tool tests share: a small catalogue, a one-room project and a run of
// wandheizung-cli with its exit code and output.
class CliBeispiel
{
public:
    struct Lauf
    {
        int exitCode = -1; // -1 when the tool crashed or did not end
        QString out;
        QString err;
    };

    // Two groups (Rohre, Zubehör): the pipe 150010 in rolls of 200 m, a device 12345 that
    // the program does not compute, fittings, a manifold, a vent, a tool.
    static QString katalogText();

    // One floor "EG" with the room "Bad": two surfaces of 5 m² with 2 registers in one
    // circuit, 15 m and 18 m from the manifold. mitListe adds a material list with 5 rolls of
    // pipe and 2 devices entered by hand; fehlerhaft lets the surfaces cover only half the
    // room's need, so that the room check fails. Returns the file name.
    static QString speichereProjekt(const QString& datei, bool mitListe, bool fehlerhaft = false);

    // Runs the batch tool with the two folders and the arguments.
    static Lauf starte(const QString& applDir, const QString& userDir, const QStringList& args);
};
