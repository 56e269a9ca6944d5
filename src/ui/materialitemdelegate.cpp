#include "ui/materialitemdelegate.h"

#include "app/zahl.h"
#include "ui/combospinwgt.h"

namespace {
const char* const geschlossenMerker = "whEditorGeschlossen";
} // namespace

MaterialItemDelegate::MaterialItemDelegate(QObject* parent) : QItemDelegate(parent)
{
    // Connected before the view connects: an editor closed by Return, Tab or Escape loses the
    // focus while the view closes it, and the value it then reports must not reach the view.
    connect(this, &QAbstractItemDelegate::closeEditor, this,
            [](QWidget* editor) { editor->setProperty(geschlossenMerker, true); });
}

QWidget* MaterialItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    if (index.column() != mengenSpalte)
        return nullptr;
    auto* editor = new combospinWgt(parent);
    editor->setEinheit(QString());
    editor->setComboWerte(QStringLiteral("1:20:1;25:100:5"));
    editor->setSpinStep(1.0);
    editor->setMin(0.0);
    editor->setMax(2000.0);
    editor->setMaxDecimals(2);
    editor->emitOnEdit = false;
    editor->installEventFilter(const_cast<MaterialItemDelegate*>(this));
    connect(editor, &combospinWgt::wertChanged, this, &MaterialItemDelegate::valueChanged);
    return editor;
}

void MaterialItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* e = qobject_cast<combospinWgt*>(editor))
        e->setWert(Zahl::toDouble(index.data(Qt::DisplayRole).toString()));
}

void MaterialItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    if (auto* e = qobject_cast<combospinWgt*>(editor))
        model->setData(index, e->wert(), Qt::EditRole);
}

void MaterialItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
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

void MaterialItemDelegate::valueChanged()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (editor && !editor->property(geschlossenMerker).toBool())
        emit commitData(editor);
}
