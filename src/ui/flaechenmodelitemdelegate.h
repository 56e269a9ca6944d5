#pragma once

#include "ui/zahlendelegate.h"

// The editors of the surfaces table: numeric inputs for area and distance, spin boxes for
// the register count and the circuit. Every value an editor reports reaches the model at once;
// an input that loses the focus is committed and closed.
class FlaechenModelItemDelegate : public ZahlenDelegate
{
    Q_OBJECT
public:
    explicit FlaechenModelItemDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

public slots:
    void csbLostFocus();
};
