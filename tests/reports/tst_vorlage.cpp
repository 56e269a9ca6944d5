#include "app/pfade.h"
#include "reports/vorlage.h"
#include "reports/zeilenvorlage.h"
#include "reports/zeilenwerte.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QtTest>

class TestVorlage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init() { TestUmgebung::zuruecksetzen(); }

    void ersetzt_data();
    void ersetzt();
    void zeileWieErsetzt_data();
    void zeileWieErsetzt();
    void zeileWieErsetztAllerKurzenVorlagen();
    void wertKommtWoertlich_data();
    void wertKommtWoertlich();
    void block_data();
    void block();
    void html_data();
    void html();
    void escapterTextWirdNieZumPlatzhalter();
    void datum();
    void laedtGanzUndInWindows1252();
    void fehlendeVorlageNenntDatei();
    void ladeAlleStopptBeiDerErstenFehlenden();
};

void TestVorlage::ersetzt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("zweimal") << "<b>%ProjektBezeichnung%</b> %ProjektBezeichnung%"
                             << "<b>Haus Meyer</b> Haus Meyer";
    QTest::newRow("gross und klein") << "%projektbezeichnung% %PROJEKTBEZEICHNUNG%"
                                     << "%projektbezeichnung% %PROJEKTBEZEICHNUNG%";
    QTest::newRow("ohne Prozentzeichen") << "ProjektBezeichnung"
                                         << "ProjektBezeichnung";
    QTest::newRow("über Zeilen") << "a\n%ProjektBezeichnung%\nb"
                                 << "a\nHaus Meyer\nb";
}

void TestVorlage::ersetzt()
{
    QFETCH(QString, text);
    QFETCH(QString, erwartet);
    Vorlage::ersetze(text, QStringLiteral("%ProjektBezeichnung%"), QStringLiteral("Haus Meyer"));
    QCOMPARE(text, erwartet);
}

void TestVorlage::wertKommtWoertlich_data()
{
    QTest::addColumn<QString>("wert");
    QTest::newRow("Rückverweis") << "A\\1";
    QTest::newRow("ganzer Treffer") << "$&";
    QTest::newRow("Dollar-Nummer") << "$1 und $0";
    QTest::newRow("Punkt und Stern") << ".* (x)";
}

void TestVorlage::wertKommtWoertlich()
{
    QFETCH(QString, wert);
    QString text = QStringLiteral("[%Name%] [%Name%]");
    Vorlage::ersetze(text, QStringLiteral("%Name%"), wert);
    QCOMPARE(text, QStringLiteral("[%1] [%1]").arg(wert));
}

void TestVorlage::block_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("behalten");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("behalten") << "a%150210-%b\nc%-150210%d" << true << "ab\ncd";
    QTest::newRow("entfernen über Zeilen") << "a%150210-%b\nc%-150210%d" << false << "ad";
    // From the first opening marker to the last closing marker of the tag.
    QTest::newRow("gierig") << "a%EKR-%1%-EKR%b%EKR-%2%-EKR%c" << false << "ac";
    QTest::newRow("anderer Tag bleibt") << "%VOR-%v%-VOR%%EKR-%e%-EKR%" << false << "%VOR-%v%-VOR%";
    QTest::newRow("ähnlicher Tag bleibt")
        << "%UNI8-%8%-UNI8%%UNI10-%10%-UNI10%" << false << "%UNI8-%8%-UNI8%";
    QTest::newRow("alle Marken behalten") << "%EKR-%1%-EKR%-%EKR-%2%-EKR%" << true << "1-2";
    QTest::newRow("ohne Schlussmarke") << "a%EKR-%b" << false << "a%EKR-%b";
    QTest::newRow("Zeilenende CRLF") << "x%WKP-%\r\n<tr>\r\n%-WKP%y" << false << "xy";
}

void TestVorlage::block()
{
    QFETCH(QString, text);
    QFETCH(bool, behalten);
    QFETCH(QString, erwartet);
    const QString tag = text.contains(QLatin1String("150210"))  ? QStringLiteral("150210")
                        : text.contains(QLatin1String("WKP"))   ? QStringLiteral("WKP")
                        : text.contains(QLatin1String("UNI10")) ? QStringLiteral("UNI10")
                                                                : QStringLiteral("EKR");
    Vorlage::block(text, tag, behalten);
    QCOMPARE(text, erwartet);
}

