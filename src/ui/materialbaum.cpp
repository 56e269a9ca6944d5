#include "ui/materialbaum.h"

#include "app/zahl.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "ui/materialitemdelegate.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTreeWidget>

namespace {
// Column 0 of an article row carries the article's catalogue position, column 0 of a group
// row its group number.
constexpr int PositionRolle = Qt::UserRole;
constexpr int GruppenRolle = Qt::UserRole + 1;
constexpr Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
} // namespace

MaterialBaum::MaterialBaum(QTreeWidget* baum, Menge menge) : m_baum(baum), m_menge(menge)
{
    // Tall enough for the quantity's editor.
    m_zeilenHoehe = std::max(22, QLineEdit().sizeHint().height());
}

QTreeWidget* MaterialBaum::neuerBaum(QWidget* parent)
{
    auto* baum = new QTreeWidget(parent);
    baum->setObjectName(QStringLiteral("treeWidget"));
    baum->setColumnCount(4);
    baum->setItemDelegate(new MaterialItemDelegate(baum));
    baum->setAlternatingRowColors(true);
    return baum;
}

QGridLayout* MaterialBaum::summenRaster(QLabel* summeText, QLabel* summe, QLabel* mwstText, QLabel* mwst,
                                        QLabel* summeMwstText, QLabel* summeMwst)
{
    summe->setText(QStringLiteral("100.00"));
    mwst->setText(QStringLiteral("16.00"));
    summeMwst->setText(QStringLiteral("116.00"));
    auto* raster = new QGridLayout;
    raster->setColumnStretch(0, 1);
    int zeile = 0;
    for (const auto& [text, wert] :
         {std::pair{summeText, summe}, {mwstText, mwst}, {summeMwstText, summeMwst}}) {
        wert->setAlignment(rechts);
        raster->addWidget(text, zeile, 1);
        raster->addWidget(wert, zeile++, 2);
    }
    raster->setColumnMinimumWidth(2,
                                  summe->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 10);
    return raster;
}

int MaterialBaum::position(const QTreeWidgetItem* item)
{
    if (!item || !item->data(0, PositionRolle).isValid())
        return -1;
    const int pos = item->data(0, PositionRolle).toInt();
    return pos >= 0 && pos < ArtikelListe::global().size() ? pos : -1;
}

QString MaterialBaum::mengeText(const Artikel& artikel) const
{
    return m_menge == Bedarf ? Zahl::kurz(artikel.bedarf) : QString::number(artikel.bestellMenge);
}

QString MaterialBaum::gruppenSumme(int gruppe) const
{
    const ArtikelListe& katalog = ArtikelListe::global();
    return Zahl::fest(m_menge == Bedarf ? Kosten::summeBedarf(katalog, gruppe)
                                        : Kosten::summeBestellung(katalog, gruppe),
                      2);
}

void MaterialBaum::summenZeigen(const Kosten& kosten, QLabel* summe, QLabel* mwst, QLabel* summeMwst)
{
    summe->setText(Zahl::fest(kosten.summe, 2));
    mwst->setText(Zahl::fest(kosten.mwst, 2));
    summeMwst->setText(Zahl::fest(kosten.summeMwst, 2));
}

QTreeWidgetItem* MaterialBaum::neueArtikelZeile(int index)
{
    const Artikel& a = ArtikelListe::global().at(index);
    auto* item = new QTreeWidgetItem;
    item->setText(0, Zahl::artikelNummer(a.artNr));
    item->setData(0, PositionRolle, index);
    item->setText(1, a.bezeichnung);
    item->setText(2, Zahl::fest(a.preis, 2));
    item->setText(3, mengeText(a));
    item->setTextAlignment(2, rechts);
    item->setTextAlignment(3, rechts);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    item->setSizeHint(MaterialItemDelegate::mengenSpalte, QSize(0, m_zeilenHoehe));
    return item;
}

void MaterialBaum::aufbauenZeilen()
{
    const ArtikelListe& katalog = ArtikelListe::global();
    const int anzahl = katalog.gruppenAnzahl();
    gruppenItems.fill(nullptr, std::max(anzahl, 1));
    const QIcon zu = m_baum->style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int g = 1; g < anzahl; ++g) {
        auto* gruppe = new QTreeWidgetItem(m_baum);
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
        const int g = katalog.anzeigeGruppe(katalog.at(i));
        if (g == 0)
            m_baum->addTopLevelItem(item);
        else
            gruppenItems[g]->addChild(item);
    }

    QHeaderView* kopf = m_baum->header();
    kopf->setStretchLastSection(false);
    kopf->setSectionResizeMode(0, QHeaderView::Fixed);
    kopf->setSectionResizeMode(1, QHeaderView::Stretch);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    kopf->setSectionResizeMode(3, QHeaderView::Fixed);
    const QFontMetrics fm = m_baum->fontMetrics();
    kopf->resizeSection(0, 200);
    kopf->resizeSection(2, std::max(fm.horizontalAdvance(tr("Summe(EUR)")),
                                    fm.horizontalAdvance(QStringLiteral("9999999.99"))) +
                               24);
    kopf->resizeSection(
        3, std::max(fm.horizontalAdvance(tr("Menge")), fm.horizontalAdvance(QStringLiteral("9999.99"))) + 24);
}

void MaterialBaum::aktualisieren(bool& aufbauen)
{
    const ArtikelListe& katalog = ArtikelListe::global();
    if (aufbauen) {
        aufbauenZeilen();
        aufbauen = false;
    } else {
        for (QTreeWidgetItemIterator it(m_baum); *it; ++it) {
            const int pos = position(*it);
            if (pos < 0)
                continue;
            // Descriptions and prices may have changed too (a DATANORM import).
            const Artikel& a = katalog.at(pos);
            (*it)->setText(1, a.bezeichnung);
            (*it)->setText(2, Zahl::fest(a.preis, 2));
            (*it)->setText(3, mengeText(a));
        }
    }
    for (int g = 1; g < gruppenItems.size(); ++g) {
        QTreeWidgetItem* gruppe = gruppenItems.at(g);
        if (!gruppe)
            continue;
        gruppe->setExpanded(false);
        ordnerZeigen(gruppe, false);
        gruppe->setText(2, gruppenSumme(g));
    }
    kopfFuer(nullptr);
}

void MaterialBaum::gruppenSummeZeigen(QTreeWidgetItem* artikelZeile)
{
    // The group row shows the sum of the articles that belong to its group.
    if (QTreeWidgetItem* gruppe = artikelZeile ? artikelZeile->parent() : nullptr)
        gruppe->setText(2, gruppenSumme(gruppe->data(0, GruppenRolle).toInt()));
}

void MaterialBaum::kopfFuer(const QTreeWidgetItem* aktuell)
{
    if (aktuell && aktuell->data(0, PositionRolle).isValid())
        m_baum->setHeaderLabels({tr("Art. Nr."), tr("Bezeichnung"), tr("Preis(EUR)"), tr("Menge")});
    else
        m_baum->setHeaderLabels({QString(), tr("Gruppe"), tr("Summe(EUR)"), QString()});
}

void MaterialBaum::ordnerZeigen(QTreeWidgetItem* item, bool offen)
{
    if (item && item->data(0, GruppenRolle).isValid())
        item->setIcon(
            0, m_baum->style()->standardIcon(offen ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}
