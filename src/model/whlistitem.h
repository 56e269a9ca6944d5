#pragma once

#include "model/whbasedata.h"

#include <memory>
#include <vector>

// A node of the project tree. It owns its record and its children; deleting an item deletes
// its record and its whole subtree.
class WHListItem
{
public:
    explicit WHListItem(std::unique_ptr<WHBaseData> record);
    ~WHListItem();
    WHListItem(const WHListItem&) = delete;
    WHListItem& operator=(const WHListItem&) = delete;

    WHBaseData* record() const { return m_record.get(); }
    int type() const { return m_record->type; }
    QString text() const { return m_record->name; }

    WHListItem* parent() const { return m_parent; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    WHListItem* child(int i) const;
    int indexOf(const WHListItem* child) const;
    int row() const { return m_parent ? m_parent->indexOf(this) : 0; }
    WHListItem* nextSibling() const;

    // Set while the item has been cut and not yet pasted; a cut item is hidden.
    bool cut = false;
    bool isHidden() const { return m_hidden || cut; }
    void setHidden(bool hidden) { m_hidden = hidden; }

    // Tree structure; the project tree calls these and tells its observer.
    WHListItem* insertChild(int pos, std::unique_ptr<WHListItem> child);
    std::unique_ptr<WHListItem> takeChild(int pos);

private:
    std::unique_ptr<WHBaseData> m_record;
    WHListItem* m_parent = nullptr;
    std::vector<std::unique_ptr<WHListItem>> m_children;
    bool m_hidden = false;
};
