#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QToolBar;
class WHMainWidget;

// The program's window: menus, tool bars and status bar around the central widget. It holds
// the name of the current project file and runs the new, open, save, save-as and quit flows
// with their questions.
class WHApplWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window with a new project, then reads the article catalogue and the user
    // data. When the catalogue cannot be read the window says so and startFailed() is true.
    explicit WHApplWindow(QWidget* parent = nullptr);

    bool startFailed() const { return m_startFailed; }
    WHMainWidget* mainWidget() const { return m_mainWidget; }
    // The current project file; empty while the project has not been saved.
    QString projectFile() const { return m_projectFile; }

    // Opens a project file or imports a heat-demand project, with every message of loading.
    void ladeDatei(const QString& dateiName);

public slots:
    void languageChange();
    void changeActionKostenText();
    void about();
    void neu();
    void help();
    void open();
    void save();
    void saveAs();
    // "&Extras": the user data, the article master, the order form with every quantity 0.
    void showAnwenderDlg();
    void showArtikelDlg();
    void showBestellungDlg();
    void showAbgleichDlg();
    void on_actionProjekteingaben_activated();
    void on_actionKosten_activated();
    // "Exportieren als &GAEB...": the exchange phase, the target file, then the export.
    void exportiereGaeb();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum Speicherung
    {
        Gespeichert,
        Abgebrochen,
        Fehlgeschlagen
    };
    enum Antwort
    {
        JetztSpeichern,
        Abbrechen,
        Weiter
    };

    void erzeugeAktionen();
    void erzeugeMenues();
    Speicherung speichere();
    Speicherung speichereUnter();
    // "Projekt … wurde geändert": asked only for a changed project (Weiter without a question).
    Antwort frageGeaendert(const QString& titel, const QString& weiterText);
    // What neu() does after its question: the new, unnamed project.
    void neuesProjekt();
    void setzeTitel();
    QAction* aktion(const char* name, const QString& icon = QString());

    WHMainWidget* m_mainWidget = nullptr;
    QString m_projectFile;
    bool m_startFailed = false;

    QAction* fileNewAction = nullptr;
    QAction* fileOpenAction = nullptr;
    QAction* fileSaveAction = nullptr;
    QAction* fileSaveAsAction = nullptr;
    QAction* filePrintAction = nullptr;
    QAction* fileExitAction = nullptr;
    QAction* editCutAction = nullptr;
    QAction* editCopyAction = nullptr;
    QAction* editPasteAction = nullptr;
    QAction* editPasteDataAction = nullptr;
    QAction* helpContentsAction = nullptr;
    QAction* helpAboutAction = nullptr;
    QAction* stdtBestellung = nullptr;
    QAction* stdtArtikelStamm = nullptr;
    QAction* stdtAnwender = nullptr;
    QAction* stdtAbgleich = nullptr;
    QAction* actionProjekteingaben = nullptr;
    QAction* actionKosten = nullptr;
    QAction* actionGaeb = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* stammMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QToolBar* toolBarFile = nullptr;
    QToolBar* toolBarPrint = nullptr;
    QToolBar* toolBarEdit = nullptr;
};
