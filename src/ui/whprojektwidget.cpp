#include "ui/whprojektwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "model/projektdata.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QLineEdit* neueZeile(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}
} // namespace

WHProjektWidget::WHProjektWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHProjektWidget"));

    m_kenndaten = new QGroupBox(this);
    m_kenndaten->setObjectName(QStringLiteral("GBProjektkenndaten"));
    LEProjektName = neueZeile(m_kenndaten, "LEProjektName");
    LEProjektNR = neueZeile(m_kenndaten, "LEProjektNR");
    LEStrasse = neueZeile(m_kenndaten, "LEStrasse");
    LEOrt = neueZeile(m_kenndaten, "LEOrt");
    LEPLZ = neueZeile(m_kenndaten, "LEPLZ");
    DEDatum = new QDateEdit(QDate(2002, 1, 1), m_kenndaten);
    DEDatum->setObjectName(QStringLiteral("DEDatum"));
    DEDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DEDatum->setCalendarPopup(true);

    m_lProjekt = new QLabel(m_kenndaten);
    m_lNr = new QLabel(m_kenndaten);
    m_lStrasse = new QLabel(m_kenndaten);
    m_lOrt = new QLabel(m_kenndaten);
    m_lPlz = new QLabel(m_kenndaten);
    m_lDatum = new QLabel(m_kenndaten);
    m_lProjekt->setBuddy(LEProjektName);
    m_lNr->setBuddy(LEProjektNR);
    m_lStrasse->setBuddy(LEStrasse);
    m_lOrt->setBuddy(LEOrt);
    m_lPlz->setBuddy(LEPLZ);
    m_lDatum->setBuddy(DEDatum);

    auto* grid = new QGridLayout(m_kenndaten);
    const QList<QPair<QLabel*, QWidget*>> zeilen{{m_lProjekt, LEProjektName},
                                                 {m_lNr, LEProjektNR},
                                                 {m_lStrasse, LEStrasse},
                                                 {m_lOrt, LEOrt},
                                                 {m_lPlz, LEPLZ},
                                                 {m_lDatum, DEDatum}};
    for (int i = 0; i < zeilen.size(); ++i) {
        grid->addWidget(zeilen.at(i).first, i, 0);
        if (zeilen.at(i).second == DEDatum)
            grid->addWidget(DEDatum, i, 1, Qt::AlignLeft);
        else
            grid->addWidget(zeilen.at(i).second, i, 1);
    }
    grid->setColumnStretch(1, 1);

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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_kenndaten);
    layout->addWidget(m_standGruppe);
    layout->addStretch(1);

    setTabOrder(LEProjektName, LEProjektNR);
    setTabOrder(LEProjektNR, LEStrasse);
    setTabOrder(LEStrasse, LEOrt);
    setTabOrder(LEOrt, LEPLZ);
    setTabOrder(LEPLZ, DEDatum);
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

void WHProjektWidget::keyPressEvent(QKeyEvent* event)
{
    const int richtung = fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
