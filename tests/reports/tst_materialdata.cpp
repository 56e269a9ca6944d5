#include "app/zahl.h"
#include "material/kosten.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "reports/recorddruck.h"

#include <QTest>

// The material list record against the catalogue, its cost rows and the sums with VAT.
class TestMaterialData : public QObject
{
    Q_OBJECT

private:
    ArtikelListe katalog;

    // Groups 1 and 2; articles: 100 m rolls (group 1), pieces (group 1), 25 m rolls (group 2).
    void baueKatalog(const QString& extra = QString())
    {
        katalog.clear();
        katalog.readCatalogue(
            QStringLiteral("01.06.2008\n2\nRohre\nZubehör\n"
                           "150010\tVerbundrohr\tVerbundrohr 16 x 2\t150.00\t0\t1\t100\t1\t1\n"
                           "150215\tSchiebehülse\tSchiebehülse 16\t0.335\t0\t3\t1\t1\t1\n"
                           "151410\tSchutzrohr\tSchutzrohr 25 m\t20.00\t0\t1\t25\t2\t1\n") +
            extra);
    }

private slots:
    void init() { baueKatalog(); }

    void waechstUndSchrumpftNie()
    {
        MaterialData m;
        m.mengen = {1.0f};
        m.anpassenAnKatalog(katalog);
        QCOMPARE(m.mengen, (QVector<float>{1.0f, 0.0f, 0.0f}));
        m.mengen = {1, 2, 3, 4, 5};
        m.anpassenAnKatalog(katalog);
        QCOMPARE(m.mengen.size(), 5);
        m.uebernehmeAusKatalog(katalog);
        QCOMPARE(m.mengen.size(), 5);
        QCOMPARE(m.mengen.at(4), 5.0f);
    }

    void zeigenRundetNachEinheit()
    {
        MaterialData m;
        m.mengen = {1.234f, 1.2f};
        m.zeigeImKatalog(katalog);
        QCOMPARE(m.mengen.size(), 3);
        QCOMPARE(katalog.at(0).bedarf, 1.23f); // rolls above 20 m keep hundredths
        QCOMPARE(katalog.at(1).bedarf, 2.0f);  // pieces are whole packs
        QCOMPARE(katalog.at(2).bedarf, 0.0f);
        // Taking back stores the rounded requirements.
        m.uebernehmeAusKatalog(katalog);
        QCOMPARE(m.mengen, (QVector<float>{1.23f, 2.0f, 0.0f}));
        QVERIFY(!m.isChanged(katalog));
    }

    void geaendert_data()
    {
        QTest::addColumn<QVector<float>>("mengen");
        QTest::addColumn<float>("bedarf");
        QTest::addColumn<bool>("geaendert");
        QTest::newRow("gleich") << QVector<float>{1.23f} << 1.23f << false;
        QTest::newRow("Hundertstel mehr") << QVector<float>{1.23f} << 1.24f << true;
        QTest::newRow("Hundertstel weniger") << QVector<float>{0.11f} << 0.1f << true;
        QTest::newRow("unter einem Hundertstel") << QVector<float>{1.0f} << 1.009f << false;
        QTest::newRow("ganze Packung") << QVector<float>{3.0f} << 2.0f << true;
        QTest::newRow("kurze Liste, kein Bedarf") << QVector<float>{} << 0.0f << false;
        QTest::newRow("kurze Liste, Bedarf") << QVector<float>{} << 1.0f << true;
    }

    void geaendert()
    {
        QFETCH(QVector<float>, mengen);
        QFETCH(float, bedarf);
        QFETCH(bool, geaendert);
        MaterialData m;
        m.mengen = mengen;
        katalog.at(0).bedarf = bedarf;
        QCOMPARE(m.isChanged(katalog), geaendert);
        QCOMPARE(m.mengen, mengen); // asking changes nothing
    }

