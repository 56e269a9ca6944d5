#include "design/plattenzusammenstellung.h"

#include <QtTest>

// The register composition dialog's rules: composed area, small and large elements, the
// register counts on offer and applying.
class TestPlattenZusammenstellung : public QObject
{
    Q_OBJECT

private slots:
    void registerAnzahlen_data()
    {
        QTest::addColumn<int>("kleine");
        QTest::addColumn<int>("grosse");
        QTest::addColumn<QList<int>>("anzahlen");
        QTest::newRow("nichts") << 0 << 0 << QList<int>{};
        QTest::newRow("4 klein") << 4 << 0 << QList<int>{1, 2, 4};
        QTest::newRow("3 klein") << 3 << 0 << QList<int>{1, 3};
        QTest::newRow("12 klein") << 12 << 0 << QList<int>{3, 4, 6, 12};
        QTest::newRow("1 klein") << 1 << 0 << QList<int>{1};
        QTest::newRow("2 klein") << 2 << 0 << QList<int>{1, 2};
        QTest::newRow("2 groß") << 0 << 2 << QList<int>{1, 2};
        QTest::newRow("3 groß") << 0 << 3 << QList<int>{3};
        QTest::newRow("1 groß") << 0 << 1 << QList<int>{1};
        QTest::newRow("2 groß 2 klein") << 2 << 2 << QList<int>{2, 3};
        QTest::newRow("1 groß 2 klein") << 2 << 1 << QList<int>{1, 2};
        QTest::newRow("1 groß 3 klein") << 3 << 1 << QList<int>{};
        QTest::newRow("1 groß 1 klein") << 1 << 1 << QList<int>{1};
        QTest::newRow("2 groß 8 klein") << 8 << 2 << QList<int>{3, 4, 6};
        QTest::newRow("3 groß 6 klein") << 6 << 3 << QList<int>{3, 4, 6};
        QTest::newRow("3 groß 2 klein") << 2 << 3 << QList<int>{2, 4};
    }
    void registerAnzahlen()
    {
        QFETCH(int, kleine);
        QFETCH(int, grosse);
        QFETCH(QList<int>, anzahlen);
        QCOMPARE(PlattenZusammenstellung::moeglicheRegisterAnzahlen(kleine, grosse), anzahlen);
    }

