#include "ui/whhelpwindow.h"

#include "app/pfade.h"
#include "ui/druckdialog.h"
#include "ui/hilfebrowser.h"
#include "ui/layoutsaver.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

namespace {
QPointer<WHHelpWindow>& hilfe()
{
    static QPointer<WHHelpWindow> fenster;
    return fenster;
}

const QString Symbole = QStringLiteral(":/icons/icons/");
} // namespace

WHHelpWindow::WHHelpWindow(const QString& home, const QString& pfad, QWidget* parent, const QString& name)
    : QMainWindow(parent, Qt::Window), m_pfad(QFileInfo(pfad).absoluteFilePath())
{
    setObjectName(name);
    setWindowTitle(name);
    setWindowIcon(QIcon(Symbole + QStringLiteral("wh.xpm")));
    installEventFilter(new layoutSaver(this));

    m_browser = new HilfeBrowser(m_pfad, this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setCentralWidget(m_browser);
    connect(m_browser, &QTextBrowser::textChanged, this, &WHHelpWindow::textChanged);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &WHHelpWindow::seiteGezeigt);
    connect(m_browser, qOverload<const QUrl&>(&QTextBrowser::highlighted), this, [this](const QUrl& link) {
        QString ziel = link.isLocalFile() ? QFileInfo(link.toLocalFile()).fileName() : link.toString();
        if (link.isLocalFile() && link.hasFragment())
            ziel += QLatin1Char('#') + link.fragment();
        statusBar()->showMessage(ziel);
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, this, &WHHelpWindow::setBackwardAvailable);
    connect(m_browser, &QTextBrowser::forwardAvailable, this, &WHHelpWindow::setForwardAvailable);

    baueAktionen();
    statusBar(); // there from the start, so the page does not jump at the first link pointed at
    resize(720, 800);
    if (!home.isEmpty())
        zeige(home);
}

void WHHelpWindow::baueAktionen()
{
    QMenu* datei = menuBar()->addMenu(tr("&Datei"));
    datei->setObjectName(QStringLiteral("dateiMenu"));
    QAction* neu = datei->addAction(tr("&Neues Fenster"), this, &WHHelpWindow::newWindow);
    neu->setObjectName(QStringLiteral("neuesFensterAction"));
    neu->setShortcut(QKeySequence::New);
    QAction* drucken = datei->addAction(QIcon(Symbole + QStringLiteral("print.xpm")), tr("&Drucken"), this,
                                        &WHHelpWindow::print);
    drucken->setObjectName(QStringLiteral("druckenAction"));
    drucken->setShortcut(QKeySequence::Print);
    datei->addSeparator();
    QAction* schliessen = datei->addAction(tr("&Schliessen"), this, &QWidget::close);
    schliessen->setObjectName(QStringLiteral("schliessenAction"));
    schliessen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* gehe = menuBar()->addMenu(tr("&Gehe"));
    gehe->setObjectName(QStringLiteral("geheMenu"));
    m_zurueck = gehe->addAction(QIcon(Symbole + QStringLiteral("previous.xpm")), tr("&Zurück"), m_browser,
                                &QTextBrowser::backward);
    m_zurueck->setObjectName(QStringLiteral("zurueckAction"));
    m_zurueck->setShortcut(QKeySequence::Back);
    m_zurueck->setEnabled(false);
    m_vor = gehe->addAction(QIcon(Symbole + QStringLiteral("next.xpm")), tr("&Vor"), m_browser,
                            &QTextBrowser::forward);
    m_vor->setObjectName(QStringLiteral("vorAction"));
    m_vor->setShortcut(QKeySequence::Forward);
    m_vor->setEnabled(false);
    QAction* index =
        gehe->addAction(QIcon(Symbole + QStringLiteral("home.xpm")), tr("&Index"), this, &WHHelpWindow::home);
    index->setObjectName(QStringLiteral("indexAction"));
    index->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));

    m_verlaufMenu = menuBar()->addMenu(tr("Verlauf"));
    m_verlaufMenu->setObjectName(QStringLiteral("verlaufMenu"));
    m_verlaufMenu->setToolTipsVisible(true);

    QToolBar* navigation = addToolBar(tr("Navigation"));
    navigation->setObjectName(QStringLiteral("navigation"));
    navigation->setMovable(false);
    navigation->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    navigation->addAction(m_zurueck);
    navigation->addAction(m_vor);
    navigation->addAction(index);
    navigation->addSeparator();

    // The search sits at the right end of the tool bar.
    auto* abstand = new QWidget(navigation);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    navigation->addWidget(abstand);
    auto* suchText = new QLabel(tr("Suchen:"), navigation);
    navigation->addWidget(suchText);
    m_suchfeld = new QLineEdit(navigation);
    m_suchfeld->setObjectName(QStringLiteral("LESuche"));
    m_suchfeld->setPlaceholderText(tr("Wort in allen Hilfeseiten"));
    m_suchfeld->setToolTip(tr("Listet die Hilfeseiten, die das Wort enthalten (Eingabetaste)"));
    m_suchfeld->setClearButtonEnabled(true);
    m_suchfeld->setMinimumWidth(160);
    m_suchfeld->setMaximumWidth(240);
    suchText->setBuddy(m_suchfeld);
    navigation->addWidget(m_suchfeld);
    connect(m_suchfeld, &QLineEdit::returnPressed, this, [this] { suche(m_suchfeld->text()); });
    QAction* suchen = navigation->addAction(QIcon(Symbole + QStringLiteral("search.xpm")), tr("Suchen"), this,
                                            [this] { suche(m_suchfeld->text()); });
    suchen->setObjectName(QStringLiteral("suchenAction"));
    auto* fokus = new QAction(this);
    fokus->setShortcut(QKeySequence::Find);
    connect(fokus, &QAction::triggered, this, [this] {
        m_suchfeld->setFocus(Qt::ShortcutFocusReason);
        m_suchfeld->selectAll();
    });
    addAction(fokus);
}

