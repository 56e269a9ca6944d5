#include "ui/whapplwindow.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"
#include "model/projektdata.h"
#include "reports/gaebexport.h"
#include "ui/dateidialog.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"
#include "ui/whanwenderdlg.h"
#include "ui/whartikeldlg.h"
#include "ui/whbestellungdlg.h"
#include "ui/whhelpwindow.h"
#include "ui/whmainwidget.h"
#include "ui/whmaterialwidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {
constexpr int statusDauer = 5000;
} // namespace

// The icons live in the static widget library; registering them here keeps the linker from
// dropping them. (Outside the unnamed namespace: the resource function is a global one.)
static void ressourcenLaden()
{
    static bool geladen = false;
    if (!geladen) {
        Q_INIT_RESOURCE(wandheizung);
        geladen = true;
    }
}

WHApplWindow::WHApplWindow(QWidget* parent) : QMainWindow(parent)
{
    ressourcenLaden();
    setObjectName(QStringLiteral("WHApplWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/wh.xpm")));
    installEventFilter(new layoutSaver(this));
    resize(1024, 720);

    erzeugeAktionen();
    erzeugeMenues();
    QIcon speichernSymbol;
    speichernSymbol.addPixmap(QPixmap(QStringLiteral(":/icons/icons/save.xpm")), QIcon::Normal);
    speichernSymbol.addPixmap(QPixmap(QStringLiteral(":/icons/icons/save_aus.xpm")), QIcon::Disabled);
    fileSaveAction->setIcon(speichernSymbol);

    m_mainWidget = new WHMainWidget(this);
    setCentralWidget(m_mainWidget);
    statusBar()->showMessage(tr("Neues Projekt"), statusDauer);

    connect(editCopyAction, &QAction::triggered, m_mainWidget, &WHMainWidget::copy);
    connect(editPasteAction, &QAction::triggered, m_mainWidget, &WHMainWidget::paste);
    connect(editPasteDataAction, &QAction::triggered, m_mainWidget, &WHMainWidget::pasteData);
    connect(editCutAction, &QAction::triggered, m_mainWidget, &WHMainWidget::cut);
    connect(m_mainWidget, &WHMainWidget::standChanged, this, &WHApplWindow::changeActionKostenText);
    connect(fileNewAction, &QAction::triggered, this, &WHApplWindow::neu);
    connect(fileOpenAction, &QAction::triggered, this, &WHApplWindow::open);
    connect(fileSaveAction, &QAction::triggered, this, &WHApplWindow::save);
    connect(fileSaveAsAction, &QAction::triggered, this, &WHApplWindow::saveAs);
    connect(fileExitAction, &QAction::triggered, this, &QWidget::close);
    connect(helpAboutAction, &QAction::triggered, this, &WHApplWindow::about);
    connect(helpContentsAction, &QAction::triggered, this, &WHApplWindow::help);
    connect(filePrintAction, &QAction::triggered, m_mainWidget, &WHMainWidget::Print);
    connect(actionProjekteingaben, &QAction::triggered, this,
            &WHApplWindow::on_actionProjekteingaben_activated);
    connect(actionKosten, &QAction::triggered, this, &WHApplWindow::on_actionKosten_activated);
    connect(actionGaeb, &QAction::triggered, this, &WHApplWindow::exportiereGaeb);
    connect(stdtBestellung, &QAction::triggered, this, &WHApplWindow::showBestellungDlg);
    connect(stdtArtikelStamm, &QAction::triggered, this, &WHApplWindow::showArtikelDlg);
    connect(stdtAnwender, &QAction::triggered, this, &WHApplWindow::showAnwenderDlg);
    connect(stdtAbgleich, &QAction::triggered, this, &WHApplWindow::showAbgleichDlg);

    languageChange();
    setzeTitel();

    ArtikelListe::global().clear();
    if (!ArtikelListe::global().load(Pfade::artikelPath())) {
        MessageBox::critical(this, tr("Fehler"),
                             tr("Datei ") + Pfade::artikelPath() + tr(" konnte nicht geöffnet werden!"));
        m_startFailed = true;
        return;
    }
    AnwenderDaten::global().load(Pfade::anwenderPath());
}

QAction* WHApplWindow::aktion(const char* name, const QString& icon)
{
    auto* a = new QAction(this);
    a->setObjectName(QLatin1String(name));
    if (!icon.isEmpty())
        a->setIcon(QIcon(icon));
    return a;
}

