#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/anwenderdaten.h"
#include "testumgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The installer's address block in "data/anwender.txt": nine lines read whole and written back.
class TestAnwenderDaten : public QObject
{
    Q_OBJECT

private:
    static QStringList werte(const AnwenderDaten& d)
    {
        return {d.anwender1, d.anwender2, d.strasse,  d.plzOrt,    d.telefon,
                d.fax,       d.email,     d.kundenNr, d.reserviert};
    }

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init() { TestUmgebung::zuruecksetzen(); }

    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("leer") << "" << QStringList(9);
        QTest::newRow("drei Zeilen")
            << "Heizungsbau Roth\nInh. R. Roth\nMühlweg 3\n"
            << QStringList{"Heizungsbau Roth", "Inh. R. Roth", "Mühlweg 3", "", "", "", "", "", ""};
        QTest::newRow("ohne letztes Zeilenende")
            << "a\nb" << QStringList{"a", "b", "", "", "", "", "", "", ""};
        QTest::newRow("neun Zeilen") << "1\n2\n3\n4\n5\n6\n7\n8\nfrei\n"
                                     << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "frei"};
        QTest::newRow("mehr als neun") << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n"
                                       << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("Leerzeichen bleiben")
            << "  Firma  \n\tZweite\n\n  \n"
            << QStringList{"  Firma  ", "\tZweite", "", "  ", "", "", "", "", ""};
        QTest::newRow("Windows-Zeilenenden") << "Firma \r\nWeg 1\r\n"
                                             << QStringList{"Firma ", "Weg 1", "", "", "", "", "", "", ""};
    }
    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        AnwenderDaten d;
        d.telefon = QStringLiteral("vorher");
        d.readAnwender(text);
        QCOMPARE(werte(d), zeilen);
    }

    void schreiben()
    {
        AnwenderDaten d;
        d.readAnwender(QStringLiteral("a\n b \nc"));
        QCOMPARE(d.writeAnwender(), QStringLiteral("a\n b \nc\n\n\n\n\n\n\n"));
        d.reserviert = QStringLiteral("frei");
        d.kundenNr = QStringLiteral("K-4711");
        QCOMPARE(d.writeAnwender(), QStringLiteral("a\n b \nc\n\n\n\n\nK-4711\nfrei\n"));
        // A line break typed into a value must not shift the later lines.
        d.strasse = QStringLiteral("Weg 1\nHof");
        AnwenderDaten zurueck;
        zurueck.readAnwender(d.writeAnwender());
        QCOMPARE(zurueck.strasse, QStringLiteral("Weg 1 Hof"));
        QCOMPARE(zurueck.kundenNr, QStringLiteral("K-4711"));
        QCOMPARE(zurueck.reserviert, QStringLiteral("frei"));
    }

    void schreibenUndLesen_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::newRow("schlicht") << "Weg 1";
        // A value that ends in a carriage return (read from a line ending in "\r\r\n") keeps
        // it: reading takes only one as part of the line end.
        QTest::newRow("endet mit CR") << "Weg 1\r";
        QTest::newRow("endet mit zwei CR") << "Weg 1\r\r";
        QTest::newRow("CR in der Mitte") << "Weg\r1";
    }
    void schreibenUndLesen()
    {
        QFETCH(QString, wert);
        AnwenderDaten d;
        d.strasse = wert;
        d.telefon = QStringLiteral("0621");
        AnwenderDaten zurueck;
        zurueck.readAnwender(d.writeAnwender());
        QCOMPARE(werte(zurueck), werte(d));
    }

    void dateiRundreise()
    {
        QTemporaryDir dir;
        Pfade::setUserDir(dir.path() + QLatin1Char('/'));
        const QByteArray bytes("W\xe4rme & K\xfc"
                               "che GmbH\n\n Stra\xdf"
                               "e 5 \n12345 Au\n\n\n\n\n\x80 frei\n");
        QVERIFY(TestUmgebung::schreibe(Pfade::anwenderPath(), bytes));
        AnwenderDaten& d = AnwenderDaten::global();
        QVERIFY(d.load(Pfade::anwenderPath()));
        QCOMPARE(d.anwender1, QStringLiteral("Wärme & Küche GmbH"));
        QCOMPARE(d.strasse, QStringLiteral(" Straße 5 "));
        QCOMPARE(d.reserviert, QStringLiteral("€ frei"));
        QString fehler;
        QVERIFY(d.save(Pfade::anwenderPath(), fehler));
        QCOMPARE(TestUmgebung::lies(Pfade::anwenderPath()), bytes);
    }

    void fehlendeDatei()
    {
        QTemporaryDir dir;
        AnwenderDaten d;
        d.anwender1 = QStringLiteral("bleibt");
        QVERIFY(!d.load(dir.filePath(QStringLiteral("data/anwender.txt"))));
        QCOMPARE(d.anwender1, QStringLiteral("bleibt"));
    }

    void speichernLegtOrdnerAn()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("neu/data/anwender.txt"));
        AnwenderDaten d;
        d.anwender1 = QStringLiteral("Firma");
        QString fehler;
        QVERIFY(d.save(pfad, fehler));
        QCOMPARE(TestUmgebung::lies(pfad), QByteArray("Firma\n\n\n\n\n\n\n\n\n"));
    }

    void speichernScheitert()
    {
        QTemporaryDir dir;
        // The path is a folder: nothing can be written there.
        const QString pfad = dir.filePath(QStringLiteral("data/anwender.txt"));
        QVERIFY(QDir().mkpath(pfad));
        AnwenderDaten d;
        QString fehler;
        QVERIFY(!d.save(pfad, fehler));
        QCOMPARE(fehler, QStringLiteral("Datei ") + pfad + QStringLiteral(" konnte nicht geöffnet werden!"));
        QVERIFY(QFileInfo(pfad).isDir());
    }

    void binaerdaten()
    {
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes.append(static_cast<char>((i * 31) % 256));
        AnwenderDaten d;
        d.readAnwender(TextCodec::decode(bytes));
        AnwenderDaten zurueck;
        zurueck.readAnwender(d.writeAnwender());
        QCOMPARE(werte(zurueck), werte(d));
    }
};

QTEST_GUILESS_MAIN(TestAnwenderDaten)
#include "tst_anwenderdaten.moc"
