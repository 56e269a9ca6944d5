#include "clibeispiel.h"
#include "model/etagedata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "testumgebung.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// "wandheizung-cli abgleich": the balancing of a project file as CSV, HTML and PDF, and the
// exit codes of its failures.
class TestAbgleichBefehl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString applDir;
    QString userDir;

    QString pfad(const QString& name) const { return tmp.filePath(name); }

    // One floor "EG" with a room of the given name: one direct surface of 2 m² at 8 m.
    QString speichereDirekt(const QString& datei, const QString& raumName)
    {
        ProjektBaum baum;
        baum.newProjekt();
        auto e = std::make_unique<EtageData>(baum.gebaeude());
        e->name = QStringLiteral("EG");
        WHListItem* eg = baum.insert(baum.gebaeudeItem(), 0, std::move(e));
        auto r = std::make_unique<RaumData>(static_cast<EtageData*>(eg->record()));
        r->name = raumName;
        Heizflaeche h;
        h.flaeche = 2;
        h.anzahlRegister = 1;
        h.entfernung = 8;
        h.direkt = true;
        r->heizflaechen << h;
        baum.insert(eg, 0, std::move(r));
        QString fehler;
        ProjektDatei::speichern(baum, pfad(datei), fehler);
        return pfad(datei);
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
        applDir = pfad(QStringLiteral("appl")) + QLatin1Char('/');
        userDir = pfad(QStringLiteral("user")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(applDir + QStringLiteral("data/artikel0608.txt"),
                                       CliBeispiel::katalogText().toLatin1()));
        QVERIFY(QFile::copy(TestUmgebung::shareDir() + QStringLiteral("data/ventile.txt"),
                            applDir + QStringLiteral("data/ventile.txt")));
        QVERIFY(QDir().mkpath(applDir + QStringLiteral("ausdrucke")));
        for (const char* name : {"abgleichkopf", "abgleichetage", "abgleichtabelle", "abgleichzeile",
                                 "abgleichverteiler", "abgleichpumpe"}) {
            const QString datei =
                QStringLiteral("ausdrucke/") + QLatin1String(name) + QStringLiteral(".html");
            QVERIFY(QFile::copy(TestUmgebung::shareDir() + datei, applDir + datei));
        }
        CliBeispiel::speichereProjekt(pfad(QStringLiteral("bad.bwh")), false);
        CliBeispiel::speichereProjekt(pfad(QStringLiteral("fehlerhaft.bwh")), false, true);
    }

    // The one-circuit project: every figure of the three kinds of lines, warnings on stderr,
    // exit 0 (reading stdout as UTF-8 drops the byte order mark; the file test sees it).
    void csv()
    {
        const CliBeispiel::Lauf lauf = CliBeispiel::starte(
            applDir, userDir, {QStringLiteral("abgleich"), pfad(QStringLiteral("bad.bwh"))});
        QCOMPARE(lauf.exitCode, 0);
        QCOMPARE(
            lauf.out,
            QStringLiteral("Satz;Etage;Raum;Art;Nr;Abgang;Fläche m²;Q W;m kg/h;V l/h;L16 m;L10 m;v m/s;"
                           "dp Rohr mbar;dp Einzel mbar;dp Kreis mbar;dp Ventil mbar;kv m³/h;Voreinstellung;"
                           "dp erf mbar;Warnungen\n"
                           "Kreis;EG;Bad;Tichelmann;1;1;10,00;1620,0;278,59;281,35;36,00;42,50;0,691;421,67;"
                           "21,21;442,88;50,00;1,2582;9;;dp\n"
                           "Verteiler;EG;;;1;1;10,00;1620,0;278,59;281,35;;;;;;442,88;;;;512,88;\n"
                           "Pumpe;;;;1;;10,00;1620,0;278,59;281,35;;;;;;;;;;562,88;\n"));
        QCOMPARE(lauf.err,
                 QStringLiteral("Etage EG, Raum Bad, Abgang 1: Druckverlust 442,88 mbar über 250 mbar\n"));
    }

    // A name with ";", quotes and umlauts survives the CSV (quoted) and the document (escaped);
    // the spread from the command line wins over the settings.
    void namenUndAusgaben()
    {
        QSettings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"))
            .setValue(QStringLiteral("Abgleich/Spreizung"), QStringLiteral("8"));
        const QString projekt =
            speichereDirekt(QStringLiteral("namen.bwh"), QStringLiteral("Bad; \"Gäste\" <1>"));
        const CliBeispiel::Lauf lauf = CliBeispiel::starte(
            applDir, userDir,
            {QStringLiteral("abgleich"), projekt, QStringLiteral("--csv"), pfad(QStringLiteral("a.csv")),
             QStringLiteral("-o"), pfad(QStringLiteral("a.html")), QStringLiteral("--spreizung"),
             QStringLiteral("10")});
        QCOMPARE(lauf.exitCode, 0);
        QCOMPARE(lauf.out, QString());
        const QByteArray csv = TestUmgebung::lies(pfad(QStringLiteral("a.csv")));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        // 2 m² at 162 W/m² and 10 K: 27.86 kg/h.
        QVERIFY2(
            csv.contains(
                QStringLiteral("Kreis;EG;\"Bad; \"\"Gäste\"\" <1>\";Direkt;1;1;2,00;324,0;27,86;").toUtf8()),
            csv.constData());
        const QString html = QString::fromLatin1(TestUmgebung::lies(pfad(QStringLiteral("a.html"))));
        QVERIFY(html.contains(QStringLiteral("Bad; &quot;G\u00e4ste&quot; &lt;1&gt;")));
        QVERIFY(html.contains(QStringLiteral("10,0 K")));
        QVERIFY(!html.contains(QStringLiteral("%Raum%")));
        // Without the option the tool takes the spread of the settings: 8 K gives 34.82 kg/h.
        const CliBeispiel::Lauf ausEinstellungen =
            CliBeispiel::starte(applDir, userDir, {QStringLiteral("abgleich"), projekt});
        QVERIFY2(ausEinstellungen.out.contains(QStringLiteral(";Direkt;1;1;2,00;324,0;34,82;")),
                 qPrintable(ausEinstellungen.out));
        QSettings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"))
            .remove(QStringLiteral("Abgleich"));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("ventile"); // content of the user's valve table; "-": none
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("meldung"); // a part of stderr
        const QString bad = QStringLiteral("BAD");
        QTest::newRow("ohne Datei") << QStringList{} << "-" << 2 << "Aufruf: wandheizung-cli abgleich FILE";
        QTest::newRow("Spreizung zu klein") << QStringList{bad, "--spreizung", "1.5"} << "-" << 2 << "Aufruf";
        QTest::newRow("Spreizung kein Wert")
            << QStringList{bad, "--spreizung", "fünf"} << "-" << 2 << "Aufruf";
        QTest::newRow("Option ohne Wert") << QStringList{bad, "--csv"} << "-" << 2 << "Aufruf";
        QTest::newRow("Datei fehlt") << QStringList{"gibtsnicht.bwh"} << "-" << 1 << "gibtsnicht.bwh";
        QTest::newRow("Raumprüfung") << QStringList{"FEHLERHAFT"} << "-" << 1 << "Raum   Bad(EG)";
        QTest::newRow("Ventiltabelle falsch") << QStringList{bad} << "Ventil\tX\n1\t0,5\n"
                                              << 1 << "Datei ventile.txt hat ein falsches Format!";
        QTest::newRow("Ausgabe nicht schreibbar")
            << QStringList{bad, "--csv", "/nicht/da/a.csv"} << "-" << 1 << "/nicht/da/a.csv";
        QTest::newRow("Katalog fehlt") << QStringList{bad, "KATALOG"} << "-" << 20 << "";
    }
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, ventile);
        QFETCH(int, exitCode);
        QFETCH(QString, meldung);
        const QString eigene = userDir + QStringLiteral("data/ventile.txt");
        QFile::remove(eigene);
        if (ventile != QLatin1String("-"))
            QVERIFY(TestUmgebung::schreibe(eigene, ventile.toLatin1()));
        QString appl = applDir;
        if (args.removeAll(QStringLiteral("KATALOG")))
            appl = pfad(QStringLiteral("leer")) + QLatin1Char('/');
        args.replaceInStrings(QStringLiteral("FEHLERHAFT"), pfad(QStringLiteral("fehlerhaft.bwh")));
        args.replaceInStrings(QStringLiteral("BAD"), pfad(QStringLiteral("bad.bwh")));
        const CliBeispiel::Lauf lauf =
            CliBeispiel::starte(appl, userDir, QStringList{QStringLiteral("abgleich")} + args);
        QFile::remove(eigene);
        QCOMPARE(lauf.exitCode, exitCode);
        QVERIFY2(lauf.err.contains(meldung), qPrintable(lauf.err));
        if (exitCode != 0)
            QVERIFY(!lauf.out.contains(QStringLiteral("Pumpe")));
    }

    // Without a valve table the balancing still runs; the notice names the file, no presetting.
    void ohneTabelle()
    {
        const QString ohne = pfad(QStringLiteral("ohne")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(ohne + QStringLiteral("data/artikel0608.txt"),
                                       CliBeispiel::katalogText().toLatin1()));
        const CliBeispiel::Lauf lauf =
            CliBeispiel::starte(ohne, userDir, {QStringLiteral("abgleich"), pfad(QStringLiteral("bad.bwh"))});
        QCOMPARE(lauf.exitCode, 0);
        QVERIFY2(lauf.err.contains(ohne + QStringLiteral("data/ventile.txt")), qPrintable(lauf.err));
        QVERIFY2(lauf.out.contains(QStringLiteral(";50,00;1,2582;;;dp\n")), qPrintable(lauf.out));
    }
};

QTEST_GUILESS_MAIN(TestAbgleichBefehl)
#include "tst_abgleichbefehl.moc"
