#include "ui/plattenitemdelegate.h"

#include "app/zahl.h"

#include <QSpinBox>

PlattenItemDelegate::PlattenItemDelegate(QObject* parent) : QItemDelegate(parent) {}

QWidget* PlattenItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex&) const
{
    auto* e = new QSpinBox(parent);
    e->setRange(0, 30);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(e, qOverload<int>(&QSpinBox::valueChanged), this, &PlattenItemDelegate::valueChanged);
    return e;
}

void PlattenItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* s = qobject_cast<QSpinBox*>(editor)) {
        const QSignalBlocker blocker(s);
        s->setValue(Zahl::toInt(index.data(Qt::DisplayRole).toString()));
    }
}

void PlattenItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    if (auto* s = qobject_cast<QSpinBox*>(editor))
        model->setData(index, QString::number(s->value()), Qt::EditRole);
}

void PlattenItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

void PlattenItemDelegate::valueChanged()
{
    if (auto* editor = qobject_cast<QWidget*>(sender()))
        emit commitData(editor);
}
