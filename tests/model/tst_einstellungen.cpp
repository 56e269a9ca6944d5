#include "app/einstellungen.h"
#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/anwenderdaten.h"
#include "testumgebung.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The settings read at start-up, the folders derived from them and the takeover of address
// lines from the host's "anwender.ini".
class TestEinstellungen : public QObject
{
    Q_OBJECT

private:
    // What an installer or the host application writes; the program only reads it.
    static void setze(QSettings::Scope scope, const QString& app, const QString& key, const QVariant& wert)
    {
        QSettings s(scope, QStringLiteral("Belvoro"), app);
        if (wert.isValid())
            s.setValue(key, wert);
        else
            s.remove(key);
        s.sync();
    }

    static void leereAlle()
    {
        for (const QString& app : {QStringLiteral("wh"), QStringLiteral("Quintel")}) {
            for (QSettings::Scope scope : {QSettings::SystemScope, QSettings::UserScope}) {
                QSettings s(scope, QStringLiteral("Belvoro"), app);
                s.clear();
                s.sync();
            }
        }
    }

    static AnwenderDaten daten(const QStringList& zeilen)
    {
        AnwenderDaten d;
        d.readAnwender(zeilen.join(QLatin1Char('\n')));
        return d;
    }

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init()
    {
        TestUmgebung::zuruecksetzen();
        leereAlle();
    }

