#include "model/projektbaum.h"

#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

ProjektBaum::ProjektBaum() = default;
ProjektBaum::~ProjektBaum() = default;

void ProjektBaum::clear()
{
    if (m_beobachter)
        m_beobachter->vorZuruecksetzen();
    m_root.reset();
    m_clipboard = nullptr;
    m_materialItem = nullptr;
    if (m_beobachter)
        m_beobachter->nachZuruecksetzen();
}

void ProjektBaum::newProjekt()
{
    clear();
    changed = false;
    WHListItem* root = setRoot(std::make_unique<ProjektData>());
    insert(root, 0, std::make_unique<SonstigData>());
    insert(root, 0, std::make_unique<GebaeudeData>());
}

WHListItem* ProjektBaum::gebaeudeItem() const
{
    WHListItem* item = m_root ? m_root->child(0) : nullptr;
    return item && item->type() == WHBaseData::TypGebaeude ? item : nullptr;
}

WHListItem* ProjektBaum::sonstigItem() const
{
    WHListItem* g = gebaeudeItem();
    WHListItem* item = g ? g->nextSibling() : nullptr;
    return item && item->type() == WHBaseData::TypSonstig ? item : nullptr;
}

WHListItem* ProjektBaum::materialListItem() const
{
    WHListItem* s = sonstigItem();
    WHListItem* item = s ? s->nextSibling() : nullptr;
    return item && item->type() == WHBaseData::TypMaterial ? item : nullptr;
}

ProjektData* ProjektBaum::projekt() const
{
    return m_root ? static_cast<ProjektData*>(m_root->record()) : nullptr;
}

GebaeudeData* ProjektBaum::gebaeude() const
{
    WHListItem* item = gebaeudeItem();
    return item ? static_cast<GebaeudeData*>(item->record()) : nullptr;
}

SonstigData* ProjektBaum::sonstig() const
{
    WHListItem* item = sonstigItem();
    return item ? static_cast<SonstigData*>(item->record()) : nullptr;
}

MaterialData* ProjektBaum::material() const
{
    WHListItem* item = materialListItem();
    return item ? static_cast<MaterialData*>(item->record()) : nullptr;
}

QList<WHListItem*> ProjektBaum::etagen() const
{
    QList<WHListItem*> result;
    if (WHListItem* g = gebaeudeItem()) {
        for (int i = 0; i < g->childCount(); ++i) {
            WHListItem* e = g->child(i);
            if (!e->cut && e->type() == WHBaseData::TypEtage)
                result.append(e);
        }
    }
    return result;
}

QList<WHListItem*> ProjektBaum::raeume(const WHListItem* etage) const
{
    QList<WHListItem*> result;
    for (int i = 0; etage && i < etage->childCount(); ++i) {
        WHListItem* r = etage->child(i);
        if (!r->cut && r->type() == WHBaseData::TypRaum)
            result.append(r);
    }
    return result;
}

void ProjektBaum::collect(WHListItem* item, QList<WHListItem*>& out) const
{
    out.append(item);
    for (int i = 0; i < item->childCount(); ++i)
        collect(item->child(i), out);
}

QList<WHListItem*> ProjektBaum::alle() const
{
    QList<WHListItem*> result;
    if (m_root)
        collect(m_root.get(), result);
    return result;
}

WHListItem* ProjektBaum::setRoot(std::unique_ptr<WHBaseData> projekt)
{
    if (m_beobachter)
        m_beobachter->vorEinfuegen(nullptr, 0);
    m_root = std::make_unique<WHListItem>(std::move(projekt));
    if (m_beobachter)
        m_beobachter->nachEinfuegen();
    return m_root.get();
}

WHListItem* ProjektBaum::insert(WHListItem* parent, int pos, std::unique_ptr<WHBaseData> record)
{
    pos = std::clamp(pos, 0, parent->childCount());
    if (m_beobachter)
        m_beobachter->vorEinfuegen(parent, pos);
    WHListItem* item = parent->insertChild(pos, std::make_unique<WHListItem>(std::move(record)));
    if (m_beobachter)
        m_beobachter->nachEinfuegen();
    return item;
}

void ProjektBaum::remove(WHListItem* item)
{
    if (!item)
        return;
    QList<WHListItem*> teilbaum;
    collect(item, teilbaum);
    if (teilbaum.contains(m_clipboard))
        m_clipboard = nullptr;
    if (teilbaum.contains(m_materialItem))
        m_materialItem = nullptr;
    if (item == m_root.get()) {
        clear();
        return;
    }
    WHListItem* parent = item->parent();
    const int row = item->row();
    if (m_beobachter)
        m_beobachter->vorEntfernen(parent, row);
    parent->takeChild(row);
    if (m_beobachter)
        m_beobachter->nachEntfernen();
}

void ProjektBaum::setHidden(WHListItem* item, bool hidden)
{
    item->setHidden(hidden);
    itemGeaendert(item);
}

void ProjektBaum::itemGeaendert(WHListItem* item)
{
    if (m_beobachter && item)
        m_beobachter->geaendert(item);
}
