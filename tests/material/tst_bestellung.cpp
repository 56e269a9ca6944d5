#include "app/pfade.h"
#include "app/textcodec.h"
#include "material/bestellung.h"
#include "model/artikelliste.h"
#include "testumgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The order: which articles it holds, in which order, and the export file to the byte.
class TestBestellung : public QObject
{
    Q_OBJECT

    // Three groups; 150999 names group 0 and 151000 group 7, both listed with the last group.
    static QString katalog(bool mitGruppen = true)
    {
        return QStringLiteral("01.06.2008\n") +
               (mitGruppen ? QStringLiteral("3\nRohre\nZubehör\nWerkzeug\n") : QStringLiteral("0\n")) +
               QStringLiteral("150999\tOhne Gruppe\t\t1.00\t0\t3\t1\t0\t0\n"
                              "12345\tPrüfgerät für Wandheizung\t\t12.50\t0\t3\t1\t2\t0\n"
                              "150010\tVerbundrohr 16x2\t\t300.00\t0\t1\t200\t1\t1\n"
                              "151000\tZu große Gruppe\t\t0.00\t0\t3\t1\t7\t0\n"
                              "1234\tSchiebehülse\t\t0.62\t0\t3\t10\t2\t1\n"
                              "160000\tWasserwaage\t\t19.99\t0\t3\t1\t3\t0\n");
    }

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init() { TestUmgebung::zuruecksetzen(); }

    void exportText_data()
    {
        QTest::addColumn<bool>("mitGruppen");
        QTest::addColumn<QList<int>>("mengen"); // per catalogue line
        QTest::addColumn<QString>("text");
        const QString kopf = QStringLiteral("Pos.\tArt.-Nr.\tBezeichnung\tPreis\tMenge\n");
        QTest::newRow("nichts bestellt") << true << QList<int>{0, 0, 0, 0, 0, 0} << kopf;
        QTest::newRow("Gruppenfolge")
            << true << QList<int>{0, 3, 2, 0, 50, 0}
            << kopf + QStringLiteral("1\t150010\tVerbundrohr 16x2\t300,00\t2\n"
                                     "2\t012345\tPrüfgerät für Wandheizung\t12,50\t3\n"
                                     "3\t01234\tSchiebehülse\t0,62\t50\n");
        // Articles of no named group stand with the last group, in catalogue order; a price
        // of 0 is ordered like any other.
        QTest::newRow("ohne Gruppe zur letzten")
            << true << QList<int>{1, 0, 0, 4, 0, 1}
            << kopf + QStringLiteral("1\t150999\tOhne Gruppe\t1,00\t1\n"
                                     "2\t151000\tZu große Gruppe\t0,00\t4\n"
                                     "3\t160000\tWasserwaage\t19,99\t1\n");
        QTest::newRow("Katalog ohne Gruppen")
            << false << QList<int>{1, 0, 2, 0, 0, 0}
            << kopf + QStringLiteral(
                          "1\t150999\tOhne Gruppe\t1,00\t1\n2\t150010\tVerbundrohr 16x2\t300,00\t2\n");
    }

    void exportText()
    {
        QFETCH(bool, mitGruppen);
        QFETCH(QList<int>, mengen);
        QFETCH(QString, text);
        ArtikelListe& k = ArtikelListe::global();
        k.readCatalogue(katalog(mitGruppen));
        for (int i = 0; i < k.size(); ++i)
            k.at(i).bestellMenge = mengen.at(i);
        QCOMPARE(Bestellung::exportText(k), text);

        // The file holds the same text in Windows-1252 ("ü" one byte), lines ended by "\n".
        QTemporaryDir tmp;
        const QString datei = tmp.filePath(QStringLiteral("bestellung.txt"));
        QString fehler;
        QVERIFY(Bestellung::exportieren(k, datei, fehler));
        QCOMPARE(TestUmgebung::lies(datei), TextCodec::encode(text));
    }

    void exportUnschreibbar()
    {
        ArtikelListe& k = ArtikelListe::global();
        k.readCatalogue(katalog());
        QTemporaryDir tmp;
        const QString datei = tmp.filePath(QStringLiteral("fehlt/bestellung.txt"));
        QString fehler;
        QVERIFY(!Bestellung::exportieren(k, datei, fehler));
        QCOMPARE(fehler, QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(datei));
        QVERIFY(!QFile::exists(datei));
    }

    void exportDateiName_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("datei");
        QTest::newRow("txt") << "/p/bestellung.txt"
                             << "/p/bestellung.txt";
        QTest::newRow("TXT") << "/p/bestellung.TXT"
                             << "/p/bestellung.TXT.txt";
        QTest::newRow("ohne") << "/p/bestellung"
                              << "/p/bestellung.txt";
        QTest::newRow("Punkt im Ordner") << "/p.txt/bestellung"
                                         << "/p.txt/bestellung.txt";
    }

    void exportDateiName()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, datei);
        QCOMPARE(Pfade::mitEndung(gewaehlt, QStringLiteral("txt")), datei);
    }

    void mengeAusText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("menge");
        QTest::newRow("ganz") << "3" << 3;
        QTest::newRow("Leerzeichen") << " 12 " << 12;
        QTest::newRow("Bruch") << "2.5" << 0;
        QTest::newRow("Komma") << "2,5" << 0;
        QTest::newRow("negativ") << "-3" << 0;
        QTest::newRow("Wort") << "viel" << 0;
        QTest::newRow("leer") << "" << 0;
        QTest::newRow("riesig") << "99999999999" << 0;
    }

    void mengeAusText()
    {
        QFETCH(QString, text);
        QFETCH(int, menge);
        QCOMPARE(Bestellung::mengeAusText(text), menge);
    }
};

QTEST_GUILESS_MAIN(TestBestellung)
#include "tst_bestellung.moc"