    void zeilen()
    {
        baueKatalog(QStringLiteral("150216\t<b>Bad</b> & Co\tA\\1 $& %Menge%\t2.00\t0\t3\t1\t1\t1\n"
                                   "150217\tohne Gruppe\t\t1.00\t0\t3\t1\t0\t1\n"));
        MaterialData m;
        m.mengen = {1.5f, 3.0f, 4.0f, 2.0f, 5.0f};
        const QString vorlage = QStringLiteral("[%Bezeichnung%|%BezeichnungLong%|%Menge%|%Einzelpreis%|"
                                               "%Gesamtpreis%|%Menge%]\n");
        qint64 summe = 1000;
        const QString text = materialRows(m, vorlage, 1, summe, katalog);
        QCOMPARE(text, QStringLiteral(
                           "[Verbundrohr|Verbundrohr 16 x 2|1.50|150.00|225.00|1.50]\n"
                           "[Schiebehülse|Schiebehülse 16|3.00|0.34|1.01|3.00]\n"
                           "[&lt;b&gt;Bad&lt;/b&gt; &amp; Co|A\\1 $&amp; %Menge%|2.00|2.00|4.00|2.00]\n"));
        // Each line adds as printed, in cents: 3 × 0.335 (1.00500002 at double width) is 1.01.
        QCOMPARE(summe, 1000 + 22500 + 101 + 400);

        summe = 0;
        QCOMPARE(materialRows(m, vorlage, 2, summe, katalog),
                 QStringLiteral("[Schutzrohr|Schutzrohr 25 m|4.00|20.00|80.00|4.00]\n"));
        QCOMPARE(summe, 8000);
        // An article outside the named groups is in no group's rows.
        summe = 0;
        QCOMPARE(materialRows(m, vorlage, 0, summe, katalog),
                 QStringLiteral("[ohne Gruppe||5.00|1.00|5.00|5.00]\n"));
        QVERIFY(materialRows(m, vorlage, 3, summe, katalog).isEmpty());
    }

    void zeilenOhneMenge()
    {
        MaterialData m;
        m.mengen = {0.0f, -1.0f};
        qint64 summe = 0;
        QVERIFY(materialRows(m, QStringLiteral("%Menge%"), 1, summe, katalog).isEmpty());
        QCOMPARE(summe, 0);
    }

    void dateizeile()
    {
        // A number the catalogue lacks is dropped, the other quantities stay.
        ArtikelListe& global = ArtikelListe::global();
        global.clear();
        global.readCatalogue(QStringLiteral("01.06.2008\n1\nRohre\n"
                                            "150010\tRohr\t\t1\t0\t1\t100\t1\t1\n"
                                            "150215\tHülse\t\t1\t0\t3\t1\t1\t1\n"));
        MaterialData m;
        const QString sep(QChar(0x01));
        QVERIFY(m.fromString(QStringLiteral("7") + sep + "999999" + sep + "4" + sep + "150215" + sep + "2.5",
                             "1.6"));
        QCOMPARE(m.mengen, (QVector<float>{0.0f, 2.5f}));
        QCOMPARE(m.toString(), QStringLiteral("\t7") + sep + "150215" + sep + "2.5\n");
        global.clear();
    }

    void summen_data()
    {
        QTest::addColumn<float>("netto");
        QTest::addColumn<float>("satz");
        QTest::addColumn<QString>("mwst");
        QTest::addColumn<QString>("brutto");
        QTest::newRow("100") << 100.0f << 0.19f << "19.00"
                             << "119.00";
        // The rate is held slightly below 0.19 and nothing is rounded before it is shown.
        QTest::newRow("1377.50") << 1377.5f << 0.19f << "261.72"
                                 << "1639.22";
        QTest::newRow("7 %") << 50.0f << 0.07f << "3.50"
                             << "53.50";
        QTest::newRow("ohne") << 12.345f << 0.0f << "0.00"
                              << "12.35";
    }

    void summen()
    {
        QFETCH(float, netto);
        QFETCH(float, satz);
        QFETCH(QString, mwst);
        QFETCH(QString, brutto);
        const Kosten k = Kosten::mitMwst(netto, satz);
        // The net is whole cents.
        QCOMPARE(Zahl::fest(k.summe, 2), Zahl::fest(netto, 2));
        QCOMPARE(Zahl::fest(k.mwst, 2), mwst);
        QCOMPARE(Zahl::fest(k.summeMwst, 2), brutto);
    }

    void summenDerListe()
    {
        katalog.at(0).bedarf = 0.5f; // 75.00
        katalog.at(1).bedarf = 4.0f; // 1.34
        katalog.at(2).bedarf = 1.2f; // 24.00
        const Kosten k = Kosten::materialListe(katalog, 0.19f);
        QCOMPARE(k.summe, 100.34);
        QCOMPARE(Zahl::fest(k.summe, 2), QStringLiteral("100.34"));
        QCOMPARE(Zahl::fest(k.mwst, 2), QStringLiteral("19.06"));
        QCOMPARE(Zahl::fest(k.summeMwst, 2), QStringLiteral("119.40"));
    }
};

QTEST_GUILESS_MAIN(TestMaterialData)
#include "tst_materialdata.moc"
