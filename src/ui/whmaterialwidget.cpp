#include "ui/whmaterialwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "material/artikelliste.h"
#include "material/kosten.h"
#include "model/materialdata.h"
#include "ui/materialitemdelegate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Column 0 of an article row carries the article's catalogue position, column 0 of a group
// row its group number.
constexpr int PositionRolle = Qt::UserRole;
constexpr int GruppenRolle = Qt::UserRole + 1;
constexpr Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;

QLabel* neuesLabel(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}
} // namespace

WHMaterialWidget::WHMaterialWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHMaterialWidget"));

    TextLabel1 = neuesLabel(this, "TextLabel1");
    QFont titel = TextLabel1->font();
    titel.setBold(true);
    TextLabel1->setFont(titel);
    PBVorschlag = new QPushButton(this);
    PBVorschlag->setObjectName(QStringLiteral("PBVorschlag"));
    PBVorschlag->setIcon(QIcon(QStringLiteral(":/icons/icons/rechner.xpm")));
    PBBestellDlg = new QPushButton(this);
    PBBestellDlg->setObjectName(QStringLiteral("PBBestellDlg"));
    // The order form is not part of this program version yet.
    PBBestellDlg->setEnabled(false);

    treeWidget = new QTreeWidget(this);
    treeWidget->setObjectName(QStringLiteral("treeWidget"));
    treeWidget->setColumnCount(4);
    treeWidget->setItemDelegate(new MaterialItemDelegate(treeWidget));
    treeWidget->setAlternatingRowColors(true);
    m_zeilenHoehe = std::max(22, QLineEdit().sizeHint().height());

    TextLabel3 = neuesLabel(this, "TextLabel3");
    LSumme = neuesLabel(this, "LSumme");
    TextLabel2 = neuesLabel(this, "TextLabel2");
    LMwst = neuesLabel(this, "LMwst");
    TextLabel4 = neuesLabel(this, "TextLabel4");
    LSummeMwst = neuesLabel(this, "LSummeMwst");
    LSumme->setText(QStringLiteral("100.00"));
    LMwst->setText(QStringLiteral("16.00"));
    LSummeMwst->setText(QStringLiteral("116.00"));
    for (QLabel* l : {LSumme, LMwst, LSummeMwst})
        l->setAlignment(rechts);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(TextLabel1);
    kopf->addStretch(1);
    kopf->addWidget(PBVorschlag);
    kopf->addWidget(PBBestellDlg);

    auto* summen = new QGridLayout;
    summen->setColumnStretch(0, 1);
    summen->addWidget(TextLabel3, 0, 1);
    summen->addWidget(LSumme, 0, 2);
    summen->addWidget(TextLabel2, 1, 1);
    summen->addWidget(LMwst, 1, 2);
    summen->addWidget(TextLabel4, 2, 1);
    summen->addWidget(LSummeMwst, 2, 2);
    summen->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 10);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(treeWidget, 1);
    layout->addLayout(summen);

    connect(PBVorschlag, &QPushButton::clicked, this, &WHMaterialWidget::Vorschlag);
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
    PBBestellDlg->setText(tr("B&estellformular"));
    TextLabel3->setText(tr("Summe"));
    TextLabel2->setText(tr("zzgl. Mwst"));
    TextLabel4->setText(tr("Summe incl. Mwst"));
    QTreeWidgetItem* aktuell = treeWidget->currentItem();
    if (aktuell && istArtikelZeile(aktuell))
        kopfFuerArtikel();
    else
        kopfFuerGruppe();
}

bool WHMaterialWidget::istArtikelZeile(const QTreeWidgetItem* item)
{
    return item && item->data(0, PositionRolle).isValid();
}

void WHMaterialWidget::kopfFuerGruppe()
{
    treeWidget->setHeaderLabels({QString(), tr("Gruppe"), tr("Summe(EUR)"), QString()});
}

void WHMaterialWidget::kopfFuerArtikel()
{
    treeWidget->setHeaderLabels({tr("Art. Nr."), tr("Bezeichnung"), tr("Preis(EUR)"), tr("Menge")});
}

QTreeWidgetItem* WHMaterialWidget::neueArtikelZeile(int index)
{
    const Artikel& a = ArtikelListe::global().at(index);
    auto* item = new QTreeWidgetItem;
    item->setText(0, Zahl::artikelNummer(a.artNr));
    item->setData(0, PositionRolle, index);
    item->setText(1, a.bezeichnung);
    item->setText(2, Zahl::fest(a.preis, 2));
    item->setText(3, Zahl::kurz(a.bedarf));
    item->setTextAlignment(2, rechts);
    item->setTextAlignment(3, rechts);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    // Tall enough for the quantity's editor.
    item->setSizeHint(MaterialItemDelegate::mengenSpalte, QSize(0, m_zeilenHoehe));
    return item;
}

