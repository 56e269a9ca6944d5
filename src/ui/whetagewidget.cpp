#include "ui/whetagewidget.h"

#include "app/kataloge.h"
#include "app/pfade.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "ui/seitenformular.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

WHEtageWidget::WHEtageWidget(QWidget* parent) : EingabeSeite(parent)
{
    setObjectName(QStringLiteral("WHEtageWidget"));

    SeitenFormular form(this, "GBEtagekenndaten");
    m_gruppe = form.gruppe();
    LEBezeichnung = form.zeile(form.neu<QLineEdit>("LEBezeichnung"), m_lBezeichnung, 2);
    CBSystemWHE = form.zeile(form.neu<QComboBox>("CBSystemWHE"), m_lSystem);
    CBSystemWHE->addItems(Kataloge::systeme());
    SBAnzahlRaeume = form.zeile(form.neu<QSpinBox>("SBAnzahlRaeume"), m_lRaeume);
    SBAnzahlRaeume->setRange(0, Kataloge::maxRaeume);
    form.raster()->setColumnStretch(2, 1);

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
