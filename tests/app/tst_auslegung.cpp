#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"

#include <QtTest>

class TestAuslegung : public QObject
{
    Q_OBJECT

private slots:
    void waermeabgabe_data();
    void waermeabgabe();
    void anzahlRegister_data();
    void anzahlRegister();
    void kreisFaktor_data();
    void kreisFaktor();
    void tabellen();
    void gebaeudeStandards();
    void zahlformen_data();
    void zahlformen();
    void zahlLesen_data();
    void zahlLesen();
};

void TestAuslegung::waermeabgabe_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<float>("vorlauf");
    QTest::addColumn<float>("raum");
    QTest::addColumn<float>("erwartet");
    // Values at the breakpoints; a bound belongs to the lower piece.
    QTest::newRow("RI-10 d=10") << 0 << 30.f << 20.f << 57.f;
    QTest::newRow("RI-10 d=15") << 0 << 35.f << 20.f << 90.f;
    QTest::newRow("RI-10 d=20") << 1 << 40.f << 20.f << 125.f;
    QTest::newRow("RI-10 d=25") << 0 << 45.f << 20.f << 162.f;
    QTest::newRow("RI-10 d=30") << 0 << 50.f << 20.f << 200.f;
    QTest::newRow("DID-10 d=10") << 2 << 30.f << 20.f << 52.f;
    QTest::newRow("DID-10 d=15") << 2 << 35.f << 20.f << 80.f;
    QTest::newRow("DID-10 d=20") << 2 << 40.f << 20.f << 110.f;
    QTest::newRow("DID-10 d=25") << 2 << 45.f << 20.f << 142.f;
    QTest::newRow("RU-10 d=10") << 3 << 30.f << 20.f << 45.f;
    QTest::newRow("RU-10 d=20") << 3 << 40.f << 20.f << 95.f;
    QTest::newRow("RU-10 d=25") << 3 << 45.f << 20.f << 122.f;
    QTest::newRow("unknown index as RU-10") << 7 << 45.f << 20.f << 122.f;
    QTest::newRow("negative d") << 0 << 15.f << 20.f << -28.5f;
}

void TestAuslegung::waermeabgabe()
{
    QFETCH(int, system);
    QFETCH(float, vorlauf);
    QFETCH(float, raum);
    QFETCH(float, erwartet);
    QCOMPARE(Auslegung::WaermeabgabeProM2(system, vorlauf, raum), erwartet);
}

void TestAuslegung::anzahlRegister_data()
{
    QTest::addColumn<float>("flaeche");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("10 RI-10") << 10.f << 0 << 4;
    QTest::newRow("10 DID-10") << 10.f << 2 << 4;
    QTest::newRow("2.6 RI-10 Register") << 2.6f << 1 << 2;
    QTest::newRow("3.0 RI-10") << 3.0f << 0 << 1;
    QTest::newRow("3.4 RI-10") << 3.4f << 0 << 2;
    QTest::newRow("0") << 0.f << 0 << 0;
}

void TestAuslegung::anzahlRegister()
{
    QFETCH(float, flaeche);
    QFETCH(int, system);
    QFETCH(int, erwartet);
    QCOMPARE(Auslegung::AnzahlRegister(flaeche, system), erwartet);
}

void TestAuslegung::kreisFaktor_data()
{
    QTest::addColumn<float>("flaeche");
    QTest::addColumn<int>("system");
    QTest::addColumn<float>("vorlauf");
    QTest::addColumn<float>("erwartet");
    QTest::newRow("6 m² RI-10 Register 35") << 6.f << 1 << 35.f << 78.f;
    QTest::newRow("bound belongs to lower band") << 6.f << 1 << 37.5f << 78.f;
    QTest::newRow("RI-10 32.5") << 1.f << 0 << 32.5f << 9.f;
    QTest::newRow("RI-10 45") << 1.f << 0 << 45.f << 18.f;
    QTest::newRow("DID-10 30") << 1.f << 2 << 30.f << 8.f;
    QTest::newRow("DID-10 36") << 1.f << 2 << 36.f << 12.f;
    QTest::newRow("DID-10 40") << 1.f << 2 << 40.f << 16.f;
    QTest::newRow("RU-10 30") << 2.f << 3 << 30.f << 14.f;
    QTest::newRow("RU-10 35") << 2.f << 3 << 35.f << 20.f;
    QTest::newRow("RU-10 50") << 2.f << 3 << 50.f << 28.f;
}

