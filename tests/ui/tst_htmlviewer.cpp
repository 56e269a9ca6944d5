#include "app/pfade.h"
#include "app/textcodec.h"
#include "grossesprojekt.h"
#include "model/anwenderdaten.h"
#include "model/projektbaum.h"
#include "reports/berichte.h"
#include "testumgebung.h"
#include "ui/dateidialog.h"
#include "ui/druckdialog.h"
#include "ui/htmlviewer.h"
#include "ui/messagebox.h"
#include "ui/whmainwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

namespace {

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Answers the next modal dialog (the report choice) by checking the radio button and pressing
// "&Weiter".
void waehleBericht(const char* knopf)
{
    QTimer::singleShot(0, [knopf] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        dialog->findChild<QRadioButton*>(QLatin1String(knopf))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("PBWeiter"))->click();
    });
}

} // namespace

// The report preview: one window for the program, printing, saving as HTML and PDF.
class TestHtmlViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void einFenster();
    void berichtWahl_data();
    void berichtWahl();
    void fehlendeVorlage();
    void speichern_data();
    void speichern();
    void nichtSchreibbar_data();
    void nichtSchreibbar();
    void drucken();
    void langesDokument();
    void ersteSeitenZuerst();

private:
    void schreibeAusdruck(const QString& html);

    QTemporaryDir m_user;
};

void TestHtmlViewer::initTestCase()
{
    TestUmgebung::isolieren();
    MessageBox::setNichtAnzeigen(true);
}

void TestHtmlViewer::init()
{
    TestUmgebung::zuruecksetzen();
    QVERIFY(TestUmgebung::ladeKatalog());
    Pfade::setApplDir(TestUmgebung::shareDir());
    Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
    AnwenderDaten::global().anwender1 = QStringLiteral("Haustechnik Beispiel GmbH");
    MessageBox::leeren();
    DateiDialog::leeren();
    DruckDialog::leeren();
}

void TestHtmlViewer::cleanup()
{
    if (HtmlViewer* v = HtmlViewer::instanz()) {
        v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TestHtmlViewer::schreibeAusdruck(const QString& html)
{
    QVERIFY(TestUmgebung::schreibe(Berichte::ausgabePfad(), TextCodec::encode(html)));
}

// Later reports reuse the open preview and keep its print settings where they set none; after
// it was closed the next report gets a new window with 10 points.
void TestHtmlViewer::einFenster()
{
    schreibeAusdruck(QStringLiteral("<p>Erster Bericht</p><img src=\"leer.png\">"));
    HtmlViewer* erstes = HtmlViewer::zeigeAusdruck(0, 8);
    QCOMPARE(HtmlViewer::instanz(), erstes);
    QCOMPARE(erstes->windowTitle(), QStringLiteral("Wandheizung Ausdruck"));
    QVERIFY(erstes->browser()->toPlainText().contains(QStringLiteral("Erster Bericht")));
    // The spacing image lies beside the templates, not beside the output.
    QVERIFY(!erstes->browser()
                 ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("leer.png")))
                 .isNull());

    schreibeAusdruck(QStringLiteral("<p>Zweiter Bericht</p>"));
    QCOMPARE(HtmlViewer::zeigeAusdruck(), erstes);
    QVERIFY(erstes->browser()->toPlainText().contains(QStringLiteral("Zweiter Bericht")));
    QCOMPARE(erstes->orientierung(), 0);
    QCOMPARE(erstes->schriftGroesse(), 8);
    QCOMPARE(HtmlViewer::zeigeAusdruck(1, 0), erstes);
    QCOMPARE(erstes->orientierung(), 1);
    QCOMPARE(erstes->schriftGroesse(), 8);

    erstes->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!HtmlViewer::instanz());
    HtmlViewer* neues = HtmlViewer::zeigeAusdruck();
    QVERIFY(neues);
    QCOMPARE(neues->schriftGroesse(), 10);
    QCOMPARE(neues->orientierung(), -1);
}

