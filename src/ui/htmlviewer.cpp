#include "ui/htmlviewer.h"

#include "app/pfade.h"
#include "ui/layoutsaver.h"

#include <QPointer>
#include <QTextBrowser>
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
    installEventFilter(new layoutSaver(this));
    m_browser = new QTextBrowser(this);
    m_browser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_browser->setSearchPaths({m_basisOrdner, Pfade::vorlagenDir()});
    setCentralWidget(m_browser);
    resize(800, 900);
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

void HtmlViewer::zeigeDatei(const QString& datei)
{
    m_browser->setSearchPaths({m_basisOrdner, Pfade::vorlagenDir()});
    m_browser->setSource(QUrl());
    m_browser->setSource(QUrl::fromLocalFile(m_basisOrdner + QLatin1Char('/') + datei));
    m_browser->reload();
    raise();
    activateWindow();
}
