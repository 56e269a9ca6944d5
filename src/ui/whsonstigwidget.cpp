#include "ui/whsonstigwidget.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "model/sonstigdata.h"
#include "ui/messagebox.h"
#include "ui/seitenformular.h"
#include "ui/whdoubleedit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

WHSonstigWidget::WHSonstigWidget(QWidget* parent) : EingabeSeite(parent)
{
    setObjectName(QStringLiteral("WHSonstigWidget"));

    SeitenFormular form(this, "GBSonstigeKosten");
    m_gruppe = form.gruppe();
    LEStundenSatz = form.zeile(new WHDoubleEdit(m_gruppe, QStringLiteral("LEStundenSatz"), 0.0, 1000000.0, 5),
                               m_lStundenSatz);
    LEMwst = form.zeile(new WHDoubleEdit(m_gruppe, QStringLiteral("LEMwst"), 0.0, 100.0, 1), m_lMwst);
    LEAbschlag = form.zeile(form.neu<QLineEdit>("LEAbschlag"), TextLabel1);
    TextLabel1->setObjectName(QStringLiteral("TextLabel1"));
    LEMontageZeit = form.zeile(new WHDoubleEdit(m_gruppe, QStringLiteral("LEMontageZeit"), 0.0, 1000000.0, 5),
                               m_lMontageZeit);
    PBMontageRichtZeit = form.neu<QPushButton>("PBMontageRichtZeit");
    PBMontageRichtZeit->setIcon(QIcon(QStringLiteral(":/icons/icons/rechner.xpm")));
    form.daneben(PBMontageRichtZeit);
    form.raster()->setColumnStretch(3, 1);

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