void TestHtmlViewer::berichtWahl_data()
{
    QTest::addColumn<int>("stand");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("titel");
    QTest::newRow("Kostenschätzung, Eingaben") << 0 << "RBAuswahl1"
                                               << "Projekteingaben Wandheizung";
    QTest::newRow("Kostenschätzung, Kosten") << 0 << "RBAuswahl2"
                                             << "Kostenvoranschlag Wandheizung";
    QTest::newRow("Ausführung, Eingaben") << 1 << "RBAuswahl1"
                                          << "Projekteingaben Wandheizung";
    QTest::newRow("Ausführung, Kosten") << 1 << "RBAuswahl2"
                                        << "Kostenangebot Wandheizung";
}

// The report choice runs the document of the project's stage and shows it in the preview.
void TestHtmlViewer::berichtWahl()
{
    QFETCH(int, stand);
    QFETCH(QString, knopf);
    QFETCH(QString, titel);
    WHMainWidget w;
    const QString datei = stand == 1 ? QStringLiteral("einfamilienhaus-ausfuehrung.bwh")
                                     : QStringLiteral("einfamilienhaus-kostenschaetzung.bwh");
    QVERIFY(w.laden(TestUmgebung::shareDir() + QStringLiteral("projekte/") + datei).erfolgreich());
    const QByteArray name = knopf.toLatin1();
    waehleBericht(name.constData());
    w.Print();
    QVERIFY(HtmlViewer::instanz());
    QCOMPARE(HtmlViewer::instanz()->browser()->documentTitle(), titel);
    QVERIFY(MessageBox::gezeigt().isEmpty());
}

// A report that stops shows its message and no preview.
void TestHtmlViewer::fehlendeVorlage()
{
    QTemporaryDir appl;
    QVERIFY(QDir().mkpath(appl.filePath(QStringLiteral("ausdrucke"))));
    Pfade::setApplDir(appl.path() + QLatin1Char('/'));
    WHMainWidget w;
    w.printEingaben();
    QVERIFY(!HtmlViewer::instanz());
    QCOMPARE(MessageBox::gezeigt().size(), 1);
    QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Fehler"));
    QCOMPARE(MessageBox::gezeigt().at(0).text,
             QStringLiteral("Datei projekt.html konnte nicht geöffnet werden!"));
}

void TestHtmlViewer::speichern_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<int>("ueberschreiben"); // button of the question: 0 "Ok", 1 "Abbruch"
    QTest::addColumn<QString>("datei");
    QTest::addColumn<bool>("geschrieben");
    for (const bool pdf : {false, true}) {
        const QString endung = pdf ? QStringLiteral("pdf") : QStringLiteral("html");
        const QString art = pdf ? QStringLiteral("PDF ") : QStringLiteral("HTML ");
        QTest::newRow(qPrintable(art + "ohne Endung"))
            << pdf << "bericht" << false << 0 << "bericht." + endung << true;
        QTest::newRow(qPrintable(art + "mit Endung"))
            << pdf << "bericht." + endung << false << 0 << "bericht." + endung << true;
        QTest::newRow(qPrintable(art + "andere Endung"))
            << pdf << "bericht.htm" << false << 0 << "bericht.htm." + endung << true;
        QTest::newRow(qPrintable(art + "Endung gross"))
            << pdf << "bericht." + endung.toUpper() << false << 0
            << "bericht." + endung.toUpper() + "." + endung << true;
        QTest::newRow(qPrintable(art + "überschreiben"))
            << pdf << "bericht" << true << 0 << "bericht." + endung << true;
        QTest::newRow(qPrintable(art + "nicht überschreiben"))
            << pdf << "bericht" << true << 1 << "bericht." + endung << false;
        QTest::newRow(qPrintable(art + "abgebrochen")) << pdf << "" << false << 0 << "" << false;
    }
}