void TestVorlage::html_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<bool>("umbruch");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Tag") << "<b>Bad" << false << "&lt;b&gt;Bad";
    QTest::newRow("Ampersand") << "Müller & Söhne" << false << "Müller &amp; Söhne";
    QTest::newRow("Anführungszeichen") << "\"Ost\"" << false << "&quot;Ost&quot;";
    QTest::newRow("Prozent") << "100%" << false << "100&#37;";
    QTest::newRow("Umbruch nach dem Escapen") << "A<\nB" << true << "A&lt;<br>B";
    QTest::newRow("Umbruch bleibt ohne") << "A\nB" << false << "A\nB";
}

void TestVorlage::html()
{
    QFETCH(QString, wert);
    QFETCH(bool, umbruch);
    QFETCH(QString, erwartet);
    QCOMPARE(Vorlage::html(wert, umbruch), erwartet);
}

void TestVorlage::escapterTextWirdNieZumPlatzhalter()
{
    // A name that looks like a placeholder or block marker must not be filled or cut later.
    QString text = QStringLiteral("%ProjektBezeichnung% %EKR-%x%-EKR% %Vorlauftemperatur%");
    Vorlage::ersetzeText(text, QStringLiteral("%ProjektBezeichnung%"),
                         QStringLiteral("%Vorlauftemperatur% %-EKR%"));
    Vorlage::ersetze(text, QStringLiteral("%Vorlauftemperatur%"), QStringLiteral("45"));
    Vorlage::entferneBlock(text, QStringLiteral("EKR"));
    QCOMPARE(text, QStringLiteral("&#37;Vorlauftemperatur&#37; &#37;-EKR&#37;  45"));
}

void TestVorlage::datum()
{
    QCOMPARE(Vorlage::datum(QDate(2008, 3, 7)), QStringLiteral("07.03.2008"));
    QCOMPARE(Vorlage::datum(QDate()), QString());
}

void TestVorlage::laedtGanzUndInWindows1252()
{
    QTemporaryDir dir;
    Pfade::setApplDir(dir.path() + QLatin1Char('/'));
    // "Fläche m²" and the euro sign as single bytes, CR LF kept as it is.
    QVERIFY(TestUmgebung::schreibe(dir.path() + QStringLiteral("/ausdrucke/raum.html"),
                                   QByteArray("<td>Fl\xe4"
                                              "che m\xb2 \x80</td>\r\n<td>%WB%</td>\n")));
    QString inhalt;
    QString fehler;
    QVERIFY(Vorlage::lade(QStringLiteral("raum"), inhalt, fehler));
    QCOMPARE(inhalt, QStringLiteral("<td>Fläche m² €</td>\r\n<td>%WB%</td>\n"));
    QVERIFY(fehler.isEmpty());
}

void TestVorlage::fehlendeVorlageNenntDatei()
{
    QTemporaryDir dir;
    Pfade::setApplDir(dir.path() + QLatin1Char('/'));
    QString inhalt = QStringLiteral("alt");
    QString fehler;
    QVERIFY(!Vorlage::lade(QStringLiteral("kazus"), inhalt, fehler));
    QCOMPARE(fehler, QStringLiteral("Datei kazus.html konnte nicht geöffnet werden!"));
    QVERIFY(inhalt.isEmpty());
}

void TestVorlage::ladeAlleStopptBeiDerErstenFehlenden()
{
    QTemporaryDir dir;
    Pfade::setApplDir(dir.path() + QLatin1Char('/'));
    QVERIFY(TestUmgebung::schreibe(dir.path() + QStringLiteral("/ausdrucke/a.html"), "A"));
    QVERIFY(TestUmgebung::schreibe(dir.path() + QStringLiteral("/ausdrucke/c.html"), "C"));
    QStringList inhalte;
    QString fehler;
    QVERIFY(!Vorlage::ladeAlle(
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, inhalte,
        fehler));
    QCOMPARE(fehler, QStringLiteral("Datei b.html konnte nicht geöffnet werden!"));
    QVERIFY(inhalte.isEmpty());
    QVERIFY(Vorlage::ladeAlle({QStringLiteral("c"), QStringLiteral("a")}, inhalte, fehler));
    QCOMPARE(inhalte, QStringList({QStringLiteral("C"), QStringLiteral("A")}));
}

