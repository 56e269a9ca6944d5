#include "ui/whbestellungdlg.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "material/bestellung.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "reports/bestellfax.h"
#include "reports/materialtabelle.h"
#include "reports/tabellenexport.h"
#include "ui/benannt.h"
#include "ui/dateidialog.h"
#include "ui/layoutsaver.h"
#include "ui/materialbaum.h"
#include "ui/materialitemdelegate.h"
#include "ui/messagebox.h"
#include "ui/whfaxdlg.h"
#include "ui/whhelpwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

WHBestellungDlg::WHBestellungDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WHBestellungDlg"));
    // Modal to the window that opened it only, so that the fax preview and the help window
    // stay usable while the form is open.
    setWindowModality(Qt::WindowModal);
    installEventFilter(new layoutSaver(this));
    resize(720, 560);

    TextLabel1 = Benannt::neu<QLabel>(this, "TextLabel1");
    QFont titel = TextLabel1->font();
    titel.setBold(true);
    TextLabel1->setFont(titel);
    treeWidget = MaterialBaum::neuerBaum(this);
    m_artikelBaum = std::make_unique<MaterialBaum>(treeWidget, MaterialBaum::Bestellmenge);

    TextLabel2 = Benannt::neu<QLabel>(this, "TextLabel2");
    LSumme = Benannt::neu<QLabel>(this, "LSumme");
    TextLabel3 = Benannt::neu<QLabel>(this, "TextLabel3");
    LMwst = Benannt::neu<QLabel>(this, "LMwst");
    TextLabel4 = Benannt::neu<QLabel>(this, "TextLabel4");
    LSummeMwst = Benannt::neu<QLabel>(this, "LSummeMwst");

    PBHilfe = Benannt::neu<QPushButton>(this, "PBHilfe");
    PBExport = Benannt::neu<QPushButton>(this, "PBExport");
    PBDrucken = Benannt::neu<QPushButton>(this, "PBDrucken");
    PBClose = Benannt::neu<QPushButton>(this, "PBClose");
    PBClose->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PBHilfe);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBExport);
    knoepfe->addWidget(PBDrucken);
    knoepfe->addWidget(PBClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextLabel1);
    layout->addWidget(treeWidget, 1);
    layout->addLayout(
        MaterialBaum::summenRaster(TextLabel2, LSumme, TextLabel3, LMwst, TextLabel4, LSummeMwst));
    layout->addLayout(knoepfe);

    connect(PBHilfe, &QPushButton::clicked, this, &WHBestellungDlg::help);
    connect(PBExport, &QPushButton::clicked, this, &WHBestellungDlg::exportieren);
    connect(PBDrucken, &QPushButton::clicked, this, &WHBestellungDlg::print);
    connect(PBClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(treeWidget, &QTreeWidget::itemChanged, this, &WHBestellungDlg::on_treeWidget_itemChanged);
    connect(treeWidget, &QTreeWidget::currentItemChanged, this,
            &WHBestellungDlg::on_treeWidget_currentItemChanged);
    connect(treeWidget, &QTreeWidget::itemExpanded, this, &WHBestellungDlg::on_treeWidget_itemExpanded);
    connect(treeWidget, &QTreeWidget::itemCollapsed, this, &WHBestellungDlg::on_treeWidget_itemCollapsed);

    languageChange();
}

WHBestellungDlg::~WHBestellungDlg() = default;

void WHBestellungDlg::languageChange()
{
    setWindowTitle(tr("Bestellformular"));
    TextLabel1->setText(tr("Materialzusammenstellung für die Bestellung"));
    TextLabel2->setText(tr("Summe (EUR)"));
    TextLabel3->setText(tr("zzgl. Mwst (EUR)"));
    TextLabel4->setText(tr("Summe incl. Mwst (EUR)"));
    PBHilfe->setText(tr("Hilfe"));
    PBExport->setText(tr("&Exportieren"));
    PBExport->setToolTip(tr("Bestellung als Textdatei oder Tabelle exportieren"));
    PBDrucken->setText(tr("&Fax erstellen"));
    PBDrucken->setToolTip(tr("Bestellfax vorbereiten"));
    PBClose->setText(tr("&Schließen"));
    m_artikelBaum->kopfFuer(treeWidget->currentItem());
}

void WHBestellungDlg::summenZeigen()
{
    MaterialBaum::summenZeigen(Kosten::bestellung(ArtikelListe::global(), Programm::mwstSatz()), LSumme,
                               LMwst, LSummeMwst);
}

void WHBestellungDlg::updateLVArtikel()
{
    bereit = false;
    m_artikelBaum->aktualisieren(aufbauen);
    summenZeigen();
    bereit = true;
}

void WHBestellungDlg::on_treeWidget_itemChanged(QTreeWidgetItem* item, int column)
{
    if (!bereit || column != MaterialItemDelegate::mengenSpalte || !item || item->text(0).isEmpty())
        return;
    const int pos = MaterialBaum::position(item);
    if (pos < 0)
        return;
    // Only whole packs are ordered: the cell shows what the order holds, so a quantity that
    // is no whole number (2.5, -3, a word) reads 0 at once rather than being dropped unseen.
    Artikel& artikel = ArtikelListe::global().at(pos);
    artikel.bestellMenge = Bestellung::mengeAusText(item->text(column));
    item->setText(column, m_artikelBaum->mengeText(artikel));
    m_artikelBaum->gruppenSummeZeigen(item);
    summenZeigen();
}

void WHBestellungDlg::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    m_artikelBaum->kopfFuer(current);
}

void WHBestellungDlg::on_treeWidget_itemExpanded(QTreeWidgetItem* item)
{
    m_artikelBaum->ordnerZeigen(item, true);
}

void WHBestellungDlg::on_treeWidget_itemCollapsed(QTreeWidgetItem* item)
{
    m_artikelBaum->ordnerZeigen(item, false);
}

void WHBestellungDlg::help()
{
    Pfade::setHelpPage(QStringLiteral("bestellung.html"));
    WHHelpWindow::oeffne(Pfade::helpPage());
}

void WHBestellungDlg::exportieren()
{
    int art = 0;
    const QString datei = DateiDialog::speichernUnter(
        this, tr("Wandheizung: Bestellung exportieren als..."), Pfade::projekteDir(),
        {tr("Textdatei (*.txt)"), tr("XLSX-Arbeitsmappe (*.xlsx)"), tr("CSV, Semikolon (*.csv)")},
        {QStringLiteral("txt"), QStringLiteral("xlsx"), QStringLiteral("csv")}, tr("Exportieren"), art);
    if (datei.isEmpty())
        return;
    const ArtikelListe& katalog = ArtikelListe::global();
    QString fehler;
    const bool ok =
        art == 0 ? Bestellung::exportieren(katalog, datei, fehler)
                 : TabellenExport::schreibe(
                       MaterialTabelle::aus(katalog, MaterialTabelle::Bestellung, Programm::mwstSatz()),
                       art == 1 ? TabellenExport::Xlsx : TabellenExport::Csv, datei, fehler);
    if (!ok)
        MessageBox::critical(this, tr("Fehler"), fehler);
}

void WHBestellungDlg::print()
{
    QString positionen;
    QString fehler;
    if (!Bestellfax::positionen(ArtikelListe::global(), positionen, fehler)) {
        MessageBox::critical(this, tr("Fehler"), fehler);
        return;
    }
    WHFaxDlg fax(this);
    fax.setBestellung(positionen, LSummeMwst->text());
    fax.exec();
}
