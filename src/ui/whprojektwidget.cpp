#include "ui/whprojektwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "model/projektdata.h"
#include "ui/seitenformular.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

WHProjektWidget::WHProjektWidget(QWidget* parent) : EingabeSeite(parent)
{
    setObjectName(QStringLiteral("WHProjektWidget"));

    SeitenFormular form(this, "GBProjektkenndaten");
    m_kenndaten = form.gruppe();
    LEProjektName = form.zeile(form.neu<QLineEdit>("LEProjektName"), m_lProjekt);
    LEProjektNR = form.zeile(form.neu<QLineEdit>("LEProjektNR"), m_lNr);
    LEStrasse = form.zeile(form.neu<QLineEdit>("LEStrasse"), m_lStrasse);
    LEOrt = form.zeile(form.neu<QLineEdit>("LEOrt"), m_lOrt);
    LEPLZ = form.zeile(form.neu<QLineEdit>("LEPLZ"), m_lPlz);
    DEDatum = form.zeile(form.neu<QDateEdit>("DEDatum"), m_lDatum, 1, Qt::AlignLeft);
    DEDatum->setDate(QDate(2002, 1, 1));
    DEDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DEDatum->setCalendarPopup(true);
    form.raster()->setColumnStretch(1, 1);

    m_standGruppe = new QGroupBox(this);
    m_standGruppe->setObjectName(QStringLiteral("GBProjektstand"));
    RBKostenSchaetzung = new QRadioButton(m_standGruppe);
    RBKostenSchaetzung->setObjectName(QStringLiteral("RBKostenSchaetzung"));
    RBAusfuerungsplannung = new QRadioButton(m_standGruppe);
    RBAusfuerungsplannung->setObjectName(QStringLiteral("RBAusfuerungsplannung"));
    RBKostenSchaetzung->setChecked(true);
    auto* standLayout = new QVBoxLayout(m_standGruppe);
    standLayout->addWidget(RBKostenSchaetzung);
    standLayout->addWidget(RBAusfuerungsplannung);

    SeitenFormular::stapeln(this, m_standGruppe);

    setTabOrder(DEDatum, RBKostenSchaetzung);
    setTabOrder(RBKostenSchaetzung, RBAusfuerungsplannung);

    languageChange();
}

void WHProjektWidget::languageChange()
{
    setWindowTitle(tr("Projekt"));
    m_kenndaten->setTitle(tr("Projektkenndaten"));
    m_standGruppe->setTitle(tr("Projektstand"));
    m_lProjekt->setText(tr("Projekt"));
    m_lNr->setText(tr("Projekt-Nr."));
    m_lStrasse->setText(tr("Strasse"));
    m_lOrt->setText(tr("Ort"));
    m_lPlz->setText(tr("PLZ"));
    m_lDatum->setText(tr("Datum"));
    RBKostenSchaetzung->setText(tr("Kostenschätzung"));
    RBAusfuerungsplannung->setText(tr("Ausführungsplanung"));
}

int WHProjektWidget::stand() const
{
    return RBAusfuerungsplannung->isChecked() ? 1 : 0;
}

void WHProjektWidget::showData(WHBaseData& record)
{
    auto& p = static_cast<ProjektData&>(record);
    LEProjektName->setText(p.name);
    LEProjektNR->setText(p.projektNr);
    LEStrasse->setText(p.strasse);
    LEOrt->setText(p.ort);
    LEPLZ->setText(p.plz);
    if (p.datum.isValid())
        DEDatum->setDate(p.datum);
    if (p.stand == 1)
        RBAusfuerungsplannung->setChecked(true);
    else
        RBKostenSchaetzung->setChecked(true);
    Programm::setStand(p.stand);
    LEProjektName->setFocus(Qt::OtherFocusReason);
    Pfade::setHelpPage(QStringLiteral("projekt.html"));
}

int WHProjektWidget::getData(WHBaseData& record)
{
    auto& p = static_cast<ProjektData&>(record);
    p.name = WHBaseData::bereinigt(LEProjektName->text());
    p.projektNr = WHBaseData::bereinigt(LEProjektNR->text());
    p.strasse = WHBaseData::bereinigt(LEStrasse->text());
    p.ort = WHBaseData::bereinigt(LEOrt->text());
    p.plz = WHBaseData::bereinigt(LEPLZ->text());
    p.datum = DEDatum->date();
    p.stand = stand();
    Programm::setStand(p.stand);
    return 0;
}

bool WHProjektWidget::isChanged(const WHBaseData& record) const
{
    const auto& p = static_cast<const ProjektData&>(record);
    return p.name != WHBaseData::bereinigt(LEProjektName->text()) ||
           p.projektNr != WHBaseData::bereinigt(LEProjektNR->text()) ||
           p.strasse != WHBaseData::bereinigt(LEStrasse->text()) ||
           p.ort != WHBaseData::bereinigt(LEOrt->text()) || p.plz != WHBaseData::bereinigt(LEPLZ->text()) ||
           p.datum != DEDatum->date() || p.stand != stand();
}
