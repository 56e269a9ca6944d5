#pragma once

#include "model/projektbaum.h"

#include <QAbstractItemModel>
#include <QPixmap>

// The navigator's view of the project tree: one column, the record's name with the icon of
// its record type. The model watches the tree, so every structural edit of the core arrives
// through the model's own insert, remove and reset signals. Hidden and cut items stay rows of
// the model; the view hides them (isHidden()).
class ProjektBaumModel : public QAbstractItemModel, public ProjektBaum::Beobachter
{
    Q_OBJECT
public:
    explicit ProjektBaumModel(ProjektBaum& baum, QObject* parent = nullptr);
    ~ProjektBaumModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    WHListItem* item(const QModelIndex& index) const;
    QModelIndex indexOf(const WHListItem* item) const;

    // Tells the view that texts, icons or visibility of every item may have changed (after
    // a clipboard operation, whose marks can move from one item to another).
    void allesGeaendert();

    // The navigator icon of a record type, and the icon shown while the record is held by
    // the clipboard.
    static QPixmap pixmap(int typ);
    static QPixmap markedPixmap(int typ);

signals:
    // The visibility of an item may have changed: the view hides or shows its row.
    void sichtbarkeitGeaendert(const QModelIndex& index, bool versteckt);

private:
    void vorEinfuegen(WHListItem* parent, int row) override;
    void nachEinfuegen() override;
    void vorEntfernen(WHListItem* parent, int row) override;
    void nachEntfernen() override;
    void vorZuruecksetzen() override;
    void nachZuruecksetzen() override;
    void geaendert(WHListItem* item) override;

    void meldeTeilbaum(WHListItem* item);

    ProjektBaum& m_baum;
};
