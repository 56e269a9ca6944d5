#include "ui/whmainwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "design/schaetzung.h"
#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/baumbearbeitung.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"
#include "reports/berichte.h"
#include "ui/htmlviewer.h"
#include "ui/messagebox.h"
#include "ui/mouseeventfilter.h"
#include "ui/projektbaummodel.h"
#include "ui/whabgleichdlg.h"
#include "ui/whetagewidget.h"
#include "ui/whgebaeudewidget.h"
#include "ui/whhelpwindow.h"
#include "ui/whmaterialwidget.h"
#include "ui/whprojektwidget.h"
#include "ui/whraumwidget.h"
#include "ui/whreportauswahl.h"
#include "ui/whsonstigwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
// The key beside a context menu entry; only a label there (Insert works through the
// widget's own shortcut).
QString tasteText(Qt::Key taste)
{
    return QLatin1Char('\t') + QKeySequence(taste).toString(QKeySequence::NativeText);
}
} // namespace

WHMainWidget::WHMainWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHMainWidget"));
    auto* vboxLayout = new QVBoxLayout(this);
    vboxLayout->setContentsMargins(4, 4, 4, 4);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    vboxLayout->addWidget(m_splitter);

    m_model = new ProjektBaumModel(m_baum, this);
    m_navigator = new QTreeView(m_splitter);
    m_navigator->setObjectName(QStringLiteral("navigator"));
    m_navigator->setModel(m_model);
    m_navigator->setSelectionMode(QAbstractItemView::SingleSelection);
    m_navigator->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_navigator->setContextMenuPolicy(Qt::CustomContextMenu);
    m_navigator->setUniformRowHeights(true);
    m_navigator->header()->setStretchLastSection(true);
    m_navigator->setMinimumWidth(2 * m_navigator->fontMetrics().horizontalAdvance(tr("Sonstige Kosten")));

    auto* rechts = new QWidget(m_splitter);
    rechts->setObjectName(QStringLiteral("widget"));
    auto* vboxLayout1 = new QVBoxLayout(rechts);
    vboxLayout1->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(rechts);
    m_stack->setObjectName(QStringLiteral("stackWHWidgets"));
    vboxLayout1->addWidget(m_stack, 1);
    auto* hboxLayout = new QHBoxLayout();
    hboxLayout->addStretch(1);
    PBZurueck = new QPushButton(rechts);
    PBZurueck->setObjectName(QStringLiteral("PBZurueck"));
    PBWeiter = new QPushButton(rechts);
    PBWeiter->setObjectName(QStringLiteral("PBWeiter"));
    PBWeiter->setDefault(true);
    hboxLayout->addWidget(PBZurueck);
    hboxLayout->addWidget(PBWeiter);
    vboxLayout1->addLayout(hboxLayout);
    m_splitter->addWidget(m_navigator);
    m_splitter->addWidget(rechts);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);

    auto* einfuegen = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    einfuegen->setContext(Qt::WidgetWithChildrenShortcut);
    connect(einfuegen, &QShortcut::activated, this, &WHMainWidget::neu);
    // Delete on the navigator cuts the current floor or room, as the context menu's entry does.
    auto* entfernen = new QShortcut(QKeySequence(Qt::Key_Delete), m_navigator);
    entfernen->setContext(Qt::WidgetShortcut);
    connect(entfernen, &QShortcut::activated, this, &WHMainWidget::cut);

    m_sonstigSeite = new WHSonstigWidget(m_stack);
    m_materialSeite = new WHMaterialWidget(m_stack);
    m_seiten.insert(WHBaseData::TypProjekt, new WHProjektWidget(m_stack));
    m_seiten.insert(WHBaseData::TypGebaeude, new WHGebaeudeWidget(m_stack));
    m_seiten.insert(WHBaseData::TypEtage, new WHEtageWidget(m_stack));
    m_seiten.insert(WHBaseData::TypRaum, new WHRaumWidget(m_stack));
    m_seiten.insert(WHBaseData::TypSonstig, m_sonstigSeite);
    m_seiten.insert(WHBaseData::TypMaterial, m_materialSeite);
    for (QWidget* seite : std::as_const(m_seiten))
        m_stack->addWidget(seite);

    m_mausFilter = new mouseEventFilter(this);
    installEventFilter(m_mausFilter);
    for (QWidget* seite : std::as_const(m_seiten))
        seite->installEventFilter(m_mausFilter);

    // The current item must never point into a tree that is being replaced or removed.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_currentItem = nullptr; });
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                for (WHListItem* i = m_currentItem; i; i = i->parent()) {
                    if (m_model->parent(m_model->indexOf(i)) == parent && i->row() >= first &&
                        i->row() <= last) {
                        m_currentItem = nullptr;
                        break;
                    }
                }
            });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this] { sichtbarkeitAbgleichen(m_baum.root()); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    sichtbarkeitAbgleichen(m_model->item(m_model->index(row, 0, parent)));
            });
    connect(m_model, &ProjektBaumModel::sichtbarkeitGeaendert, this,
            [this](const QModelIndex& index, bool versteckt) {
                m_navigator->setRowHidden(index.row(), index.parent(), versteckt);
            });

    connect(m_navigator->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { navigatorItemChanged(current); });
    connect(PBWeiter, &QPushButton::clicked, this, &WHMainWidget::weiter);
    connect(m_mausFilter, &mouseEventFilter::toRight, this, &WHMainWidget::weiter);
    connect(PBZurueck, &QPushButton::clicked, this, &WHMainWidget::zurueck);
    connect(m_mausFilter, &mouseEventFilter::toLeft, this, &WHMainWidget::zurueck);
    connect(m_sonstigSeite, &WHSonstigWidget::MRZBerechnung, this, &WHMainWidget::MRZBerechnung);
    connect(m_materialSeite, &WHMaterialWidget::Vorschlag, this, &WHMainWidget::BerechnungMaterialBedarf);
    connect(m_materialSeite, &WHMaterialWidget::Abgleich, this, &WHMainWidget::hydraulischerAbgleich);
    connect(m_navigator, &QWidget::customContextMenuRequested, this, &WHMainWidget::showContextMenu);

    languageChange();
    newProjekt();
}

