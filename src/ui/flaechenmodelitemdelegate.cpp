#include "ui/flaechenmodelitemdelegate.h"

#include "app/kataloge.h"
#include "app/zahl.h"
#include "design/flaechentabelle.h"
#include "ui/combospinwgt.h"

#include <QSpinBox>

namespace {
const char* const geschlossenMerker = "whEditorGeschlossen";

bool geschlossen(const QWidget* editor)
{
    return editor->property(geschlossenMerker).toBool();
}
} // namespace

FlaechenModelItemDelegate::FlaechenModelItemDelegate(QObject* parent) : QItemDelegate(parent)
{
    // Connected before any view connects: an editor being closed (Return, Tab, Escape or its
    // own focus loss) loses the focus while the view closes it and reports once more; that
    // report must not reach the view again.
    connect(this, &QAbstractItemDelegate::closeEditor, this,
            [](QWidget* editor) { editor->setProperty(geschlossenMerker, true); });
}

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

void FlaechenModelItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                     const QModelIndex&) const
{
    // A numeric input needs room for its buttons: it may reach over the neighbouring cell, to
    // the left where the view ends.
    QRect rect = option.rect;
    const int breite = std::max(rect.width(), editor->minimumSizeHint().width());
    const int rand = editor->parentWidget() ? editor->parentWidget()->width() : rect.left() + breite;
    if (rect.left() + breite > rand)
        rect.setLeft(std::max(0, rand - breite));
    rect.setWidth(breite);
    editor->setGeometry(rect);
}

void FlaechenModelItemDelegate::valueChanged()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (editor && !geschlossen(editor))
        emit commitData(editor);
}

void FlaechenModelItemDelegate::csbLostFocus()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (editor && !geschlossen(editor)) {
        emit commitData(editor);
        emit closeEditor(editor);
    }
}