void WHApplWindow::erzeugeAktionen()
{
    const QString druckSymbol = QStringLiteral(":/icons/icons/print.xpm");
    fileNewAction = aktion("fileNewAction", QStringLiteral(":/icons/icons/new.xpm"));
    fileOpenAction = aktion("fileOpenAction", QStringLiteral(":/icons/icons/open.xpm"));
    fileSaveAction = aktion("fileSaveAction", QStringLiteral(":/icons/icons/save.xpm"));
    fileSaveAsAction = aktion("fileSaveAsAction");
    filePrintAction = aktion("filePrintAction", druckSymbol);
    fileExitAction = aktion("fileExitAction");
    editCutAction = aktion("editCutAction", QStringLiteral(":/icons/icons/cut.xpm"));
    editCopyAction = aktion("editCopyAction", QStringLiteral(":/icons/icons/copy.xpm"));
    editPasteAction = aktion("editPasteAction", QStringLiteral(":/icons/icons/paste.xpm"));
    editPasteDataAction = aktion("editPasteDataAction");
    helpContentsAction = aktion("helpContentsAction", QStringLiteral(":/icons/icons/help.xpm"));
    helpAboutAction = aktion("helpAboutAction");
    stdtBestellung = aktion("stdtBestellung");
    stdtArtikelStamm = aktion("stdtArtikelStamm");
    stdtAnwender = aktion("stdtAnwender");
    stdtAbgleich = aktion("stdtAbgleich");
    actionProjekteingaben = aktion("actionProjekteingaben", druckSymbol);
    actionKosten = aktion("actionKosten", druckSymbol);
    actionGaeb = aktion("actionGaeb");

    // The usual keys of the desktop for the usual file actions.
    fileNewAction->setShortcut(QKeySequence::New);
    fileOpenAction->setShortcut(QKeySequence::Open);
    fileSaveAction->setShortcut(QKeySequence::Save);
    filePrintAction->setShortcut(QKeySequence::Print);
    fileExitAction->setShortcut(QKeySequence::Quit);

    // The print action is in no menu and no tool bar; it lives on the window for its key.
    addAction(filePrintAction);
}

void WHApplWindow::erzeugeMenues()
{
    menuBar()->setObjectName(QStringLiteral("menubar"));
    fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->addAction(fileNewAction);
    fileMenu->addAction(fileOpenAction);
    fileMenu->addAction(fileSaveAction);
    fileMenu->addAction(fileSaveAsAction);
    fileMenu->addSeparator();
    fileMenu->addAction(actionProjekteingaben);
    fileMenu->addAction(actionKosten);
    fileMenu->addAction(actionGaeb);
    fileMenu->addSeparator();
    fileMenu->addAction(fileExitAction);

    editMenu = menuBar()->addMenu(QString());
    editMenu->setObjectName(QStringLiteral("editMenu"));
    editMenu->addSeparator();
    editMenu->addAction(editCutAction);
    editMenu->addAction(editCopyAction);
    editMenu->addAction(editPasteAction);
    editMenu->addSeparator();
    editMenu->addAction(editPasteDataAction);

    stammMenu = menuBar()->addMenu(QString());
    stammMenu->setObjectName(QStringLiteral("stammMenu"));
    stammMenu->addAction(stdtBestellung);
    stammMenu->addAction(stdtAbgleich);
    stammMenu->addSeparator();
    stammMenu->addAction(stdtArtikelStamm);
    stammMenu->addSeparator();
    stammMenu->addAction(stdtAnwender);

    helpMenu = menuBar()->addMenu(QString());
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addAction(helpContentsAction);
    helpMenu->addSeparator();
    helpMenu->addAction(helpAboutAction);

    toolBarFile = addToolBar(QString());
    toolBarFile->setObjectName(QStringLiteral("toolBarFile"));
    toolBarFile->addAction(fileNewAction);
    toolBarFile->addAction(fileOpenAction);
    toolBarFile->addAction(fileSaveAction);
    toolBarPrint = addToolBar(QString());
    toolBarPrint->setObjectName(QStringLiteral("toolBarPrint"));
    toolBarPrint->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBarPrint->addAction(actionProjekteingaben);
    toolBarPrint->addAction(actionKosten);
    toolBarEdit = addToolBar(QString());
    toolBarEdit->setObjectName(QStringLiteral("toolBarEdit"));
    toolBarEdit->addAction(editCutAction);
    toolBarEdit->addAction(editCopyAction);
    toolBarEdit->addAction(editPasteAction);
}

