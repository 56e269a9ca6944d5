#include "ui/whetagewidget.h"

#include "app/kataloge.h"
#include "app/pfade.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

WHEtageWidget::WHEtageWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHEtageWidget"));

    m_gruppe = new QGroupBox(this);
    m_gruppe->setObjectName(QStringLiteral("GBEtagekenndaten"));
    LEBezeichnung = new QLineEdit(m_gruppe);
    LEBezeichnung->setObjectName(QStringLiteral("LEBezeichnung"));
    CBSystemWHE = new QComboBox(m_gruppe);
    CBSystemWHE->setObjectName(QStringLiteral("CBSystemWHE"));
    CBSystemWHE->addItems(Kataloge::systeme());
    SBAnzahlRaeume = new QSpinBox(m_gruppe);
    SBAnzahlRaeume->setObjectName(QStringLiteral("SBAnzahlRaeume"));
    SBAnzahlRaeume->setRange(0, Kataloge::maxRaeume);

    m_lBezeichnung = new QLabel(m_gruppe);
    m_lSystem = new QLabel(m_gruppe);
    m_lRaeume = new QLabel(m_gruppe);
    m_lBezeichnung->setBuddy(LEBezeichnung);
    m_lSystem->setBuddy(CBSystemWHE);
    m_lRaeume->setBuddy(SBAnzahlRaeume);

    auto* grid = new QGridLayout(m_gruppe);
    grid->addWidget(m_lBezeichnung, 0, 0);
    grid->addWidget(LEBezeichnung, 0, 1, 1, 2);
    grid->addWidget(m_lSystem, 1, 0);
    grid->addWidget(CBSystemWHE, 1, 1);
    grid->addWidget(m_lRaeume, 2, 0);
    grid->addWidget(SBAnzahlRaeume, 2, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_gruppe);
    layout->addStretch(1);

    setTabOrder(LEBezeichnung, CBSystemWHE);
    setTabOrder(CBSystemWHE, SBAnzahlRaeume);

    languageChange();
}

void WHEtageWidget::languageChange()
{
    setWindowTitle(tr("Etage"));
    m_gruppe->setTitle(tr("Etagekenndaten"));
    m_lBezeichnung->setText(tr("Bezeichnung"));
    m_lSystem->setText(tr("System WH"));
    m_lRaeume->setText(tr("Anzahl Räume"));
}

void WHEtageWidget::showData(WHBaseData& record)
{
    auto& e = static_cast<EtageData&>(record);
    LEBezeichnung->setText(e.name);
    CBSystemWHE->setCurrentIndex(e.systemIndex);
    SBAnzahlRaeume->setValue(e.anzahlRaeume);
    LEBezeichnung->setFocus(Qt::OtherFocusReason);
    Pfade::setHelpPage(QStringLiteral("etage.html"));
}

int WHEtageWidget::getData(WHBaseData& record)
{
    auto& e = static_cast<EtageData&>(record);
    e.name = WHBaseData::bereinigt(LEBezeichnung->text());
    e.systemIndex = CBSystemWHE->currentIndex();
    e.anzahlRaeume = SBAnzahlRaeume->value();
    return 0;
}

bool WHEtageWidget::isChanged(const WHBaseData& record) const
{
    const auto& e = static_cast<const EtageData&>(record);
    return e.name != WHBaseData::bereinigt(LEBezeichnung->text()) ||
           e.systemIndex != CBSystemWHE->currentIndex() || e.anzahlRaeume != SBAnzahlRaeume->value();
}

bool WHEtageWidget::checkData(const WHBaseData& record) const
{
    const auto& e = static_cast<const EtageData&>(record);
    return e.checkData(CBSystemWHE->currentIndex(), e.gebaeude ? e.gebaeude->vorlauftemperatur : 45.0f);
}

void WHEtageWidget::keyPressEvent(QKeyEvent* event)
{
    const int richtung = fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
