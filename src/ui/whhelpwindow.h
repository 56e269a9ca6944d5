#pragma once

#include <QMainWindow>
#include <QMap>
#include <QUrl>

class HilfeBrowser;
class QAction;
class QLineEdit;
class QMenu;
class QTextBrowser;

// The help window: a small browser over the help pages of the installation's "hilfe" folder,
// with back, forward, index, a history of the pages shown, printing and a search over all
// pages. One window serves the whole program; every "Hilfe" button and F1 open it on the page
// that belongs to where the user is. "Neues Fenster" opens further, independent windows.
class WHHelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    // A help window over the pages of folder pfad, showing home first (a bare name, a
    // relative path or an absolute path; nothing when empty). name is object name and first
    // title.
    WHHelpWindow(const QString& home, const QString& pfad, QWidget* parent, const QString& name);

    // The program-wide help window on page seite (a bare name such as "raum.html" or a full
    // path): created when there is none (folder applDir + "hilfe", title "Wandheizung
    // Hilfe", deleted when closed), else the page is shown in it; then shown and raised.
    static WHHelpWindow* oeffne(const QString& seite);
    // The program-wide help window, or null while none is open.
    static WHHelpWindow* instanz();

    // Shows a page in this window.
    void zeige(const QString& seite);
    // Lists the pages that contain wort (the search field's Enter does the same).
    void suche(const QString& wort);

    QTextBrowser* browser() const;
    QString pfad() const { return m_pfad; }
    QMenu* verlaufMenu() const { return m_verlaufMenu; }

public slots:
    void setBackwardAvailable(bool verfuegbar);
    void setForwardAvailable(bool verfuegbar);
    void textChanged();
    void newWindow();
    void print();
    void home();
    void histChosen(int id);

protected:
    bool event(QEvent* e) override;

private:
    void baueAktionen();
    void seiteGezeigt(const QUrl& url);

    HilfeBrowser* m_browser = nullptr;
    QString m_pfad;
    QUrl m_quelle; // the page shown, as the browser last reported it
    QMap<int, QUrl> m_verlauf;
    QMenu* m_verlaufMenu = nullptr;
    QAction* m_zurueck = nullptr;
    QAction* m_vor = nullptr;
    QLineEdit* m_suchfeld = nullptr;
};
