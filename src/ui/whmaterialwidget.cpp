#include "ui/whmaterialwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "reports/materialtabelle.h"
#include "reports/tabellenexport.h"
#include "ui/benannt.h"
#include "ui/dateidialog.h"
#include "ui/materialbaum.h"
#include "ui/materialitemdelegate.h"
#include "ui/messagebox.h"
#include "ui/whbestellungdlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

WHMaterialWidget::WHMaterialWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHMaterialWidget"));

    TextLabel1 = Benannt::neu<QLabel>(this, "TextLabel1");
    QFont titel = TextLabel1->font();
    titel.setBold(true);
    TextLabel1->setFont(titel);
    PBVorschlag = new QPushButton(this);
    PBVorschlag->setObjectName(QStringLiteral("PBVorschlag"));
    PBVorschlag->setIcon(QIcon(QStringLiteral(":/icons/icons/rechner.xpm")));
    PBBestellDlg = new QPushButton(this);
    PBBestellDlg->setObjectName(QStringLiteral("PBBestellDlg"));
    PBExport = new QPushButton(this);
    PBExport->setObjectName(QStringLiteral("PBExport"));
    PBAbgleich = new QPushButton(this);
    PBAbgleich->setObjectName(QStringLiteral("PBAbgleich"));

    treeWidget = MaterialBaum::neuerBaum(this);
    m_artikelBaum = std::make_unique<MaterialBaum>(treeWidget, MaterialBaum::Bedarf);

    TextLabel3 = Benannt::neu<QLabel>(this, "TextLabel3");
    LSumme = Benannt::neu<QLabel>(this, "LSumme");
    TextLabel2 = Benannt::neu<QLabel>(this, "TextLabel2");
    LMwst = Benannt::neu<QLabel>(this, "LMwst");
    TextLabel4 = Benannt::neu<QLabel>(this, "TextLabel4");
    LSummeMwst = Benannt::neu<QLabel>(this, "LSummeMwst");

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(TextLabel1);
    kopf->addStretch(1);
    kopf->addWidget(PBVorschlag);
    kopf->addWidget(PBBestellDlg);
    kopf->addWidget(PBExport);
    kopf->addWidget(PBAbgleich);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(treeWidget, 1);
    layout->addLayout(
        MaterialBaum::summenRaster(TextLabel3, LSumme, TextLabel2, LMwst, TextLabel4, LSummeMwst));

    connect(PBVorschlag, &QPushButton::clicked, this, &WHMaterialWidget::Vorschlag);
    connect(PBAbgleich, &QPushButton::clicked, this, &WHMaterialWidget::Abgleich);
    connect(PBBestellDlg, &QPushButton::clicked, this, &WHMaterialWidget::on_PBBestellDlg_clicked);
    connect(PBExport, &QPushButton::clicked, this, &WHMaterialWidget::exportieren);
    connect(treeWidget, &QTreeWidget::itemChanged, this, &WHMaterialWidget::on_treeWidget_itemChanged);
    connect(treeWidget, &QTreeWidget::currentItemChanged, this,
            &WHMaterialWidget::on_treeWidget_currentItemChanged);
    connect(treeWidget, &QTreeWidget::itemExpanded, this, &WHMaterialWidget::on_treeWidget_itemExpanded);
    connect(treeWidget, &QTreeWidget::itemCollapsed, this, &WHMaterialWidget::on_treeWidget_itemCollapsed);

    languageChange();
}

void WHMaterialWidget::languageChange()
{
    setWindowTitle(tr("Materialliste"));
    TextLabel1->setText(tr("Materialzusammenstellung für das Angebot"));
    PBVorschlag->setText(tr("Be&rechnen"));
    PBAbgleich->setText(tr("Hydraulischer &Abgleich"));
    PBBestellDlg->setText(tr("B&estellformular"));
    PBExport->setText(tr("E&xportieren..."));
    PBExport->setToolTip(tr("Materialliste als Tabelle exportieren"));
    TextLabel3->setText(tr("Summe"));
    TextLabel2->setText(tr("zzgl. Mwst"));
    TextLabel4->setText(tr("Summe incl. Mwst"));
    m_artikelBaum->kopfFuer(treeWidget->currentItem());
}

WHMaterialWidget::~WHMaterialWidget() = default;

void WHMaterialWidget::summenZeigen()
{
    MaterialBaum::summenZeigen(Kosten::materialListe(ArtikelListe::global(), Programm::mwstSatz()), LSumme,
                               LMwst, LSummeMwst);
}

void WHMaterialWidget::updateLVArtikel()
{
    bereit = false;
    m_artikelBaum->aktualisieren(aufbauen);
    summenZeigen();
    treeWidget->setFocus(Qt::OtherFocusReason);
    bereit = true;
}

void WHMaterialWidget::on_treeWidget_itemChanged(QTreeWidgetItem* item, int column)
{
    if (!bereit || column != MaterialItemDelegate::mengenSpalte || !item || item->text(0).isEmpty())
        return;
    const int pos = MaterialBaum::position(item);
    if (pos < 0)
        return;
    ArtikelListe& katalog = ArtikelListe::global();
    const float bedarf = katalog.setBedarf(katalog.at(pos), Zahl::toFloat(item->text(column)));
    item->setText(column, Zahl::kurz(bedarf));
    m_artikelBaum->gruppenSummeZeigen(item);
    summenZeigen();
}

void WHMaterialWidget::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    m_artikelBaum->kopfFuer(current);
}

void WHMaterialWidget::on_treeWidget_itemExpanded(QTreeWidgetItem* item)
{
    m_artikelBaum->ordnerZeigen(item, true);
}

void WHMaterialWidget::on_treeWidget_itemCollapsed(QTreeWidgetItem* item)
{
    m_artikelBaum->ordnerZeigen(item, false);
}

void WHMaterialWidget::on_PBBestellDlg_clicked()
{
    ArtikelListe::global().rundeBestellMengen();
    WHBestellungDlg dlg(this);
    dlg.updateLVArtikel();
    dlg.exec();
}

void WHMaterialWidget::showData(WHBaseData& record)
{
    auto& m = static_cast<MaterialData&>(record);
    m.zeigeImKatalog();
    updateLVArtikel();
    Pfade::setHelpPage(QStringLiteral("materialbedarf.html"));
}

int WHMaterialWidget::getData(WHBaseData& record)
{
    static_cast<MaterialData&>(record).uebernehmeAusKatalog();
    return 0;
}

bool WHMaterialWidget::isChanged(const WHBaseData& record) const
{
    return static_cast<const MaterialData&>(record).isChanged();
}

void WHMaterialWidget::exportieren()
{
    int art = 0;
    const QString datei = DateiDialog::speichernUnter(
        this, tr("Wandheizung: Materialliste exportieren als..."), Pfade::projekteDir(),
        {tr("XLSX-Arbeitsmappe (*.xlsx)"), tr("CSV, Semikolon (*.csv)")},
        {QStringLiteral("xlsx"), QStringLiteral("csv")}, tr("Exportieren"), art);
    if (datei.isEmpty())
        return;
    QString fehler;
    if (!TabellenExport::schreibe(MaterialTabelle::aus(ArtikelListe::global(), MaterialTabelle::Materialliste,
                                                       Programm::mwstSatz()),
                                  art == 0 ? TabellenExport::Xlsx : TabellenExport::Csv, datei, fehler))
        MessageBox::critical(this, tr("Fehler"), fehler);
}
