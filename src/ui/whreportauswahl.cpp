#include "ui/whreportauswahl.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "ui/layoutsaver.h"
#include "ui/whhelpwindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WHReportAuswahl::WHReportAuswahl(int* ergebnis, QWidget* parent) : QDialog(parent), m_ergebnis(ergebnis)
{
    setObjectName(QStringLiteral("ReportAuswahl"));
    setModal(true);
    installEventFilter(new layoutSaver(this));

    auto* layout = new QVBoxLayout(this);
    TextLabel1 = new QLabel(this);
    TextLabel1->setObjectName(QStringLiteral("TextLabel1"));
    layout->addWidget(TextLabel1);
    groupBox = new QGroupBox(this);
    groupBox->setObjectName(QStringLiteral("groupBox"));
    auto* gruppe = new QVBoxLayout(groupBox);
    RBAuswahl1 = new QRadioButton(groupBox);
    RBAuswahl1->setObjectName(QStringLiteral("RBAuswahl1"));
    RBAuswahl1->setChecked(true);
    RBAuswahl2 = new QRadioButton(groupBox);
    RBAuswahl2->setObjectName(QStringLiteral("RBAuswahl2"));
    gruppe->addWidget(RBAuswahl1);
    RBAuswahl3 = new QRadioButton(groupBox);
    RBAuswahl3->setObjectName(QStringLiteral("RBAuswahl3"));
    gruppe->addWidget(RBAuswahl2);
    gruppe->addWidget(RBAuswahl3);
    layout->addWidget(groupBox);

    auto* knoepfe = new QHBoxLayout();
    PBHilfe = new QPushButton(this);
    PBHilfe->setObjectName(QStringLiteral("PBHilfe"));
    PBWeiter = new QPushButton(this);
    PBWeiter->setObjectName(QStringLiteral("PBWeiter"));
    PBWeiter->setDefault(true);
    PBAbbruch = new QPushButton(this);
    PBAbbruch->setObjectName(QStringLiteral("PBAbbruch"));
    knoepfe->addWidget(PBHilfe);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBWeiter);
    knoepfe->addWidget(PBAbbruch);
    layout->addLayout(knoepfe);

    connect(RBAuswahl1, &QRadioButton::clicked, this, &WHReportAuswahl::AuswahlChanged);
    connect(RBAuswahl2, &QRadioButton::clicked, this, &WHReportAuswahl::AuswahlChanged);
    connect(RBAuswahl3, &QRadioButton::clicked, this, &WHReportAuswahl::AuswahlChanged);
    connect(PBHilfe, &QPushButton::clicked, this, &WHReportAuswahl::help);
    connect(PBWeiter, &QPushButton::clicked, this, &QDialog::accept);
    connect(PBAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

void WHReportAuswahl::languageChange()
{
    setWindowTitle(tr("Ausdruck Auswahl"));
    TextLabel1->setText(tr("Wählen Sie bitte den gewünschten Ausdruck aus:"));
    groupBox->setTitle(tr("Auswahl"));
    RBAuswahl1->setText(tr("Projekt Eingaben"));
    RBAuswahl2->setText(Programm::stand() == 1 ? tr("Kostenangebot") : tr("Kostenvoranschlag"));
    RBAuswahl3->setText(tr("Hydraulischer Abgleich"));
    PBHilfe->setText(tr("Hilfe"));
    PBWeiter->setText(tr("&Weiter"));
    PBAbbruch->setText(tr("&Abbruch"));
}

void WHReportAuswahl::AuswahlChanged()
{
    if (RBAuswahl1->isChecked())
        *m_ergebnis = 0;
    else if (RBAuswahl2->isChecked())
        *m_ergebnis = 1;
    else if (RBAuswahl3->isChecked())
        *m_ergebnis = 2;
}

void WHReportAuswahl::help()
{
    Pfade::setHelpPage(QStringLiteral("drucken.html"));
    WHHelpWindow::oeffne(Pfade::helpPage());
}