WHMainWidget::~WHMainWidget()
{
    // The model goes before the tree it watches.
    m_navigator->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
}

void WHMainWidget::languageChange()
{
    PBZurueck->setText(tr("&Zurück"));
    PBWeiter->setText(tr("&Weiter"));
    emit m_model->headerDataChanged(Qt::Horizontal, 0, 0);
}

void WHMainWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}

WHSeite* WHMainWidget::seiteFuer(int typ) const
{
    return dynamic_cast<WHSeite*>(m_seiten.value(typ));
}

QWidget* WHMainWidget::aktuelleSeite() const
{
    return m_stack->currentWidget();
}

void WHMainWidget::waehle(WHListItem* item)
{
    const QModelIndex index = m_model->indexOf(item);
    if (m_navigator->currentIndex() == index)
        navigatorItemChanged(index);
    else
        m_navigator->setCurrentIndex(index);
}

void WHMainWidget::zeigeErneut(WHListItem* item)
{
    if (WHSeite* seite = item ? seiteFuer(item->type()) : nullptr)
        seite->showData(*item->record());
}

void WHMainWidget::sichtbarkeitAbgleichen(WHListItem* item)
{
    if (!item)
        return;
    if (item->parent()) {
        const QModelIndex index = m_model->indexOf(item);
        m_navigator->setRowHidden(index.row(), index.parent(), item->isHidden());
    }
    for (int i = 0; i < item->childCount(); ++i)
        sichtbarkeitAbgleichen(item->child(i));
}

void WHMainWidget::nachStrukturAenderung()
{
    // Clipboard marks may have moved from one item to another.
    m_model->allesGeaendert();
}

// --- project ---------------------------------------------------------------------------------

void WHMainWidget::newProjekt()
{
    m_currentItem = nullptr;
    m_baum.newProjekt();
    Programm::setStand(0);
    WHListItem* root = m_baum.root();
    waehle(root);
    m_navigator->expand(m_model->indexOf(root));
}

LadeErgebnis WHMainWidget::laden(const QString& dateiName)
{
    const LadeErgebnis ergebnis = ProjektDatei::laden(m_baum, dateiName);
    if (!m_currentItem && m_baum.root()) {
        // The tree was replaced: the read project, the imported one, or a new one after a
        // failed read.
        if (!m_baum.materialItem())
            m_baum.setMaterialItem(m_baum.materialListItem());
        Programm::setStand(m_baum.projekt()->stand);
        if (WHListItem* material = m_baum.materialItem())
            m_baum.setHidden(material, m_baum.projekt()->stand == 0);
        WHListItem* root = m_baum.root();
        waehle(root);
        m_navigator->expand(m_model->indexOf(root));
    }
    return ergebnis;
}

