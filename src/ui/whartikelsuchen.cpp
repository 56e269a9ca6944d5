#include "ui/whartikelsuchen.h"

#include "app/zahl.h"
#include "model/artikelliste.h"
#include "ui/benannt.h"
#include "ui/layoutsaver.h"
#include "ui/whartikeldlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QPointer<WHArtikelSuchen>& suchDialog()
{
    static QPointer<WHArtikelSuchen> dialog;
    return dialog;
}
} // namespace

WHArtikelSuchen* WHArtikelSuchen::instanz()
{
    return suchDialog().data();
}

WHArtikelSuchen* WHArtikelSuchen::erzeuge(WHArtikelDlg* master)
{
    suchDialog() = new WHArtikelSuchen(master);
    // Beside the article master, so that the article found stays in view.
    WHArtikelSuchen* d = suchDialog().data();
    d->adjustSize();
    QRect platz(master->frameGeometry().topRight() + QPoint(8, 0), d->size());
    const QRect bild = master->screen()->availableGeometry();
    if (platz.right() > bild.right())
        platz.moveRight(bild.right());
    d->move(platz.topLeft());
    return suchDialog().data();
}

void WHArtikelSuchen::vergessen()
{
    suchDialog().clear();
}

WHArtikelSuchen::WHArtikelSuchen(WHArtikelDlg* master) : QDialog(master), m_master(master)
{
    setObjectName(QStringLiteral("WHArtikelSuchen"));
    setModal(false);
    installEventFilter(new layoutSaver(this));

    TLSuchenNach = Benannt::neu<QLabel>(this, "TLSuchenNach");
    LESuchen = Benannt::neu<QLineEdit>(this, "LESuchen");
    PBAnfang = Benannt::neu<QPushButton>(this, "PBAnfang");
    PBWeiter = Benannt::neu<QPushButton>(this, "PBWeiter");
    PBExit = Benannt::neu<QPushButton>(this, "PBExit");
    PBAnfang->setDefault(true);
    LESuchen->setMinimumWidth(LESuchen->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PBAnfang);
    knoepfe->addWidget(PBWeiter);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TLSuchenNach);
    layout->addWidget(LESuchen);
    layout->addLayout(knoepfe);

    connect(PBAnfang, &QPushButton::clicked, this, &WHArtikelSuchen::anfang);
    connect(PBWeiter, &QPushButton::clicked, this, &WHArtikelSuchen::weiter);
    connect(PBExit, &QPushButton::clicked, this, &QWidget::close);

    languageChange();
    TLSuchenNach->setText(tr("Suchen nach Artikel Nr:"));
}

void WHArtikelSuchen::languageChange()
{
    setWindowTitle(tr("Artikel Suchen"));
    PBAnfang->setText(tr("Am &Anfang beginnen"));
    PBWeiter->setText(tr("&Weitersuchen"));
    PBExit->setText(tr("&Schliessen"));
}

void WHArtikelSuchen::setInBezeichnung(bool bezeichnung)
{
    inBezeichnung = bezeichnung;
    TLSuchenNach->setText(bezeichnung ? tr("Suche in Bezeichnung:") : tr("Suche nach Artikel Nr:"));
}

void WHArtikelSuchen::anfang()
{
    suche(0);
}

void WHArtikelSuchen::weiter()
{
    const int aktuell = ArtikelListe::global().aktuell();
    if (aktuell >= 0)
        suche(aktuell + 1);
}

void WHArtikelSuchen::suche(int start)
{
    ArtikelListe& katalog = ArtikelListe::global();
    if (start < 0 || start >= katalog.size())
        return;
    const Artikel* von = &katalog.at(start);
    // A number is read as a decimal integer, so "012345" finds 12345; a text that is no
    // number searches for 0.
    const Artikel* gefunden = inBezeichnung ? katalog.findInBezeichnung(LESuchen->text(), von)
                                            : katalog.findArtikel(Zahl::toInt(LESuchen->text()), von);
    if (gefunden)
        m_master->geheZu(static_cast<int>(gefunden - &katalog.at(0)));
}
