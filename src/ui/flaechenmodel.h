#pragma once

#include "design/flaechentabelle.h"

#include <QAbstractTableModel>

// The item model of the surfaces table: the texts, editability and writes of the table's
// rules, with the icons, the alignment and the cell sizes of the view.
class FlaechenModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit FlaechenModel(QObject* parent = nullptr);

    FlaechenTabelle& tabelle() { return m_tabelle; }
    const FlaechenTabelle& tabelle() const { return m_tabelle; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The page operations; each tells the view what changed.
    void laden(const RaumData& raum);
    bool neueFlaeche(QString& meldung);
    bool loescheFlaeche(int zeile);
    void vorschlag();
    bool headerClicked(int section);
    void test4Changes(int system, float flaeche);
    void uebernimmZusammenstellung(int zeile, const QList<int>& anzahlen, double flaeche, int registerAnzahl);

signals:
    // Sum or difference of the surfaces may have changed.
    void summenGeaendert();

private:
    void melde(const FlaechenTabelle::Aenderung& aenderung);
    void neuAnzeigen();

    FlaechenTabelle m_tabelle;
};
