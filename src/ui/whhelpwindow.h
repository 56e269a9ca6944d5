#pragma once

#include <QMainWindow>

class QTextBrowser;

// The help window: a small browser over the help pages of the installation's "hilfe" folder.
// One window serves the whole program; every "Hilfe" button and F1 open it on the page that
// belongs to where the user is.
class WHHelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    WHHelpWindow(const QString& home, const QString& pfad, QWidget* parent, const QString& name);

    // The program-wide help window on page seite (a bare name such as "raum.html" or a full
    // path): created when there is none (folder applDir + "hilfe", title "Wandheizung
    // Hilfe", deleted when closed), else the page is shown in it; then shown and raised.
    static WHHelpWindow* oeffne(const QString& seite);
    // The program-wide help window, or null while none is open.
    static WHHelpWindow* instanz();

    // Shows a page in this window.
    void zeige(const QString& seite);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
    QString m_pfad;
};
