#include "ui/whplattendlg.h"

#include "app/zahl.h"
#include "ui/combospinwgt.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"
#include "ui/plattenitemdelegate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
combospinWgt* ergebnisFeld(QWidget* parent, const char* name)
{
    auto* f = new combospinWgt(parent, QLatin1String(name));
    f->setEinheit(QStringLiteral("m²"));
    f->setMin(-1e8);
    f->disable();
    return f;
}

QLabel* neuesLabel(QWidget* parent, const char* name, QWidget* buddy)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}
} // namespace

WHPlattenDlg::WHPlattenDlg(int system, const QList<int>& anzahlen, double flaeche, int registerAnzahl,
                           QWidget* parent)
    : QDialog(parent), m_logik(system, anzahlen, flaeche, registerAnzahl)
{
    setObjectName(QStringLiteral("WHPlattenDlg"));
    setModal(true);
    installEventFilter(new layoutSaver(this));

    TextLabel1 = new QLabel(this);
    TextLabel1->setObjectName(QStringLiteral("TextLabel1"));
    TextLabel1->setWordWrap(true);
    tableWidget = new QTableWidget(this);
    tableWidget->setObjectName(QStringLiteral("tableWidget"));
    tableWidget->setItemDelegateForColumn(PlattenZusammenstellung::spalteAnzahl,
                                          new PlattenItemDelegate(tableWidget));
    tableWidget->setEditTriggers(QAbstractItemView::AllEditTriggers);
    tableWidget->verticalHeader()->hide();
    tableWidget->horizontalHeader()->setStretchLastSection(true);
    tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);

    csbFlaecheSoll = ergebnisFeld(this, "csbFlaecheSoll");
    csbFlaecheIst = ergebnisFeld(this, "csbFlaecheIst");
    csbDifferenz = ergebnisFeld(this, "csbDifferenz");
    tlFlaecheSoll = neuesLabel(this, "tlFlaecheSoll", csbFlaecheSoll);
    TextLabel3 = neuesLabel(this, "TextLabel3", csbFlaecheIst);
    tlDifferenz = neuesLabel(this, "tlDifferenz", csbDifferenz);
    comboBoxAnzahlReg = new QComboBox(this);
    comboBoxAnzahlReg->setObjectName(QStringLiteral("comboBoxAnzahlReg"));
    label = neuesLabel(this, "label", comboBoxAnzahlReg);
    PBAnwenden = new QPushButton(this);
    PBAnwenden->setObjectName(QStringLiteral("PBAnwenden"));
    PBAnwenden->setDefault(true);
    PBAbbruch = new QPushButton(this);
    PBAbbruch->setObjectName(QStringLiteral("PBAbbruch"));

    auto* werte = new QGridLayout;
    werte->addWidget(tlFlaecheSoll, 0, 0);
    werte->addWidget(csbFlaecheSoll, 0, 1);
    werte->addWidget(TextLabel3, 1, 0);
    werte->addWidget(csbFlaecheIst, 1, 1);
    werte->addWidget(tlDifferenz, 2, 0);
    werte->addWidget(csbDifferenz, 2, 1);
    werte->addWidget(label, 3, 0);
    werte->addWidget(comboBoxAnzahlReg, 3, 1, Qt::AlignLeft);
    werte->setColumnStretch(2, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBAnwenden);
    knoepfe->addWidget(PBAbbruch);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextLabel1);
    layout->addWidget(tableWidget, 1);
    layout->addLayout(werte);
    layout->addLayout(knoepfe);

    setWindowTitle(m_logik.titel());
    TextLabel1->setText(m_logik.erklaerung());
    tlFlaecheSoll->setText(tr("Benötigte Heizflächengröße"));
    TextLabel3->setText(tr("Eingegebene Heizflächengröße"));
    tlDifferenz->setText(tr("Differenz"));
    label->setText(tr("Anzahl Register"));
    PBAnwenden->setText(tr("&Anwenden"));
    PBAbbruch->setText(tr("A&bbruch"));

    fuellen();
    csbFlaecheSoll->setWert(m_logik.sollFlaeche());
    // A surface that already has a composition, or needs no area, is composed freely.
    const bool verborgen = m_logik.sollVerborgen();
    tlFlaecheSoll->setVisible(!verborgen);
    csbFlaecheSoll->setVisible(!verborgen);
    tlDifferenz->setVisible(!verborgen);
    csbDifferenz->setVisible(!verborgen);
    zeigen(true);

    connect(tableWidget, &QTableWidget::itemChanged, this, &WHPlattenDlg::anzahlChanged);
    connect(comboBoxAnzahlReg, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
        if (!m_fuellt)
            m_logik.setAuswahl(i);
    });
    connect(PBAnwenden, &QPushButton::clicked, this, &WHPlattenDlg::Anwenden);
    connect(PBAbbruch, &QPushButton::clicked, this, &WHPlattenDlg::Abbruch);
}