void WHApplWindow::languageChange()
{
    struct Text
    {
        QAction* aktion;
        QString text;
        QString kurz;
    };
    const Text texte[] = {
        {fileNewAction, tr("&Neu"), tr("Neu")},
        {fileOpenAction, tr("Ö&ffnen"), tr("Öffnen")},
        {fileSaveAction, tr("&Speichern"), tr("Speichern")},
        {fileSaveAsAction, tr("Speichern &als..."), tr("Speichern als")},
        {filePrintAction, tr("&Drucken"), tr("Drucken")},
        {fileExitAction, tr("&Beenden"), tr("Beenden")},
        {editCutAction, tr("&Ausschneiden"), tr("Ausschneiden")},
        {editCopyAction, tr("&Kopieren"), tr("Kopieren")},
        {editPasteAction, tr("&Einfügen"), tr("Einfügen")},
        {editPasteDataAction, tr("&Raum Data Einfügen"), tr("Raum Data Einfügen")},
        {helpContentsAction, tr("&Inhalt"), tr("Inhalt")},
        {helpAboutAction, tr("Ü&ber..."), tr("Über")},
        {stdtBestellung, tr("&Bestellformular"), tr("Bestellformular")},
        {stdtArtikelStamm, tr("Artikelsta&mm"), tr("Artikelstamm")},
        {stdtAnwender, tr("&Anwender Angaben"), tr("Anwender Angaben")},
        {actionGaeb, tr("Exportieren als &GAEB..."), tr("Exportieren als GAEB")},
        {stdtAbgleich, tr("&Hydraulischer Abgleich..."), tr("Hydraulischer Abgleich")},
    };
    for (const Text& t : texte) {
        t.aktion->setText(t.text);
        t.aktion->setIconText(t.kurz);
        t.aktion->setToolTip(t.kurz);
    }
    actionProjekteingaben->setText(tr("Projekteingaben"));
    actionProjekteingaben->setIconText(tr("Projekteingaben"));
    actionProjekteingaben->setToolTip(tr("Ausdruck der Projekteingaben"));
    changeActionKostenText();

    fileMenu->setTitle(tr("&Datei"));
    editMenu->setTitle(tr("&Bearbeiten"));
    stammMenu->setTitle(tr("&Extras"));
    helpMenu->setTitle(tr("&Hilfe"));
    toolBarFile->setWindowTitle(tr("Datei"));
    toolBarPrint->setWindowTitle(tr("Drucken"));
    toolBarEdit->setWindowTitle(tr("Bearbeiten"));
}

void WHApplWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QMainWindow::changeEvent(event);
}

void WHApplWindow::changeActionKostenText()
{
    const ProjektData* projekt = m_mainWidget ? m_mainWidget->baum().projekt() : nullptr;
    if (projekt && projekt->stand == 1) {
        actionKosten->setText(tr("Kostenangebot"));
        actionKosten->setIconText(tr("Kostenangebot"));
        actionKosten->setToolTip(tr("Ausdruck des Kostenangebots"));
    } else {
        actionKosten->setText(tr("Kostenvoranschlag"));
        actionKosten->setIconText(tr("Kostenvoranschlag"));
        actionKosten->setToolTip(tr("Ausdruck des Kostenvoranschlags"));
    }
}

void WHApplWindow::setzeTitel()
{
    const QString name = m_projectFile.isEmpty() ? tr("Unbenannt") : QFileInfo(m_projectFile).fileName();
    setWindowTitle(tr("Wandheizung: %1").arg(name));
}

void WHApplWindow::about()
{
    MessageBox::ueber(this, tr("Über Wandheizung"),
                      tr("Programm zur Berechnung des Materialbedarfes<br>für Wandheizungs Systeme<br>"
                         "Version %1 <br><b>Produktsortiment ab %2</b><br>")
                              .arg(Programm::version(), ArtikelListe::global().sortimentDatum()) +
                          tr("<br>Belvoro Wandheizsysteme GmbH<br>Am Ziegelhof 7<br>"
                             "12345 Musterstadt<br>Telefon 01234 / 5678-0<br>Telefax 01234 / 5678-99"),
                      QPixmap(QStringLiteral(":/icons/icons/wh.xpm"))
                          .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                      QStringLiteral("Wandheizung"));
}

