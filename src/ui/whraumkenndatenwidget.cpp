#include "ui/whraumkenndatenwidget.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/programm.h"
#include "model/raumdata.h"
#include "model/waermebilanz.h"
#include "ui/combospinwgt.h"
#include "ui/whseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {
combospinWgt* neuesFeld(QWidget* parent, const char* name, const QString& einheit, const QString& werte,
                        double schritt, double max)
{
    auto* f = new combospinWgt(parent, QLatin1String(name));
    f->setEinheit(einheit);
    f->setComboWerte(werte);
    f->setSpinStep(schritt);
    f->setMax(max);
    // Watts, square metres and degrees of a room: two decimals are all a planner reads.
    f->setMaxDecimals(2);
    return f;
}

bool weichtAb(float a, double b)
{
    return std::fabs(static_cast<double>(a) - static_cast<double>(static_cast<float>(b))) >= 0.0095;
}
} // namespace

WHRaumKenndatenWidget::WHRaumKenndatenWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("raumkenndaten"));

    m_raumGruppe = new QGroupBox(this);
    m_raumGruppe->setObjectName(QStringLiteral("GBRaum"));
    LERaumBezeichnung = new QLineEdit(m_raumGruppe);
    LERaumBezeichnung->setObjectName(QStringLiteral("LERaumBezeichnung"));
    CBRaumTyp = new QComboBox(m_raumGruppe);
    CBRaumTyp->setObjectName(QStringLiteral("CBRaumTyp"));
    CBRaumTyp->addItems(Kataloge::raumTypen());
    csbRaumTemperatur = neuesFeld(m_raumGruppe, "csbRaumTemperatur", QStringLiteral("°C"),
                                  QStringLiteral("15:30:1"), 0.5, 40.0);
    csbRaumFlaeche = neuesFeld(m_raumGruppe, "csbRaumFlaeche", QStringLiteral("m²"),
                               QStringLiteral("10:50:2;55:100:5"), 0.5, 10000.0);
    csbGeschWB = neuesFeld(m_raumGruppe, "csbGeschWB", QStringLiteral("W/m²"), QStringLiteral("20:100:5"),
                           1.0, 1000.0);
    csbWaermebedarf = neuesFeld(m_raumGruppe, "csbWaermebedarf", QStringLiteral("W"),
                                QStringLiteral("500:5000:500"), 10.0, 1000000.0);

    m_flaechenGruppe = new QGroupBox(this);
    m_flaechenGruppe->setObjectName(QStringLiteral("GBFlaechen"));
    CBSystemWHR = new QComboBox(m_flaechenGruppe);
    CBSystemWHR->setObjectName(QStringLiteral("CBSystemWHR"));
    CBSystemWHR->addItems(Kataloge::systeme());
    csbFlaecheWH = neuesFeld(m_flaechenGruppe, "csbFlaecheWH", QStringLiteral("m²"),
                             QStringLiteral("1:20:0.5"), 0.1, 1000.0);
    csbFlaecheFBH = neuesFeld(m_flaechenGruppe, "csbFlaecheFBH", QStringLiteral("m²"),
                              QStringLiteral("1:20:0.5"), 0.1, 1000.0);
    csbWaermeabgabe =
        neuesFeld(m_flaechenGruppe, "csbWaermeabgabe", QStringLiteral("W"), QString(), 0.0, 1e8);
    csbDifferenz = neuesFeld(m_flaechenGruppe, "csbDifferenz", QStringLiteral("W"), QString(), 0.0, 1e8);
    csbDifferenz->setMin(-1e8);
    // Output and difference are results.
    csbWaermeabgabe->disable();
    csbDifferenz->disable();
    CBDirekt = new QCheckBox(m_flaechenGruppe);
    CBDirekt->setObjectName(QStringLiteral("CBDirekt"));

    auto label = [](QWidget* parent, QWidget* buddy) {
        auto* l = new QLabel(parent);
        l->setBuddy(buddy);
        return l;
    };
    m_lBezeichnung = label(m_raumGruppe, LERaumBezeichnung);
    m_lRaumTyp = label(m_raumGruppe, CBRaumTyp);
    m_lRaumTemperatur = label(m_raumGruppe, csbRaumTemperatur);
    m_lRaumFlaeche = label(m_raumGruppe, csbRaumFlaeche);
    m_lGeschWB = label(m_raumGruppe, csbGeschWB);
    m_lWaermebedarf = label(m_raumGruppe, csbWaermebedarf);
    m_lSystem = label(m_flaechenGruppe, CBSystemWHR);
    m_lFlaecheWH = label(m_flaechenGruppe, csbFlaecheWH);
    m_lFlaecheFBH = label(m_flaechenGruppe, csbFlaecheFBH);
    m_lWaermeabgabe = label(m_flaechenGruppe, csbWaermeabgabe);
    tlDifferenz = label(m_flaechenGruppe, csbDifferenz);
    tlDifferenz->setObjectName(QStringLiteral("tlDifferenz"));

    // Two columns of label and field in each group.
    auto* g1 = new QGridLayout(m_raumGruppe);
    g1->addWidget(m_lBezeichnung, 0, 0);
    g1->addWidget(LERaumBezeichnung, 0, 1);
    g1->addWidget(m_lRaumTyp, 0, 3);
    g1->addWidget(CBRaumTyp, 0, 4);
    g1->addWidget(m_lRaumTemperatur, 1, 0);
    g1->addWidget(csbRaumTemperatur, 1, 1);
    g1->addWidget(m_lRaumFlaeche, 1, 3);
    g1->addWidget(csbRaumFlaeche, 1, 4);
    g1->addWidget(m_lGeschWB, 2, 0);
    g1->addWidget(csbGeschWB, 2, 1);
    g1->addWidget(m_lWaermebedarf, 2, 3);
    g1->addWidget(csbWaermebedarf, 2, 4);
    g1->setColumnMinimumWidth(2, 12);
    g1->setColumnStretch(1, 1);
    g1->setColumnStretch(4, 1);

    auto* g2 = new QGridLayout(m_flaechenGruppe);
    g2->addWidget(m_lSystem, 0, 0);
    g2->addWidget(CBSystemWHR, 0, 1);
    g2->addWidget(m_lWaermeabgabe, 0, 3);
    g2->addWidget(csbWaermeabgabe, 0, 4);
    g2->addWidget(m_lFlaecheWH, 1, 0);
    g2->addWidget(csbFlaecheWH, 1, 1);
    g2->addWidget(tlDifferenz, 1, 3);
    g2->addWidget(csbDifferenz, 1, 4);
    g2->addWidget(m_lFlaecheFBH, 2, 0);
    g2->addWidget(csbFlaecheFBH, 2, 1);
    g2->addWidget(CBDirekt, 2, 3, 1, 2);
    g2->setColumnMinimumWidth(2, 12);
    g2->setColumnStretch(1, 1);
    g2->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_raumGruppe);
    layout->addWidget(m_flaechenGruppe);

    setTabOrder(LERaumBezeichnung, CBRaumTyp);
    setTabOrder(CBRaumTyp, csbRaumTemperatur);
    setTabOrder(csbRaumTemperatur, csbRaumFlaeche);
    setTabOrder(csbRaumFlaeche, csbGeschWB);
    setTabOrder(csbGeschWB, csbWaermebedarf);
    setTabOrder(csbWaermebedarf, CBSystemWHR);
    setTabOrder(CBSystemWHR, csbFlaecheWH);
    setTabOrder(csbFlaecheWH, csbFlaecheFBH);
    setTabOrder(csbFlaecheFBH, CBDirekt);

    connect(csbGeschWB, &combospinWgt::wertChanged, this, &WHRaumKenndatenWidget::BerechnungWaermebedarf);
    connect(csbRaumFlaeche, &combospinWgt::wertChanged, this, &WHRaumKenndatenWidget::BerechnungWaermebedarf);
    connect(csbWaermebedarf, &combospinWgt::wertChanged, this,
            &WHRaumKenndatenWidget::BerechnungWaermebedarfProM2);
    connect(csbRaumTemperatur, &combospinWgt::wertChanged, this, &WHRaumKenndatenWidget::BerechnungWHFlaeche);
    connect(csbFlaecheWH, &combospinWgt::wertChanged, this, &WHRaumKenndatenWidget::BerechnungDifferenz);
    connect(csbFlaecheFBH, &combospinWgt::wertChanged, this, &WHRaumKenndatenWidget::BerechnungWHFlaeche);
    connect(CBRaumTyp, qOverload<int>(&QComboBox::activated), this, &WHRaumKenndatenWidget::RaumTypChanged);
    connect(CBSystemWHR, qOverload<int>(&QComboBox::activated), this,
            &WHRaumKenndatenWidget::BerechnungWHFlaeche);

    languageChange();
}