bool WHMainWidget::speichern(const QString& dateiName, QString& fehlerText)
{
    seiteUebernehmen();
    return ProjektDatei::speichern(m_baum, dateiName, fehlerText);
}

void WHMainWidget::seiteUebernehmen()
{
    if (!m_currentItem)
        return;
    WHSeite* seite = seiteFuer(m_currentItem->type());
    if (seite && seite->isChanged(*m_currentItem->record()))
        anwenden();
}

// --- navigation ------------------------------------------------------------------------------

void WHMainWidget::navigatorItemChanged(const QModelIndex& current)
{
    QPersistentModelIndex ziel(current);
    if (m_currentItem) {
        WHSeite* seite = seiteFuer(m_currentItem->type());
        if (seite && seite->isChanged(*m_currentItem->record()))
            anwenden();
    }
    if (current.isValid() && !ziel.isValid()) {
        // Taking the page over removed the chosen item (a lowered floor or room count); the
        // view has moved on to another item, which may already be shown.
        ziel = m_navigator->currentIndex();
        if (m_model->item(ziel) == m_currentItem)
            return;
    }
    m_currentItem = m_model->item(ziel);
    if (!m_currentItem)
        return;
    const int typ = m_currentItem->type();
    if (QWidget* seite = m_seiten.value(typ))
        m_stack->setCurrentWidget(seite);
    knoepfeAnpassen();
    zeigeErneut(m_currentItem);
}

void WHMainWidget::knoepfeAnpassen()
{
    const int typ = m_currentItem ? m_currentItem->type() : WHBaseData::TypProjekt;
    const ProjektData* projekt = m_baum.projekt();
    // With the execution planning the walk ends at the material list, otherwise at the
    // other costs (the material list is hidden then).
    const int letzter = projekt && projekt->stand == 1 ? WHBaseData::TypMaterial : WHBaseData::TypSonstig;
    PBZurueck->setEnabled(typ != WHBaseData::TypProjekt);
    PBWeiter->setEnabled(typ != letzter);
}

void WHMainWidget::weiter()
{
    schritt(true);
}

void WHMainWidget::zurueck()
{
    schritt(false);
}

void WHMainWidget::schritt(bool vorwaerts)
{
    if (!anwenden() || !m_currentItem)
        return;
    const QModelIndex index = m_model->indexOf(m_currentItem);
    m_navigator->expand(index);
    const QModelIndex ziel = vorwaerts ? m_navigator->indexBelow(index) : m_navigator->indexAbove(index);
    if (ziel.isValid())
        m_navigator->setCurrentIndex(ziel);
}

void WHMainWidget::Abbruch()
{
    zeigeErneut(m_currentItem);
    m_navigator->setFocus();
}

void WHMainWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Abbruch();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        weiter();
        break;
    case Qt::Key_F1:
        help();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// --- taking a page over ----------------------------------------------------------------------

bool WHMainWidget::anwenden()
{
    if (!m_currentItem)
        return true;
    WHListItem* item = m_currentItem;
    WHBaseData* record = item->record();
    WHSeite* seite = seiteFuer(item->type());
    if (!seite)
        return true;
    const int standVorher = Programm::stand();
    // Walking on from a page takes it over; only a page that holds an edit changes the project.
    const bool geaendert = seite->isChanged(*record);
    bool ok = true;
    switch (item->type()) {
    case WHBaseData::TypProjekt:
    case WHBaseData::TypRaum:
        ok = seite->checkData(*record);
        seite->getData(*record);
        m_baum.itemGeaendert(item);
        break;
    case WHBaseData::TypGebaeude:
        uebernehmeGebaeude(*seite, item, ok);
        break;
    case WHBaseData::TypEtage:
        uebernehmeEtage(*seite, item, ok);
        break;
    default:
        seite->getData(*record);
        break;
    }

    // The page's values are in the project even when its check fails.
    if (geaendert)
        m_baum.changed = true;
    if (!ok) {
        MessageBox::critical(
            this, tr("Fehler"),
            tr("Mittlere Vorlauftemperatur für Trockensysteme\ndarf nicht grösser 50°C sein!"));
        return false;
    }
    if (item->type() == WHBaseData::TypProjekt) {
        Programm::setStand(static_cast<ProjektData*>(record)->stand);
        materialItemNachStand();
        knoepfeAnpassen();
        if (Programm::stand() != standVorher)
            emit standChanged();
    }
    return true;
}

