#pragma once

#include "model/whlistitem.h"

#include <QList>

class EtageData;
class GebaeudeData;
class MaterialData;
class ProjektData;
class RaumData;
class SonstigData;

// The project tree: project; building with floors and rooms; other costs; material list.
// It holds the one-item clipboard, the project's material item and the changed flag. Every
// structural change goes through it, so that an observer (the navigator's item model) can
// follow each edit.
class ProjektBaum
{
public:
    class Beobachter
    {
    public:
        virtual ~Beobachter() = default;
        virtual void vorEinfuegen(WHListItem* parent, int row) = 0;
        virtual void nachEinfuegen() = 0;
        virtual void vorEntfernen(WHListItem* parent, int row) = 0;
        virtual void nachEntfernen() = 0;
        virtual void vorZuruecksetzen() = 0;
        virtual void nachZuruecksetzen() = 0;
        // Text, icon or visibility of the item changed.
        virtual void geaendert(WHListItem* item) = 0;
    };

    ProjektBaum();
    ~ProjektBaum();
    ProjektBaum(const ProjektBaum&) = delete;
    ProjektBaum& operator=(const ProjektBaum&) = delete;

    void setBeobachter(Beobachter* beobachter) { m_beobachter = beobachter; }

    // A new project: project "Projekt" (today, stage 0), building "Gebäude", other costs
    // "Sonstige Kosten"; no floors, no material list; clipboard empty; not changed.
    void newProjekt();
    // Deletes a cut clipboard item, then every item; the clipboard becomes empty.
    void clear();

    WHListItem* root() const { return m_root.get(); }
    WHListItem* gebaeudeItem() const;
    WHListItem* sonstigItem() const;
    // The item behind the other costs when it holds a material list, else null.
    WHListItem* materialListItem() const;
    ProjektData* projekt() const;
    GebaeudeData* gebaeude() const;
    SonstigData* sonstig() const;
    MaterialData* material() const;

    // The floors of the building and the rooms of a floor, in tree order, without cut items.
    QList<WHListItem*> etagen() const;
    QList<WHListItem*> raeume(const WHListItem* etage) const;
    // Every item in pre-order, hidden ones included.
    QList<WHListItem*> alle() const;

    // Creates the root item for a project record (the tree must be empty).
    WHListItem* setRoot(std::unique_ptr<WHBaseData> projekt);
    // Inserts a record as child at position pos (clamped to the children) of parent.
    WHListItem* insert(WHListItem* parent, int pos, std::unique_ptr<WHBaseData> record);
    // Deletes the item with its record and subtree; the clipboard and the material item
    // forget it.
    void remove(WHListItem* item);
    void setHidden(WHListItem* item, bool hidden);
    // Tells the observer that the item's text or icon changed.
    void itemGeaendert(WHListItem* item);

    WHListItem* clipboard() const { return m_clipboard; }
    void setClipboard(WHListItem* item) { m_clipboard = item; }
    WHListItem* materialItem() const { return m_materialItem; }
    void setMaterialItem(WHListItem* item) { m_materialItem = item; }

    bool changed = false;

private:
    void collect(WHListItem* item, QList<WHListItem*>& out) const;

    std::unique_ptr<WHListItem> m_root;
    WHListItem* m_clipboard = nullptr;
    WHListItem* m_materialItem = nullptr;
    Beobachter* m_beobachter = nullptr;
};
