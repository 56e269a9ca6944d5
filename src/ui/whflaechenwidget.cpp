#include "ui/whflaechenwidget.h"

#include "model/raumdata.h"
#include "ui/flaechenmodel.h"
#include "ui/flaechenmodelitemdelegate.h"
#include "ui/messagebox.h"
#include "ui/whplattendlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

WHFlaechenWidget::WHFlaechenWidget(QWidget* parent)
    : QWidget(parent), m_model(new FlaechenModel(this)), m_gruppe(new QGroupBox(this)),
      PBNew(new QPushButton(m_gruppe)), PBDelete(new QPushButton(m_gruppe)),
      PBVorschlag(new QPushButton(m_gruppe)), m_tableView(new QTableView(m_gruppe)),
      m_lSumme(new QLabel(m_gruppe)), LSumme(new QLabel(m_gruppe)), m_lSummeEinheit(new QLabel(m_gruppe)),
      m_lDifferenz(new QLabel(m_gruppe)), LDifferenz(new QLabel(m_gruppe)),
      m_lDifferenzEinheit(new QLabel(m_gruppe))
{
    setObjectName(QStringLiteral("whflaechen"));
    m_gruppe->setObjectName(QStringLiteral("GBDefinitionWandheizflaechen"));
    PBNew->setObjectName(QStringLiteral("PBNew"));
    PBNew->setIcon(QIcon(QStringLiteral(":/icons/icons/new_fl.xpm")));
    PBDelete->setObjectName(QStringLiteral("PBDelete"));
    PBDelete->setIcon(QIcon(QStringLiteral(":/icons/icons/cut.xpm")));
    PBVorschlag->setObjectName(QStringLiteral("PBVorschlag"));
    m_tableView->setObjectName(QStringLiteral("tableView"));
    m_tableView->setModel(m_model);
    m_tableView->setItemDelegate(new FlaechenModelItemDelegate(m_tableView));
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                 QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_tableView->horizontalHeader()->setSectionsClickable(true);
    m_tableView->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_tableView->horizontalHeader()->setStretchLastSection(true);
    LSumme->setObjectName(QStringLiteral("LSumme"));
    LDifferenz->setObjectName(QStringLiteral("LDifferenz"));
    LSumme->setText(QStringLiteral("0.0"));
    LDifferenz->setText(QStringLiteral("0.0"));
    const int zahlBreite = fontMetrics().horizontalAdvance(QStringLiteral("-999.99")) + 6;
    for (QLabel* l : {LSumme, LDifferenz}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(zahlBreite);
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PBNew);
    knoepfe->addWidget(PBDelete);
    knoepfe->addWidget(PBVorschlag);
    knoepfe->addStretch(1);

    auto* summen = new QHBoxLayout;
    summen->addStretch(1);
    summen->addWidget(m_lSumme);
    summen->addWidget(LSumme);
    summen->addWidget(m_lSummeEinheit);
    summen->addSpacing(20);
    summen->addWidget(m_lDifferenz);
    summen->addWidget(LDifferenz);
    summen->addWidget(m_lDifferenzEinheit);

    auto* gruppe = new QVBoxLayout(m_gruppe);
    gruppe->setContentsMargins(4, 4, 4, 4);
    gruppe->addLayout(knoepfe);
    gruppe->addWidget(m_tableView, 1);
    gruppe->addLayout(summen);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gruppe);

    connect(PBNew, &QPushButton::clicked, this, &WHFlaechenWidget::NewFlaeche);
    connect(PBDelete, &QPushButton::clicked, this, &WHFlaechenWidget::DeleteFlaeche);
    connect(PBVorschlag, &QPushButton::clicked, this, &WHFlaechenWidget::Vorschlag);
    connect(m_tableView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &WHFlaechenWidget::headerClicked);
    connect(m_tableView, &QTableView::clicked, this, &WHFlaechenWidget::on_tableView_clicked);
    connect(m_model, &FlaechenModel::summenGeaendert, this, &WHFlaechenWidget::summenZeigen);

    languageChange();
    summenZeigen();
}

