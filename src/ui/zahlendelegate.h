#pragma once

#include <QItemDelegate>

// What the table delegates with numeric inputs share: an input reports each value it takes
// to the model at once, until the view has closed it, and it may be wider than its cell to
// have room for its buttons.
class ZahlenDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit ZahlenDelegate(QObject* parent = nullptr);

    // A numeric input needs room for its buttons: it may reach over the neighbouring cell, to
    // the left where the view ends.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

public slots:
    // Hands the value of the sending editor to the model, unless the view has closed it.
    void valueChanged();

protected:
    // True once the view has closed EDITOR (Return, Tab, Escape or its own focus loss).
    static bool geschlossen(const QWidget* editor);
};
