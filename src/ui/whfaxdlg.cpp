#include "ui/whfaxdlg.h"

#include "model/anwenderdaten.h"
#include "reports/bestellfax.h"
#include "ui/benannt.h"
#include "ui/htmlviewer.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

WHFaxDlg::WHFaxDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WHFaxDlg"));
    setWindowModality(Qt::WindowModal);
    installEventFilter(new layoutSaver(this));
    resize(460, 400);

    TextLabel1 = Benannt::neu<QLabel>(this, "TextLabel1");
    TEAbsender = Benannt::neu<QTextEdit>(this, "TEAbsender");
    TextLabel2 = Benannt::neu<QLabel>(this, "TextLabel2");
    LEKundenNr = Benannt::neu<QLineEdit>(this, "LEKundenNr");
    TextLabel3 = Benannt::neu<QLabel>(this, "TextLabel3");
    CBLieferart = Benannt::neu<QComboBox>(this, "CBLieferart");
    TextLabel4 = Benannt::neu<QLabel>(this, "TextLabel4");
    TEBemerkung = Benannt::neu<QTextEdit>(this, "TEBemerkung");
    PBDrucken = Benannt::neu<QPushButton>(this, "PBDrucken");
    PBClose = Benannt::neu<QPushButton>(this, "PBClose");
    PBDrucken->setDefault(true);

    // Sender and remark are plain text: what is typed prints as typed.
    for (QTextEdit* t : {TEAbsender, TEBemerkung}) {
        t->setAcceptRichText(false);
        t->setTabChangesFocus(true);
    }

    const AnwenderDaten& daten = AnwenderDaten::global();
    TEAbsender->setPlainText(Bestellfax::absender(daten));
    LEKundenNr->setText(daten.kundenNr);
    CBLieferart->addItems(Bestellfax::lieferarten());
    CBLieferart->setCurrentIndex(0);

    auto* felder = new QGridLayout;
    felder->addWidget(TextLabel1, 0, 0, Qt::AlignTop);
    felder->addWidget(TEAbsender, 0, 1);
    felder->addWidget(TextLabel2, 1, 0);
    felder->addWidget(LEKundenNr, 1, 1);
    felder->addWidget(TextLabel3, 2, 0);
    felder->addWidget(CBLieferart, 2, 1);
    felder->addWidget(TextLabel4, 3, 0, Qt::AlignTop);
    felder->addWidget(TEBemerkung, 3, 1);
    felder->setRowStretch(0, 1);
    felder->setRowStretch(3, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBDrucken);
    knoepfe->addWidget(PBClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder, 1);
    layout->addLayout(knoepfe);

    connect(PBDrucken, &QPushButton::clicked, this, &WHFaxDlg::drucken);
    connect(PBClose, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
}

void WHFaxDlg::languageChange()
{
    setWindowTitle(tr("Bestellfax erstellen"));
    TextLabel1->setText(tr("Absender:"));
    TextLabel2->setText(tr("Kunden Nr.:"));
    TextLabel3->setText(tr("Lieferart:"));
    TextLabel4->setText(tr("Bemerkung:"));
    PBDrucken->setText(tr("&Drucken"));
    PBClose->setText(tr("&Schließen"));
}

void WHFaxDlg::setBestellung(const QString& str, const QString& summe)
{
    positionen = str;
    gesamtWert = summe;
}

void WHFaxDlg::drucken()
{
    Bestellfax::Angaben angaben;
    angaben.absender = TEAbsender->toPlainText();
    angaben.kundenNr = LEKundenNr->text();
    angaben.lieferart = CBLieferart->currentText();
    angaben.bemerkung = TEBemerkung->toPlainText();
    angaben.gesamtWert = gesamtWert;
    QString fehler;
    if (!Bestellfax::ausgeben(angaben, positionen, fehler)) {
        MessageBox::critical(this, tr("Fehler"), fehler);
        return;
    }
    HtmlViewer::zeigeAusdruck();
}
