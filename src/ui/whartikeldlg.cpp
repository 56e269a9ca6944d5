#include "ui/whartikeldlg.h"

#include "app/kataloge.h"
#include "app/pfade.h"
#include "app/zahl.h"
#include "model/artikelliste.h"
#include "model/datanormimport.h"
#include "ui/benannt.h"
#include "ui/dateidialog.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"
#include "ui/whartikelsuchen.h"
#include "ui/whhelpwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

WHArtikelDlg::WHArtikelDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WHArtikelDlg"));
    setWindowModality(Qt::WindowModal);
    installEventFilter(new layoutSaver(this));
    // A search dialog belongs to the article master that opened it.
    WHArtikelSuchen::vergessen();

    LEArtNr = Benannt::neu<QLineEdit>(this, "LEArtNr");
    LEBezeichnung = Benannt::neu<QLineEdit>(this, "LEBezeichnung");
    TVBezeichnungLang = Benannt::neu<QTextEdit>(this, "TVBezeichnungLang");
    LEMenge = Benannt::neu<QLineEdit>(this, "LEMenge");
    LEPreisEuro = Benannt::neu<QLineEdit>(this, "LEPreisEuro");
    LERabatt = Benannt::neu<QLineEdit>(this, "LERabatt");
    CBEinheit = Benannt::neu<QComboBox>(this, "CBEinheit");
    CBGruppe = Benannt::neu<QComboBox>(this, "CBGruppe");
    CBVorschlag = Benannt::neu<QComboBox>(this, "CBVorschlag");
    for (QLineEdit* e : {LEArtNr, LEBezeichnung, LEMenge, LEPreisEuro, LERabatt})
        e->setReadOnly(true);
    const int zahlBreite = LEArtNr->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")) + 16;
    for (QLineEdit* e : {LEArtNr, LEMenge, LEPreisEuro, LERabatt}) {
        e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(zahlBreite);
    }
    TVBezeichnungLang->setReadOnly(true);
    TVBezeichnungLang->setAcceptRichText(false);
    TVBezeichnungLang->setTabChangesFocus(true);
    CBEinheit->addItems(Kataloge::einheiten());
    CBGruppe->addItems(ArtikelListe::global().gruppenNamen());
    for (QComboBox* c : {CBEinheit, CBGruppe, CBVorschlag})
        c->setEnabled(false);

    PBgoFirst = neuerKnopf("PBgoFirst", ":/icons/icons/first.xpm");
    PBgoPrevious = neuerKnopf("PBgoPrevious", ":/icons/icons/previous.xpm");
    PBgoNext = neuerKnopf("PBgoNext", ":/icons/icons/next.xpm");
    PBgoLast = neuerKnopf("PBgoLast", ":/icons/icons/last.xpm");
    PBSuchen = neuerKnopf("PBSuchen", ":/icons/icons/search.xpm");
    PBUndoArt = neuerKnopf("PBUndoArt", ":/icons/icons/undo.xpm");
    PBAddArt = neuerKnopf("PBAddArt", ":/icons/icons/new.xpm");
    PBDeleteArt = neuerKnopf("PBDeleteArt", ":/icons/icons/trash.xpm");
    PBSpeichern = neuerKnopf("PBSpeichern", nullptr);
    PBDatanorm = neuerKnopf("PBDatanorm", nullptr);
    PBHilfe = neuerKnopf("PBHilfe", nullptr);
    PBExit = neuerKnopf("PBExit", nullptr);
    // The master is a viewer: the catalogue is not edited here.
    for (QPushButton* b : {PBUndoArt, PBAddArt, PBDeleteArt, PBSpeichern})
        b->hide();
    // The navigation and search buttons leave the keyboard focus where it is: the search
    // looks in the descriptions when the description field has it.
    for (QPushButton* b : {PBgoFirst, PBgoPrevious, PBgoNext, PBgoLast, PBSuchen})
        b->setFocusPolicy(Qt::NoFocus);
    PBExit->setDefault(true);

    // Each field with its label (TextLabel1 … TextLabel9) and its place in the grid.
    const struct
    {
        QWidget* feld;
        int zeile;
        int spalte;
        int breite;
    } platz[] = {{LEArtNr, 0, 0, 1},   {LEBezeichnung, 1, 0, 3}, {TVBezeichnungLang, 2, 0, 3},
                 {LEMenge, 3, 0, 1},   {LEPreisEuro, 4, 0, 1},   {LERabatt, 4, 2, 1},
                 {CBEinheit, 0, 2, 1}, {CBGruppe, 3, 2, 1},      {CBVorschlag, 5, 0, 1}};
    auto* felder = new QGridLayout;
    for (const auto& p : platz) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("TextLabel%1").arg(m_labels.size() + 1));
        m_labels.append(l);
        felder->addWidget(l, p.zeile, p.spalte, p.feld == TVBezeichnungLang ? Qt::AlignTop : Qt::Alignment());
        felder->addWidget(p.feld, p.zeile, p.spalte + 1, 1, p.breite);
    }
    felder->setColumnStretch(1, 1);
    felder->setColumnStretch(3, 1);
    felder->setRowStretch(2, 1);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b :
         {PBgoFirst, PBgoPrevious, PBgoNext, PBgoLast, PBSuchen, PBUndoArt, PBAddArt, PBDeleteArt})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    for (QPushButton* b : {PBDatanorm, PBSpeichern, PBHilfe, PBExit})
        knoepfe->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder, 1);
    layout->addLayout(knoepfe);
    resize(560, 380);

    connect(PBgoFirst, &QPushButton::clicked, this, &WHArtikelDlg::goFirst);
    connect(PBgoPrevious, &QPushButton::clicked, this, &WHArtikelDlg::goPrevious);
    connect(PBgoNext, &QPushButton::clicked, this, &WHArtikelDlg::goNext);
    connect(PBgoLast, &QPushButton::clicked, this, &WHArtikelDlg::goLast);
    connect(PBSuchen, &QPushButton::clicked, this, &WHArtikelDlg::suchen);
    connect(PBDatanorm, &QPushButton::clicked, this, &WHArtikelDlg::datanormEinlesen);
    connect(PBHilfe, &QPushButton::clicked, this, &WHArtikelDlg::help);
    connect(PBExit, &QPushButton::clicked, this, &WHArtikelDlg::exit);

    languageChange();
    ArtikelListe& katalog = ArtikelListe::global();
    katalog.setAktuell(katalog.isEmpty() ? -1 : 0);
    showData();
}

