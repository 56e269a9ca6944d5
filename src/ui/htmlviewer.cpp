#include "ui/htmlviewer.h"

#include "app/pfade.h"
#include "app/textcodec.h"
#include "druck/htmlstuecke.h"
#include "ui/dateidialog.h"
#include "ui/druckdialog.h"
#include "ui/layoutsaver.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

namespace {
QPointer<HtmlViewer>& vorschau()
{
    static QPointer<HtmlViewer> fenster;
    return fenster;
}
} // namespace

HtmlViewer::HtmlViewer(const QString& basisOrdner, QWidget* parent, const QString& name,
                       Qt::WindowFlags flags)
    : QMainWindow(parent, flags | Qt::Window), m_basisOrdner(basisOrdner)
{
    setObjectName(name);
    setWindowTitle(name);
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/wh.xpm")));
    installEventFilter(new layoutSaver(this));
    m_browser = new QTextBrowser(this);
    m_browser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setzeSuchpfade();
    setCentralWidget(m_browser);

    QAction* drucken = new QAction(QIcon(QStringLiteral(":/icons/icons/print.xpm")), tr("&Drucken"), this);
    drucken->setShortcut(QKeySequence(tr("Ctrl+D")));
    drucken->setIconText(tr("Drucken"));
    connect(drucken, &QAction::triggered, this, &HtmlViewer::print);
    QAction* sichern =
        new QAction(QIcon(QStringLiteral(":/icons/icons/save.xpm")), tr("Speichern &unter..."), this);
    sichern->setShortcut(QKeySequence(tr("Ctrl+U")));
    sichern->setIconText(tr("Speichern"));
    connect(sichern, &QAction::triggered, this, &HtmlViewer::speichern);
    QAction* pdf = new QAction(style()->standardIcon(QStyle::SP_FileIcon), tr("Als &PDF speichern..."), this);
    pdf->setIconText(tr("PDF"));
    connect(pdf, &QAction::triggered, this, &HtmlViewer::speicherePdf);
    QAction* schliessen = new QAction(tr("&Schliessen"), this);
    schliessen->setShortcut(QKeySequence(tr("Ctrl+Q")));
    connect(schliessen, &QAction::triggered, this, &QWidget::close);

    QMenu* datei = menuBar()->addMenu(tr("&Datei"));
    datei->addAction(drucken);
    datei->addAction(sichern);
    datei->addAction(pdf);
    datei->addSeparator();
    datei->addAction(schliessen);

    QToolBar* leiste = addToolBar(tr("drucken"));
    leiste->setObjectName(QStringLiteral("drucken"));
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    leiste->addAction(sichern);
    leiste->addAction(drucken);
    leiste->addAction(pdf);

    resize(800, 900);
}

HtmlViewer::~HtmlViewer()
{
    // A document still being read belongs to a reader that must end before the window goes.
    for (const QPointer<QThread>& leser : std::as_const(m_leser)) {
        if (leser)
            leser->wait();
    }
}

HtmlViewer* HtmlViewer::instanz()
{
    return vorschau().data();
}

HtmlViewer* HtmlViewer::zeigeAusdruck(int orientierung, int schriftGroesse)
{
    if (!vorschau()) {
        vorschau() = new HtmlViewer(Pfade::ausgabeDir().chopped(1), nullptr, tr("Wandheizung Ausdruck"));
        vorschau()->setAttribute(Qt::WA_DeleteOnClose);
    }
    HtmlViewer* v = vorschau().data();
    v->zeigeDatei(QStringLiteral("ausdruck.html"));
    if (orientierung != unveraendert)
        v->setOrientierung(orientierung);
    if (schriftGroesse > 0)
        v->setSchriftGroesse(schriftGroesse);
    v->show();
    v->raise();
    v->activateWindow();
    return v;
}

void HtmlViewer::setzeSuchpfade()
{
    // The report lies in the user's folder; the images its templates name (the spacing image)
    // lie beside the templates in the installation.
    m_browser->setSearchPaths({m_basisOrdner, Pfade::vorlagenDir()});
}

void HtmlViewer::zeigeDatei(const QString& datei)
{
    // Read here rather than by the browser: like every file of the program the report is
    // Windows-1252, also when it does not say so. Relative names in it (images) are then
    // looked up in the search folders.
    m_quelltext.clear();
    TextCodec::readFile(m_basisOrdner + QLatin1Char('/') + datei, m_quelltext);
    setzeSuchpfade();
    m_browser->setSource(QUrl());
    ++m_ladung;
    const QStringList stuecke = HtmlStuecke::teile(m_quelltext);
    m_browser->setHtml(stuecke.first());
    if (stuecke.size() == 1)
        m_gezeigt = m_ladung;
    else
        leseImHintergrund(m_quelltext);
    raise();
    activateWindow();
}

void HtmlViewer::leseImHintergrund(const QString& html)
{
    auto dokument = std::make_shared<std::unique_ptr<QTextDocument>>();
    QThread* const gui = thread();
    QThread* leser = QThread::create([html, dokument, gui] {
        auto neu = std::make_unique<QTextDocument>();
        neu->setHtml(html);
        neu->moveToThread(gui);
        *dokument = std::move(neu);
    });
    leser->setParent(this);
    const int ladung = m_ladung;
    connect(leser, &QThread::finished, this, [this, leser, dokument, ladung] {
        leser->wait();
        m_leser.removeAll(leser);
        leser->deleteLater();
        // A link followed in the meantime, or a newer file, keeps the window as it is.
        if (ladung != m_ladung || !*dokument || !m_browser->source().isEmpty())
            return;
        QTextDocument* ganz = dokument->release();
        // A child of the browser, so that its images are found in the browser's folders.
        ganz->setParent(m_browser);
        const int oben = m_browser->verticalScrollBar()->value();
        m_browser->setDocument(ganz);
        m_browser->verticalScrollBar()->setValue(oben);
        delete m_ganz; // the one read before, no longer shown
        m_ganz = ganz;
        m_gezeigt = ladung;
    });
    m_leser.append(leser);
    leser->start();
}

bool HtmlViewer::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        setzeSuchpfade();
    return QMainWindow::event(event);
}

void HtmlViewer::print()
{
    DruckDialog::drucke(this, m_quelltext, *m_browser->document(), DruckDialog::MitAnwenderKopf,
                        m_orientierung, m_schriftGroesse);
}

QString HtmlViewer::zielDatei(const QString& titel, const QString& filter, const QString& endung)
{
    return DateiDialog::speichernUnter(this, titel, Pfade::projekteDir(), filter, endung,
                                       tr("Speichern unter"));
}

void HtmlViewer::speichern()
{
    const QString name = zielDatei(tr("Speichern unter"), tr("HTML Datei (*.html)"), QStringLiteral("html"));
    if (name.isEmpty())
        return;
    if (!TextCodec::writeFileAtomic(name, m_quelltext))
        MessageBox::critical(this, tr("Fehler"), tr("Datei %1 konnte nicht geöffnet werden!").arg(name));
}

void HtmlViewer::speicherePdf()
{
    const QString name = zielDatei(tr("Als PDF speichern"), tr("PDF Datei (*.pdf)"), QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    const PdfAusgabe::Ergebnis e =
        DruckDialog::speicherePdf(this, m_quelltext, *m_browser->document(), DruckDialog::MitAnwenderKopf,
                                  m_orientierung, m_schriftGroesse, name);
    if (e == PdfAusgabe::Fehler)
        MessageBox::critical(this, tr("Fehler"), PdfAusgabe::fehlerText(name));
}
