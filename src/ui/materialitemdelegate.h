#pragma once

#include "ui/zahlendelegate.h"

// The editor of the material list's quantities: a numeric input in the "Menge" column that
// hands each committed value to the tree at once. The other columns are not edited.
class MaterialItemDelegate : public ZahlenDelegate
{
    Q_OBJECT
public:
    explicit MaterialItemDelegate(QObject* parent = nullptr);

    static constexpr int mengenSpalte = 3;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