void WHPlattenDlg::fuellen()
{
    tableWidget->setColumnCount(PlattenZusammenstellung::spalten);
    tableWidget->setRowCount(m_logik.zeilen());
    tableWidget->setHorizontalHeaderLabels(m_logik.spaltenKoepfe());
    for (int z = 0; z < m_logik.zeilen(); ++z) {
        for (int s = 0; s < PlattenZusammenstellung::spalten; ++s) {
            auto* item = new QTableWidgetItem(m_logik.text(z, s));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (PlattenZusammenstellung::editierbar(s))
                f |= Qt::ItemIsEditable;
            item->setFlags(f);
            tableWidget->setItem(z, s, item);
        }
    }
    tableWidget->resizeColumnsToContents();
    tableWidget->resizeRowsToContents();
    // The table shows all its rows without scrolling.
    int hoehe = tableWidget->horizontalHeader()->sizeHint().height() + 2 * tableWidget->frameWidth();
    int breite = 2 * tableWidget->frameWidth();
    for (int z = 0; z < tableWidget->rowCount(); ++z)
        hoehe += tableWidget->rowHeight(z);
    for (int s = 0; s < tableWidget->columnCount(); ++s)
        breite += tableWidget->columnWidth(s);
    tableWidget->setMinimumSize(breite, hoehe);
}

void WHPlattenDlg::zeigen(bool vorauswahl)
{
    csbFlaecheIst->setWert(m_logik.flaeche());
    csbDifferenz->setWert(m_logik.differenz());
    QPalette p = tlDifferenz->palette();
    p.setColor(QPalette::All, QPalette::WindowText,
               m_logik.differenzRot() ? QColor(Qt::red) : QColor(Qt::darkGreen));
    tlDifferenz->setPalette(p);

    // Refilling the choice selects its first entry; on opening, the count the surface had.
    const int auswahl = m_logik.auswahl();
    m_fuellt = true;
    comboBoxAnzahlReg->clear();
    for (int n : m_logik.registerAnzahlen())
        comboBoxAnzahlReg->addItem(QString::number(n), n);
    comboBoxAnzahlReg->setCurrentIndex(vorauswahl ? auswahl : (comboBoxAnzahlReg->count() > 0 ? 0 : -1));
    m_fuellt = false;
    m_logik.setAuswahl(comboBoxAnzahlReg->currentIndex());
}

void WHPlattenDlg::anzahlChanged(QTableWidgetItem* item)
{
    if (!item || item->column() != PlattenZusammenstellung::spalteAnzahl)
        return;
    m_logik.setAnzahl(item->row(), Zahl::toInt(item->text()));
    zeigen(false);
}

void WHPlattenDlg::Anwenden()
{
    const PlattenZusammenstellung::Ergebnis e = m_logik.anwenden();
    if (!e.angenommen) {
        MessageBox::critical(this, tr("Fehler"), e.meldung);
        return;
    }
    m_ergebnis = e;
    accept();
}

void WHPlattenDlg::Abbruch()
{
    reject();
}