void TestHtmlViewer::speichern()
{
    QFETCH(bool, pdf);
    QFETCH(QString, antwort);
    QFETCH(bool, vorhanden);
    QFETCH(int, ueberschreiben);
    QFETCH(QString, datei);
    QFETCH(bool, geschrieben);
    const QString html = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<title>Kostenangebot</title></head><body><p>Küche 12.50 €</p></body></html>");
    schreibeAusdruck(html);
    HtmlViewer* v = HtmlViewer::zeigeAusdruck();
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(datei);
    if (vorhanden)
        QVERIFY(TestUmgebung::schreibe(ziel, "alt"));
    DateiDialog::setNextAnswer(antwort.isEmpty() ? QString() : ordner.filePath(antwort));
    MessageBox::setNextAnswer(ueberschreiben);
    pdf ? v->speicherePdf() : v->speichern();

    QCOMPARE(DateiDialog::gefragt().size(), 1);
    QVERIFY(DateiDialog::gefragt().at(0).endsWith(Pfade::projekteDir() +
                                                  (pdf ? "|PDF Datei (*.pdf)" : "|HTML Datei (*.html)")));
    if (vorhanden) {
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        const MessageBox::Eintrag frage = MessageBox::gezeigt().at(0);
        QCOMPARE(frage.titel, QStringLiteral("Speichern unter"));
        QCOMPARE(frage.text, ziel + QStringLiteral(" existiert bereits.\nSoll es überschrieben werden?"));
        QCOMPARE(frage.knoepfe, (QStringList{QStringLiteral("Ok"), QStringLiteral("Abbruch")}));
    } else {
        QVERIFY(MessageBox::gezeigt().isEmpty());
    }
    const QStringList dateien = QDir(ordner.path()).entryList(QDir::Files);
    QCOMPARE(dateien, (geschrieben || vorhanden) ? QStringList{datei} : QStringList());
    if (!geschrieben) {
        if (vorhanden)
            QCOMPARE(TestUmgebung::lies(ziel), QByteArray("alt"));
        return;
    }
    if (pdf)
        QVERIFY(pdfText(ziel).contains(QStringLiteral("Küche 12.50 €")));
    else
        QCOMPARE(TestUmgebung::lies(ziel), TextCodec::encode(html));
}

void TestHtmlViewer::nichtSchreibbar_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("HTML") << false;
    QTest::newRow("PDF") << true;
}

void TestHtmlViewer::nichtSchreibbar()
{
    QFETCH(bool, pdf);
    schreibeAusdruck(QStringLiteral("<p>Bericht</p>"));
    HtmlViewer* v = HtmlViewer::zeigeAusdruck();
    QTemporaryDir ordner;
    const QString ziel =
        ordner.filePath(pdf ? QStringLiteral("fehlt/bericht.pdf") : QStringLiteral("fehlt/bericht.html"));
    DateiDialog::setNextAnswer(ziel);
    pdf ? v->speicherePdf() : v->speichern();
    QCOMPARE(MessageBox::gezeigt().size(), 1);
    QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Fehler"));
    QCOMPARE(MessageBox::gezeigt().at(0).text,
             QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(ziel));
    QVERIFY(!QFileInfo::exists(ziel));
}

// Printing goes through the page painter with the preview's settings; a cancelled printer
// dialog prints nothing.
void TestHtmlViewer::drucken()
{
    schreibeAusdruck(QStringLiteral("<p>Raum Küche</p>"));
    HtmlViewer* v = HtmlViewer::zeigeAusdruck(0, 8);
    QTemporaryDir ordner;
    DruckDialog::setNextAnswer(QString());
    v->print();
    QVERIFY(QDir(ordner.path()).isEmpty());

    const QString ziel = ordner.filePath(QStringLiteral("drucker.pdf"));
    DruckDialog::setNextAnswer(ziel);
    v->print();
    const QString text = pdfText(ziel);
    QVERIFY2(text.contains(QStringLiteral("Haustechnik Beispiel GmbH")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Raum Küche")));
    QVERIFY(text.contains(QStringLiteral("Seite 1")));
}

// The largest project the program allows: the preview shows its project inputs, a PDF of
// them keeps the window responsive with a progress dialog, and a cancel leaves no file.
void TestHtmlViewer::langesDokument()
{
    ProjektBaum baum;
    GrossesProjekt::erstelle(baum);
    QElapsedTimer uhr;
    uhr.start();
    const BerichtErgebnis r = Berichte::ausgeben(Berichte::Eingaben2, baum);
    QVERIFY(r.ok);
    const qint64 bericht = uhr.restart();
    HtmlViewer* v = HtmlViewer::zeigeAusdruck(r.orientierung, r.schriftGroesse);
    const qint64 vorschau = uhr.restart();

    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("eingaben.pdf"));
    int ticks = 0;
    bool dialogGesehen = false;
    QTimer takt;
    connect(&takt, &QTimer::timeout, [&] {
        ++ticks;
        if (auto* d = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
            dialogGesehen =
                dialogGesehen || (d->isVisible() && d->labelText().contains(QStringLiteral(" von ")));
    });
    takt.start(100);
    DateiDialog::setNextAnswer(ziel);
    uhr.restart();
    v->speicherePdf();
    const qint64 pdf = uhr.restart();
    takt.stop();
    QVERIFY(MessageBox::gezeigt().isEmpty());
    QVERIFY(dialogGesehen);
    // The window handled its events while the pages were written, about every 100 ms; a
    // run that blocked the window until the end would see one tick.
    QVERIFY2(ticks >= pdf / 1000, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(pdf)));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {ziel});
    info.waitForFinished();
    const int seiten = QString::fromUtf8(info.readAllStandardOutput())
                           .section(QStringLiteral("Pages:"), 1)
                           .trimmed()
                           .section(QLatin1Char('\n'), 0, 0)
                           .toInt();
    QVERIFY2(seiten > 200, qPrintable(QString::number(seiten)));
    qInfo("Bericht %lld ms, Vorschau %lld ms, PDF %d Seiten %lld ms", bericht, vorschau, seiten, pdf);

    // Cancelled as soon as the progress shows: no file, not even a temporary one.
    const QString abgebrochen = ordner.filePath(QStringLiteral("abgebrochen.pdf"));
    connect(&takt, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
            d->cancel();
    });
    takt.start(100);
    DateiDialog::setNextAnswer(abgebrochen);
    v->speicherePdf();
    takt.stop();
    QVERIFY(MessageBox::gezeigt().isEmpty());
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("eingaben.pdf")});
}