QPushButton* WHArtikelDlg::neuerKnopf(const char* name, const char* icon)
{
    auto* b = Benannt::neu<QPushButton>(this, name);
    if (icon)
        b->setIcon(QIcon(QLatin1String(icon)));
    return b;
}

void WHArtikelDlg::languageChange()
{
    setWindowTitle(tr("BELVORO Wandheizung Artikelstamm"));
    const QStringList texte{tr("Art-Nr."), tr("Bezeichnung"),    tr("Bezeichnung(lang)"),
                            tr("Menge"),   tr("Preis(Euro)"),    tr("Rabatt"),
                            tr("Einheit"), tr("Artikel Gruppe"), tr("Berechnung Bedarf")};
    for (int i = 0; i < m_labels.size(); ++i)
        m_labels.at(i)->setText(texte.at(i));
    CBVorschlag->clear();
    CBVorschlag->addItems({tr("Nein"), tr("Ja")});
    PBgoFirst->setToolTip(tr("Erster Artikel"));
    PBgoPrevious->setToolTip(tr("Vorheriger Artikel"));
    PBgoNext->setToolTip(tr("Nächster Artikel"));
    PBgoLast->setToolTip(tr("Letzter Artikel"));
    PBSuchen->setToolTip(tr("Artikel suchen"));
    PBSpeichern->setText(tr("S&peichern"));
    PBDatanorm->setText(tr("&DATANORM einlesen..."));
    PBHilfe->setText(tr("Hilfe"));
    PBExit->setText(tr("&Schliessen"));
    showData();
}

void WHArtikelDlg::showData()
{
    ArtikelListe& katalog = ArtikelListe::global();
    const int i = katalog.aktuell();
    if (i < 0 || i >= katalog.size()) {
        for (QLineEdit* e : {LEArtNr, LEBezeichnung, LEMenge, LEPreisEuro, LERabatt})
            e->clear();
        TVBezeichnungLang->clear();
        for (QComboBox* c : {CBEinheit, CBGruppe, CBVorschlag})
            c->setCurrentIndex(-1);
        return;
    }
    const Artikel& a = katalog.at(i);
    LEArtNr->setText(Zahl::artikelNummer(a.artNr));
    LEBezeichnung->setText(a.bezeichnung);
    LEBezeichnung->setCursorPosition(0);
    TVBezeichnungLang->setPlainText(a.bezeichnungLang);
    LEMenge->setText(Zahl::fest(a.menge, 2));
    LEPreisEuro->setText(Zahl::fest(a.preis, 2));
    LERabatt->setText(Zahl::fest(a.rabatt, 1));
    // A unit or group beyond the lists selects nothing.
    CBEinheit->setCurrentIndex(a.einheit >= 0 && a.einheit < CBEinheit->count() ? a.einheit : -1);
    CBGruppe->setCurrentIndex(a.gruppe >= 0 && a.gruppe < CBGruppe->count() ? a.gruppe : -1);
    CBVorschlag->setCurrentIndex(a.bedarfBerechnen ? 1 : 0);
}

