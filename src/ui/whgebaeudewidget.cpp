#include "ui/whgebaeudewidget.h"

#include "app/kataloge.h"
#include "app/pfade.h"
#include "app/zahl.h"
#include "model/gebaeudedata.h"
#include "ui/whdoubleedit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {
// A page value counts as changed from a hundredth on; the bound allows for the noise of
// single precision (0.11 − 0.1 gives 0.00999999).
bool weichtAb(float a, float b)
{
    return std::fabs(static_cast<double>(a) - static_cast<double>(b)) >= 0.0095;
}
} // namespace

WHGebaeudeWidget::WHGebaeudeWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHGebaeudeWidget"));

    m_gruppe = new QGroupBox(this);
    m_gruppe->setObjectName(QStringLiteral("GBGebaeudekenndaten"));
    CBGebaeudealter = new QComboBox(m_gruppe);
    CBGebaeudealter->setObjectName(QStringLiteral("CBGebaeudealter"));
    CBGebaeudealter->addItems(Kataloge::gebaeudeStandards());
    LEVorschlagWB = new WHDoubleEdit(m_gruppe, QStringLiteral("LEVorschlagWB"), 0.0, 1000000.0, 5);
    CBSystemWHG = new QComboBox(m_gruppe);
    CBSystemWHG->setObjectName(QStringLiteral("CBSystemWHG"));
    CBSystemWHG->addItems(Kataloge::systeme());
    LEVorlauftemperatur = new WHDoubleEdit(m_gruppe, QStringLiteral("LEVorlauftemperatur"), 0.0, 70.0, 1);
    SBAnzahlEtagen = new QSpinBox(m_gruppe);
    SBAnzahlEtagen->setObjectName(QStringLiteral("SBAnzahlEtagen"));
    SBAnzahlEtagen->setRange(0, Kataloge::maxEtagen);

    m_lAlter = new QLabel(m_gruppe);
    m_lVorschlag = new QLabel(m_gruppe);
    m_lSystem = new QLabel(m_gruppe);
    m_lVorlauf = new QLabel(m_gruppe);
    m_lEtagen = new QLabel(m_gruppe);
    m_lAlter->setBuddy(CBGebaeudealter);
    m_lVorschlag->setBuddy(LEVorschlagWB);
    m_lSystem->setBuddy(CBSystemWHG);
    m_lVorlauf->setBuddy(LEVorlauftemperatur);
    m_lEtagen->setBuddy(SBAnzahlEtagen);

    auto* grid = new QGridLayout(m_gruppe);
    const QList<QPair<QLabel*, QWidget*>> zeilen{{m_lAlter, CBGebaeudealter},
                                                 {m_lVorschlag, LEVorschlagWB},
                                                 {m_lSystem, CBSystemWHG},
                                                 {m_lVorlauf, LEVorlauftemperatur},
                                                 {m_lEtagen, SBAnzahlEtagen}};
    for (int i = 0; i < zeilen.size(); ++i) {
        grid->addWidget(zeilen.at(i).first, i, 0);
        grid->addWidget(zeilen.at(i).second, i, 1);
    }
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_gruppe);
    layout->addStretch(1);

    setTabOrder(CBGebaeudealter, LEVorschlagWB);
    setTabOrder(LEVorschlagWB, CBSystemWHG);
    setTabOrder(CBSystemWHG, LEVorlauftemperatur);
    setTabOrder(LEVorlauftemperatur, SBAnzahlEtagen);

    connect(CBGebaeudealter, qOverload<int>(&QComboBox::activated), this,
            &WHGebaeudeWidget::GebaeudeArtChanged);

    languageChange();
}

void WHGebaeudeWidget::languageChange()
{
    setWindowTitle(tr("Gebäude"));
    m_gruppe->setTitle(tr("Gebäudekenndaten"));
    m_lAlter->setText(tr("Gebäudealter/Gebäudeart"));
    m_lVorschlag->setText(tr("Überschlägiger Wärmebedarf (W/m²)"));
    m_lSystem->setText(tr("System WH"));
    m_lVorlauf->setText(tr("Mittlere Vorlauftemperatur (°C)"));
    m_lEtagen->setText(tr("Anzahl der Etagen"));
    LEVorlauftemperatur->setBezeichnung(tr("Mittlere Vorlauftemperatur"));
}

void WHGebaeudeWidget::GebaeudeArtChanged(int index)
{
    if (index < 0)
        return;
    LEVorschlagWB->setWert(Kataloge::vorschlagWB(index));
    LEVorschlagWB->setBottom(Kataloge::untergrenzeWB(index));
}

float WHGebaeudeWidget::vorlauf() const
{
    return Zahl::toFloat(LEVorlauftemperatur->text());
}

void WHGebaeudeWidget::showData(WHBaseData& record)
{
    auto& g = static_cast<GebaeudeData&>(record);
    CBGebaeudealter->setCurrentIndex(g.gebaeudeAlter);
    // The lowest accepted specific demand belongs to the building standard shown.
    LEVorschlagWB->setBottom(Kataloge::untergrenzeWB(g.gebaeudeAlter));
    LEVorschlagWB->setWert(g.ueberWB);
    CBSystemWHG->setCurrentIndex(g.systemIndex);
    LEVorlauftemperatur->setWert(g.vorlauftemperatur);
    SBAnzahlEtagen->setValue(g.anzahlEtagen);
    LEVorlauftemperatur->setFocus(Qt::OtherFocusReason);
    Pfade::setHelpPage(QStringLiteral("gebaeude.html"));
}

int WHGebaeudeWidget::getData(WHBaseData& record)
{
    auto& g = static_cast<GebaeudeData&>(record);
    // The field shows one decimal: a stored value with more digits is kept while the field
    // still shows it unchanged.
    const float t = vorlauf();
    const int geaendert = weichtAb(t, g.vorlauftemperatur) ? 1 : 0;
    g.gebaeudeAlter = CBGebaeudealter->currentIndex();
    g.ueberWB = Zahl::toFloat(LEVorschlagWB->text());
    g.systemIndex = CBSystemWHG->currentIndex();
    if (geaendert)
        g.vorlauftemperatur = t;
    g.anzahlEtagen = SBAnzahlEtagen->value();
    return geaendert;
}

bool WHGebaeudeWidget::isChanged(const WHBaseData& record) const
{
    const auto& g = static_cast<const GebaeudeData&>(record);
    return weichtAb(g.vorlauftemperatur, vorlauf()) ||
           weichtAb(g.ueberWB, Zahl::toFloat(LEVorschlagWB->text())) ||
           g.gebaeudeAlter != CBGebaeudealter->currentIndex() ||
           g.systemIndex != CBSystemWHG->currentIndex() || g.anzahlEtagen != SBAnzahlEtagen->value();
}

bool WHGebaeudeWidget::checkData(const WHBaseData& record) const
{
    return record.checkData(CBSystemWHG->currentIndex(), vorlauf());
}

void WHGebaeudeWidget::keyPressEvent(QKeyEvent* event)
{
    const int richtung = fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
