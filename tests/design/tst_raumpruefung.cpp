#include "design/raumpruefung.h"
#include "model/etagedata.h"
#include "model/raumdata.h"

#include <QtTest>

// The plausibility checks of a room and their messages.
class TestRaumPruefung : public QObject
{
    Q_OBJECT

private:
    // Surfaces written as "area/registers/circuit", a trailing "/d" for a direct surface.
    static QList<Heizflaeche> flaechen(const QString& text)
    {
        QList<Heizflaeche> r;
        for (const QString& teil : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList f = teil.split(QLatin1Char('/'));
            Heizflaeche h;
            h.flaeche = f.value(0).toDouble();
            h.anzahlRegister = f.value(1).toInt();
            h.heizkreis = f.value(2).toInt();
            h.direkt = f.value(3) == QLatin1String("d");
            r.append(h);
        }
        return r;
    }

private slots:
    void pruefe_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<float>("bedarf");
        QTest::addColumn<float>("differenz");
        QTest::addColumn<float>("flaecheWH");
        QTest::addColumn<QString>("flaechen");
        QTest::addColumn<QList<int>>("zusammenstellung");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("flaeche");
        const QList<int> ohne;

        QTest::newRow("leer") << 0 << 0.f << 0.f << 0.f << "" << ohne << 0 << -1;
        // A tenth of the demand may be missing.
        QTest::newRow("Differenz -100 von 1000") << 0 << 1000.f << -100.f << 0.f << "" << ohne << 0 << -1;
        QTest::newRow("Differenz -100.5") << 0 << 1000.f << -100.5f << 0.f << "" << ohne << 6 << -1;
        // The difference is checked before anything else.
        QTest::newRow("Differenz vor Abdeckung") << 0 << 1000.f << -200.f << 10.f << "" << ohne << 6 << -1;

        QTest::newRow("Abdeckung 9.5 von 10")
            << 0 << 0.f << 0.f << 10.f << "5/2/0 4.5/2/1" << ohne << 0 << -1;
        QTest::newRow("Abdeckung 9.49 von 10")
            << 0 << 0.f << 0.f << 10.f << "5/2/0 4.49/2/0" << ohne << 1 << -1;
        QTest::newRow("mehr als nötig") << 0 << 0.f << 0.f << 10.f << "7/3/0 7/3/1" << ohne << 0 << -1;
        QTest::newRow("ohne Flächen") << 0 << 0.f << 0.f << 0.1f << "" << ohne << 1 << -1;
        // Direct surfaces count towards the coverage.
        QTest::newRow("direkte zählen mit")
            << 0 << 0.f << 0.f << 5.f << "2.5/1/0 2.5/1/0/d" << ohne << 0 << -1;

        QTest::newRow("direkt 3.0 RI-10") << 0 << 0.f << 0.f << 0.f << "3/1/0/d" << ohne << 0 << -1;
        QTest::newRow("direkt 3.0 DID-10") << 2 << 0.f << 0.f << 0.f << "1/1/0 3/1/0/d" << ohne << 5 << 1;
        // A direct surface is compared as it is; a mean register size rounded to float first.
        QTest::newRow("direkt knapp über")
            << 2 << 0.f << 0.f << 0.f << "2.5000000001/1/0/d" << ohne << 5 << 0;
        QTest::newRow("Register knapp über")
            << 2 << 0.f << 0.f << 0.f << "2.5000000001/1/0" << ohne << 0 << -1;

