#include "druck/pdfausgabe.h"
#include "druck/seitendrucker.h"
#include "model/anwenderdaten.h"
#include "testumgebung.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

QString poppler(const QString& programm, const QStringList& args)
{
    QProcess p;
    p.start(programm, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString seitenText(const QString& pdf, int seite)
{
    return poppler(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(seite),
                    QStringLiteral("-l"), QString::number(seite), pdf, QStringLiteral("-")});
}

QString info(const QString& pdf, const QString& feld)
{
    const QRegularExpression zeile(QLatin1Char('^') + feld + QStringLiteral(":\\s*(.*)$"),
                                   QRegularExpression::MultilineOption);
    return zeile.match(poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

// A document of numbered paragraphs, long enough for several pages.
QString absaetze(int anzahl)
{
    QString html = QStringLiteral("<html><head><title>Projekteingaben Wandheizung</title></head><body>");
    for (int i = 1; i <= anzahl; ++i)
        html += QStringLiteral("<p>Absatz %1 Wärme für die Küche</p>").arg(i);
    return html + QStringLiteral("</body></html>");
}

// Rooms as in the project inputs: a heading and a table of surfaces each.
QString raeume(int anzahl)
{
    QString html = QStringLiteral("<html><head><title>Projekteingaben Wandheizung</title></head>"
                                  "<body style=\"font-family: Arial;\">");
    for (int r = 1; r <= anzahl; ++r) {
        html += QStringLiteral("<p style=\"margin-top: 10px;\"><b>Raum %1</b></p>"
                               "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" border=\"1\" "
                               "style=\"border-collapse: collapse;\">")
                    .arg(r);
        for (int f = 1; f <= 30; ++f)
            html +=
                QStringLiteral("<tr><td>Fläche %1.%2</td><td align=\"right\">1.00</td></tr>").arg(r).arg(f);
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

} // namespace

// The page painter: pages with header and footer bands written into PDF files and read back.
class TestSeitendrucker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void seiten_data();
    void seiten();
    void zweiteKopfzeile_data();
    void zweiteKopfzeile();
    void keineHalbeDatei_data();
    void keineHalbeDatei();
    void bilderDerVorlagen();
    void stueckweise_data();
    void stueckweise();

private:
    QTemporaryDir m_dir;
};

void TestSeitendrucker::initTestCase()
{
    TestUmgebung::isolieren();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestSeitendrucker::init()
{
    TestUmgebung::zuruecksetzen();
    AnwenderDaten& a = AnwenderDaten::global();
    a.anwender1 = QStringLiteral("Haustechnik Beispiel GmbH");
    a.telefon = QStringLiteral("0561 12345");
    a.fax = QStringLiteral("0561 12346");
    a.strasse = QStringLiteral("Am Markt 3");
    a.plzOrt = QStringLiteral("34117 Kassel");
}

void TestSeitendrucker::seiten_data()
{
    QTest::addColumn<int>("orientierung");
    QTest::addColumn<int>("kopf");
    QTest::addColumn<QString>("papier");
    QTest::newRow("hoch, Anwenderkopf") << 1 << int(Seitendrucker::MitAnwenderKopf) << "595 x 842";
    QTest::newRow("quer, Anwenderkopf") << 0 << int(Seitendrucker::MitAnwenderKopf) << "842 x 595";
    QTest::newRow("Druckervorgabe ist hoch") << -1 << int(Seitendrucker::MitAnwenderKopf) << "595 x 842";
    QTest::newRow("nur Seitenzahl") << 1 << int(Seitendrucker::NurSeitenzahl) << "595 x 842";
}

void TestSeitendrucker::seiten()
{
    QFETCH(int, orientierung);
    QFETCH(int, kopf);
    QFETCH(QString, papier);
    const int anzahl = 150;
    QTextDocument dokument;
    dokument.setHtml(absaetze(anzahl));
    QFont schrift;
    schrift.setPointSize(10);
    Seitendrucker drucker(dokument, schrift, Seitendrucker::Kopf(kopf));
    const QString ziel = m_dir.filePath(QStringLiteral("seiten.pdf"));
    QList<int> gemeldet;
    const auto fortschritt = [&gemeldet](int seite, int seiten) {
        if (seiten > 0) // not while laying out
            gemeldet << seite << seiten;
        return true;
    };
    QCOMPARE(PdfAusgabe::schreibe(drucker, ziel, orientierung, fortschritt), PdfAusgabe::Geschrieben);

    const int seiten = drucker.seiten();
    QVERIFY2(seiten >= 3, qPrintable(QString::number(seiten)));
    QCOMPARE(info(ziel, QStringLiteral("Pages")).toInt(), seiten);
    QVERIFY2(info(ziel, QStringLiteral("Page size")).startsWith(papier), qPrintable(info(ziel, "Page size")));
    QCOMPARE(info(ziel, QStringLiteral("Title")), QStringLiteral("Projekteingaben Wandheizung"));
    QCOMPARE(info(ziel, QStringLiteral("Creator")), QStringLiteral("Wandheizung 1.6"));
    QCOMPARE(gemeldet.size(), 2 * seiten);
    QCOMPARE(gemeldet.mid(2 * seiten - 2), (QList<int>{seiten, seiten}));

    QString alles;
    for (int s = 1; s <= seiten; ++s) {
        const QString text = seitenText(ziel, s);
        QStringList zeilen = text.split(QLatin1Char('\n'));
        zeilen.removeIf([](const QString& z) { return z.trimmed().isEmpty(); });
        QVERIFY(zeilen.size() > 3);
        QVERIFY2(zeilen.last().trimmed().endsWith(QStringLiteral("Seite %1").arg(s)),
                 qPrintable(zeilen.last()));
        const bool mitKopf = kopf == Seitendrucker::MitAnwenderKopf;
        QCOMPARE(zeilen.last().contains(QStringLiteral("Wandheizung Version 1.6")), mitKopf);
        if (mitKopf) {
            QVERIFY2(zeilen.at(0).contains(
                         QRegularExpression(QStringLiteral("^\\s*Haustechnik Beispiel GmbH\\s+Am Markt 3$"))),
                     qPrintable(zeilen.at(0)));
            QVERIFY2(zeilen.at(1).contains(QRegularExpression(
                         QStringLiteral("^\\s*Tel.: 0561 12345 Fax: 0561 12346\\s+34117 Kassel$"))),
                     qPrintable(zeilen.at(1)));
        } else {
            QVERIFY(!text.contains(QStringLiteral("Haustechnik")));
        }
        alles += text;
    }
    // Every paragraph reaches the pages exactly once: none is lost or doubled at a page break.
    for (int i = 1; i <= anzahl; ++i)
        QCOMPARE(alles.count(QRegularExpression(QStringLiteral("Absatz %1 Wärme für die Küche\\b").arg(i))),
                 1);
}

void TestSeitendrucker::zweiteKopfzeile_data()
{
    QTest::addColumn<QString>("anwender2");
    QTest::addColumn<QString>("telefon");
    QTest::addColumn<QString>("fax");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("zweite Namenszeile") << "Meisterbetrieb"
                                        << "0561 1"
                                        << "0561 2"
                                        << "Meisterbetrieb";
    QTest::newRow("Telefon und Fax") << ""
                                     << "0561 1"
                                     << "0561 2"
                                     << "Tel.: 0561 1 Fax: 0561 2";
    QTest::newRow("nur Telefon") << ""
                                 << "0561 1"
                                 << ""
                                 << "Tel.: 0561 1";
    QTest::newRow("nur Fax") << ""
                             << ""
                             << "0561 2"
                             << " Fax: 0561 2";
    QTest::newRow("nichts") << ""
                            << ""
                            << ""
                            << "";
    QTest::newRow("wie eingegeben") << "  <b>Müller & Söhne</b>"
                                    << ""
                                    << ""
                                    << "  <b>Müller & Söhne</b>";
}

void TestSeitendrucker::zweiteKopfzeile()
{
    QFETCH(QString, anwender2);
    QFETCH(QString, telefon);
    QFETCH(QString, fax);
    QFETCH(QString, zeile);
    AnwenderDaten daten;
    daten.anwender2 = anwender2;
    daten.telefon = telefon;
    daten.fax = fax;
    QCOMPARE(Seitendrucker::zweiteKopfzeile(daten), zeile);
}

void TestSeitendrucker::keineHalbeDatei_data()
{
    QTest::addColumn<bool>("vorhanden");
    QTest::newRow("neue Datei") << false;
    QTest::newRow("vorhandene Datei") << true;
}

// A cancelled run leaves neither a half-written PDF nor a temporary file; a file of the same
// name stays as it was.
void TestSeitendrucker::keineHalbeDatei()
{
    QFETCH(bool, vorhanden);
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("angebot.pdf"));
    if (vorhanden)
        QVERIFY(TestUmgebung::schreibe(ziel, "alt"));
    QTextDocument dokument;
    dokument.setHtml(absaetze(150));
    Seitendrucker drucker(dokument, QFont(), Seitendrucker::MitAnwenderKopf);
    const auto bisSeite2 = [](int seite, int) { return seite < 2; };
    QCOMPARE(PdfAusgabe::schreibe(drucker, ziel, 1, bisSeite2), PdfAusgabe::Abgebrochen);
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files),
             vorhanden ? QStringList{QStringLiteral("angebot.pdf")} : QStringList());
    if (vorhanden)
        QCOMPARE(TestUmgebung::lies(ziel), QByteArray("alt"));

    const QString unerreichbar = ordner.filePath(QStringLiteral("fehlt/angebot.pdf"));
    QCOMPARE(PdfAusgabe::schreibe(drucker, unerreichbar, 1), PdfAusgabe::Fehler);
    QVERIFY(!QFileInfo::exists(unerreichbar));
}

// The report's images lie beside the templates, not beside the output: they must reach the
// pages all the same.
void TestSeitendrucker::bilderDerVorlagen()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        QSKIP("pdfimages is not installed");
    QTextDocument dokument;
    dokument.setBaseUrl(QUrl::fromLocalFile(TestUmgebung::shareDir() + QStringLiteral("ausdrucke/")));
    dokument.setHtml(QStringLiteral("<p>Vor<img src=\"leer.png\" width=\"40\" height=\"40\">nach</p>"));
    Seitendrucker drucker(dokument, QFont(), Seitendrucker::MitAnwenderKopf);
    const QString ziel = m_dir.filePath(QStringLiteral("bild.pdf"));
    QCOMPARE(PdfAusgabe::schreibe(drucker, ziel, 1), PdfAusgabe::Geschrieben);
    const QString bilder = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), ziel});
    QVERIFY2(bilder.contains(QRegularExpression(QStringLiteral("\\n\\s*1\\s+0\\s+image\\s"))),
             qPrintable(bilder));
}

