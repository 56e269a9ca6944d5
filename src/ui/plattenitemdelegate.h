#pragma once

#include <QItemDelegate>

// The editor of the register dialog's counts: a spin box from 0 to 30 that hands every change
// to the table at once.
class PlattenItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit PlattenItemDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

public slots:
    void valueChanged();
};