    void zusammenstellung_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("anzahlen");
        QTest::addColumn<double>("flaeche");
        QTest::addColumn<int>("kleine");
        QTest::addColumn<int>("grosse");
        QTest::addColumn<QList<int>>("registerListe");
        QTest::newRow("RI-10 1-1") << 1 << QList<int>{1, 1} << 2.5 << 0 << 2 << QList<int>{1, 2};
        QTest::newRow("RI-10 3-0") << 1 << QList<int>{3, 0} << 3.75 << 0 << 3 << QList<int>{3};
        // Systems other than 3 show the RI-10 types.
        QTest::newRow("DID-10 1-1") << 2 << QList<int>{1, 1} << 2.5 << 0 << 2 << QList<int>{1, 2};
        QTest::newRow("RU-10 2-0-0") << 3 << QList<int>{2, 0, 0} << 2.5 << 0 << 2 << QList<int>{1, 2};
        QTest::newRow("RU-10 2-1-1") << 3 << QList<int>{2, 1, 1} << 3.74 << 2 << 2 << QList<int>{2, 3};
        QTest::newRow("RU-10 0-4-0") << 3 << QList<int>{0, 4, 0} << 2.48 << 4 << 0 << QList<int>{1, 2, 4};
        QTest::newRow("RU-10 1-3-0") << 3 << QList<int>{1, 3, 0} << 3.11 << 3 << 1 << QList<int>{};
    }
    void zusammenstellung()
    {
        QFETCH(int, system);
        QFETCH(QList<int>, anzahlen);
        QFETCH(double, flaeche);
        QFETCH(int, kleine);
        QFETCH(int, grosse);
        QFETCH(QList<int>, registerListe);
        // Counted in the table from an empty surface.
        PlattenZusammenstellung p(system, {}, 0.0, 0);
        for (int i = 0; i < anzahlen.size(); ++i)
            p.setAnzahl(i, anzahlen.at(i));
        QCOMPARE(p.anzahlen(), anzahlen);
        QCOMPARE(static_cast<float>(p.flaeche()), static_cast<float>(flaeche));
        QCOMPARE(p.kleine(), kleine);
        QCOMPARE(p.grosse(), grosse);
        QCOMPARE(p.registerAnzahlen(), registerListe);
        QCOMPARE(p.auswahl(), registerListe.isEmpty() ? -1 : 0);
    }

    void vorauswahl_data()
    {
        QTest::addColumn<int>("registerAnzahl");
        QTest::addColumn<int>("auswahl");
        QTest::newRow("3 ist dabei") << 3 << 1;
        QTest::newRow("2 ist dabei") << 2 << 0;
        QTest::newRow("5 fehlt") << 5 << 0;
    }
    void vorauswahl()
    {
        QFETCH(int, registerAnzahl);
        QFETCH(int, auswahl);
        PlattenZusammenstellung p(3, {2, 1, 1}, 4.0, registerAnzahl);
        QCOMPARE(p.auswahl(), auswahl);
        // A changed count refills the choice and selects its first entry.
        p.setAnzahl(0, 1);
        QCOMPARE(p.registerAnzahlen(), (QList<int>{1, 2}));
        QCOMPARE(p.auswahl(), 0);
    }

    void sollFelder_data()
    {
        QTest::addColumn<QList<int>>("anzahlen");
        QTest::addColumn<double>("soll");
        QTest::addColumn<bool>("verborgen");
        QTest::newRow("neue Fläche") << QList<int>{0, 0} << 3.0 << false;
        QTest::newRow("nichts nötig") << QList<int>{0, 0} << 0.0 << true;
        QTest::newRow("mit Zusammenstellung") << QList<int>{0, 1} << 3.0 << true;
    }
    void sollFelder()
    {
        QFETCH(QList<int>, anzahlen);
        QFETCH(double, soll);
        QFETCH(bool, verborgen);
        PlattenZusammenstellung p(1, anzahlen, soll, 0);
        QCOMPARE(p.sollVerborgen(), verborgen);
        // The rule belongs to the opening: counting later does not show or hide the fields.
        p.setAnzahl(1, 0);
        p.setAnzahl(0, 2);
        QCOMPARE(p.sollVerborgen(), verborgen);
    }

    void differenz_data()
    {
        QTest::addColumn<double>("soll");
        QTest::addColumn<bool>("rot");
        QTest::newRow("0.004 zu wenig") << 2.504 << false;
        QTest::newRow("0.006 zu wenig") << 2.506 << true;
        QTest::newRow("mehr") << 2.0 << false;
    }
    void differenz()
    {
        QFETCH(double, soll);
        QFETCH(bool, rot);
        PlattenZusammenstellung p(1, {}, soll, 0);
        p.setAnzahl(0, 2);
        QCOMPARE(p.differenzRot(), rot);
    }

    void anwenden()
    {
        PlattenZusammenstellung p(3, {1, 3, 0}, 3.0, 0);
        PlattenZusammenstellung::Ergebnis e = p.anwenden();
        QVERIFY(!e.angenommen);
        QCOMPARE(e.meldung, QStringLiteral("Die gewählte Registerzusammenstellung ist nicht erlaubt,\nda die "
                                           "Differenz der Registerflächen zu gross ist!"));

        // All counts 0: area 0 and no registers, without a message.
        p.setAnzahl(0, 0);
        p.setAnzahl(1, 0);
        e = p.anwenden();
        QVERIFY(e.angenommen);
        QVERIFY(e.meldung.isEmpty());
        QCOMPARE(e.flaeche, 0.0);
        QCOMPARE(e.registerAnzahl, 0);

        p.setAnzahl(0, 2);
        p.setAnzahl(2, 2);
        p.setAuswahl(1);
        e = p.anwenden();
        QVERIFY(e.angenommen);
        QCOMPARE(e.registerAnzahl, 3);
        QCOMPARE(e.anzahlen, (QList<int>{2, 0, 2}));
        QCOMPARE(static_cast<float>(e.flaeche), 3.74f);
    }

    void grenzen()
    {
        PlattenZusammenstellung p(3, {40, -2}, 1.0, 0);
        QCOMPARE(p.anzahlen(), (QList<int>{30, 0, 0}));
        p.setAnzahl(3, 5); // no such type
        p.setAnzahl(1, 31);
        QCOMPARE(p.anzahlen(), (QList<int>{30, 30, 0}));
    }

    void tabelle()
    {
        PlattenZusammenstellung ri(1, {2, 0}, 0.0, 0);
        QCOMPARE(ri.titel(), QStringLiteral("RI-10 Fertigregister"));
        QCOMPARE(ri.erklaerung(),
                 QStringLiteral("Stellen Sie hier die benötigten RI-10 Fertigregister zusammen"));
        QCOMPARE(ri.zeilen(), 2);
        QCOMPARE(ri.spaltenKoepfe().at(5), QStringLiteral("Teilkreis-\nRohrlänge (m)"));
        const QStringList zeile{QStringLiteral("150031"), QStringLiteral("0"),    QStringLiteral("1400"),
                                QStringLiteral("850"),    QStringLiteral("1.25"), QStringLiteral("17")};
        for (int s = 0; s < PlattenZusammenstellung::spalten; ++s) {
            QCOMPARE(ri.text(1, s), zeile.at(s));
            QCOMPARE(PlattenZusammenstellung::editierbar(s), s == 1);
        }

        PlattenZusammenstellung ru(3, {}, 0.0, 0);
        QCOMPARE(ru.titel(), QStringLiteral("RU-10 Fertigregister"));
        QCOMPARE(ru.zeilen(), 3);
        QCOMPARE(ru.spaltenKoepfe(),
                 (QStringList{QStringLiteral("ArtNr"), QStringLiteral("Anzahl"),
                              QStringLiteral("Breite (mm)"), QStringLiteral("Höhe (mm)"),
                              QStringLiteral("Heizfläche (m²)"), QStringLiteral("Registerhöhe (mm)")}));
        QCOMPARE(ru.text(2, 0), QStringLiteral("150152"));
        QCOMPARE(ru.text(2, 4), QStringLiteral("0.62"));
        QCOMPARE(ru.text(2, 5), QStringLiteral("800"));
    }
};

QTEST_GUILESS_MAIN(TestPlattenZusammenstellung)
#include "tst_plattenzusammenstellung.moc"