void WHMainWidget::materialItemNachStand()
{
    WHListItem* material = m_baum.materialItem();
    if (Programm::stand() == 0) {
        if (material)
            m_baum.setHidden(material, true);
        return;
    }
    if (material) {
        m_baum.setHidden(material, false);
        return;
    }
    auto record = std::make_unique<MaterialData>();
    record->anpassenAnKatalog();
    WHListItem* root = m_baum.root();
    m_baum.setMaterialItem(m_baum.insert(root, root->childCount(), std::move(record)));
}

void WHMainWidget::anzahlAnpassen(WHSeite& seite, WHListItem* item, int alt, int neu)
{
    if (alt == neu)
        return;
    const BaumBearbeitung::Frage frage = [this](const QString& text) {
        return MessageBox::auswahl(this, MessageBox::Warnung, tr("Abfrage"), MessageBox::klartext(text),
                                   {tr("Ja"), tr("Nein")}, 0, 1) == 0;
    };
    const int behalten = BaumBearbeitung::anzahlAnpassen(m_baum, item, alt, neu, frage);
    if (behalten > 0) {
        item->record()->setAnzahl(neu + behalten);
        seite.showData(*item->record());
    }
    m_navigator->expand(m_model->indexOf(item));
}

void WHMainWidget::uebernehmeGebaeude(WHSeite& seite, WHListItem* item, bool& ok)
{
    WHBaseData* gebaeude = item->record();
    ok = seite.checkData(*gebaeude);
    const int altAnzahl = gebaeude->anzahl();
    const int altSystem = gebaeude->system();
    const bool vorlaufGeaendert = seite.getData(*gebaeude) != 0;
    const int neuSystem = gebaeude->system();
    anzahlAnpassen(seite, item, altAnzahl, gebaeude->anzahl());

    const bool systemGeaendert = neuSystem != altSystem;
    if (!systemGeaendert && !vorlaufGeaendert)
        return;
    bool jaAlle = false;
    bool neinAlle = false;
    for (WHListItem* etageItem : m_baum.etagen()) {
        WHBaseData* etage = etageItem->record();
        if (systemGeaendert)
            etage->setSystem(neuSystem);
        for (WHListItem* raumItem : m_baum.raeume(etageItem)) {
            auto* raum = static_cast<RaumData*>(raumItem->record());
            bool aendern = jaAlle;
            // Only a changed system is asked about: a new flow temperature alone changes no
            // room's system, it only needs every balance recomputed.
            if (systemGeaendert && !jaAlle && !neinAlle) {
                const QMessageBox::StandardButton antwort = MessageBox::frage(
                    this, tr("Abfrage"),
                    tr("Sie haben das System WH für die <b>Gebäude</b> geändert.\nWollen Sie das System für "
                       "das Raum <b>%1</b> (<b>%2</b>) auch ändern?")
                        .arg(raum->name.toHtmlEscaped(), etage->name.toHtmlEscaped()),
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll,
                    QMessageBox::Yes);
                jaAlle = antwort == QMessageBox::YesToAll;
                neinAlle = antwort == QMessageBox::NoToAll;
                aendern = antwort == QMessageBox::Yes || jaAlle;
            }
            if (systemGeaendert && aendern) {
                raum->setSystem(neuSystem);
                raum->berechneWaermebilanz();
            } else if (vorlaufGeaendert) {
                raum->berechneWaermebilanz();
            }
        }
    }
}