void WHArtikelDlg::getData()
{
    ArtikelListe& katalog = ArtikelListe::global();
    const int i = katalog.aktuell();
    if (i < 0 || i >= katalog.size())
        return;
    Artikel& a = katalog.at(i);
    a.artNr = Zahl::toInt(LEArtNr->text());
    a.bezeichnung = LEBezeichnung->text();
    a.bezeichnungLang = TVBezeichnungLang->toPlainText();
    a.menge = Zahl::toFloat(LEMenge->text());
    a.preis = Zahl::toFloat(LEPreisEuro->text());
    a.rabatt = Zahl::toFloat(LERabatt->text());
    // A value the list cannot show stays as it was.
    if (CBEinheit->currentIndex() >= 0)
        a.einheit = CBEinheit->currentIndex();
    if (CBGruppe->currentIndex() >= 0)
        a.gruppe = CBGruppe->currentIndex();
    a.bedarfBerechnen = CBVorschlag->currentIndex() == 1;
}

void WHArtikelDlg::geheZu(int index)
{
    ArtikelListe& katalog = ArtikelListe::global();
    if (katalog.isEmpty())
        return;
    getData();
    katalog.setAktuell(std::clamp(index, 0, katalog.size() - 1));
    showData();
}

void WHArtikelDlg::goFirst()
{
    geheZu(0);
}

void WHArtikelDlg::goLast()
{
    geheZu(ArtikelListe::global().size() - 1);
}

void WHArtikelDlg::goNext()
{
    geheZu(ArtikelListe::global().aktuell() + 1);
}

void WHArtikelDlg::goPrevious()
{
    geheZu(ArtikelListe::global().aktuell() - 1);
}

void WHArtikelDlg::help()
{
    Pfade::setHelpPage(QStringLiteral("artikel.html"));
    WHHelpWindow::oeffne(Pfade::helpPage());
}

void WHArtikelDlg::suchen()
{
    getData();
    WHArtikelSuchen* suche = WHArtikelSuchen::instanz();
    if (!suche)
        suche = WHArtikelSuchen::erzeuge(this);
    suche->setInBezeichnung(focusWidget() == LEBezeichnung);
    suche->show();
    suche->raise();
    suche->activateWindow();
}

void WHArtikelDlg::exit()
{
    getData();
    accept();
}

void WHArtikelDlg::datanormEinlesen()
{
    const QString datei =
        DateiDialog::oeffnen(this, tr("DATANORM einlesen"), Pfade::userDir(),
                             tr("DATANORM-Dateien (DATANORM.* DATPREIS.* *.0?\?);;Alle Dateien (*)"));
    if (datei.isEmpty())
        return;
    getData();
    // The user's data folder is made at start-up; one removed since is made again.
    QDir().mkpath(QFileInfo(Pfade::benutzerArtikelPath()).absolutePath());
    // The first lines of the report, enough for a glance; the batch tool lists them all.
    constexpr int gezeigteZeilen = 12;
    QStringList zeilen;
    int weitere = 0;
    // A wholesaler's file can hold hundreds of megabytes: the import shows its progress after
    // half a second and can be cancelled, which leaves the catalogue as it was.
    QProgressDialog fortschritt(tr("DATANORM-Datei wird eingelesen..."), tr("Abbrechen"), 0, 1000, this);
    fortschritt.setWindowTitle(tr("DATANORM-Import"));
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(500);
    fortschritt.setValue(0);
    const DatanormImport::Ergebnis e = DatanormImport::einlesen(
        Pfade::artikelPath(), datei, Pfade::benutzerArtikelPath(),
        [&](const QString& zeile) {
            if (zeile.startsWith(QLatin1String("Summe\t")))
                return;
            if (zeilen.size() < gezeigteZeilen)
                zeilen.append(QString(zeile).replace(QLatin1Char('\t'), QLatin1Char(' ')));
            else
                ++weitere;
        },
        [&fortschritt](int promille) {
            fortschritt.setValue(promille);
            QCoreApplication::processEvents();
            return !fortschritt.wasCanceled();
        });
    fortschritt.reset();
    if (e.abgebrochen)
        return;
    if (e.status != DatanormImport::Geschrieben) {
        MessageBox::critical(this, tr("Fehler"), MessageBox::klartext(e.meldung));
        return;
    }
    ArtikelListe& katalog = ArtikelListe::global();
    for (const Artikel& neu : e.geaendert) {
        if (Artikel* a = katalog.findArtikel(neu.artNr)) {
            a->bezeichnung = neu.bezeichnung;
            a->bezeichnungLang = neu.bezeichnungLang;
            a->preis = neu.preis;
        }
    }
    showData();
    if (!e.geaendert.isEmpty())
        emit katalogGeaendert();
    QString text = tr("%1 eingelesen:\n%2").arg(QFileInfo(datei).fileName(), e.zaehlung());
    if (!zeilen.isEmpty())
        text += QStringLiteral("\n\n") + zeilen.join(QLatin1Char('\n'));
    if (weitere > 0)
        text += tr("\n… und %1 weitere Zeilen").arg(weitere);
    text += tr("\n\nArtikelkatalog gespeichert in %1").arg(Pfade::benutzerArtikelPath());
    MessageBox::information(this, tr("DATANORM-Import"), MessageBox::klartext(text));
}
