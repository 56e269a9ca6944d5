#include "ui/whgebaeudewidget.h"

#include "app/kataloge.h"
#include "app/pfade.h"
#include "app/zahl.h"
#include "model/gebaeudedata.h"
#include "ui/seitenformular.h"
#include "ui/whdoubleedit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include <cmath>

namespace {
// A page value counts as changed from a hundredth on; the bound allows for the noise of
// single precision (0.11 − 0.1 gives 0.00999999).
bool weichtAb(float a, float b)
{
    return std::fabs(static_cast<double>(a) - static_cast<double>(b)) >= 0.0095;
}
} // namespace

WHGebaeudeWidget::WHGebaeudeWidget(QWidget* parent) : EingabeSeite(parent)
{
    setObjectName(QStringLiteral("WHGebaeudeWidget"));

    SeitenFormular form(this, "GBGebaeudekenndaten");
    m_gruppe = form.gruppe();
    CBGebaeudealter = form.zeile(form.neu<QComboBox>("CBGebaeudealter"), m_lAlter);
    CBGebaeudealter->addItems(Kataloge::gebaeudeStandards());
    LEVorschlagWB = form.zeile(new WHDoubleEdit(m_gruppe, QStringLiteral("LEVorschlagWB"), 0.0, 1000000.0, 5),
                               m_lVorschlag);
    CBSystemWHG = form.zeile(form.neu<QComboBox>("CBSystemWHG"), m_lSystem);
    CBSystemWHG->addItems(Kataloge::systeme());
    LEVorlauftemperatur = form.zeile(
        new WHDoubleEdit(m_gruppe, QStringLiteral("LEVorlauftemperatur"), 0.0, 70.0, 1), m_lVorlauf);
    SBAnzahlEtagen = form.zeile(form.neu<QSpinBox>("SBAnzahlEtagen"), m_lEtagen);
    SBAnzahlEtagen->setRange(0, Kataloge::maxEtagen);
    form.raster()->setColumnStretch(2, 1);

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