void WHMainWidget::uebernehmeEtage(WHSeite& seite, WHListItem* item, bool& ok)
{
    WHBaseData* etage = item->record();
    ok = seite.checkData(*etage);
    const int altAnzahl = etage->anzahl();
    const int altSystem = etage->system();
    seite.getData(*etage);
    const int neuSystem = etage->system();
    anzahlAnpassen(seite, item, altAnzahl, etage->anzahl());
    m_baum.itemGeaendert(item);

    if (neuSystem != altSystem) {
        bool jaAlle = false;
        for (WHListItem* raumItem : m_baum.raeume(item)) {
            auto* raum = static_cast<RaumData*>(raumItem->record());
            if (raum->system() == neuSystem)
                continue;
            if (!jaAlle) {
                const QMessageBox::StandardButton antwort = MessageBox::frage(
                    this, tr("Abfrage"),
                    tr("Sie haben das System WH für Etage: <b>%1</b> geändert.\nWollen Sie das System für "
                       "das "
                       "Raum <b>%2</b> auch ändern?")
                        .arg(etage->name.toHtmlEscaped(), raum->name.toHtmlEscaped()),
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll,
                    QMessageBox::Yes);
                if (antwort == QMessageBox::NoToAll)
                    break;
                if (antwort == QMessageBox::No)
                    continue;
                jaAlle = antwort == QMessageBox::YesToAll;
            }
            raum->setSystem(neuSystem);
            raum->berechneWaermebilanz();
        }
    }
    seite.getData(*etage);
}

// --- tree editing ----------------------------------------------------------------------------

void WHMainWidget::neu()
{
    seiteUebernehmen();
    WHListItem* item = m_currentItem;
    if (!item || !BaumBearbeitung::neu(m_baum, item))
        return;
    m_baum.changed = true;
    zeigeErneut(item);
    m_navigator->expand(m_model->indexOf(item));
}

void WHMainWidget::copy()
{
    seiteUebernehmen();
    if (m_currentItem && BaumBearbeitung::copy(m_baum, m_currentItem))
        nachStrukturAenderung();
}

void WHMainWidget::cut()
{
    seiteUebernehmen();
    if (!m_currentItem)
        return;
    WHListItem* naechstes = BaumBearbeitung::cut(m_baum, m_currentItem);
    if (!naechstes)
        return;
    m_baum.changed = true;
    nachStrukturAenderung();
    waehle(naechstes);
}

void WHMainWidget::paste()
{
    seiteUebernehmen();
    WHListItem* item = m_currentItem;
    WHListItem* ablage = m_baum.clipboard();
    if (!item || !ablage)
        return;
    // Pasting onto a floor or the building shows that record again with its new count;
    // pasting beside a floor or room only changes the parent's count.
    const bool hinein = (ablage->type() == WHBaseData::TypRaum && item->type() == WHBaseData::TypEtage) ||
                        (ablage->type() == WHBaseData::TypEtage && item->type() == WHBaseData::TypGebaeude);
    if (!BaumBearbeitung::paste(m_baum, item))
        return;
    m_baum.changed = true;
    nachStrukturAenderung();
    if (hinein) {
        zeigeErneut(item);
        m_navigator->expand(m_model->indexOf(item));
    }
}

void WHMainWidget::pasteData()
{
    seiteUebernehmen();
    WHListItem* item = m_currentItem;
    if (!item || !BaumBearbeitung::pasteData(m_baum, item))
        return;
    m_baum.changed = true;
    m_baum.itemGeaendert(item);
    // The page must show the pasted values, or leaving it would write the old ones back.
    zeigeErneut(item);
}

// --- context menu ----------------------------------------------------------------------------

QMenu* WHMainWidget::kontextMenu()
{
    WHListItem* item = m_currentItem;
    if (!item)
        return nullptr;
    const int ablage = m_baum.clipboard() ? m_baum.clipboard()->type() : -1;
    auto* menu = new QMenu(this);
    switch (item->type()) {
    case WHBaseData::TypGebaeude:
        menu->addAction(tr("Neue Etage") + tasteText(Qt::Key_Insert), this, &WHMainWidget::neu);
        if (ablage == WHBaseData::TypEtage)
            menu->addAction(tr("Etage Einfügen"), this, &WHMainWidget::paste);
        break;
    case WHBaseData::TypEtage:
        menu->addAction(tr("Neuer Raum") + tasteText(Qt::Key_Insert), this, &WHMainWidget::neu);
        menu->addAction(tr("Etage kopieren"), this, &WHMainWidget::copy);
        if (ablage == WHBaseData::TypEtage)
            menu->addAction(tr("Etage Einfügen"), this, &WHMainWidget::paste);
        if (ablage == WHBaseData::TypRaum)
            menu->addAction(tr("Raum Einfügen"), this, &WHMainWidget::paste);
        menu->addAction(tr("Etage ausschneiden") + tasteText(Qt::Key_Delete), this, &WHMainWidget::cut);
        break;
    case WHBaseData::TypRaum:
        menu->addAction(tr("Raum kopieren"), this, &WHMainWidget::copy);
        if (ablage == WHBaseData::TypRaum) {
            menu->addAction(tr("Raum Data Einfügen"), this, &WHMainWidget::pasteData);
            menu->addAction(tr("Raum Einfügen"), this, &WHMainWidget::paste);
        }
        menu->addAction(tr("Raum ausschneiden") + tasteText(Qt::Key_Delete), this, &WHMainWidget::cut);
        break;
    default:
        delete menu;
        return nullptr;
    }
    return menu;
}