void WHApplWindow::help()
{
    WHHelpWindow::oeffne(QStringLiteral("index.html"));
}

void WHApplWindow::showAnwenderDlg()
{
    WHAnwenderDlg dlg(this);
    dlg.exec();
}

void WHApplWindow::showArtikelDlg()
{
    WHArtikelDlg dlg(this);
    // New prices and descriptions show on the material page at once.
    connect(&dlg, &WHArtikelDlg::katalogGeaendert, this, [this] {
        if (auto* seite = qobject_cast<WHMaterialWidget*>(m_mainWidget->seite(7)))
            seite->updateLVArtikel();
    });
    dlg.exec();
}

void WHApplWindow::showBestellungDlg()
{
    WHBestellungDlg dlg(this);
    ArtikelListe::global().clearBestellMengen();
    dlg.updateLVArtikel();
    dlg.exec();
}

void WHApplWindow::showAbgleichDlg()
{
    m_mainWidget->hydraulischerAbgleich();
}

void WHApplWindow::on_actionProjekteingaben_activated()
{
    m_mainWidget->printEingaben();
}

void WHApplWindow::on_actionKosten_activated()
{
    m_mainWidget->printKosten();
}

void WHApplWindow::exportiereGaeb()
{
    m_mainWidget->anwenden();
    const GaebExport::Phase phasen[3] = {GaebExport::X83, GaebExport::X84, GaebExport::X82};
    const int wahl = MessageBox::auswahl(
        this, MessageBox::Frage, tr("Exportieren als GAEB"),
        tr("Welche Austauschphase soll die GAEB-Datei haben?"),
        {tr("X83 Angebotsaufforderung"), tr("X84 Angebotsabgabe"), tr("X82 Kostenanschlag"), tr("Abbrechen")},
        0, 3);
    if (wahl < 0 || wahl > 2)
        return;
    const QString endung = QStringLiteral("x%1").arg(int(phasen[wahl]));
    const QString datei =
        DateiDialog::speichernUnter(this, tr("Wandheizung: GAEB exportieren als..."), Pfade::projekteDir(),
                                    tr("GAEB DA XML (*.%1)").arg(endung), endung, tr("Exportieren"));
    if (datei.isEmpty())
        return;
    QString fehler;
    if (!GaebExport::exportieren(m_mainWidget->baum(), ArtikelListe::global(), AnwenderDaten::global(),
                                 phasen[wahl], datei, fehler)) {
        MessageBox::critical(this, tr("Fehler"), MessageBox::klartext(fehler));
        return;
    }
    statusBar()->showMessage(tr("GAEB-Datei %1 geschrieben").arg(datei), statusDauer);
}

// --- project flows ---------------------------------------------------------------------------

WHApplWindow::Antwort WHApplWindow::frageGeaendert(const QString& titel, const QString& weiterText)
{
    m_mainWidget->seiteUebernehmen();
    if (!m_mainWidget->isChanged())
        return Weiter;
    const QString name = m_projectFile.isEmpty() ? tr("Unbenannt") : QFileInfo(m_projectFile).fileName();
    const int antwort = MessageBox::auswahl(this, MessageBox::Information, titel,
                                            tr("Projekt <b>%1</b> wurde geändert").arg(name.toHtmlEscaped()),
                                            {tr("Jetzt speichern"), tr("Abbrechen"), weiterText}, 0, 1);
    return antwort == 0 ? JetztSpeichern : antwort == 2 ? Weiter : Abbrechen;
}

void WHApplWindow::neu()
{
    const Antwort antwort = frageGeaendert(tr("Neues Projekt"), tr("Weiter"));
    if (antwort == Abbrechen)
        return;
    // A save that failed keeps the project; a save dialog that was cancelled goes on.
    if (antwort == JetztSpeichern && speichere() == Fehlgeschlagen)
        return;
    m_mainWidget->newProjekt();
    neuesProjekt();
}

void WHApplWindow::neuesProjekt()
{
    m_projectFile.clear();
    statusBar()->showMessage(tr("Neues Projekt"), statusDauer);
    setzeTitel();
    changeActionKostenText();
}

