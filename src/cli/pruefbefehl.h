#pragma once

#include <QStringList>

class CliKontext;

// "check FILE": the room checks of the material run over every room in navigator order.
// Exit 0 when all rooms pass; otherwise the first failing room's message on stderr, exit 1.
class PruefBefehl
{
public:
    static int ausfuehren(CliKontext& k, QStringList args);
    static QString benutzung() { return QStringLiteral("check FILE"); }
};
