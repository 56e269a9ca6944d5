#include "ui/whraumwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "model/raumdata.h"
#include "ui/messagebox.h"
#include "ui/whflaechenwidget.h"
#include "ui/whraumkenndatenwidget.h"

#include <QApplication>
#include <QVBoxLayout>

WHRaumWidget::WHRaumWidget(QWidget* parent)
    : QWidget(parent), m_kenndaten(new WHRaumKenndatenWidget(this)), m_flaechen(new WHFlaechenWidget(this))
{
    setObjectName(QStringLiteral("WHRaumWidget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_kenndaten);
    layout->addWidget(m_flaechen, 1);

    connect(m_kenndaten, &WHRaumKenndatenWidget::whflaechen, m_flaechen, &WHFlaechenWidget::test4Changes);
    m_fokusVerbindung = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* neu) { fokusGewechselt(neu); });
}

WHRaumWidget::~WHRaumWidget()
{
    // The base destructor still moves the focus away from the page's children; by then this
    // page no longer exists and must not be told.
    disconnect(m_fokusVerbindung);
}

void WHRaumWidget::fokusGewechselt(QWidget* neu)
{
    // The help page follows the half of the page the user works in.
    if (!neu || !isVisible() || !isAncestorOf(neu))
        return;
    if (m_flaechen->isAncestorOf(neu))
        raiseFlaechenWidget(m_kenndaten->system(), m_kenndaten->flaecheWH());
    else
        raiseKenndatenWidget();
}

void WHRaumWidget::raiseKenndatenWidget()
{
    Pfade::setHelpPage(QStringLiteral("raum.html"));
}

void WHRaumWidget::raiseFlaechenWidget(int system, float flaeche)
{
    Pfade::setHelpPage(QStringLiteral("flaeche.html"));
    m_flaechen->test4Changes(system, flaeche);
}

void WHRaumWidget::showData(WHBaseData& record)
{
    auto& r = static_cast<RaumData&>(record);
    const bool ausfuehrung = Programm::stand() == 1;
    m_kenndaten->zeigen(r);
    // Surfaces are planned in the execution planning only; in the estimate they would be
    // neither shown nor kept.
    m_flaechen->setVisible(ausfuehrung);
    if (ausfuehrung)
        m_flaechen->zeigen(r);
    raiseKenndatenWidget();
}

int WHRaumWidget::getData(WHBaseData& record)
{
    auto& r = static_cast<RaumData&>(record);
    // In the estimate the surfaces are not on the page; a system change that would delete
    // them is asked about first, as the floor and building pages ask.
    if (Programm::stand() == 0 && r.systemwechselLoescht(m_kenndaten->system())) {
        const int antwort = MessageBox::auswahl(
            this, MessageBox::Warnung, tr("Abfrage"),
            tr("Sie haben das System WH für das Raum <b>%1</b> geändert.\nDabei werden die gespeicherten "
               "Heizflächen des Raumes gelöscht.\nWollen Sie das System wirklich ändern?")
                .arg(r.name.toHtmlEscaped()),
            {tr("Ja"), tr("Nein")}, 0, 1);
        if (antwort != 0)
            m_kenndaten->setzeSystem(r.systemIndex);
    }
    m_kenndaten->uebernehmen(r);
    if (Programm::stand() == 1)
        m_flaechen->uebernehmen(r);
    return 0;
}

bool WHRaumWidget::isChanged(const WHBaseData& record) const
{
    const auto& r = static_cast<const RaumData&>(record);
    return m_kenndaten->unterscheidet(r) || (Programm::stand() == 1 && m_flaechen->unterscheidet(r));
}

bool WHRaumWidget::checkData(const WHBaseData& record) const
{
    return record.checkData(m_kenndaten->system(), m_kenndaten->vorlauftemperatur());
}
