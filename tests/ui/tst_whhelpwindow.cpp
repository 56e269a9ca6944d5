#include "app/pfade.h"
#include "testumgebung.h"
#include "ui/druckdialog.h"
#include "ui/hilfeseiten.h"
#include "ui/whhelpwindow.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {
QString hilfeDir()
{
    return TestUmgebung::shareDir() + QStringLiteral("hilfe");
}

QString gezeigteDatei(const WHHelpWindow* w)
{
    return QFileInfo(w->browser()->source().toLocalFile()).canonicalFilePath();
}

QString gezeigt(const WHHelpWindow* w)
{
    return QFileInfo(gezeigteDatei(w)).fileName();
}

QString text(const WHHelpWindow* w)
{
    return w->browser()->toPlainText();
}

QStringList verlauf(const WHHelpWindow* w)
{
    QStringList dateien;
    for (QAction* a : w->verlaufMenu()->actions())
        dateien << a->toolTip();
    return dateien;
}

void schliesse(WHHelpWindow* w)
{
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestWHHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        Pfade::setApplDir(TestUmgebung::shareDir());
    }

    void cleanup()
    {
        if (WHHelpWindow* w = WHHelpWindow::instanz())
            schliesse(w);
        QDir::setCurrent(QStringLiteral(WH_SOURCE_DIR));
    }

    // Help pressed twice shows the second page in the same window and lists both pages in
    // "Verlauf"; after closing, help creates a new window; "Neues Fenster" is a window of its own.
    void einFenster()
    {
        WHHelpWindow* erstes = WHHelpWindow::oeffne(QStringLiteral("projekt.html"));
        QVERIFY(erstes);
        QCOMPARE(WHHelpWindow::oeffne(QStringLiteral("raum.html")), erstes);
        QCOMPARE(gezeigt(erstes), QStringLiteral("raum.html"));
        QCOMPARE(verlauf(erstes), QStringList({QStringLiteral("projekt.html"), QStringLiteral("raum.html")}));
        WHHelpWindow::oeffne(QStringLiteral("projekt.html"));
        QCOMPARE(verlauf(erstes).size(), 2);
        erstes->histChosen(erstes->verlaufMenu()->actions().at(1)->data().toInt());
        QCOMPARE(gezeigt(erstes), QStringLiteral("raum.html"));

        erstes->newWindow();
        WHHelpWindow* zweites = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("qbrowser") && w->isVisible())
                zweites = qobject_cast<WHHelpWindow*>(w);
        QVERIFY(zweites);
        QCOMPARE(gezeigt(zweites), QStringLiteral("raum.html"));
        schliesse(zweites);
        QCOMPARE(WHHelpWindow::instanz(), erstes);

        schliesse(erstes);
        QVERIFY(!WHHelpWindow::instanz());
        WHHelpWindow* neues = WHHelpWindow::oeffne(QStringLiteral("etage.html"));
        QVERIFY(neues);
        QCOMPARE(gezeigt(neues), QStringLiteral("etage.html"));
        QCOMPARE(verlauf(neues), QStringList({QStringLiteral("etage.html")}));
    }

    // "Drucken" puts the shown page on paper with page numbers and without the report header.
    void drucken()
    {
        WHHelpWindow* w = WHHelpWindow::oeffne(QStringLiteral("raum.html"));
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath(QStringLiteral("hilfe.pdf"));
        DruckDialog::setNextAnswer(ziel);
        w->print();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ziel, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Wärmebedarf")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("Seite 1")));
        QVERIFY(!text.contains(QStringLiteral("Wandheizung Version")));
    }

    void bilderImDruck_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("ordner"); // a folder name that needs care in an address
        QTest::newRow("shipped page") << QStringLiteral("raum.html") << QString();
        QTest::newRow("folder with blank and ampersand")
            << QStringLiteral("seite.html") << QStringLiteral("A & B x");
    }

    // Printing and PDF work on a copy of the shown document: its pictures must load there too.
    void bilderImDruck()
    {
        QFETCH(QString, seite);
        QFETCH(QString, ordner);
        QTemporaryDir appl;
        if (!ordner.isEmpty()) {
            const QString hilfe = appl.filePath(ordner + QStringLiteral("/hilfe/"));
            QVERIFY(TestUmgebung::schreibe(hilfe + seite,
                                           "<html><body><p><IMG SRC=\"bild.png\"></p></body></html>"));
            QVERIFY(
                QFile::copy(hilfeDir() + QStringLiteral("/raum.png"), hilfe + QStringLiteral("bild.png")));
            Pfade::setApplDir(appl.filePath(ordner) + QLatin1Char('/'));
        }
        WHHelpWindow* w = WHHelpWindow::oeffne(seite);
        QTextDocument kopie;
        kopie.setHtml(w->browser()->document()->toHtml());
        int bilder = 0;
        for (QTextBlock b = kopie.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QString name = it.fragment().charFormat().toImageFormat().name();
                    QVERIFY2(!kopie.resource(QTextDocument::ImageResource, QUrl(name)).isNull(),
                             qPrintable(name));
                    ++bilder;
                }
        QCOMPARE(bilder, 1);
    }

    void seiteZeigen_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<bool>("ausShare");
        // The start page is a full path, pages shown later set a bare name; without an
        // installation folder the start page is relative to the working folder.
        QTest::newRow("bare name") << QStringLiteral("raum.html") << false;
        QTest::newRow("full path") << hilfeDir() + QStringLiteral("/raum.html") << false;
        QTest::newRow("full path with dots") << hilfeDir() + QStringLiteral("/../hilfe/raum.html") << false;
        QTest::newRow("relative to the working folder") << QStringLiteral("hilfe/raum.html") << true;
    }

    void seiteZeigen()
    {
        QFETCH(QString, seite);
        QFETCH(bool, ausShare);
        if (ausShare) {
            Pfade::setApplDir(QString());
            QDir::setCurrent(TestUmgebung::shareDir());
        }
        for (const QString& zuerst : {QStringLiteral("index.html"), QString()}) {
            if (!zuerst.isEmpty())
                WHHelpWindow::oeffne(zuerst); // into an open window
            WHHelpWindow* w = WHHelpWindow::oeffne(seite);
            QCOMPARE(gezeigteDatei(w),
                     QFileInfo(hilfeDir() + QStringLiteral("/raum.html")).canonicalFilePath());
            // The page is Windows-1252: its umlauts must arrive as umlauts.
            QVERIFY2(text(w).contains(QStringLiteral("Raumkenndaten und Wärmebilanz")),
                     qPrintable(text(w).left(200)));
            QCOMPARE(w->windowTitle(),
                     QStringLiteral("Wandheizung Hilfe: Raum: Raumkenndaten und Wärmebilanz"));
            schliesse(w);
        }
    }

    void fehlendeSeite_data()
    {
        QTest::addColumn<QString>("applDir");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("name");
        QTest::newRow("page missing") << TestUmgebung::shareDir() << QStringLiteral("gibtsnicht.html")
                                      << QStringLiteral("gibtsnicht.html");
        QTest::newRow("help folder missing")
            << QStringLiteral("/nirgends/") << QStringLiteral("raum.html") << QStringLiteral("raum.html");
        QTest::newRow("start page, folder missing")
            << QStringLiteral("/nirgends/") << QStringLiteral("/nirgends/hilfe/index.html")
            << QStringLiteral("index.html");
    }

    // A missing page never leaves the window empty or on the old page without a word.
    void fehlendeSeite()
    {
        QFETCH(QString, applDir);
        QFETCH(QString, seite);
        QFETCH(QString, name);
        WHHelpWindow* w = WHHelpWindow::oeffne(QStringLiteral("raum.html"));
        Pfade::setApplDir(applDir);
        schliesse(w);
        for (int offen = 0; offen < 2; ++offen) {
            if (offen)
                WHHelpWindow::oeffne(hilfeDir() + QStringLiteral("/raum.html"));
            w = WHHelpWindow::oeffne(seite);
            QVERIFY2(text(w).contains(QStringLiteral("Die Hilfeseite %1 wurde nicht gefunden.").arg(name)),
                     qPrintable(text(w)));
            QVERIFY(!text(w).contains(QStringLiteral("Raumkenndaten")));
            QCOMPARE(w->windowTitle(), QStringLiteral("Wandheizung Hilfe: Hilfeseite nicht gefunden"));
        }
    }

    void titel_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("titel");
        QTest::newRow("title") << QByteArray("<html><head><title>Gr\xf6\xdf"
                                             "en</title></head><body>x</body></html>")
                               << QStringLiteral("Wandheizung Hilfe: Größen");
        QTest::newRow("no title") << QByteArray("<html><body><p>ohne</p></body></html>")
                                  << QStringLiteral("Wandheizung Hilfe: seite.html");
    }

    void titel()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, titel);
        QTemporaryDir appl;
        QVERIFY(TestUmgebung::schreibe(appl.filePath(QStringLiteral("hilfe/seite.html")), html));
        Pfade::setApplDir(appl.path() + QLatin1Char('/'));
        QCOMPARE(WHHelpWindow::oeffne(QStringLiteral("seite.html"))->windowTitle(), titel);
    }

    void suche_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QStringList>("seiten"); // pages that must be found, the first one first
        QTest::newRow("domain word") << QStringLiteral("Tichelmann")
                                     << QStringList{QStringLiteral("flaeche.html")};
        QTest::newRow("lower case umlaut")
            << QStringLiteral("wärmebedarf") << QStringList{QStringLiteral("raum.html")};
        QTest::newRow("upper case umlaut")
            << QStringLiteral("WÄRMEBEDARF") << QStringList{QStringLiteral("raum.html")};
        QTest::newRow("blanks around")
            << QStringLiteral("  Mehrwertsteuer ") << QStringList{QStringLiteral("sonstig.html")};
        QTest::newRow("part of a word")
            << QStringLiteral("kundennummer")
            << QStringList{QStringLiteral("anwender.html"), QStringLiteral("bestellung.html")};
        QTest::newRow("euro sign") << QStringLiteral("€") << QStringList{QStringLiteral("sonstig.html")};
        QTest::newRow("with blank and percent")
            << QStringLiteral("10 %")
            << QStringList{QStringLiteral("sonstig.html"), QStringLiteral("raum.html")};
        QTest::newRow("characters of an address") << QStringLiteral("#?/") << QStringList();
        QTest::newRow("nowhere") << QStringLiteral("Zylinderkopfdichtung") << QStringList();
        QTest::newRow("markup is not text") << QStringLiteral("href") << QStringList();
        QTest::newRow("empty") << QStringLiteral("   ") << QStringList();
    }

    // The search runs over the shipped pages: it finds what an installer would look for.
    void suche()
    {
        QFETCH(QString, wort);
        QFETCH(QStringList, seiten);
        const QList<HilfeSeiten::Treffer> treffer = HilfeSeiten::suche(hilfeDir(), wort);
        QStringList gefunden;
        for (const HilfeSeiten::Treffer& t : treffer)
            gefunden << QFileInfo(t.datei).fileName();
        QCOMPARE(gefunden.isEmpty(), seiten.isEmpty());
        if (!seiten.isEmpty())
            QCOMPARE(gefunden.first(), seiten.first());
        for (const QString& s : seiten)
            QVERIFY2(gefunden.contains(s), qPrintable(gefunden.join(QLatin1Char(' '))));

        // The window's search page lists the same pages as links; back returns to the page.
        WHHelpWindow* w = WHHelpWindow::oeffne(QStringLiteral("index.html"));
        w->suche(wort);
        if (wort.trimmed().isEmpty()) {
            QCOMPARE(gezeigt(w), QStringLiteral("index.html"));
            return;
        }
        const QString html = w->browser()->toHtml();
        for (const HilfeSeiten::Treffer& t : treffer)
            QVERIFY(html.contains(QUrl::fromLocalFile(t.datei).toString()));
        QCOMPARE(w->windowTitle(), QStringLiteral("Wandheizung Hilfe: Suche nach „%1“").arg(wort.trimmed()));
        if (treffer.isEmpty())
            QVERIFY(text(w).contains(QStringLiteral("Keine Hilfeseite enthält")));
        w->browser()->backward();
        QCOMPARE(gezeigt(w), QStringLiteral("index.html"));
    }

    void seiteDesProgramms_data()
    {
        QTest::addColumn<QString>("seite");
        // Every page name the program's sources hand to the help window, and those that the
        // dialogs of the order form, the article master and the user data use.
        QSet<QString> seiten{QStringLiteral("index.html"),   QStringLiteral("bestellung.html"),
                             QStringLiteral("artikel.html"), QStringLiteral("anwender.html"),
                             QStringLiteral("drucken.html"), QStringLiteral("materialbedarf.html")};
        const QRegularExpression aufruf(
            QStringLiteral("(?:setHelpPage|oeffne)\\(\\s*QStringLiteral\\(\\s*\"([^\"]+\\.html)\"\\s*\\)"));
        QDirIterator it(QStringLiteral(WH_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        int imQuelltext = 0;
        while (it.hasNext()) {
            QString quelltext;
            QFile datei(it.next());
            QVERIFY(datei.open(QIODevice::ReadOnly));
            quelltext = QString::fromUtf8(datei.readAll());
            for (const QRegularExpressionMatch& m : aufruf.globalMatch(quelltext)) {
                seiten.insert(m.captured(1));
                ++imQuelltext;
            }
        }
        QVERIFY2(imQuelltext >= 8, "the help page names in the sources were not found");
        QStringList sortiert(seiten.begin(), seiten.end());
        sortiert.sort();
        for (const QString& s : sortiert)
            QTest::newRow(qPrintable(s)) << s;
    }

    void seiteDesProgramms()
    {
        QFETCH(QString, seite);
        QString html;
        QVERIFY2(HilfeSeiten::lade(hilfeDir() + QLatin1Char('/') + seite, html), qPrintable(seite));
        QVERIFY(html.contains(QStringLiteral("href=\"index.html\"")));
    }

    void verweise_data()
    {
        QTest::addColumn<QString>("seite");
        for (const QString& s : QDir(hilfeDir()).entryList({QStringLiteral("*.html")}, QDir::Files))
            QTest::newRow(qPrintable(s)) << s;
    }

    // Every link and picture of a help page points to a file beside it, and every anchor
    // named in a link exists on its page.
    void verweise()
    {
        QFETCH(QString, seite);
        QString html;
        QVERIFY(HilfeSeiten::lade(hilfeDir() + QLatin1Char('/') + seite, html));
        const QRegularExpression verweis(QStringLiteral("(href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
        for (const QRegularExpressionMatch& m : verweis.globalMatch(html)) {
            const QString ziel = m.captured(2);
            QVERIFY2(!ziel.contains(QLatin1Char(':')), qPrintable(seite + QStringLiteral(": ") + ziel));
            const QString datei = ziel.section(QLatin1Char('#'), 0, 0);
            const QString anker = ziel.section(QLatin1Char('#'), 1);
            const QString pfad = hilfeDir() + QLatin1Char('/') + (datei.isEmpty() ? seite : datei);
            QVERIFY2(QFileInfo(pfad).isFile(), qPrintable(seite + QStringLiteral(": ") + ziel));
            if (anker.isEmpty())
                continue;
            QString zielHtml;
            QVERIFY(HilfeSeiten::lade(pfad, zielHtml));
            QVERIFY2(zielHtml.contains(QStringLiteral("name=\"%1\"").arg(anker)),
                     qPrintable(seite + QStringLiteral(": ") + ziel));
        }
    }
};

QTEST_MAIN(TestWHHelpWindow)
#include "tst_whhelpwindow.moc"
