#include "ui/whabgleichdlg.h"

#include "app/pfade.h"
#include "reports/abgleichbericht.h"
#include "reports/berichte.h"
#include "ui/benannt.h"
#include "ui/dateidialog.h"
#include "ui/htmlviewer.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"
#include "ui/whhelpwindow.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Abgang = Abgleich::Abgang;

QString z(double wert, int stellen)
{
    return Abgleich::zahl(wert, stellen);
}

const QColor warnFarbe(0xfd, 0xe2, 0xc8);

enum Spalte
{
    Raum,
    Art,
    Nr,
    Nummer,
    Flaeche,
    Leistung,
    Massenstrom,
    Volumenstrom,
    L16,
    L10,
    Geschwindigkeit,
    DpRohr,
    DpEinzel,
    DpKreis,
    DpVentil,
    Kv,
    Voreinstellung,
    DpErf,
    Warnungen,
    Spalten
};

// The column that shows the figure a warning concerns.
int spalteVon(const QString& code)
{
    if (code == QLatin1String("v"))
        return Geschwindigkeit;
    if (code == QLatin1String("dp"))
        return DpKreis;
    if (code == QLatin1String("m"))
        return Massenstrom;
    return Kv;
}

QDoubleSpinBox* wertFeld(QWidget* parent, const char* name, double lo, double hi, int stellen, double schritt,
                         const QString& einheit)
{
    auto* feld = Benannt::neu<QDoubleSpinBox>(parent, name);
    feld->setLocale(QLocale::c());
    feld->setRange(lo, hi);
    feld->setDecimals(stellen);
    feld->setSingleStep(schritt);
    feld->setSuffix(QStringLiteral(" ") + einheit);
    feld->setKeyboardTracking(false);
    return feld;
}

void setze(QTableWidget* t, int zeile, int spalte, const QString& text, bool fett = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (spalte >= Flaeche && spalte != Voreinstellung && spalte != Warnungen)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (fett) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
    }
    t->setItem(zeile, spalte, item);
}

} // namespace

