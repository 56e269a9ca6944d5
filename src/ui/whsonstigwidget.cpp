#include "ui/whsonstigwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "model/sonstigdata.h"
#include "ui/messagebox.h"
#include "ui/whdoubleedit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WHSonstigWidget::WHSonstigWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WHSonstigWidget"));

    m_gruppe = new QGroupBox(this);
    m_gruppe->setObjectName(QStringLiteral("GBSonstigeKosten"));
    LEStundenSatz = new WHDoubleEdit(m_gruppe, QStringLiteral("LEStundenSatz"), 0.0, 1000000.0, 5);
    LEMwst = new WHDoubleEdit(m_gruppe, QStringLiteral("LEMwst"), 0.0, 100.0, 1);
    LEAbschlag = new QLineEdit(m_gruppe);
    LEAbschlag->setObjectName(QStringLiteral("LEAbschlag"));
    LEMontageZeit = new WHDoubleEdit(m_gruppe, QStringLiteral("LEMontageZeit"), 0.0, 1000000.0, 5);
    PBMontageRichtZeit = new QPushButton(m_gruppe);
    PBMontageRichtZeit->setObjectName(QStringLiteral("PBMontageRichtZeit"));
    PBMontageRichtZeit->setIcon(QIcon(QStringLiteral(":/icons/icons/rechner.xpm")));

    m_lStundenSatz = new QLabel(m_gruppe);
    m_lMwst = new QLabel(m_gruppe);
    TextLabel1 = new QLabel(m_gruppe);
    TextLabel1->setObjectName(QStringLiteral("TextLabel1"));
    m_lMontageZeit = new QLabel(m_gruppe);
    m_lStundenSatz->setBuddy(LEStundenSatz);
    m_lMwst->setBuddy(LEMwst);
    TextLabel1->setBuddy(LEAbschlag);
    m_lMontageZeit->setBuddy(LEMontageZeit);

    auto* grid = new QGridLayout(m_gruppe);
    grid->addWidget(m_lStundenSatz, 0, 0);
    grid->addWidget(LEStundenSatz, 0, 1);
    grid->addWidget(m_lMwst, 1, 0);
    grid->addWidget(LEMwst, 1, 1);
    grid->addWidget(TextLabel1, 2, 0);
    grid->addWidget(LEAbschlag, 2, 1);
    grid->addWidget(m_lMontageZeit, 3, 0);
    grid->addWidget(LEMontageZeit, 3, 1);
    grid->addWidget(PBMontageRichtZeit, 3, 2);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_gruppe);
    layout->addStretch(1);

    setTabOrder(LEStundenSatz, LEMwst);
    setTabOrder(LEMwst, LEAbschlag);
    setTabOrder(LEAbschlag, LEMontageZeit);
    setTabOrder(LEMontageZeit, PBMontageRichtZeit);

    connect(PBMontageRichtZeit, &QPushButton::clicked, this, &WHSonstigWidget::MRZBerechnung);
    connect(LEAbschlag, &QLineEdit::editingFinished, this, &WHSonstigWidget::abschlagPruefen);

    languageChange();
}

void WHSonstigWidget::languageChange()
{
    setWindowTitle(tr("Sonstig"));
    m_gruppe->setTitle(tr("Sonstige Kosten"));
    m_lStundenSatz->setText(tr("Stundensatz (Euro)"));
    m_lMwst->setText(tr("Mehrwertsteuer (%)"));
    TextLabel1->setText(tr("Abschlag (% oder Pauschal)"));
    m_lMontageZeit->setText(tr("Montagerichtzeit (Stunden)"));
    LEMwst->setBezeichnung(tr("Mehrwertsteuer"));
    PBMontageRichtZeit->setToolTip(tr("Vorschlag Montagerichtzeit"));
}

void WHSonstigWidget::abschlagNachStand()
{
    const bool angebot = Programm::stand() == 1;
    TextLabel1->setVisible(angebot);
    LEAbschlag->setVisible(angebot);
}

void WHSonstigWidget::abschlagPruefen()
{
    if (SonstigData::abschlagLesen(LEAbschlag->text(), m_abschlag))
        return;
    LEAbschlag->setText(SonstigData::abschlagText(m_abschlag));
    MessageBox::warning(this, tr("Achtung"),
                        tr("Eingabe Wert für <Abschlag>\nist keine Zahl.\nWert wurde nicht übernommen."));
}

void WHSonstigWidget::showEvent(QShowEvent* event)
{
    abschlagNachStand();
    QWidget::showEvent(event);
}

void WHSonstigWidget::showData(WHBaseData& record)
{
    auto& s = static_cast<SonstigData&>(record);
    LEStundenSatz->setWert(s.stundensatz);
    LEMontageZeit->setWert(s.montagezeit);
    m_abschlag = s.abschlag;
    LEAbschlag->setText(SonstigData::abschlagText(s.abschlag));
    LEMwst->setWert(Programm::mwstSatz() * 100.0f);
    abschlagNachStand();
    LEStundenSatz->setFocus(Qt::OtherFocusReason);
    Pfade::setHelpPage(QStringLiteral("sonstig.html"));
}

int WHSonstigWidget::getData(WHBaseData& record)
{
    auto& s = static_cast<SonstigData&>(record);
    s.uebernehme(Zahl::toFloat(LEStundenSatz->text()), Zahl::toFloat(LEMontageZeit->text()),
                 LEAbschlag->text(), Zahl::toFloat(LEMwst->text()));
    return 0;
}

bool WHSonstigWidget::isChanged(const WHBaseData& record) const
{
    const auto& s = static_cast<const SonstigData&>(record);
    return s.isChanged(Zahl::toFloat(LEStundenSatz->text()), Zahl::toFloat(LEMontageZeit->text()),
                       LEAbschlag->text(), Zahl::toFloat(LEMwst->text()));
}

void WHSonstigWidget::keyPressEvent(QKeyEvent* event)
{
    const int richtung = fokusRichtung(event);
    if (richtung == 0) {
        event->ignore();
        return;
    }
    focusNextPrevChild(richtung > 0);
    event->accept();
}