void WHRaumKenndatenWidget::languageChange()
{
    setWindowTitle(tr("Raumkenndaten"));
    m_raumGruppe->setTitle(tr("Raumkenndaten"));
    m_flaechenGruppe->setTitle(tr("Wand-, und Fußbodenheizflächen"));
    m_lBezeichnung->setText(tr("Bezeichnung"));
    m_lRaumTyp->setText(tr("Raumtyp"));
    m_lRaumTemperatur->setText(tr("Raumtemperatur"));
    m_lRaumFlaeche->setText(tr("Raumfläche"));
    m_lGeschWB->setText(tr("übersch. Wärmebedarf"));
    m_lWaermebedarf->setText(tr("Wärmebedarf"));
    m_lSystem->setText(tr("System Wandheizung"));
    m_lFlaecheWH->setText(tr("Fläche Wandheizung"));
    m_lFlaecheFBH->setText(tr("Fläche Fußbodenheizung"));
    m_lWaermeabgabe->setText(tr("Wärmeabgabe"));
    tlDifferenz->setText(tr("Differenz"));
    CBDirekt->setText(tr("Fußbodenheizfläche D&irekt an HKV"));
}

int WHRaumKenndatenWidget::system() const
{
    return CBSystemWHR->currentIndex();
}

void WHRaumKenndatenWidget::setzeSystem(int system)
{
    CBSystemWHR->setCurrentIndex(system);
    BerechnungWHFlaeche();
}