WHAbgleichDlg::WHAbgleichDlg(const ProjektBaum& baum, QWidget* parent) : QDialog(parent), m_baum(baum)
{
    setObjectName(QStringLiteral("WHAbgleichDlg"));
    setWindowModality(Qt::WindowModal);
    installEventFilter(new layoutSaver(this));

    const AbgleichEinstellungen werte = AbgleichEinstellungen::lese();
    TLSpreizung = Benannt::neu<QLabel>(this, "TLSpreizung");
    TLVentildruck = Benannt::neu<QLabel>(this, "TLVentildruck");
    TLZuschlag = Benannt::neu<QLabel>(this, "TLZuschlag");
    SBSpreizung = wertFeld(this, "SBSpreizung", AbgleichEinstellungen::minSpreizung,
                           AbgleichEinstellungen::maxSpreizung, 1, 0.5, QStringLiteral("K"));
    SBVentildruck = wertFeld(this, "SBVentildruck", AbgleichEinstellungen::minVentildruck,
                             AbgleichEinstellungen::maxVentildruck, 0, 5, QStringLiteral("mbar"));
    SBZuschlag = wertFeld(this, "SBZuschlag", AbgleichEinstellungen::minZuschlag,
                          AbgleichEinstellungen::maxZuschlag, 0, 10, QStringLiteral("mbar"));
    SBSpreizung->setValue(werte.spreizung);
    SBVentildruck->setValue(werte.ventildruck);
    SBZuschlag->setValue(werte.pumpenzuschlag);
    TLSpreizung->setBuddy(SBSpreizung);
    TLVentildruck->setBuddy(SBVentildruck);
    TLZuschlag->setBuddy(SBZuschlag);
    TLWasser = Benannt::neu<QLabel>(this, "TLWasser");
    TLHinweis = Benannt::neu<QLabel>(this, "TLHinweis");
    TLHinweis->setStyleSheet(QStringLiteral("color: #a03000;"));
    TLHinweis->setWordWrap(true);
    TWEtagen = Benannt::neu<QTabWidget>(this, "TWEtagen");
    TLWarnungen = Benannt::neu<QLabel>(this, "TLWarnungen");
    LWWarnungen = Benannt::neu<QListWidget>(this, "LWWarnungen");
    LWWarnungen->setMaximumHeight(LWWarnungen->fontMetrics().height() * 6);
    TLPumpe = Benannt::neu<QLabel>(this, "TLPumpe");
    PBHilfe = Benannt::neu<QPushButton>(this, "PBHilfe");
    PBCsv = Benannt::neu<QPushButton>(this, "PBCsv");
    PBDrucken = Benannt::neu<QPushButton>(this, "PBDrucken");
    PBSchliessen = Benannt::neu<QPushButton>(this, "PBSchliessen");
    PBSchliessen->setDefault(true);

    auto* felder = new QGridLayout;
    felder->addWidget(TLSpreizung, 0, 0);
    felder->addWidget(SBSpreizung, 0, 1);
    felder->addWidget(TLVentildruck, 0, 2);
    felder->addWidget(SBVentildruck, 0, 3);
    felder->addWidget(TLZuschlag, 0, 4);
    felder->addWidget(SBZuschlag, 0, 5);
    felder->setColumnStretch(6, 1);
    felder->addWidget(TLWasser, 1, 0, 1, 7);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PBHilfe);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PBCsv);
    knoepfe->addWidget(PBDrucken);
    knoepfe->addWidget(PBSchliessen);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addWidget(TLHinweis);
    layout->addWidget(TWEtagen, 1);
    layout->addWidget(TLWarnungen);
    layout->addWidget(LWWarnungen);
    layout->addWidget(TLPumpe);
    layout->addLayout(knoepfe);

    for (QDoubleSpinBox* feld : {SBSpreizung, SBVentildruck, SBZuschlag})
        connect(feld, &QDoubleSpinBox::valueChanged, this, &WHAbgleichDlg::werteGeaendert);
    connect(PBHilfe, &QPushButton::clicked, this, &WHAbgleichDlg::help);
    connect(PBCsv, &QPushButton::clicked, this, &WHAbgleichDlg::csvSpeichern);
    connect(PBDrucken, &QPushButton::clicked, this, &WHAbgleichDlg::drucken);
    connect(PBSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    languageChange();
    resize(1260, 640);
}

void WHAbgleichDlg::languageChange()
{
    setWindowTitle(tr("Hydraulischer Abgleich"));
    TLSpreizung->setText(tr("&Spreizung:"));
    TLVentildruck->setText(tr("&Mindestdruck am Ventil:"));
    TLZuschlag->setText(tr("&Zuschlag Pumpe:"));
    TLWarnungen->setText(tr("Warnungen:"));
    PBHilfe->setText(tr("Hilfe"));
    PBCsv->setText(tr("&CSV speichern…"));
    PBDrucken->setText(tr("&Drucken…"));
    PBSchliessen->setText(tr("Schl&ießen"));
}

bool WHAbgleichDlg::berechne()
{
    if (m_tabelle.lade(m_hinweis) == VentilTabelle::Falsch) {
        MessageBox::critical(this, tr("Fehler"), m_hinweis);
        return false;
    }
    if (!rechne()) {
        MessageBox::critical(this, tr("Fehler"), MessageBox::klartext(m_ergebnis.fehlerText));
        return false;
    }
    return true;
}

AbgleichEinstellungen WHAbgleichDlg::werte() const
{
    AbgleichEinstellungen werte;
    werte.spreizung = SBSpreizung->value();
    werte.ventildruck = SBVentildruck->value();
    werte.pumpenzuschlag = SBZuschlag->value();
    return werte;
}