void WHApplWindow::open()
{
    const Antwort antwort = frageGeaendert(tr("Projekt laden"), tr("Weiter"));
    if (antwort == Abbrechen)
        return;
    if (antwort == JetztSpeichern && speichere() == Fehlgeschlagen)
        return;
    const QString name =
        DateiDialog::oeffnen(this, tr("Projekt öffnen"), Pfade::projekteDir(),
                             tr("WH Projekt (*.bwh)\nWB Projekt (*.bwb)\nAlle Dateien (*.*)"));
    if (!name.isEmpty())
        ladeDatei(name);
}

void WHApplWindow::ladeDatei(const QString& dateiName)
{
    const LadeErgebnis ergebnis = m_mainWidget->laden(dateiName);
    if (ergebnis.erfolgreich()) {
        m_projectFile = ergebnis.dateiName;
        if (!ergebnis.hinweisText.isEmpty())
            MessageBox::information(this, tr("Achtung"), ergebnis.hinweisText);
        statusBar()->showMessage(ergebnis.statusText, statusDauer);
        setzeTitel();
        changeActionKostenText();
        return;
    }
    if (!ergebnis.statusText.isEmpty())
        statusBar()->showMessage(ergebnis.statusText, statusDauer);
    if (!ergebnis.meldungTitel.isEmpty()) {
        if (ergebnis.meldungKritisch)
            MessageBox::critical(this, ergebnis.meldungTitel, ergebnis.meldungText);
        else
            MessageBox::warning(this, ergebnis.meldungTitel, ergebnis.meldungText);
    }
    // After a failed read the tree already holds a new, unchanged project; the window
    // follows with its name, title and status.
    if (ergebnis.art == LadeErgebnis::Fehlgeschlagen)
        neuesProjekt();
}

void WHApplWindow::save()
{
    speichere();
}

void WHApplWindow::saveAs()
{
    speichereUnter();
}

WHApplWindow::Speicherung WHApplWindow::speichere()
{
    if (m_projectFile.isEmpty())
        return speichereUnter();
    QString fehlerText;
    if (!m_mainWidget->speichern(m_projectFile, fehlerText)) {
        statusBar()->showMessage(tr("Fehler beim Speichern des Projekts %1").arg(m_projectFile), statusDauer);
        if (fehlerText.isEmpty())
            fehlerText =
                tr("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(m_projectFile.toHtmlEscaped());
        MessageBox::critical(this, tr("Fehler"), fehlerText);
        return Fehlgeschlagen;
    }
    statusBar()->showMessage(tr("Projekt %1 gespeichert").arg(m_projectFile), statusDauer);
    setzeTitel();
    return Gespeichert;
}

WHApplWindow::Speicherung WHApplWindow::speichereUnter()
{
    QString name =
        DateiDialog::speichern(this, tr("Projekt speichern"), Pfade::projekteDir(), tr("WH Projekt (*.bwh)"));
    if (name.isEmpty()) {
        statusBar()->showMessage(tr("Speichern abgebrochen"), statusDauer);
        return Abgebrochen;
    }
    name = Pfade::mitEndung(name, QStringLiteral("bwh"));
    if (QFileInfo::exists(name)) {
        const int antwort =
            MessageBox::auswahl(this, MessageBox::Information, tr("Speichern"),
                                tr("Datei <b>%1</b> existiert bereits.<br>Soll es überschrieben werden?")
                                    .arg(name.toHtmlEscaped()),
                                {tr("Ok"), tr("Abbruch")}, 0, 1);
        if (antwort != 0) {
            statusBar()->showMessage(tr("Speichern abgebrochen"), statusDauer);
            return Abgebrochen;
        }
    }
    // A failed save keeps the name the project had.
    const QString vorher = m_projectFile;
    m_projectFile = name;
    const Speicherung ergebnis = speichere();
    if (ergebnis == Fehlgeschlagen)
        m_projectFile = vorher;
    return ergebnis;
}

void WHApplWindow::closeEvent(QCloseEvent* event)
{
    const Antwort antwort = frageGeaendert(tr("Verlassen"), tr("Trotzdem beenden"));
    if (antwort == Abbrechen || (antwort == JetztSpeichern && speichere() == Fehlgeschlagen)) {
        event->ignore();
        return;
    }
    event->accept();
}
