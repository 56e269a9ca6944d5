#include "ui/flaechenmodelitemdelegate.h"

#include "app/kataloge.h"
#include "ui/combospinwgt.h"

#include <QSpinBox>

FlaechenModelItemDelegate::FlaechenModelItemDelegate(QObject* parent) : QItemDelegate(parent) {}

QWidget* FlaechenModelItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                 const QModelIndex& index) const
{
    switch (index.column()) {
    case 0: {
        auto* e = new combospinWgt(parent);
        e->setComboWerte(QStringLiteral("0.5:5:0.1;6:10:0.5"));
        e->setSpinStep(0.05);
        e->setMin(0.0);
        e->setMax(20.0);
        e->setMaxDecimals(3);
        e->emitOnEdit = false;
        connect(e, &combospinWgt::wertChanged, this, &FlaechenModelItemDelegate::valueChanged);
        connect(e, &combospinWgt::focusLost, this, &FlaechenModelItemDelegate::csbLostFocus);
        return e;
    }
    case 3: {
        auto* e = new combospinWgt(parent);
        e->setComboWerte(QStringLiteral("1:20:1"));
        e->setSpinStep(0.5);
        e->setMin(0.0);
        e->setMax(100.0);
        e->setMaxDecimals(1);
        e->emitOnEdit = false;
        connect(e, &combospinWgt::focusLost, this, &FlaechenModelItemDelegate::csbLostFocus);
        return e;
    }
    case 1:
    case 5: {
        auto* e = new QSpinBox(parent);
        // Circuits beyond the 15th do not exist: every per-circuit table of a room has 15 places.
        e->setRange(1, index.column() == 1 ? 10 : Kataloge::maxHeizkreise);
        connect(e, qOverload<int>(&QSpinBox::valueChanged), this, &FlaechenModelItemDelegate::valueChanged);
        return e;
    }
    default:
        return nullptr;
    }
}

void FlaechenModelItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant wert = index.data(Qt::EditRole);
    if (auto* e = qobject_cast<combospinWgt*>(editor)) {
        e->setWert(wert.toDouble());
    } else if (auto* s = qobject_cast<QSpinBox*>(editor)) {
        const QSignalBlocker blocker(s);
        s->setValue(wert.toInt());
    }
}

void FlaechenModelItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                             const QModelIndex& index) const
{
    if (auto* e = qobject_cast<combospinWgt*>(editor))
        model->setData(index, e->wert(), Qt::EditRole);
    else if (auto* s = qobject_cast<QSpinBox*>(editor))
        model->setData(index, s->value(), Qt::EditRole);
}

void FlaechenModelItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                     const QModelIndex&) const
{
    // A numeric input needs room for its buttons; it may reach over the next cell.
    QRect rect = option.rect;
    rect.setWidth(std::max(rect.width(), editor->minimumSizeHint().width()));
    editor->setGeometry(rect);
}

void FlaechenModelItemDelegate::valueChanged()
{
    if (auto* editor = qobject_cast<QWidget*>(sender()))
        emit commitData(editor);
}

void FlaechenModelItemDelegate::csbLostFocus()
{
    if (auto* editor = qobject_cast<QWidget*>(sender())) {
        emit commitData(editor);
        emit closeEditor(editor);
    }
}