bool WHAbgleichDlg::rechne()
{
    m_ergebnis = Abgleich::berechne(m_baum, werte(), m_tabelle);
    if (m_ergebnis.ok)
        zeige();
    return m_ergebnis.ok;
}

void WHAbgleichDlg::werteGeaendert()
{
    werte().schreibe();
    if (!rechne())
        MessageBox::critical(this, tr("Fehler"), MessageBox::klartext(m_ergebnis.fehlerText));
}

void WHAbgleichDlg::zeige()
{
    const Abgleich::Ergebnis& e = m_ergebnis;
    TLWasser->setText(
        tr("Vorlauftemperatur %1 °C; Heizwasser bei %2 °C: Dichte %3 kg/m³, Viskosität %4·10⁻⁶ m²/s; "
           "Ventiltabelle: %5")
            .arg(z(e.vorlauf, 1), z(e.wasser.temperatur, 1), z(e.wasser.dichte, 2),
                 z(e.wasser.viskositaet * 1e6, 4), e.ventil.isEmpty() ? tr("keine") : e.ventil));
    TLHinweis->setText(m_hinweis);
    TLHinweis->setVisible(!m_hinweis.isEmpty());

    const int aktuell = TWEtagen->currentIndex();
    while (TWEtagen->count() > 0) {
        QWidget* seite = TWEtagen->widget(0);
        TWEtagen->removeTab(0);
        delete seite;
    }
    for (const Abgleich::Verteiler& v : e.verteiler)
        TWEtagen->addTab(tabelle(v), v.etage.isEmpty() ? tr("(ohne Namen)") : v.etage);
    if (e.verteiler.isEmpty()) {
        auto* leer = new QLabel(tr("Das Projekt hat keine Heizkreise."), TWEtagen);
        leer->setAlignment(Qt::AlignCenter);
        TWEtagen->addTab(leer, tr("Keine Verteiler"));
    }
    TWEtagen->setCurrentIndex(std::clamp(aktuell, 0, TWEtagen->count() - 1));

    LWWarnungen->clear();
    LWWarnungen->addItems(e.meldungen.isEmpty() ? QStringList{tr("keine")} : e.meldungen);
    for (int i = 0; i < LWWarnungen->count() && !e.meldungen.isEmpty(); ++i)
        LWWarnungen->item(i)->setBackground(warnFarbe);
    TLPumpe->setText(
        tr("<b>Pumpe:</b> %1 Verteiler, Förderstrom %2 l/h, Förderhöhe %3 mbar (%4 m)")
            .arg(e.verteiler.size())
            .arg(z(e.volumenstrom * 1000.0, 2), z(e.foerderhoehe, 2), z(e.foerderhoeheMeter(), 2)));
}

