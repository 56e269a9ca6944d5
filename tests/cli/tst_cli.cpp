#include "app/textcodec.h"
#include "design/raumpruefung.h"
#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "testumgebung.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The batch tool's frame and its foundation commands: usage, folders, catalogue failure,
// "catalogue", "convert" and "show".
class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    int exitCode = -1;
    QString out;
    QString err;

    QString share() const { return TestUmgebung::shareDir(); }
    QString sample(const QString& name) const { return share() + QStringLiteral("projekte/") + name; }
    QString pfad(const QString& name) const { return tmp.filePath(name); }

    void starte(const QStringList& args)
    {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        p.start(QStringLiteral(WH_CLI_PATH), args);
        QVERIFY(p.waitForFinished(60000));
        exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
    }
    void starteMitShare(const QStringList& args)
    {
        starte(QStringList{QStringLiteral("--appl-dir"), share(), QStringLiteral("--user-dir"), tmp.path()} +
               args);
    }

    static void setzeApplDir(const QVariant& wert)
    {
        QSettings s(QSettings::SystemScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
        if (wert.isValid())
            s.setValue(QStringLiteral("Einstellungen/ApplDir"), wert);
        else
            s.remove(QStringLiteral("Einstellungen/ApplDir"));
        s.sync();
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
    }
    void init()
    {
        TestUmgebung::zuruecksetzen();
        setzeApplDir(QVariant());
    }

    void aufrufFehler_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nichts") << QStringList();
        QTest::newRow("unbekannter Befehl") << QStringList{"drucke"};
        QTest::newRow("nur Optionen") << QStringList{"--appl-dir", "/x"};
        QTest::newRow("Option ohne Wert") << QStringList{"show", "a.bwh", "--appl-dir"};
        QTest::newRow("convert ohne -o") << QStringList{"convert", "a.bwh"};
        QTest::newRow("convert ohne Datei") << QStringList{"convert", "-o", "b.bwh"};
        QTest::newRow("convert -o ohne Wert") << QStringList{"convert", "a.bwh", "-o"};
        QTest::newRow("convert zwei Dateien") << QStringList{"convert", "a.bwh", "c.bwh", "-o", "b.bwh"};
        QTest::newRow("show ohne Datei") << QStringList{"show"};
        QTest::newRow("show zwei Dateien") << QStringList{"show", "a.bwh", "b.bwh"};
        QTest::newRow("show mit Option") << QStringList{"show", "--units"};
        QTest::newRow("catalogue ohne -o") << QStringList{"catalogue"};
        QTest::newRow("catalogue mit Datei") << QStringList{"catalogue", "x", "-o", "y"};
    }
    void aufrufFehler()
    {
        QFETCH(QStringList, args);
        starte(args);
        QCOMPARE(exitCode, 2);
        QVERIFY2(err.contains(QLatin1String("Aufruf: wandheizung-cli")), qPrintable(err));
        QVERIFY(out.isEmpty());
    }

    void hilfe()
    {
        starte({QStringLiteral("--help")});
        QCOMPARE(exitCode, 0);
        for (const char* befehl : {"convert FILE -o OUT", "show FILE", "catalogue -o OUT"})
            QVERIFY2(out.contains(QLatin1String(befehl)), befehl);
        QVERIFY(out.contains(QStringLiteral("Einstellungen")));
    }

    void katalogFehlt_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("catalogue") << QStringList{"catalogue", "-o", "k.txt"};
        QTest::newRow("convert") << QStringList{"convert", "a.bwh", "-o", "b.bwh"};
        QTest::newRow("show") << QStringList{"show", "a.bwh"};
    }
    void katalogFehlt()
    {
        QFETCH(QStringList, args);
        const QString leer = pfad(QStringLiteral("leer"));
        starte(QStringList{QStringLiteral("--appl-dir"), leer} + args);
        QCOMPARE(exitCode, 20);
        QCOMPARE(err, QStringLiteral("Datei ") + leer +
                          QStringLiteral("/data/artikel0608.txt konnte nicht geöffnet werden!\n"));
        QVERIFY(!QFile::exists(pfad(QStringLiteral("k.txt"))));
        QVERIFY(!QFile::exists(pfad(QStringLiteral("b.bwh"))));
    }

    void katalogAusEinstellungen()
    {
        // Without --appl-dir the folder comes from the program's settings, normalised the same way.
        QString ordner = share();
        ordner.chop(1);
        setzeApplDir(ordner);
        starte({QStringLiteral("catalogue"), QStringLiteral("-o"), pfad(QStringLiteral("k.txt"))});
        QCOMPARE(exitCode, 0);
        // Without the key the working folder is the installation folder.
        setzeApplDir(QVariant());
        starte({QStringLiteral("catalogue"), QStringLiteral("-o"), pfad(QStringLiteral("k2.txt"))});
        QCOMPARE(exitCode, 20);
        QCOMPARE(err, QStringLiteral("Datei data/artikel0608.txt konnte nicht geöffnet werden!\n"));
    }

    void katalogKanonisch()
    {
        const QString ziel = pfad(QStringLiteral("katalog.txt"));
        starteMitShare({QStringLiteral("catalogue"), QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 0);
        QVERIFY(err.isEmpty());
        QVERIFY(TestUmgebung::ladeKatalog());
        const QByteArray bytes = TestUmgebung::lies(ziel);
        QCOMPARE(bytes, TextCodec::encode(ArtikelListe::global().toText()));
        QVERIFY(bytes.startsWith("01.06.2008\t"));
        QVERIFY(bytes.contains("Schiebeh\xfclse"));
        // The canonical form reads back into itself.
        ArtikelListe wieder;
        QVERIFY(wieder.load(ziel));
        QCOMPARE(wieder.toText(), ArtikelListe::global().toText());
    }

    void konvertiereBeispiele_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Ausführungsplanung") << "einfamilienhaus-ausfuehrung.bwh";
        QTest::newRow("Kostenschätzung") << "einfamilienhaus-kostenschaetzung.bwh";
    }
    void konvertiereBeispiele()
    {
        QFETCH(QString, name);
        const QString ziel = pfad(QStringLiteral("neu.bwh"));
        QFile::remove(ziel);
        starteMitShare({QStringLiteral("convert"), sample(name), QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        // The shipped samples are written by this version: converting changes no byte.
        QCOMPARE(TestUmgebung::lies(ziel), TestUmgebung::lies(sample(name)));
    }

    void beispielIstStimmig()
    {
        // The execution-planning sample passes every room check, and its stored material list
        // is what a material run on it computes.
        QVERIFY(TestUmgebung::ladeKatalog());
        ProjektBaum baum;
        QVERIFY(ProjektDatei::laden(baum, sample(QStringLiteral("einfamilienhaus-ausfuehrung.bwh")))
                    .erfolgreich());
        QSet<int> systeme;
        for (WHListItem* etage : baum.etagen()) {
            for (WHListItem* raum : baum.raeume(etage)) {
                const auto& r = static_cast<const RaumData&>(*raum->record());
                QCOMPARE(RaumPruefung::pruefe(r).code, 0);
                systeme.insert(r.systemIndex);
            }
        }
        QCOMPARE(systeme.size(), 4);
        const QVector<float> gespeichert = baum.material()->mengen;
        QString fehler;
        QVERIFY(MaterialBerechnung::berechne(baum, ArtikelListe::global(), fehler));
        baum.material()->uebernehmeAusKatalog(ArtikelListe::global());
        QCOMPARE(baum.material()->mengen, gespeichert);
    }

    void konvertiereImport()
    {
        const QString ziel = pfad(QStringLiteral("import.bwh"));
        starteMitShare({QStringLiteral("convert"), sample(QStringLiteral("einfamilienhaus.bwb")),
                        QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        const QByteArray bytes = TestUmgebung::lies(ziel);
        QVERIFY(bytes.startsWith("# WH Version 1.6\n0\x01"
                                 "Einfamilienhaus Lindenstra\xdf"
                                 "e\x01"));
        QVERIFY(bytes.contains("\x01K\xfc"
                               "che\x01"));
        // The floors come in reverse file order.
        QVERIFY(bytes.indexOf("Obergeschoss") < bytes.indexOf("Kellergeschoss"));

        QVERIFY(TestUmgebung::ladeKatalog());
        ProjektBaum baum;
        const LadeErgebnis e = ProjektDatei::laden(baum, ziel);
        QVERIFY(e.erfolgreich());
        QCOMPARE(baum.etagen().size(), 3);
    }

    void konvertiereAeltereVersion()
    {
        QByteArray bytes = TestUmgebung::lies(sample(QStringLiteral("einfamilienhaus-ausfuehrung.bwh")));
        bytes.replace("# WH Version 1.6", "# WH Version 1.41");
        const QString quelle = pfad(QStringLiteral("alt.bwh"));
        QVERIFY(TestUmgebung::schreibe(quelle, bytes));
        const QString ziel = pfad(QStringLiteral("alt-neu.bwh"));
        starteMitShare({QStringLiteral("convert"), quelle, QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 0);
        QVERIFY2(err.startsWith(QStringLiteral("Datei alt.bwh ist mit einer früheren Version vom "
                                               "Wandheizungs-Berechnungsprogramm erstellt.\nDiese Version "
                                               "beinhaltet das Produktsortiment ab 01.06.2008.\n")),
                 qPrintable(err));
        QVERIFY(!err.contains(QLatin1Char('<')));
        QVERIFY(TestUmgebung::lies(ziel).startsWith("# WH Version 1.6\n"));
    }

    void konvertiereFehler_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fremdes Format")
            << QByteArray("PK\x03\x04\x00\xff\xfe garbage") << "hat ein falshes Format!";
        QTest::newRow("leer") << QByteArray() << "hat ein falshes Format!";
        QTest::newRow("Raum vor Etage") << QByteArray("# WH Version 1.6\n0\x01P\x01\x01"
                                                      "2008-01-01\x01\x01\x01\x01"
                                                      "0\n\t1\x01"
                                                      "45\x01"
                                                      "0\x01"
                                                      "0\x01"
                                                      "2\x01"
                                                      "30\n\t\t\t3\x01R\x01"
                                                      "7\x01"
                                                      "20\x01"
                                                      "0\x01"
                                                      "50\x01"
                                                      "0\x01"
                                                      "0\x01"
                                                      "0\x01"
                                                      "0\x01"
                                                      "0\n")
                                        << "hat ein falsches Format!";
        QTest::newRow("alter Wärmebedarf")
            << QByteArray("# WB Version 1.1\n") << "früheren Version vom Wärmebedarfs";
        // Beyond the limits the message names the place and the limit.
        QByteArray raeume("# WH Version 1.6\n0\x01P\x01\x01"
                          "2008-01-01\x01\x01\x01\x01"
                          "0\n\t1\x01"
                          "45\x01"
                          "1\x01"
                          "0\x01"
                          "2\x01"
                          "30\n\t\t2\x01Keller & Co\x01"
                          "21\x01"
                          "0\n");
        for (int i = 0; i < 21; ++i)
            raeume += "\t\t\t3\x01R\x01"
                      "7\x01"
                      "20\x01"
                      "0\x01"
                      "50\x01"
                      "0\x01"
                      "0\x01"
                      "0\x01"
                      "0\x01"
                      "0\x01"
                      "0\n";
        QTest::newRow("21 Räume") << raeume
                                  << ": Etage Keller & Co hat 21 Räume, erlaubt sind höchstens 20.\n";
    }
    void konvertiereFehler()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        const QString quelle = pfad(QStringLiteral("kaputt.bwh"));
        QVERIFY(TestUmgebung::schreibe(quelle, inhalt));
        const QString ziel = pfad(QStringLiteral("nie.bwh"));
        starteMitShare({QStringLiteral("convert"), quelle, QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 1);
        QVERIFY2(err.startsWith(QStringLiteral("Datei kaputt.bwh")), qPrintable(err));
        QVERIFY2(err.contains(meldung), qPrintable(err));
        QVERIFY(!err.contains(QLatin1String("<b>")));
        QVERIFY(!QFile::exists(ziel));
    }

    void konvertiereNichtLesbar()
    {
        const QString ziel = pfad(QStringLiteral("nie.bwh"));
        starteMitShare(
            {QStringLiteral("convert"), pfad(QStringLiteral("fehlt.bwh")), QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 1);
        QVERIFY2(err.contains(QStringLiteral("Datei fehlt.bwh konnte nicht geöffnet werden!")),
                 qPrintable(err));
        QVERIFY(!QFile::exists(ziel));
    }

    void konvertiereZielNichtSchreibbar()
    {
        const QString ziel = pfad(QStringLiteral("ordner.bwh"));
        QVERIFY(QDir().mkpath(ziel));
        starteMitShare({QStringLiteral("convert"), sample(QStringLiteral("einfamilienhaus-ausfuehrung.bwh")),
                        QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 1);
        QVERIFY(!err.isEmpty());
        QVERIFY(QFileInfo(ziel).isDir());
    }

    void zeige()
    {
        starteMitShare({QStringLiteral("show"), sample(QStringLiteral("einfamilienhaus-ausfuehrung.bwh"))});
        QCOMPARE(exitCode, 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        const QStringList zeilen = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(
            zeilen.first().startsWith(QStringLiteral("Projekt Einfamilienhaus Lindenstraße: Nr. 2008-041, "
                                                     "16.06.2008, Ausführungsplanung")));
        QVERIFY(zeilen.contains(
            QStringLiteral("  Gebäude: RI-10, mittlere Vorlauftemperatur 40 °C, 1995 bis 2000, "
                           "übersch. Wärmebedarf 40 W/m², 3 Etagen")));
        QVERIFY(zeilen.contains(QStringLiteral("    Etage Kellergeschoss: DID-10, 2 Räume, Keller")));
        QVERIFY(
            zeilen.contains(QStringLiteral("      Raum Küche (Küche, 20 °C): 14 m², 560 W, RI-10, Wandfläche "
                                           "4.5 m², Differenz 2.5 W, 1 Fläche")));
        QVERIFY(zeilen.contains(QStringLiteral("        Fläche 1: 2.49 m², 2 Register, 5 m, Heizkreis 1, "
                                               "Zusammenst. 1-2-0")));
        QVERIFY(zeilen.contains(QStringLiteral("        Fläche 1: 2.5 m², 1 Register, 4 m, direkt an HKV")));
        QVERIFY(out.contains(QStringLiteral("Fußbodenheizung 4 m² direkt an HKV")));
        QVERIFY(zeilen.last().startsWith(QStringLiteral("  Materialbedarf: ")));
    }

    void zeigeKostenschaetzung()
    {
        starteMitShare(
            {QStringLiteral("show"), sample(QStringLiteral("einfamilienhaus-kostenschaetzung.bwh"))});
        QCOMPARE(exitCode, 0);
        QVERIFY(out.contains(QStringLiteral("Kostenschätzung")));
        QVERIFY(!out.contains(QStringLiteral("Materialbedarf")));
        QVERIFY(!out.contains(QStringLiteral("Fläche 1:")));
    }

    void zeigeBinaerdaten()
    {
        QByteArray bytes("# WH Version 1.6\n");
        for (int i = 0; i < 200000; ++i)
            bytes.append(static_cast<char>((i * 131 + 7) % 256));
        const QString quelle = pfad(QStringLiteral("binaer.bwh"));
        QVERIFY(TestUmgebung::schreibe(quelle, bytes));
        starteMitShare({QStringLiteral("show"), quelle});
        QCOMPARE(exitCode, 1);
        QVERIFY(out.isEmpty());
        QVERIFY(err.contains(QLatin1String("Datei binaer.bwh hat ein falsches Format!")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
