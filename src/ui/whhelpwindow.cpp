#include "ui/whhelpwindow.h"

#include "app/pfade.h"
#include "ui/layoutsaver.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<WHHelpWindow>& hilfe()
{
    static QPointer<WHHelpWindow> fenster;
    return fenster;
}
} // namespace

WHHelpWindow::WHHelpWindow(const QString& home, const QString& pfad, QWidget* parent, const QString& name)
    : QMainWindow(parent, Qt::Window), m_pfad(pfad)
{
    setObjectName(name);
    setWindowTitle(name);
    installEventFilter(new layoutSaver(this));
    m_browser = new QTextBrowser(this);
    m_browser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setCentralWidget(m_browser);
    resize(700, 800);
    zeige(home);
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

void WHHelpWindow::zeige(const QString& seite)
{
    m_browser->setSearchPaths({m_pfad});
    m_browser->setSource(
        QUrl::fromLocalFile(seite.contains(QLatin1Char('/')) ? seite : m_pfad + QLatin1Char('/') + seite));
}
