#include "app/zahl.h"
#include "material/kosten.h"
#include "model/artikelliste.h"

#include <QtTest>

// Money on every document adds up as printed: lines rounded to the cent, group sums and the
// net made of the rounded lines, VAT on the net, gross = net + VAT.
class TestKosten : public QObject
{
    Q_OBJECT

private:
    // A printed amount in cents.
    static qint64 cent(const QString& gedruckt) { return qRound64(gedruckt.toDouble() * 100.0); }

    // Articles from "menge*preis@gruppe" entries separated by blanks; the catalogue has two groups.
    static ArtikelListe katalog(const QString& zeilen, int wiederholen)
    {
        QString text = QStringLiteral("01.01.2008\n2\nRohr\nZubehör\n");
        int nr = 100000;
        for (int w = 0; w < wiederholen; ++w) {
            for (const QString& z : zeilen.split(QLatin1Char(' '))) {
                const QString preis = z.section(QLatin1Char('*'), 1).section(QLatin1Char('@'), 0, 0);
                text += QStringLiteral("%1\tA\tA\t%2\t0\t3\t1\t%3\n")
                            .arg(nr++)
                            .arg(preis, z.section(QLatin1Char('@'), 1));
            }
        }
        ArtikelListe l;
        l.readCatalogue(text);
        int i = 0;
        for (int w = 0; w < wiederholen; ++w) {
            for (const QString& z : zeilen.split(QLatin1Char(' ')))
                l.at(i++).bedarf = Zahl::toFloat(z.section(QLatin1Char('*'), 0, 0));
        }
        return l;
    }

private slots:
    void summenGehenAuf_data()
    {
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<int>("wiederholen");
        QTest::addColumn<QString>("summe");
        QTest::addColumn<QString>("mwst");
        QTest::addColumn<QString>("gesamt");
        // Single precision made this line 122580.01.
        QTest::newRow("eine große Zeile") << "102150*1.20@1" << 1 << "122580.00"
                                          << "23290.20"
                                          << "145870.20";
        // Net × 0.19 (held slightly below 0.19) is rounded half-up as before.
        QTest::newRow("Angebotsbeispiel") << "1*1377.50@1" << 1 << "1377.50"
                                          << "261.72"
                                          << "1639.22";
        // Lines of half cents: each is rounded before it is added.
        QTest::newRow("halbe Cent") << "3*0.335@1 1*0.125@2" << 1 << "1.14"
                                    << "0.22"
                                    << "1.36";
        // 300 lines of 1.155 EUR each, in two groups.
        QTest::newRow("300 Zeilen") << "3.3*0.35@1 1.5*0.77@2" << 150 << ""
                                    << ""
                                    << "";
        QTest::newRow("leer") << "0*5@1" << 1 << "0.00"
                              << "0.00"
                              << "0.00";
    }

    void summenGehenAuf()
    {
        QFETCH(QString, zeilen);
        QFETCH(int, wiederholen);
        QFETCH(QString, summe);
        QFETCH(QString, mwst);
        QFETCH(QString, gesamt);
        const ArtikelListe l = katalog(zeilen, wiederholen);
        const Kosten k = Kosten::materialListe(l, 0.19f);
        const QString s = Zahl::fest(k.summe, 2);
        const QString m = Zahl::fest(k.mwst, 2);
        const QString g = Zahl::fest(k.summeMwst, 2);
        if (!summe.isEmpty()) {
            QCOMPARE(s, summe);
            QCOMPARE(m, mwst);
            QCOMPARE(g, gesamt);
        }
        // What a customer adds up: the printed lines, the printed group sums, net and VAT.
        qint64 zeilenSumme = 0;
        for (int i = 0; i < l.size(); ++i)
            zeilenSumme +=
                cent(Zahl::fest(Kosten::euro(Kosten::zeilenCent(l.at(i).bedarf, l.at(i).preis)), 2));
        QCOMPARE(zeilenSumme, cent(s));
        QCOMPARE(cent(Zahl::fest(Kosten::summeBedarf(l, 1), 2)) +
                     cent(Zahl::fest(Kosten::summeBedarf(l, 2), 2)),
                 cent(s));
        QCOMPARE(cent(s) + cent(m), cent(g));
    }

    void bestellung()
    {
        // The order form rounds to whole packs and sums its lines the same way.
        ArtikelListe l = katalog(QStringLiteral("2.3*1.005@1 1*0.125@2"), 1);
        l.rundeBestellMengen();
        QCOMPARE(Zahl::fest(Kosten::summeBestellung(l, 1), 2), QStringLiteral("3.01"));
        QCOMPARE(Zahl::fest(Kosten::summeBestellung(l, 2), 2), QStringLiteral("0.13"));
        QCOMPARE(Zahl::fest(Kosten::summeBestellungGesamt(l), 2), QStringLiteral("3.14"));
    }
};

QTEST_GUILESS_MAIN(TestKosten)
#include "tst_kosten.moc"