void WHMaterialWidget::aufbauenBaum()
{
    ArtikelListe& katalog = ArtikelListe::global();
    const int anzahl = katalog.gruppenAnzahl();
    gruppenItems.fill(nullptr, std::max(anzahl, 1));
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int g = 1; g < anzahl; ++g) {
        auto* gruppe = new QTreeWidgetItem(treeWidget);
        gruppe->setIcon(0, zu);
        gruppe->setData(0, GruppenRolle, g);
        gruppe->setSizeHint(0, QSize(200, 22));
        gruppe->setText(1, katalog.gruppenNamen().at(g));
        gruppe->setTextAlignment(2, rechts);
        gruppe->setTextAlignment(3, rechts);
        gruppenItems[g] = gruppe;
    }
    for (int i = 0; i < katalog.size(); ++i) {
        QTreeWidgetItem* item = neueArtikelZeile(i);
        if (anzahl <= 1) {
            // A catalogue without named groups: the articles stand on their own.
            treeWidget->addTopLevelItem(item);
            continue;
        }
        int g = katalog.at(i).gruppe;
        if (g < 1 || g >= anzahl)
            g = anzahl - 1;
        gruppenItems[g]->addChild(item);
    }

    QHeaderView* kopf = treeWidget->header();
    kopf->setStretchLastSection(false);
    kopf->setSectionResizeMode(0, QHeaderView::Fixed);
    kopf->setSectionResizeMode(1, QHeaderView::Stretch);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    kopf->setSectionResizeMode(3, QHeaderView::Fixed);
    const QFontMetrics fm = treeWidget->fontMetrics();
    kopf->resizeSection(0, 200);
    kopf->resizeSection(2, std::max(fm.horizontalAdvance(tr("Summe(EUR)")),
                                    fm.horizontalAdvance(QStringLiteral("9999999.99"))) +
                               24);
    kopf->resizeSection(
        3, std::max(fm.horizontalAdvance(tr("Menge")), fm.horizontalAdvance(QStringLiteral("9999.99"))) + 24);
    aufbauen = false;
}

void WHMaterialWidget::summenZeigen()
{
    const Kosten k = Kosten::materialListe(ArtikelListe::global(), Programm::mwstSatz());
    LSumme->setText(Zahl::fest(k.summe, 2));
    LMwst->setText(Zahl::fest(k.mwst, 2));
    LSummeMwst->setText(Zahl::fest(k.summeMwst, 2));
}

void WHMaterialWidget::updateLVArtikel()
{
    bereit = false;
    ArtikelListe& katalog = ArtikelListe::global();
    if (aufbauen) {
        aufbauenBaum();
    } else {
        QTreeWidgetItemIterator it(treeWidget);
        for (; *it; ++it) {
            QTreeWidgetItem* item = *it;
            if (!istArtikelZeile(item))
                continue;
            const int pos = item->data(0, PositionRolle).toInt();
            if (pos >= 0 && pos < katalog.size())
                item->setText(3, Zahl::kurz(katalog.at(pos).bedarf));
        }
    }
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int g = 1; g < gruppenItems.size(); ++g) {
        QTreeWidgetItem* gruppe = gruppenItems.at(g);
        if (!gruppe)
            continue;
        gruppe->setExpanded(false);
        gruppe->setIcon(0, zu);
        gruppe->setText(2, Zahl::fest(katalog.summeBedarf(g), 2));
    }
    kopfFuerGruppe();
    summenZeigen();
    treeWidget->setFocus(Qt::OtherFocusReason);
    bereit = true;
}

void WHMaterialWidget::on_treeWidget_itemChanged(QTreeWidgetItem* item, int column)
{
    if (!bereit || column != MaterialItemDelegate::mengenSpalte || !item || item->text(0).isEmpty() ||
        !istArtikelZeile(item))
        return;
    ArtikelListe& katalog = ArtikelListe::global();
    const int pos = item->data(0, PositionRolle).toInt();
    if (pos < 0 || pos >= katalog.size())
        return;
    Artikel& artikel = katalog.at(pos);
    const float bedarf = katalog.setBedarf(artikel, Zahl::toFloat(item->text(column)));
    item->setText(column, Zahl::kurz(bedarf));
    if (QTreeWidgetItem* gruppe = item->parent()) {
        // The group row shows the sum of the articles that belong to its group.
        gruppe->setText(2, Zahl::fest(katalog.summeBedarf(gruppe->data(0, GruppenRolle).toInt()), 2));
    }
    summenZeigen();
}

void WHMaterialWidget::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    if (istArtikelZeile(current))
        kopfFuerArtikel();
    else
        kopfFuerGruppe();
}

void WHMaterialWidget::on_treeWidget_itemExpanded(QTreeWidgetItem* item)
{
    if (!istArtikelZeile(item))
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
}

void WHMaterialWidget::on_treeWidget_itemCollapsed(QTreeWidgetItem* item)
{
    if (!istArtikelZeile(item))
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
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
