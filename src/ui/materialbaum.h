#pragma once

#include <QCoreApplication>
#include <QVector>

class QGridLayout;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class Kosten;
struct Artikel;

// The article tree of the material page and of the order form: a row per named group with
// its sum, under it a row per article with number, description, price and quantity (the
// requirement on the material page, the order quantity on the order form). An article of no
// named group is listed under the last group; a catalogue without named groups lists its
// articles without group rows.
class MaterialBaum
{
    Q_DECLARE_TR_FUNCTIONS(MaterialBaum)
public:
    enum Menge
    {
        Bedarf,
        Bestellmenge
    };

    MaterialBaum(QTreeWidget* baum, Menge menge);

    // The tree "treeWidget" with four columns and the quantity editor.
    static QTreeWidget* neuerBaum(QWidget* parent);
    // The three sum rows under the tree (label and value each), the values right-aligned with
    // their first texts "100.00", "16.00" and "116.00".
    static QGridLayout* summenRaster(QLabel* summeText, QLabel* summe, QLabel* mwstText, QLabel* mwst,
                                     QLabel* summeMwstText, QLabel* summeMwst);

    // Builds the rows when aufbauen is true (and clears it), otherwise rewrites each article
    // row's description, price and quantity from the catalogue; then every group row is closed and shows its
    // sum, and the header names the columns of a group row.
    void aktualisieren(bool& aufbauen);
    // The group row above an article row shows its group's sum again.
    void gruppenSummeZeigen(QTreeWidgetItem* artikelZeile);
    // The header names the columns of the current row's kind.
    void kopfFuer(const QTreeWidgetItem* aktuell);
    // The open or closed folder of a group row.
    void ordnerZeigen(QTreeWidgetItem* item, bool offen);

    // The catalogue position of an article row, -1 for any other row or a position the
    // catalogue no longer has.
    static int position(const QTreeWidgetItem* item);
    // The quantity column as the page shows it.
    QString mengeText(const Artikel& artikel) const;
    // Net, VAT and gross in the three sum labels, with 2 decimals.
    static void summenZeigen(const Kosten& kosten, QLabel* summe, QLabel* mwst, QLabel* summeMwst);

private:
    void aufbauenZeilen();
    QTreeWidgetItem* neueArtikelZeile(int index);
    QString gruppenSumme(int gruppe) const;

    QTreeWidget* m_baum;
    Menge m_menge;
    // Group rows by group number; slot 0 holds none.
    QVector<QTreeWidgetItem*> gruppenItems;
    int m_zeilenHoehe = 22;
};