void WHFlaechenWidget::languageChange()
{
    setWindowTitle(tr("Wandheizung Flächen"));
    m_gruppe->setTitle(tr("Definition Wandheizflächen"));
    PBNew->setText(tr("&Neue Fläche"));
    PBNew->setToolTip(tr("Neue Heizfläche einfügen"));
    PBDelete->setText(tr("Fläche &löschen"));
    PBDelete->setToolTip(tr("Heizfläche löschen"));
    PBVorschlag->setText(tr("&Vorschlag"));
    m_lSumme->setText(tr("Summe"));
    m_lSummeEinheit->setText(QStringLiteral("m²"));
    m_lDifferenz->setText(tr("Differenz"));
    m_lDifferenzEinheit->setText(QStringLiteral("m²"));
}

void WHFlaechenWidget::zeigen(const RaumData& raum)
{
    m_model->laden(raum);
    m_tableView->resizeColumnsToContents();
    showData();
}

void WHFlaechenWidget::uebernehmen(RaumData& raum) const
{
    m_model->tabelle().speichern(raum);
}

bool WHFlaechenWidget::unterscheidet(const RaumData& raum) const
{
    return m_model->tabelle().geaendert(raum);
}

void WHFlaechenWidget::showData()
{
    PBVorschlag->setVisible(m_model->tabelle().vorschlagMoeglich());
}

void WHFlaechenWidget::test4Changes(int _system, float _flaeche)
{
    const bool neuesSystem = _system != m_model->tabelle().system();
    m_model->test4Changes(_system, _flaeche);
    if (neuesSystem)
        showData();
}

void WHFlaechenWidget::summenZeigen()
{
    const FlaechenTabelle& t = m_model->tabelle();
    LSumme->setText(t.summeText());
    LDifferenz->setText(t.differenzText());
    QPalette p = LDifferenz->palette();
    p.setColor(QPalette::All, QPalette::WindowText,
               t.differenzRot() ? QColor(Qt::red) : QColor(Qt::darkGreen));
    LDifferenz->setPalette(p);
}

void WHFlaechenWidget::NewFlaeche()
{
    QString meldung;
    if (!m_model->neueFlaeche(meldung)) {
        MessageBox::critical(this, tr("Fehler"), meldung);
        return;
    }
    m_tableView->resizeColumnsToContents();
}

void WHFlaechenWidget::DeleteFlaeche()
{
    const QModelIndex aktuell = m_tableView->currentIndex();
    if (aktuell.isValid())
        m_model->loescheFlaeche(aktuell.row());
}

void WHFlaechenWidget::Vorschlag()
{
    m_model->vorschlag();
    m_tableView->resizeColumnsToContents();
}

void WHFlaechenWidget::on_tableView_clicked(const QModelIndex& index)
{
    if (index.isValid() && index.column() == FlaechenTabelle::SpalteZusammenstellung)
        plattenDialog();
}

void WHFlaechenWidget::plattenDialog()
{
    const QModelIndex aktuell = m_tableView->currentIndex();
    if (!aktuell.isValid())
        return;
    const int zeile = aktuell.row();
    const FlaechenTabelle& t = m_model->tabelle();
    // Compositions belong to the register systems; the others are laid out from their areas.
    if (!t.zusammenstellungMoeglich(zeile))
        return;
    WHPlattenDlg dlg(t.system(), t.zusammenstellung(zeile), t.flaeche(zeile), t.registerAnzahl(), window());
    if (dlg.exec() != QDialog::Accepted)
        return;
    const PlattenZusammenstellung::Ergebnis& e = dlg.ergebnis();
    m_model->uebernimmZusammenstellung(zeile, e.anzahlen, e.flaeche, e.registerAnzahl);
}

void WHFlaechenWidget::headerClicked(int section)
{
    m_model->headerClicked(section);
}
