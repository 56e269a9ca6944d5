#pragma once

#include "model/projektbaum.h"

#include <QString>

#include <functional>

// The structural edits of the navigator on the project tree: new floors and rooms, copy,
// cut and paste of floors and rooms through the tree's one-item clipboard, pasting one
// room's data over another, and bringing the children of the building or a floor in line
// with a count typed on its page. Every change goes through the tree, so the navigator's
// model follows; showing records and opening items is the navigator's part.
class BaumBearbeitung
{
public:
    // The "Abfrage" question (buttons "Ja" default, "Nein"); true means "Ja".
    using Frage = std::function<bool(const QString& text)>;

    // On the building a new floor "Etage n", on a floor a new room "Raum n" as last child
    // (n = children + 1); nothing beyond 15 floors or 20 rooms or on other records.
    // True when an item was added.
    static bool neu(ProjektBaum& baum, WHListItem* aktuell);
    // Puts a floor or room on the clipboard as copied. True when it was put there.
    static bool copy(ProjektBaum& baum, WHListItem* aktuell);
    // Cuts a floor or room; returns the item to select next (next sibling, else parent), null
    // when nothing was cut.
    static WHListItem* cut(ProjektBaum& baum, WHListItem* aktuell);
    // Pastes a copy of the clipboard's floor or room onto or next to the current item.
    // True when something was pasted.
    static bool paste(ProjektBaum& baum, WHListItem* aktuell);
    // Replaces the current room's values by those of the clipboard's room. True when the
    // room changed.
    static bool pasteData(ProjektBaum& baum, WHListItem* aktuell);
    // Brings the children of a building or floor in line with a new count; returns the number
    // kept beyond it. The record's count is left at neu (at most 15 floors or 20 rooms); the
    // caller raises it by the result, so that it again equals the number of children.
    static int anzahlAnpassen(ProjektBaum& baum, WHListItem* eltern, int alt, int neu, const Frage& frage);
    // True when the item shows its marked icon (it is the copied clipboard item).
    static bool markiert(const ProjektBaum& baum, const WHListItem* item);
};