    void normalise_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("erwartet");
        const QString home = QDir::homePath();
        QTest::newRow("Tilde mit Ordner") << "~/wh" << home + "/wh/";
        QTest::newRow("nur Tilde") << "~" << home + "/";
        QTest::newRow("nur das erste Zeichen") << "~wh" << home + "wh/";
        QTest::newRow("Tilde in der Mitte bleibt") << "/opt/~wh"
                                                   << "/opt/~wh/";
        QTest::newRow("schon mit Schrägstrich") << "/opt/wh/"
                                                << "/opt/wh/";
        QTest::newRow("leer bleibt leer") << ""
                                          << "";
        QTest::newRow("relativ") << "wh"
                                 << "wh/";
    }
    void normalise()
    {
        QFETCH(QString, wert);
        QFETCH(QString, erwartet);
        QCOMPARE(Pfade::normalise(wert, QDir::homePath()), erwartet);
    }

    void ordnerAusEinstellungen()
    {
        setze(QSettings::SystemScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/ApplDir"),
              QStringLiteral("~/Wandheizung"));
        setze(QSettings::UserScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/UserDir"),
              QStringLiteral("/home/planer/wh-daten/"));
        Einstellungen::lesePfade();
        QCOMPARE(Pfade::applDir(), QDir::homePath() + QStringLiteral("/Wandheizung/"));
        QCOMPARE(Pfade::artikelPath(),
                 QDir::homePath() + QStringLiteral("/Wandheizung/data/artikel0608.txt"));
        QCOMPARE(Pfade::helpPage(), QDir::homePath() + QStringLiteral("/Wandheizung/hilfe/index.html"));
        QCOMPARE(Pfade::userDir(), QStringLiteral("/home/planer/wh-daten/"));
        QCOMPARE(Pfade::anwenderPath(), QStringLiteral("/home/planer/wh-daten/data/anwender.txt"));
    }

    void fehlendeSchluessel()
    {
        // The installation folder is a system-wide setting: the same key in user scope does
        // not count. Without its key the user's folder stays as it was.
        setze(QSettings::UserScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/ApplDir"),
              QStringLiteral("/falsch"));
        setze(QSettings::SystemScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/Anderes"),
              QStringLiteral("/falsch"));
        Pfade::setUserDir(QStringLiteral("/vorher/"));
        bool gefunden = true;
        QCOMPARE(Einstellungen::applDir(&gefunden), QString());
        QVERIFY(!gefunden);
        Einstellungen::lesePfade();
        QCOMPARE(Pfade::applDir(), QString());
        QCOMPARE(Pfade::artikelPath(), QStringLiteral("data/artikel0608.txt"));
        QCOMPARE(Pfade::userDir(), QStringLiteral("/vorher/"));
    }

    void leererWertIstVorhanden()
    {
        setze(QSettings::SystemScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/ApplDir"),
              QString());
        Pfade::setApplDir(QStringLiteral("/vorher/"));
        Einstellungen::lesePfade();
        QCOMPARE(Pfade::applDir(), QString());
    }

    void ordnerMitKomma()
    {
        setze(QSettings::SystemScope, QStringLiteral("wh"), QStringLiteral("Einstellungen/ApplDir"),
              QStringList{QStringLiteral("/opt/Wärme"), QStringLiteral("Kälte")});
        Einstellungen::lesePfade();
        QCOMPARE(Pfade::applDir(), QStringLiteral("/opt/Wärme,Kälte/"));
    }

    void anwenderIniPfad_data()
    {
        QTest::addColumn<QVariant>("pfad");
        QTest::addColumn<QVariant>("iniDir");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("nichts gesetzt") << QVariant() << QVariant() << "ini/anwender.ini";
        QTest::newRow("Hostordner") << QVariant(QStringLiteral("/opt/quintel")) << QVariant()
                                    << "/opt/quintel/ini/anwender.ini";
        QTest::newRow("Schrägstrich immer angehängt")
            << QVariant(QStringLiteral("/opt/quintel/")) << QVariant() << "/opt/quintel//ini/anwender.ini";
        QTest::newRow("relativer Ini-Ordner") << QVariant(QStringLiteral("/opt/q"))
                                              << QVariant(QStringLiteral("cfg")) << "/opt/q/cfg/anwender.ini";
        QTest::newRow("absoluter Ini-Ordner") << QVariant(QStringLiteral("/opt/q"))
                                              << QVariant(QStringLiteral("/etc/q")) << "/etc/q/anwender.ini";
        QTest::newRow("leerer Hostordner") << QVariant(QString()) << QVariant() << "/ini/anwender.ini";
    }
    void anwenderIniPfad()
    {
        QFETCH(QVariant, pfad);
        QFETCH(QVariant, iniDir);
        QFETCH(QString, erwartet);
        setze(QSettings::SystemScope, QStringLiteral("Quintel"), QStringLiteral("Pfad"), pfad);
        setze(QSettings::SystemScope, QStringLiteral("Quintel"), QStringLiteral("Einstellungen/WIniDir"),
              iniDir);
        // The host's keys live in system scope only.
        setze(QSettings::UserScope, QStringLiteral("Quintel"), QStringLiteral("Einstellungen/WIniDir"),
              QStringLiteral("/benutzer"));
        QCOMPARE(Einstellungen::anwenderIniPfad(), erwartet);
    }

    void uebernahme_data()
    {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QStringList>("nachher");
        const QStringList leer(9);
        QTest::newRow("alles in leere Zeilen")
            << leer
            << "Anwender1=Heizungsbau Roth\nAnwender2=Inh. R. Roth\nStrasse=Mühlweg 3\nPLZOrt=12345 Au\n"
               "Tel=0123 456\nFax=0123 457\nEmail=x@y\n"
            << QStringList{"Heizungsbau Roth",
                           "Inh. R. Roth",
                           "Mühlweg 3",
                           "12345 Au",
                           "0123 456",
                           "0123 457",
                           "",
                           "",
                           ""};
        QTest::newRow("vorhandene Zeilen bleiben, Anwender1 immer")
            << QStringList{"Alt GmbH", "", "Bahnhofstr. 1", "", "", "", "a@b", "K-17", "frei"}
            << "Anwender1=Neu GmbH\nStrasse=Mühlweg 3\nPLZOrt=12345 Au\n"
            << QStringList{"Neu GmbH", "", "Bahnhofstr. 1", "12345 Au", "", "", "a@b", "K-17", "frei"};
        QTest::newRow("ohne Anwender1 wird Zeile 1 leer")
            << QStringList{"Alt GmbH", "Zweite", "", "", "", "", "", "", ""} << "Anwender2=Andere\n"
            << QStringList{"", "Zweite", "", "", "", "", "", "", ""};
        QTest::newRow("Leerzeichen vor = gehört zum Schlüssel")
            << leer << "Anwender1 =Falsch\nTel =1\n Fax=2\n"
            << QStringList{"", "", "", "", "", "", "", "", ""};
        QTest::newRow("Wert mit = und Leerzeichen")
            << leer << "Anwender1=  A=B = C  \r\nStrasse=\tWeg 1\t\r\n"
            << QStringList{"A=B = C", "", "Weg 1", "", "", "", "", "", ""};
        QTest::newRow("spätere Zeile gewinnt") << leer << "Anwender1=Erst\nTel=1\n\n\nAnwender1=Dann\nTel=2\n"
                                               << QStringList{"Dann", "", "", "", "2", "", "", "", ""};
        QTest::newRow("Zeilen ohne = und leere Schlüssel")
            << leer << "[Anwender]\n=Wert\nAnwender1\nAnwender2=Zwei\n"
            << QStringList{"", "Zwei", "", "", "", "", "", "", ""};
        QTest::newRow("Schlüssel mit anderer Schreibweise") << leer << "anwender1=klein\nSTRASSE=x\n" << leer;
    }
    void uebernahme()
    {
        QFETCH(QStringList, vorher);
        QFETCH(QString, ini);
        QFETCH(QStringList, nachher);
        AnwenderDaten d = daten(vorher);
        AnwenderDaten::uebernehmeAnwenderText(ini, d);
        QCOMPARE(TextCodec::lines(d.writeAnwender()), nachher);
    }

    void uebernahmeAusDatei()
    {
        QTemporaryDir host;
        QVERIFY(host.isValid());
        setze(QSettings::SystemScope, QStringLiteral("Quintel"), QStringLiteral("Pfad"), host.path());
        QVERIFY(TestUmgebung::schreibe(
            host.path() + QStringLiteral("/ini/anwender.ini"),
            TextCodec::encode(QStringLiteral("[Anwender]\r\nAnwender1=Wärme & Co. KG\r\n"
                                             "Strasse=Küchenstraße 5 – Hof\r\n"
                                             "Tel=€ 0800 123\r\n"))));
        AnwenderDaten& d = AnwenderDaten::global();
        d.clear();
        d.telefon = QStringLiteral("0711 42");
        AnwenderDaten::uebernehmeAnwenderIni();
        QCOMPARE(d.anwender1, QStringLiteral("Wärme & Co. KG"));
        QCOMPARE(d.strasse, QStringLiteral("Küchenstraße 5 – Hof"));
        QCOMPARE(d.telefon, QStringLiteral("0711 42"));
    }

    void ohneDateiBleibtAlles()
    {
        QTemporaryDir host;
        setze(QSettings::SystemScope, QStringLiteral("Quintel"), QStringLiteral("Pfad"), host.path());
        AnwenderDaten d = daten({QStringLiteral("Alt GmbH"), QString(), QStringLiteral("Weg 1")});
        AnwenderDaten::uebernehmeAnwenderIni(d);
        QCOMPARE(d.anwender1, QStringLiteral("Alt GmbH"));
        QCOMPARE(d.strasse, QStringLiteral("Weg 1"));
    }

    void binaerdaten()
    {
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 7919 + 13) % 256));
        bytes += "\nAnwender1=X\n";
        AnwenderDaten d;
        AnwenderDaten::uebernehmeAnwenderText(TextCodec::decode(bytes), d);
        QCOMPARE(d.anwender1, QStringLiteral("X"));
    }
};

QTEST_GUILESS_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
