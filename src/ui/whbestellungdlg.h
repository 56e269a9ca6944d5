#pragma once

#include <QDialog>
#include <memory>

class MaterialBaum;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The order form: every catalogue article with the whole number of packs to order, grouped as
// on the material page, with the order value net and with VAT. The quantities are the
// catalogue's order quantities and stay there after the form closes. From here the order is
// exported as a text file or prepared as a fax.
class WHBestellungDlg : public QDialog
{
    Q_OBJECT
public:
    explicit WHBestellungDlg(QWidget* parent = nullptr);
    ~WHBestellungDlg() override;

    // Builds the tree at the first call, later rewrites the order quantities; then the sums.
    virtual void updateLVArtikel();

public slots:
    void languageChange();
    virtual void help();
    // The order as a tab-separated text file.
    virtual void exportieren();
    // The order fax: the position rows, then the fax dialog.
    virtual void print();
    void on_treeWidget_itemChanged(QTreeWidgetItem* item, int column);
    void on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_treeWidget_itemExpanded(QTreeWidgetItem* item);
    void on_treeWidget_itemCollapsed(QTreeWidgetItem* item);

private:
    void summenZeigen();

    QLabel* TextLabel1;
    QTreeWidget* treeWidget;
    QLabel* TextLabel2;
    QLabel* LSumme;
    QLabel* TextLabel3;
    QLabel* LMwst;
    QLabel* TextLabel4;
    QLabel* LSummeMwst;
    QPushButton* PBHilfe;
    QPushButton* PBExport;
    QPushButton* PBDrucken;
    QPushButton* PBClose;

    std::unique_ptr<MaterialBaum> m_artikelBaum;
    bool aufbauen = true;
    bool bereit = false;
};