void WHMainWidget::showContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_navigator->indexAt(pos);
    if (index.isValid() && m_model->item(index) != m_currentItem)
        m_navigator->setCurrentIndex(index);
    QMenu* menu = kontextMenu();
    if (!menu)
        return;
    menu->exec(m_navigator->viewport()->mapToGlobal(pos));
    menu->deleteLater();
}

// --- calculations ----------------------------------------------------------------------------

void WHMainWidget::MRZBerechnung()
{
    WHListItem* item = m_currentItem;
    if (!item)
        return;
    if (WHSeite* seite = seiteFuer(item->type())) {
        if (seite->isChanged(*item->record()))
            m_baum.changed = true;
        seite->getData(*item->record());
    }
    SonstigData* sonstig = m_baum.sonstig();
    const float vorher = sonstig ? sonstig->montagezeit : 0.0f;
    Schaetzung::mrzBerechnung(m_baum);
    if (sonstig) {
        sonstig->montagezeit = sonstig->mrzVorschlag;
        // The proposal is a change of the project like any typed value.
        if (sonstig->montagezeit != vorher)
            m_baum.changed = true;
    }
    zeigeErneut(item);
}

void WHMainWidget::BerechnungMaterialBedarf()
{
    seiteUebernehmen();
    QString fehlerText;
    if (!MaterialBerechnung::berechne(m_baum, ArtikelListe::global(), fehlerText)) {
        MessageBox::critical(this, tr("Fehler"), MessageBox::klartext(fehlerText));
        return;
    }
    m_materialSeite->updateLVArtikel();
}

void WHMainWidget::hydraulischerAbgleich()
{
    seiteUebernehmen();
    // The balancing sizes the surfaces laid out in the execution planning; an estimate has none.
    if (!m_baum.projekt() || m_baum.projekt()->stand != 1) {
        MessageBox::information(this, tr("Hydraulischer Abgleich"),
                                tr("Der hydraulische Abgleich rechnet mit den Heizflächen der "
                                   "Ausführungsplanung. Bitte den Planungsstand \"Ausführungsplanung\" "
                                   "wählen."));
        return;
    }
    WHAbgleichDlg dlg(m_baum, this);
    if (dlg.berechne())
        dlg.exec();
}

// --- reports and help ------------------------------------------------------------------------

void WHMainWidget::Print()
{
    anwenden();
    int ergebnis = 0;
    WHReportAuswahl auswahl(&ergebnis, this);
    if (auswahl.exec() != QDialog::Accepted)
        return;
    const int stand = Programm::stand();
    if (ergebnis == 2)
        drucke(Berichte::HydraulischerAbgleich);
    else
        drucke(ergebnis == 1 ? Berichte::kostenFuerStand(stand) : Berichte::eingabenFuerStand(stand));
}

void WHMainWidget::printEingaben()
{
    anwenden();
    drucke(Berichte::eingabenFuerStand(Programm::stand()));
}

void WHMainWidget::printKosten()
{
    anwenden();
    drucke(Berichte::kostenFuerStand(Programm::stand()));
}

void WHMainWidget::drucke(int art)
{
    const BerichtErgebnis r = Berichte::ausgeben(static_cast<Berichte::Art>(art), m_baum);
    if (!r.ok) {
        MessageBox::critical(this, tr("Fehler"), r.fehlerText);
        return;
    }
    HtmlViewer::zeigeAusdruck(r.orientierung, r.schriftGroesse);
}

void WHMainWidget::help()
{
    WHHelpWindow::oeffne(Pfade::helpPage());
}