void TestAuslegung::kreisFaktor()
{
    QFETCH(float, flaeche);
    QFETCH(int, system);
    QFETCH(float, vorlauf);
    QFETCH(float, erwartet);
    QCOMPARE(Auslegung::KreisFaktor(flaeche, system, vorlauf), erwartet);
}

void TestAuslegung::tabellen()
{
    QCOMPARE(Kataloge::raumTypen().size(), 8);
    QVERIFY(!Kataloge::raumTypen().contains(QStringLiteral("$")));
    QCOMPARE(Kataloge::raumTypen().at(4), QStringLiteral("Diele/Flur"));
    QCOMPARE(Kataloge::raumTemperatur(4), 15.f);
    QCOMPARE(Kataloge::raumTemperatur(0), 24.f);
    for (int i : {1, 2, 3, 5, 6, 7})
        QCOMPARE(Kataloge::raumTemperatur(i), 20.f);
    QCOMPARE(Kataloge::systeme(), QStringList({"RI-10", "RI-10 Register", "DID-10", "RU-10 Register"}));
    QCOMPARE(Kataloge::einheiten(), QStringList({" ", "m", "m²", "Stück", "kg"}));
    QCOMPARE(Kataloge::name(Kataloge::systeme(), 4), QString());
    QCOMPARE(Kataloge::name(Kataloge::systeme(), -1), QString());
}

void TestAuslegung::gebaeudeStandards()
{
    QCOMPARE(Kataloge::gebaeudeStandards().size(), 4);
    QCOMPARE(Kataloge::vorschlagWB(3), 15.f);
    QCOMPARE(Kataloge::untergrenzeWB(3), 5.f);
    QCOMPARE(Kataloge::vorschlagWB(0), 80.f);
    QCOMPARE(Kataloge::untergrenzeWB(2), 16.f);
    QCOMPARE(Zahl::kurz(Kataloge::vorschlagWB(0)), QStringLiteral("80"));
}

void TestAuslegung::zahlformen_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("kurz");
    QTest::addColumn<QString>("fest2");
    QTest::newRow("1.5") << 1.5 << "1.5"
                         << "1.50";
    QTest::newRow("20") << 20.0 << "20"
                        << "20.00";
    QTest::newRow("1/3") << 1.0 / 3.0 << "0.333333"
                         << "0.33";
    QTest::newRow("large") << 1234567.0 << "1.23457e+06"
                           << "1234567.00";
    QTest::newRow("float 0.1") << double(0.1f) << "0.1"
                               << "0.10";
    QTest::newRow("negative") << -50.0 << "-50"
                              << "-50.00";
}

void TestAuslegung::zahlformen()
{
    QFETCH(double, x);
    QFETCH(QString, kurz);
    QFETCH(QString, fest2);
    QCOMPARE(Zahl::kurz(x), kurz);
    QCOMPARE(Zahl::fest(x, 2), fest2);
}

void TestAuslegung::zahlLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("point") << "12.5" << 12.5;
    QTest::newRow("comma is no number") << "12,5" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("garbage") << "abc" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("blanks") << " 7 " << 7.0;
}

void TestAuslegung::zahlLesen()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(Zahl::toDouble(text), wert);
    QCOMPARE(Zahl::toFloat(text), float(wert));
}

QTEST_GUILESS_MAIN(TestAuslegung)
#include "tst_auslegung.moc"