QTableWidget* WHAbgleichDlg::tabelle(const Abgleich::Verteiler& v)
{
    auto* t = new QTableWidget(int(v.abgaenge.size()) + 1, Spalten);
    t->setObjectName(QStringLiteral("TWVerteiler"));
    t->setHorizontalHeaderLabels({tr("Raum"), tr("Art"), tr("Nr"), tr("Abgang"), tr("Fläche\nm²"), tr("Q\nW"),
                                  tr("m\nkg/h"), tr("V\nl/h"), tr("L16\nm"), tr("L10\nm"), tr("v\nm/s"),
                                  tr("dp Rohr\nmbar"), tr("dp Einzel\nmbar"), tr("dp Kreis\nmbar"),
                                  tr("dp Ventil\nmbar"), tr("kv\nm³/h"), tr("Vorein-\nstellung"),
                                  tr("dp erf\nmbar"), tr("Warnungen")});
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int i = 0; i < v.abgaenge.size(); ++i) {
        const Abgang& a = v.abgaenge.at(i);
        const QStringList texte{a.raum,
                                a.art,
                                QString::number(a.nr),
                                QString::number(a.nummer),
                                z(a.flaeche, 2),
                                z(a.leistung, 1),
                                z(a.massenstrom, 2),
                                z(a.volumenstrom * 1000.0, 2),
                                z(a.l16, 2),
                                z(a.l10, 2),
                                z(a.geschwindigkeit, 3),
                                z(a.dpRohr, 2),
                                z(a.dpEinzel, 2),
                                z(a.dpKreis, 2),
                                z(a.dpVentil, 2),
                                z(a.kv, 4),
                                a.voreinstellung,
                                QString(),
                                a.warnungen.join(QLatin1Char(' '))};
        for (int s = 0; s < Spalten; ++s)
            setze(t, i, s, texte.at(s), s == Voreinstellung || i == v.index);
        for (int w = 0; w < a.warnungen.size(); ++w) {
            for (int s : {spalteVon(a.warnungen.at(w)), int(Warnungen)}) {
                QTableWidgetItem* item = t->item(i, s);
                item->setBackground(warnFarbe);
                const QString tip = item->toolTip();
                item->setToolTip(tip.isEmpty() ? a.meldungen.at(w)
                                               : tip + QLatin1Char('\n') + a.meldungen.at(w));
            }
        }
    }
    const int z0 = int(v.abgaenge.size());
    setze(t, z0, Raum, tr("Verteiler: %1 Abgänge, Index %2").arg(v.abgaenge.size()).arg(v.index + 1), true);
    setze(t, z0, Flaeche, z(v.flaeche, 2), true);
    setze(t, z0, Leistung, z(v.leistung, 1), true);
    setze(t, z0, Massenstrom, z(v.massenstrom, 2), true);
    setze(t, z0, Volumenstrom, z(v.volumenstrom * 1000.0, 2), true);
    setze(t, z0, DpKreis, z(v.dpIndex, 2), true);
    setze(t, z0, DpVentil, v.mitVentil ? z(v.dpVentil, 2) : QString(), true);
    setze(t, z0, Kv, v.mitVentil ? z(v.kv, 4) : QString(), true);
    setze(t, z0, DpErf, z(v.dpErf, 2), true);
    if (v.mitVentil) {
        const QString tip =
            tr("Strangregulierventil vor dem Verteiler: %1 mbar abdrosseln").arg(z(v.dpVentil, 2));
        t->item(z0, DpVentil)->setToolTip(tip);
        t->item(z0, Kv)->setToolTip(tip);
    }
    t->setSpan(z0, Raum, 1, 4);
    for (int s = 0; s < Spalten; ++s) {
        if (!t->item(z0, s))
            setze(t, z0, s, QString());
        t->item(z0, s)->setBackground(QColor(0xee, 0xf2, 0xf6));
    }
    t->resizeColumnsToContents();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void WHAbgleichDlg::drucken()
{
    const BerichtErgebnis r = AbgleichBericht::dokument(m_ergebnis, m_baum, m_hinweis);
    QString fehler;
    QDir().mkpath(Pfade::ausgabeDir());
    if (!r.ok || !Berichte::schreibeAusgabe(r.html, Berichte::ausgabePfad(), fehler)) {
        MessageBox::critical(this, tr("Fehler"), r.ok ? fehler : r.fehlerText);
        return;
    }
    HtmlViewer::zeigeAusdruck(r.orientierung, r.schriftGroesse);
}

void WHAbgleichDlg::csvSpeichern()
{
    const QString datei =
        DateiDialog::speichernUnter(this, tr("Hydraulischer Abgleich speichern als..."), Pfade::projekteDir(),
                                    tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"), tr("Achtung"));
    if (datei.isEmpty())
        return;
    QString fehler;
    if (!AbgleichBericht::schreibe(datei, AbgleichBericht::csv(m_ergebnis), fehler))
        MessageBox::critical(this, tr("Fehler"), fehler);
}

void WHAbgleichDlg::help()
{
    Pfade::setHelpPage(QStringLiteral("abgleich.html"));
    WHHelpWindow::oeffne(Pfade::helpPage());
}