void TestVorlage::zeileWieErsetzt_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QStringList>("werte");
    const QString tabelle = QStringLiteral("<tr><td>%A%</td><td>%B%</td><td>%C%</td></tr>\n");
    QTest::newRow("Tabellenzeile") << tabelle << QStringList{"1", "2.50", "Dir. HKV"};
    QTest::newRow("leere Werte") << tabelle << QStringList{"", "", ""};
    QTest::newRow("Wert mit Prozent") << tabelle << QStringList{"%B", "%", "C%"};
    QTest::newRow("Wert ist ein Platzhalter") << tabelle << QStringList{"%B%", "x", "%A%"};
    QTest::newRow("Platzhalter doppelt") << QStringLiteral("%A%-%B%-%A%") << QStringList{"1", "2", "3"};
    QTest::newRow("Platzhalter fehlt") << QStringLiteral("<td>%A%</td>") << QStringList{"1", "2", "3"};
    QTest::newRow("Prozent im Text") << QStringLiteral("<td width=\"50%\">%A%</td>%")
                                     << QStringList{"1", "2", "3"};
    QTest::newRow("Platzhalter aneinander") << QStringLiteral("%A%%B%%C%") << QStringList{"", "B", "x"};
    QTest::newRow("Zwischentext wie ein Name") << QStringLiteral("%A%B%C%") << QStringList{"", "2", "3"};
    QTest::newRow("unbekannter Platzhalter") << QStringLiteral("%A%<%D%>%B%") << QStringList{"1", "2", "3"};
    QTest::newRow("Breite in Prozent")
        << QStringLiteral("<th width=\"7%\">T</th><td width=\"8%\">%A%</td>%B%")
        << QStringList{"1", "2", "3"};
    QTest::newRow("Prozent vor Namen") << QStringLiteral("%BA%A%%") << QStringList{"", "2", "3"};
}

// A row filled from its cut pieces reads exactly as the same row filled placeholder by
// placeholder, whatever the template and the values hold.
void TestVorlage::zeileWieErsetzt()
{
    QFETCH(QString, zeile);
    QFETCH(QStringList, werte);
    const QStringList platzhalter{"%A%", "%B%", "%C%"};
    QString erwartet = zeile;
    for (int i = 0; i < platzhalter.size(); ++i)
        Vorlage::ersetze(erwartet, platzhalter.at(i), werte.at(i));
    const Zeilenvorlage vorlage(zeile, platzhalter);
    Zeilenwerte w;
    for (const QString& wert : werte)
        w.text(wert);
    QString dokument = QStringLiteral("Anfang");
    vorlage.haengeAn(dokument, w);
    vorlage.haengeAn(dokument, w);
    QCOMPARE(dokument, QStringLiteral("Anfang") + erwartet + erwartet);
}

// The same over every template of up to seven characters from "%", name characters and text, with
// values that are empty, a name character or text: no cut may change a row.
void TestVorlage::zeileWieErsetztAllerKurzenVorlagen()
{
    const QString zeichen = QStringLiteral("%AB<");
    const QStringList platzhalter{"%A%", "%B%", "%AB%"};
    const QList<QStringList> wertListen{
        {"", "", ""}, {"A", "B", "x"}, {"", "A", "B"}, {"<", "", "A"}, {"B", "A", ""}};
    for (int laenge = 1; laenge <= 7; ++laenge) {
        int anzahl = 1;
        for (int i = 0; i < laenge; ++i)
            anzahl *= static_cast<int>(zeichen.size());
        for (int nummer = 0; nummer < anzahl; ++nummer) {
            QString zeile;
            for (int rest = nummer, i = 0; i < laenge; ++i, rest /= static_cast<int>(zeichen.size()))
                zeile += zeichen.at(rest % zeichen.size());
            const Zeilenvorlage vorlage(zeile, platzhalter);
            for (const QStringList& werte : wertListen) {
                QString erwartet = zeile;
                Zeilenwerte w;
                for (int i = 0; i < platzhalter.size(); ++i) {
                    Vorlage::ersetze(erwartet, platzhalter.at(i), werte.at(i));
                    w.text(werte.at(i));
                }
                QString dokument;
                vorlage.haengeAn(dokument, w);
                QVERIFY2(dokument == erwartet,
                         qPrintable(zeile + QLatin1Char(' ') + werte.join(QLatin1Char(','))));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestVorlage)
#include "tst_vorlage.moc"
