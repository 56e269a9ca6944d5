#include "ui/zahlendelegate.h"

#include <QWidget>

#include <algorithm>

namespace {
const char* const geschlossenMerker = "whEditorGeschlossen";
} // namespace

ZahlenDelegate::ZahlenDelegate(QObject* parent) : QItemDelegate(parent)
{
    // Connected before any view connects: an editor being closed (Return, Tab, Escape or its
    // own focus loss) loses the focus while the view closes it and reports once more; that
    // report must not reach the view again.
    connect(this, &QAbstractItemDelegate::closeEditor, this,
            [](QWidget* editor) { editor->setProperty(geschlossenMerker, true); });
}

bool ZahlenDelegate::geschlossen(const QWidget* editor)
{
    return editor->property(geschlossenMerker).toBool();
}

void ZahlenDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const
{
    QRect rect = option.rect;
    const int breite = std::max(rect.width(), editor->minimumSizeHint().width());
    const int rand = editor->parentWidget() ? editor->parentWidget()->width() : rect.left() + breite;
    if (rect.left() + breite > rand)
        rect.setLeft(std::max(0, rand - breite));
    rect.setWidth(breite);
    editor->setGeometry(rect);
}

void ZahlenDelegate::valueChanged()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (editor && !geschlossen(editor))
        emit commitData(editor);
}