float WHRaumKenndatenWidget::flaecheWH() const
{
    return static_cast<float>(csbFlaecheWH->wert());
}

float WHRaumKenndatenWidget::q() const
{
    return Auslegung::WaermeabgabeProM2(system(), tVorlauf, static_cast<float>(csbRaumTemperatur->wert()));
}

void WHRaumKenndatenWidget::differenzFarbe(double differenz)
{
    const QColor farbe = Waermebilanz::istRot(differenz) ? QColor(Qt::red) : QColor(Qt::darkGreen);
    QPalette p = tlDifferenz->palette();
    p.setColor(QPalette::All, QPalette::WindowText, farbe);
    tlDifferenz->setPalette(p);
}

void WHRaumKenndatenWidget::BerechnungWaermebedarf()
{
    csbWaermebedarf->setWert(Waermebilanz::waermebedarf(static_cast<float>(csbRaumFlaeche->wert()),
                                                        static_cast<float>(csbGeschWB->wert())));
    BerechnungWHFlaeche();
}

void WHRaumKenndatenWidget::BerechnungWaermebedarfProM2()
{
    csbGeschWB->setWert(Waermebilanz::waermebedarfProM2(static_cast<float>(csbWaermebedarf->wert()),
                                                        static_cast<float>(csbRaumFlaeche->wert())));
    BerechnungWHFlaeche();
}

void WHRaumKenndatenWidget::BerechnungWHFlaeche()
{
    csbFlaecheWH->setWert(Waermebilanz::flaecheWH(q(), static_cast<float>(csbWaermebedarf->wert()),
                                                  static_cast<float>(csbFlaecheFBH->wert())));
    BerechnungDifferenz();
}

