#include "ui/flaechenmodelitemdelegate.h"

#include "app/kataloge.h"
#include "app/zahl.h"
#include "design/flaechentabelle.h"
#include "ui/combospinwgt.h"

#include <QSpinBox>

FlaechenModelItemDelegate::FlaechenModelItemDelegate(QObject* parent) : ZahlenDelegate(parent) {}

QWidget* FlaechenModelItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                 const QModelIndex& index) const
{
    const FlaechenTabelle::Editor art = FlaechenTabelle::editor(index.column());
    if (art.art == FlaechenTabelle::Editor::Zahleneingabe) {
        auto* e = new combospinWgt(parent);
        e->setComboWerte(art.stufen);
        e->setSpinStep(art.schritt);
        e->setMin(art.minimum);
        e->setMax(art.maximum);
        e->setMaxDecimals(art.dezimalen);
        e->emitOnEdit = false;
        // The area reaches the model with every value the input reports (sums and circuits
        // follow at once); the distance when the input is left.
        if (index.column() == FlaechenTabelle::SpalteFlaeche)
            connect(e, &combospinWgt::wertChanged, this, &FlaechenModelItemDelegate::valueChanged);
        connect(e, &combospinWgt::focusLost, this, &FlaechenModelItemDelegate::csbLostFocus);
        return e;
    }
    if (art.art == FlaechenTabelle::Editor::Zaehler) {
        auto* e = new QSpinBox(parent);
        int maximum = Zahl::ganz(art.maximum);
        // Circuits beyond the 15th do not exist: every per-circuit table of a room has 15 places.
        if (index.column() == FlaechenTabelle::SpalteHeizkreis)
            maximum = std::min(maximum, Kataloge::maxHeizkreise);
        e->setRange(Zahl::ganz(art.minimum), maximum);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(e, qOverload<int>(&QSpinBox::valueChanged), this, &FlaechenModelItemDelegate::valueChanged);
        return e;
    }
    return nullptr;
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

void FlaechenModelItemDelegate::csbLostFocus()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (editor && !geschlossen(editor)) {
        emit commitData(editor);
        emit closeEditor(editor);
    }
}