        for (int s = 0; s < 4; ++s) {
            const QList<int> z = s == 1 ? QList<int>{4, 4} : (s == 3 ? QList<int>{8, 0, 0} : ohne);
            QTest::addRow("10 m² 4 Register, System %d", s)
                << s << 0.f << 0.f << 10.f << "10/4/0" << z << 0 << -1;
            QTest::addRow("10 m² 3 Register, System %d", s)
                << s << 0.f << 0.f << 10.f << "10/3/0" << z << 7 << 0;
        }
        QTest::newRow("0 Register zählt als 1") << 0 << 0.f << 0.f << 0.f << "3/0/0" << ohne << 0 << -1;
        QTest::newRow("0 Register, 3.1 m²") << 0 << 0.f << 0.f << 0.f << "3.1/0/0" << ohne << 7 << 0;
        // Surfaces in table order: the register size of the first before the size of the second.
        QTest::newRow("Reihenfolge Flächen") << 0 << 0.f << 0.f << 0.f << "4/1/0 10.5/5/1" << ohne << 7 << 0;
        QTest::newRow("Fläche über 10") << 0 << 0.f << 0.f << 0.f << "2/1/0 10.5/5/1" << ohne << 2 << 1;

        QTest::newRow("Kreis 12 m²") << 0 << 0.f << 0.f << 0.f << "6/2/0 6/2/0" << ohne << 3 << -1;
        QTest::newRow("Kreis 10 m²") << 0 << 0.f << 0.f << 0.f << "6/2/0 4/2/0" << ohne << 4 << -1;
        QTest::newRow("Kreis 10 m² gleich") << 0 << 0.f << 0.f << 0.f << "6/3/0 4/2/0" << ohne << 0 << -1;
        QTest::newRow("direkte zählen nicht im Kreis")
            << 0 << 0.f << 0.f << 0.f << "6/3/0 2.5/1/0/d 4/2/0" << ohne << 0 << -1;
        QTest::newRow("Spreizung 0.25") << 0 << 0.f << 0.f << 0.f << "5/2/0 4.5/2/0" << ohne << 4 << -1;
        QTest::newRow("Spreizung 0.2") << 0 << 0.f << 0.f << 0.f << "4.4/2/0 4/2/0" << ohne << 0 << -1;
        // Circuits in order, and within one circuit its area before its spread.
        QTest::newRow("Kreis 0 Spreizung vor Kreis 1 Fläche")
            << 0 << 0.f << 0.f << 0.f << "5/2/0 4.5/2/0 6/2/1 6/2/1" << ohne << 4 << -1;
        QTest::newRow("Fläche vor Spreizung") << 0 << 0.f << 0.f << 0.f << "6/2/0 5/2/0" << ohne << 3 << -1;
        // A circuit number beyond the last circuit counts in the last one.
        QTest::newRow("Kreis 21 zählt als 15")
            << 0 << 0.f << 0.f << 0.f << "6/2/14 6/2/20" << ohne << 3 << -1;

