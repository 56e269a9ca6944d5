#include "model/whlistitem.h"

#include <algorithm>

WHListItem::WHListItem(std::unique_ptr<WHBaseData> record) : m_record(std::move(record)) {}

WHListItem::~WHListItem() = default;

WHListItem* WHListItem::child(int i) const
{
    return i >= 0 && i < childCount() ? m_children[static_cast<size_t>(i)].get() : nullptr;
}

int WHListItem::indexOf(const WHListItem* c) const
{
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i].get() == c)
            return static_cast<int>(i);
    }
    return -1;
}

WHListItem* WHListItem::nextSibling() const
{
    return m_parent ? m_parent->child(row() + 1) : nullptr;
}

WHListItem* WHListItem::insertChild(int pos, std::unique_ptr<WHListItem> c)
{
    pos = std::clamp(pos, 0, childCount());
    c->m_parent = this;
    WHListItem* raw = c.get();
    m_children.insert(m_children.begin() + pos, std::move(c));
    return raw;
}

std::unique_ptr<WHListItem> WHListItem::takeChild(int pos)
{
    if (pos < 0 || pos >= childCount())
        return nullptr;
    std::unique_ptr<WHListItem> c = std::move(m_children[static_cast<size_t>(pos)]);
    m_children.erase(m_children.begin() + pos);
    c->m_parent = nullptr;
    return c;
}