WHHelpWindow* WHHelpWindow::instanz()
{
    return hilfe().data();
}

WHHelpWindow* WHHelpWindow::oeffne(const QString& seite)
{
    if (!hilfe()) {
        hilfe() = new WHHelpWindow(seite, Pfade::hilfeDir(), nullptr, tr("Wandheizung Hilfe"));
        hilfe()->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        hilfe()->zeige(seite);
    }
    hilfe()->show();
    hilfe()->raise();
    hilfe()->activateWindow();
    return hilfe().data();
}

QTextBrowser* WHHelpWindow::browser() const
{
    return m_browser;
}

void WHHelpWindow::zeige(const QString& seite)
{
    m_browser->setSearchPaths({m_pfad});
    m_browser->setSource(m_browser->adresse(seite));
}

void WHHelpWindow::suche(const QString& wort)
{
    if (wort.trimmed().isEmpty())
        return;
    if (m_suchfeld->text() != wort)
        m_suchfeld->setText(wort);
    m_browser->setSource(HilfeBrowser::suchAdresse(wort));
}

void WHHelpWindow::setBackwardAvailable(bool verfuegbar)
{
    m_zurueck->setEnabled(verfuegbar);
}

void WHHelpWindow::setForwardAvailable(bool verfuegbar)
{
    m_vor->setEnabled(verfuegbar);
}

void WHHelpWindow::textChanged()
{
    QString titel = m_browser->documentTitle().trimmed();
    if (titel.isEmpty())
        titel = m_quelle.isLocalFile() ? QFileInfo(m_quelle.toLocalFile()).fileName() : m_quelle.toString();
    setWindowTitle(tr("Wandheizung Hilfe: %1").arg(titel));
}

void WHHelpWindow::newWindow()
{
    auto* fenster = new WHHelpWindow(QString(), m_pfad, nullptr, QStringLiteral("qbrowser"));
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->m_browser->setSource(m_browser->source());
    fenster->show();
}

void WHHelpWindow::print()
{
    DruckDialog::drucke(this, *m_browser->document(), DruckDialog::NurSeitenzahl, -1, 10);
}

void WHHelpWindow::home()
{
    zeige(QStringLiteral("index.html"));
}

void WHHelpWindow::histChosen(int id)
{
    const auto it = m_verlauf.constFind(id);
    if (it != m_verlauf.constEnd())
        m_browser->setSource(*it);
}

void WHHelpWindow::seiteGezeigt(const QUrl& url)
{
    m_quelle = url;
    textChanged();
    // Only pages that exist belong in the history; search results and the page naming a
    // missing page do not.
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile())
        return;
    QUrl seite = url;
    seite.setFragment(QString());
    for (const QUrl& bekannt : std::as_const(m_verlauf))
        if (bekannt == seite)
            return;
    const int id = m_verlauf.isEmpty() ? 1 : m_verlauf.lastKey() + 1;
    m_verlauf.insert(id, seite);
    QString text = m_browser->documentTitle().trimmed();
    if (text.isEmpty())
        text = QFileInfo(seite.toLocalFile()).fileName();
    QAction* eintrag = m_verlaufMenu->addAction(text, this, [this, id] { histChosen(id); });
    eintrag->setData(id);
    eintrag->setToolTip(QFileInfo(seite.toLocalFile()).fileName());
}

bool WHHelpWindow::event(QEvent* e)
{
    // Each browser looks up the pictures of its pages in its own folder; when this window
    // becomes active again its folder is the one to search, whatever another window did.
    if (e->type() == QEvent::WindowActivate)
        m_browser->setSearchPaths({m_pfad});
    return QMainWindow::event(e);
}
