#include "ui/projektbaummodel.h"

#include "model/baumbearbeitung.h"
#include "model/whbasedata.h"
#include "ui/baumsymbole.h"

#include <QHash>

namespace {
QPixmap symbol(int typ, bool markiert)
{
    static QHash<int, QPixmap> cache;
    const int schluessel = typ * 2 + (markiert ? 1 : 0);
    auto it = cache.constFind(schluessel);
    if (it != cache.constEnd())
        return *it;
    const char* const* daten = BaumSymbole::daten(typ, markiert);
    const QPixmap pixmap = daten ? QPixmap(daten) : QPixmap();
    cache.insert(schluessel, pixmap);
    return pixmap;
}
} // namespace

ProjektBaumModel::ProjektBaumModel(ProjektBaum& baum, QObject* parent)
    : QAbstractItemModel(parent), m_baum(baum)
{
    m_baum.setBeobachter(this);
}

ProjektBaumModel::~ProjektBaumModel()
{
    m_baum.setBeobachter(nullptr);
}

QPixmap ProjektBaumModel::pixmap(int typ)
{
    return symbol(typ, false);
}

QPixmap ProjektBaumModel::markedPixmap(int typ)
{
    return symbol(typ, true);
}

WHListItem* ProjektBaumModel::item(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<WHListItem*>(index.internalPointer()) : nullptr;
}

QModelIndex ProjektBaumModel::indexOf(const WHListItem* item) const
{
    if (!item)
        return QModelIndex();
    return createIndex(item->row(), 0, const_cast<WHListItem*>(item));
}

QModelIndex ProjektBaumModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return QModelIndex();
    if (!parent.isValid())
        return row == 0 && m_baum.root() ? createIndex(0, 0, m_baum.root()) : QModelIndex();
    WHListItem* kind = item(parent)->child(row);
    return kind ? createIndex(row, 0, kind) : QModelIndex();
}

QModelIndex ProjektBaumModel::parent(const QModelIndex& child) const
{
    WHListItem* kind = item(child);
    return kind ? indexOf(kind->parent()) : QModelIndex();
}

int ProjektBaumModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_baum.root() ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return item(parent)->childCount();
}

int ProjektBaumModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ProjektBaumModel::data(const QModelIndex& index, int role) const
{
    WHListItem* eintrag = item(index);
    if (!eintrag)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return eintrag->text();
    case Qt::DecorationRole:
        return symbol(eintrag->type(), BaumBearbeitung::markiert(m_baum, eintrag));
    default:
        return QVariant();
    }
}

QVariant ProjektBaumModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Projekt Navigator");
    return QVariant();
}

Qt::ItemFlags ProjektBaumModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ProjektBaumModel::vorEinfuegen(WHListItem* parent, int row)
{
    beginInsertRows(indexOf(parent), row, row);
}

void ProjektBaumModel::nachEinfuegen()
{
    endInsertRows();
}

void ProjektBaumModel::vorEntfernen(WHListItem* parent, int row)
{
    beginRemoveRows(indexOf(parent), row, row);
}

void ProjektBaumModel::nachEntfernen()
{
    endRemoveRows();
}

void ProjektBaumModel::vorZuruecksetzen()
{
    beginResetModel();
}

void ProjektBaumModel::nachZuruecksetzen()
{
    endResetModel();
}

void ProjektBaumModel::geaendert(WHListItem* eintrag)
{
    const QModelIndex index = indexOf(eintrag);
    emit dataChanged(index, index);
    emit sichtbarkeitGeaendert(index, eintrag->isHidden());
}

void ProjektBaumModel::meldeTeilbaum(WHListItem* eintrag)
{
    geaendert(eintrag);
    for (int i = 0; i < eintrag->childCount(); ++i)
        meldeTeilbaum(eintrag->child(i));
}

void ProjektBaumModel::allesGeaendert()
{
    if (m_baum.root())
        meldeTeilbaum(m_baum.root());
}
