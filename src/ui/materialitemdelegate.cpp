#include "ui/materialitemdelegate.h"

#include "app/zahl.h"
#include "ui/combospinwgt.h"

MaterialItemDelegate::MaterialItemDelegate(QObject* parent) : ZahlenDelegate(parent) {}

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
