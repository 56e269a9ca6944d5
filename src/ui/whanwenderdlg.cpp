#include "ui/whanwenderdlg.h"

#include "app/pfade.h"
#include "model/anwenderdaten.h"
#include "ui/benannt.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"
#include "ui/whhelpwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WHAnwenderDlg::WHAnwenderDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WHAnwenderDlg"));
    setWindowModality(Qt::WindowModal);
    installEventFilter(new layoutSaver(this));

    LEAnwender1 = Benannt::neu<QLineEdit>(this, "LEAnwender1");
    LEAnwender2 = Benannt::neu<QLineEdit>(this, "LEAnwender2");
    LEStrasse = Benannt::neu<QLineEdit>(this, "LEStrasse");
    LEPLZOrt = Benannt::neu<QLineEdit>(this, "LEPLZOrt");
    LETel = Benannt::neu<QLineEdit>(this, "LETel");
    LEFax = Benannt::neu<QLineEdit>(this, "LEFax");
    LEMail = Benannt::neu<QLineEdit>(this, "LEMail");
    LEKundeNr = Benannt::neu<QLineEdit>(this, "LEKundeNr");
    TextLabel1 = Benannt::neu<QLabel>(this, "TextLabel1");
    TextLabel2 = Benannt::neu<QLabel>(this, "TextLabel2");
    TextLabel3 = Benannt::neu<QLabel>(this, "TextLabel3");
    TextLabel4 = Benannt::neu<QLabel>(this, "TextLabel4");
    TextLabel5 = Benannt::neu<QLabel>(this, "TextLabel5");
    TextLabel6 = Benannt::neu<QLabel>(this, "TextLabel6");
    TextLabel7 = Benannt::neu<QLabel>(this, "TextLabel7");
    PBHilfe = Benannt::neu<QPushButton>(this, "PBHilfe");
    PBAnwenden = Benannt::neu<QPushButton>(this, "PBAnwenden");
    PBAbbruch = Benannt::neu<QPushButton>(this, "PBAbbruch");
    PBAnwenden->setDefault(true);
    LEAnwender1->setReadOnly(true);
    // Shown as not editable among the fields that are.
    QPalette grau = LEAnwender1->palette();
    grau.setColor(QPalette::Base, grau.color(QPalette::Window));
    LEAnwender1->setPalette(grau);
    LEAnwender1->setMinimumWidth(LEAnwender1->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

    for (const auto& [feld, wert] : zuordnung(AnwenderDaten::global())) {
        feld->setText(*wert);
        feld->setCursorPosition(0);
    }

    auto* felder = new QGridLayout;
    const QList<QPair<QLabel*, QLineEdit*>> zeilen{
        {TextLabel1, LEAnwender1}, {nullptr, LEAnwender2}, {TextLabel2, LEStrasse}, {TextLabel3, LEPLZOrt},
        {TextLabel4, LETel},       {TextLabel5, LEFax},    {TextLabel6, LEMail},    {TextLabel7, LEKundeNr}};
    for (int i = 0; i < zeilen.size(); ++i) {
        if (zeilen.at(i).first)
            felder->addWidget(zeilen.at(i).first, i, 0);
        felder->addWidget(zeilen.at(i).second, i, 1);
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PBHilfe);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBAnwenden);
    knoepfe->addWidget(PBAbbruch);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addStretch(1);
    layout->addLayout(knoepfe);

    connect(PBHilfe, &QPushButton::clicked, this, &WHAnwenderDlg::help);
    connect(PBAnwenden, &QPushButton::clicked, this, &WHAnwenderDlg::anwenden);
    connect(PBAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
}

QList<QPair<QLineEdit*, QString*>> WHAnwenderDlg::zuordnung(AnwenderDaten& daten) const
{
    return {{LEAnwender1, &daten.anwender1}, {LEAnwender2, &daten.anwender2}, {LEStrasse, &daten.strasse},
            {LEPLZOrt, &daten.plzOrt},       {LETel, &daten.telefon},         {LEFax, &daten.fax},
            {LEMail, &daten.email},          {LEKundeNr, &daten.kundenNr}};
}

void WHAnwenderDlg::languageChange()
{
    setWindowTitle(tr("Anwender Angaben"));
    TextLabel1->setText(tr("Anwender"));
    TextLabel2->setText(tr("Straße"));
    TextLabel3->setText(tr("PLZ/Ort"));
    TextLabel4->setText(tr("Telefon"));
    TextLabel5->setText(tr("Fax"));
    TextLabel6->setText(tr("Email"));
    TextLabel7->setText(tr("Kunden-Nr."));
    PBHilfe->setText(tr("Hilfe"));
    PBAnwenden->setText(tr("&Anwenden"));
    PBAbbruch->setText(tr("A&bbruch"));
}

void WHAnwenderDlg::help()
{
    Pfade::setHelpPage(QStringLiteral("anwender.html"));
    WHHelpWindow::oeffne(Pfade::helpPage());
}

void WHAnwenderDlg::anwenden()
{
    // The values take effect at once, also when the file cannot be written.
    AnwenderDaten& daten = AnwenderDaten::global();
    for (const auto& [feld, wert] : zuordnung(daten))
        *wert = feld->text();
    QString fehler;
    if (!daten.save(Pfade::anwenderPath(), fehler))
        MessageBox::critical(this, tr("Fehler"), fehler);
    accept();
}