        // Compositions come before the coverage.
        QTest::newRow("RU-10 zweite Fläche 0-0-0")
            << 3 << 0.f << 0.f << 20.f << "2.5/2/0 1.25/1/1" << QList<int>{2, 0, 0, 0, 0, 0} << 9 << 1;
        QTest::newRow("RI-10 Register Liste zu kurz")
            << 1 << 0.f << 0.f << 0.f << "2.5/1/0 2.5/1/1" << QList<int>{1, 1, 2} << 8 << 1;
        QTest::newRow("RI-10 Register vollständig")
            << 1 << 0.f << 0.f << 0.f << "2.5/1/0 2.5/1/1" << QList<int>{1, 1, 0, 2} << 0 << -1;
        // Other systems never need one.
        QTest::newRow("DID-10 ohne Zusammenstellung") << 2 << 0.f << 0.f << 0.f << "2/1/0" << ohne << 0 << -1;
    }
    void pruefe()
    {
        QFETCH(int, system);
        QFETCH(float, bedarf);
        QFETCH(float, differenz);
        QFETCH(float, flaecheWH);
        QFETCH(QString, flaechen);
        QFETCH(QList<int>, zusammenstellung);
        QFETCH(int, code);
        QFETCH(int, flaeche);
        RaumData raum(nullptr);
        raum.systemIndex = system;
        raum.waermebedarf = bedarf;
        raum.differenz = differenz;
        raum.flaecheWH = flaecheWH;
        raum.heizflaechen = this->flaechen(flaechen);
        raum.zusammenstellung = zusammenstellung;
        const RaumPruefung::Ergebnis e = RaumPruefung::pruefe(raum);
        QCOMPARE(e.code, code);
        if (flaeche >= 0)
            QCOMPARE(e.flaeche, flaeche);
    }

    void meldung_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("flaeche");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 0 << 1 << -1
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie Differenz errechnete(erwünschte) Heizfläche\n"
                                  "zur Summe eingegebenen Heizflächen\nist ausserhalb der Toleranz "
                                  "von 5%.\nEingaben bitte überprüfen!");
        QTest::newRow("2") << 2 << 2 << 1
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie maximale Heizflächengrösse von 10 m²\nist für "
                                  "die Heizfläche Nr. 2 überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("3") << 0 << 3 << -1
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie maximale Heizflächengrösse von 10 m²\nfür "
                                  "einen Tichelmannkreis überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("4") << 0 << 4 << -1
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie maximal erlaubte Differenz, von 0.21 m²,\nder "
                                  "mittlere Registergrösse für die Flächen\neines Tichelmannkreises "
                                  "überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("5 RI-10") << 0 << 5 << 0
                                 << QStringLiteral(
                                        "Raum   Bad(EG):\nDie maximale Heizflächengrösse von 3 m² für "
                                        "eine,\ndirekt an HKV angeschlossen Heizfläche,\nist für die "
                                        "Fläche Nr. 1 überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("5 DID-10") << 2 << 5 << 2
                                  << QStringLiteral(
                                         "Raum   Bad(EG):\nDie maximale Heizflächengrösse von 2.5 m² "
                                         "für eine,\ndirekt an HKV angeschlossen Heizfläche,\nist für "
                                         "die Fläche Nr. 3 überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("6") << 0 << 6 << -1
                           << QStringLiteral(
                                  "Raum   Bad (EG):\nDie errechnete Differenz(W) laut Ihrer Eingabe\nist "
                                  "zu gross (erlaubt ist max. 10% des Wärmebedarfs)\nEingaben bitte "
                                  "überprüfen!");
        QTest::newRow("7 RU-10") << 3 << 7 << 0
                                 << QStringLiteral(
                                        "Raum   Bad(EG):\nDie maximale Registergrösse von 2.5 m² ist "
                                        "überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("7 RI-10") << 0 << 7 << 0
                                 << QStringLiteral(
                                        "Raum   Bad(EG):\nDie maximale Registergrösse von 3 m² ist "
                                        "überschritten.\nEingaben bitte überprüfen!");
        QTest::newRow("8") << 1 << 8 << 3
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie Zusammenstellung (RI-10 Fertigregister) ist\nfür "
                                  "die Heizfläche Nr. 4 nicht vorhanden.");
        QTest::newRow("9") << 3 << 9 << 1
                           << QStringLiteral(
                                  "Raum   Bad(EG):\nDie Zusammenstellung (RU-10 Fertigregister) ist\nfür "
                                  "die Heizfläche Nr. 2 nicht vorhanden.");
    }
    void meldung()
    {
        QFETCH(int, system);
        QFETCH(int, code);
        QFETCH(int, flaeche);
        QFETCH(QString, text);
        EtageData etage(nullptr);
        etage.name = QStringLiteral("EG");
        RaumData raum(&etage);
        raum.name = QStringLiteral("Bad");
        raum.systemIndex = system;
        QCOMPARE(RaumPruefung::meldung(raum, {code, flaeche}), text);
    }

    void meldungOhneEtage()
    {
        RaumData raum(nullptr);
        raum.name = QStringLiteral("Bad %2 50%");
        // Names are inserted as typed; without a floor its part stays empty.
        QCOMPARE(RaumPruefung::meldung(raum, {6, -1}).section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Raum   Bad %2 50% ():"));
        QCOMPARE(RaumPruefung::meldung(raum, {1, -1}).section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Raum   Bad %2 50%():"));
        QVERIFY(RaumPruefung::meldung(raum, {0, -1}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRaumPruefung)
#include "tst_raumpruefung.moc"