void TestSeitendrucker::stueckweise_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("Absätze") << absaetze(800) << QStringLiteral("Absatz %1 Wärme für die Küche\\b") << 800;
    QTest::newRow("Räume mit Tabellen") << raeume(12) << QStringLiteral("^\\s*Fläche %1\\.30\\b") << 12;
}

// A long document given as HTML is laid out in pieces: it gets the pages of the whole document,
// with every line once and no empty page.
void TestSeitendrucker::stueckweise()
{
    QFETCH(QString, html);
    QFETCH(QString, zeile);
    QFETCH(int, anzahl);
    QFont schrift;
    schrift.setPointSize(10);
    QTextDocument ganz;
    ganz.setHtml(html);
    Seitendrucker ganzDrucker(ganz, schrift, Seitendrucker::MitAnwenderKopf);
    Seitendrucker drucker(html, ganz, schrift, Seitendrucker::MitAnwenderKopf);
    const QString ziel = m_dir.filePath(QStringLiteral("stuecke.pdf"));
    QCOMPARE(PdfAusgabe::schreibe(drucker, ziel, 1), PdfAusgabe::Geschrieben);
    QCOMPARE(PdfAusgabe::schreibe(ganzDrucker, m_dir.filePath(QStringLiteral("ganz.pdf")), 1),
             PdfAusgabe::Geschrieben);
    QVERIFY2(drucker.seiten() >= 5, qPrintable(QString::number(drucker.seiten())));
    QCOMPARE(drucker.seiten(), ganzDrucker.seiten());
    QString alles;
    for (int s = 1; s <= drucker.seiten(); ++s) {
        const QString text = seitenText(ziel, s);
        QVERIFY2(text.count(QLatin1Char('\n')) > 10, qPrintable(QStringLiteral("Seite %1").arg(s)));
        alles += text;
    }
    for (int i = 1; i <= anzahl; ++i)
        QCOMPARE(alles.count(QRegularExpression(zeile.arg(i), QRegularExpression::MultilineOption)), 1);
}

QTEST_MAIN(TestSeitendrucker)
#include "tst_seitendrucker.moc"