void WHRaumKenndatenWidget::BerechnungDifferenz()
{
    const float abgabe =
        Waermebilanz::waermeabgabe(q(), flaecheWH(), static_cast<float>(csbFlaecheFBH->wert()));
    csbWaermeabgabe->setWert(abgabe);
    const float differenz = Waermebilanz::differenz(abgabe, static_cast<float>(csbWaermebedarf->wert()));
    csbDifferenz->setWert(differenz);
    differenzFarbe(differenz);
    emit whflaechen(system(), flaecheWH());
}

void WHRaumKenndatenWidget::RaumTypChanged(int i)
{
    if (i < 0)
        return;
    csbRaumTemperatur->setWert(Kataloge::raumTemperatur(i));
    LERaumBezeichnung->setText(Kataloge::name(Kataloge::raumTypen(), i));
    BerechnungWHFlaeche();
}

void WHRaumKenndatenWidget::zeigen(const RaumData& r)
{
    tVorlauf = r.vorlauftemperatur();
    LERaumBezeichnung->setText(r.name);
    CBSystemWHR->setCurrentIndex(r.systemIndex);
    CBRaumTyp->setCurrentIndex(r.raumTyp);
    csbRaumTemperatur->setWert(r.raumTemperatur);
    csbRaumFlaeche->setWert(r.flaeche);
    csbGeschWB->setWert(r.waermebedarfProM2);
    csbWaermebedarf->setWert(r.waermebedarf);
    csbFlaecheWH->setWert(r.flaecheWH);
    csbFlaecheFBH->setWert(r.flaecheFBH);
    csbDifferenz->setWert(r.differenz);
    csbWaermeabgabe->setWert(r.differenz + r.waermebedarf);
    differenzFarbe(r.differenz);
    CBDirekt->setChecked(r.fbhDirekt);
    // The direct connection of the floor heating belongs to the execution planning.
    CBDirekt->setVisible(Programm::stand() == 1);
    CBRaumTyp->setFocus(Qt::OtherFocusReason);
}

void WHRaumKenndatenWidget::uebernehmen(RaumData& r) const
{
    r.name = WHBaseData::bereinigt(LERaumBezeichnung->text());
    r.setSystem(system());
    r.raumTyp = CBRaumTyp->currentIndex();
    r.raumTemperatur = static_cast<float>(csbRaumTemperatur->wert());
    r.flaeche = static_cast<float>(csbRaumFlaeche->wert());
    r.waermebedarfProM2 = static_cast<float>(csbGeschWB->wert());
    r.waermebedarf = static_cast<float>(csbWaermebedarf->wert());
    r.flaecheWH = flaecheWH();
    r.flaecheFBH = static_cast<float>(csbFlaecheFBH->wert());
    r.fbhDirekt = CBDirekt->isChecked();
    r.differenz = static_cast<float>(csbDifferenz->wert());
}

bool WHRaumKenndatenWidget::unterscheidet(const RaumData& r) const
{
    return r.name != WHBaseData::bereinigt(LERaumBezeichnung->text()) || r.systemIndex != system() ||
           r.raumTyp != CBRaumTyp->currentIndex() || weichtAb(r.raumTemperatur, csbRaumTemperatur->wert()) ||
           weichtAb(r.flaeche, csbRaumFlaeche->wert()) || weichtAb(r.waermebedarfProM2, csbGeschWB->wert()) ||
           weichtAb(r.waermebedarf, csbWaermebedarf->wert()) || weichtAb(r.flaecheWH, csbFlaecheWH->wert()) ||
           weichtAb(r.flaecheFBH, csbFlaecheFBH->wert()) || weichtAb(r.differenz, csbDifferenz->wert()) ||
           r.fbhDirekt != CBDirekt->isChecked();
}

void WHRaumKenndatenWidget::keyPressEvent(QKeyEvent* event)
{
    const int richtung = WHSeite::fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
