#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QThread>

class QTextBrowser;
class QTextDocument;

// The report preview: one window for the whole program that shows the generated
// "ausdruck.html" of the user's folder, prints it with page header and footer, and saves it
// as HTML or PDF.
class HtmlViewer : public QMainWindow
{
    Q_OBJECT
public:
    // Passed as orientation: the window keeps its current print orientation.
    static constexpr int unveraendert = -2;

    HtmlViewer(const QString& basisOrdner, QWidget* parent, const QString& name,
               Qt::WindowFlags flags = Qt::WindowFlags());
    ~HtmlViewer() override;

    // The program-wide preview: created when there is none (base folder userDir +
    // "ausdrucke", title "Wandheizung Ausdruck", deleted when closed), then "ausdruck.html" is
    // shown (reloaded), the print settings are applied (orientation -1, 0, 1, or unveraendert;
    // a font size of 0 leaves the current one) and the window is shown, raised and activated.
    static HtmlViewer* zeigeAusdruck(int orientierung = unveraendert, int schriftGroesse = 0);
    // The program-wide preview, or null while none is open.
    static HtmlViewer* instanz();

    // Shows a file of the base folder (reloaded even when it is already shown). A long report
    // shows its first pages at once and is read whole in the background, so that the window
    // stays usable; the whole document then takes the first pages' place (printing and saving
    // always take the whole file).
    void zeigeDatei(const QString& datei);
    // Whether the window shows the whole file.
    bool vollstaendig() const { return m_ladung == m_gezeigt; }

    QTextBrowser* browser() const { return m_browser; }
    QString basisOrdner() const { return m_basisOrdner; }
    int orientierung() const { return m_orientierung; }
    int schriftGroesse() const { return m_schriftGroesse; }
    void setOrientierung(int orientierung) { m_orientierung = orientierung; }
    void setSchriftGroesse(int punkte) { m_schriftGroesse = punkte; }

public slots:
    void print();
    void speichern();
    void speicherePdf();

protected:
    bool event(QEvent* event) override;

private:
    // Asks for the target file: the dialog starts in the user's projects folder; a name whose
    // suffix is not exactly endung gets it appended; an existing file is overwritten only
    // after "Ok". Empty when the user gave up.
    QString zielDatei(const QString& titel, const QString& filter, const QString& endung);
    void setzeSuchpfade();
    // Reads the whole HTML into a document in a thread of its own; when it is ready and still
    // the latest file shown, it replaces the first pages at the same scroll position.
    void leseImHintergrund(const QString& html);

    QTextBrowser* m_browser = nullptr;
    QString m_basisOrdner;
    QString m_quelltext; // the shown file's HTML as it was read
    int m_ladung = 0;    // counts the files shown
    int m_gezeigt = 0;   // the last of them the window shows whole
    QList<QPointer<QThread>> m_leser;
    QPointer<QTextDocument> m_ganz; // the document read in the background that is shown
    int m_orientierung = -1;
    int m_schriftGroesse = 10;
};
