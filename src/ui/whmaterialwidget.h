#pragma once

#include "ui/whseite.h"

#include <QWidget>
#include <memory>

class MaterialBaum;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The material list: every catalogue article under its group with price and requirement,
// the sums per group and in total, net and with VAT. The requirement is computed by
// "Be&rechnen" and can be overwritten per article; the page edits the catalogue's working
// copy (bedarf) of the project's material record.
class WHMaterialWidget : public QWidget, public WHSeite
{
    Q_OBJECT
public:
    explicit WHMaterialWidget(QWidget* parent = nullptr);
    ~WHMaterialWidget() override;

    void showData(WHBaseData& record) override;
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;

    // Builds the tree at the first call, later rewrites the requirements; then the sums.
    virtual void updateLVArtikel();

signals:
    // "Be&rechnen": the central widget runs the material computation.
    void Vorschlag();
    // "Hydraulischer &Abgleich": the central widget opens the balancing dialog.
    void Abgleich();

public slots:
    void languageChange();
    void on_treeWidget_itemChanged(QTreeWidgetItem* item, int column);
    void on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_treeWidget_itemExpanded(QTreeWidgetItem* item);
    void on_treeWidget_itemCollapsed(QTreeWidgetItem* item);
    // "B&estellformular": the requirement rounded to whole packs in the order form.
    void on_PBBestellDlg_clicked();
    // "E&xportieren...": the material list as XLSX workbook or CSV file.
    void exportieren();

private:
    void summenZeigen();

    QLabel* TextLabel1;
    QPushButton* PBVorschlag;
    QPushButton* PBBestellDlg;
    QPushButton* PBExport;
    QPushButton* PBAbgleich;
    QTreeWidget* treeWidget;
    QLabel* TextLabel3;
    QLabel* LSumme;
    QLabel* TextLabel2;
    QLabel* LMwst;
    QLabel* TextLabel4;
    QLabel* LSummeMwst;

    std::unique_ptr<MaterialBaum> m_artikelBaum;
    bool aufbauen = true;
    bool bereit = false;
};