// A long report shows its first pages at once and is read whole in the background; then the
// window shows exactly what a browser given the whole file shows, images and all, at the place
// the reader had scrolled to.
void TestHtmlViewer::ersteSeitenZuerst()
{
    QString html = QStringLiteral("<html><head><title>Projekteingaben Wandheizung</title></head>"
                                  "<body style=\"font-family: Arial;\">");
    for (int r = 1; r <= 40; ++r) {
        html += QStringLiteral("\n<p style=\"margin-top: 10px;\"><img src=\"leer.png\" width=\"20\" "
                               "height=\"8\"><b>Raum %1</b></p>\n<table width=\"100%\" border=\"1\" "
                               "cellspacing=\"0\" cellpadding=\"2\">")
                    .arg(r);
        for (int f = 1; f <= 30; ++f)
            html +=
                QStringLiteral("<tr><td>Fläche %1.%2</td><td align=\"right\">1.00</td></tr>").arg(r).arg(f);
        html += QStringLiteral("</table>\n");
    }
    schreibeAusdruck(html + QStringLiteral("</body></html>"));
    HtmlViewer* v = HtmlViewer::zeigeAusdruck();
    QTextBrowser* b = v->browser();
    QVERIFY(b->toPlainText().contains(QStringLiteral("Raum 1\n")));
    QVERIFY(!b->toPlainText().contains(QStringLiteral("Raum 40")));
    b->verticalScrollBar()->setValue(300);
    QTRY_VERIFY_WITH_TIMEOUT(v->vollstaendig(), 60000);
    QCOMPARE(b->verticalScrollBar()->value(), 300);

    QTextBrowser ganz;
    ganz.setSearchPaths(b->searchPaths());
    ganz.resize(b->size());
    ganz.setHtml(TextCodec::decode(TestUmgebung::lies(Berichte::ausgabePfad())));
    ganz.show();
    QCOMPARE(b->toPlainText(), ganz.toPlainText());
    // Both laid out to the end, so that their scroll ranges are final.
    b->document()->pageCount();
    ganz.document()->pageCount();
    QCoreApplication::processEvents();
    QCOMPARE(b->verticalScrollBar()->maximum(), ganz.verticalScrollBar()->maximum());
    for (const double anteil : {0.0, 0.5, 1.0}) {
        const int y = int(anteil * ganz.verticalScrollBar()->maximum());
        ganz.verticalScrollBar()->setValue(y);
        b->verticalScrollBar()->setValue(y);
        QCOMPARE(b->viewport()->grab().toImage(), ganz.viewport()->grab().toImage());
    }
}

QTEST_MAIN(TestHtmlViewer)
#include "tst_htmlviewer.moc"
