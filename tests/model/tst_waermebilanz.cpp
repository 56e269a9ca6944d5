#include "app/auslegung.h"
#include "model/raumdata.h"
#include "model/waermebilanz.h"

#include <QtTest>

// The room page's heat balance, on the single-precision functions the page runs: demand, wall
// area, output and difference.
class TestWaermebilanz : public QObject
{
    Q_OBJECT

private:
    // The page's chain after a typed area and specific demand.
    struct Kette
    {
        float bedarf, flaecheWH, abgabe, differenz;
    };
    static Kette kette(float q, float flaeche, float proM2, float fbh)
    {
        Kette k;
        k.bedarf = Waermebilanz::waermebedarf(flaeche, proM2);
        k.flaecheWH = Waermebilanz::flaecheWH(q, k.bedarf, fbh);
        k.abgabe = Waermebilanz::waermeabgabe(q, k.flaecheWH, fbh);
        k.differenz = Waermebilanz::differenz(k.abgabe, k.bedarf);
        return k;
    }

private slots:
    void beispiel_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<float>("vorlauf");
        QTest::addColumn<float>("raumTemperatur");
        QTest::addColumn<float>("fbh");
        QTest::addColumn<float>("flaecheWH");
        QTest::addColumn<float>("abgabe");
        QTest::addColumn<float>("differenz");
        QTest::addColumn<bool>("rot");
        // q = 162 W/m²; 1200 / 162 = 7.407 is rounded up to 7.5.
        QTest::newRow("ohne FBH") << 0 << 45.0f << 20.0f << 0.0f << 7.5f << 1215.0f << 15.0f << false;
        // (1200 − 88 · 5) / 162 = 4.69 → 4.7; output 761.4 + 440 and the difference in single
        // precision, as the page shows them.
        QTest::newRow("5 m² FBH") << 0 << 45.0f << 20.0f << 5.0f << 4.7f << 1201.3999023f << 1.3999023f
                                  << false;
        // The floor heating covers the demand: no wall area, never a negative difference.
        QTest::newRow("FBH deckt") << 0 << 45.0f << 20.0f << 15.0f << 0.0f << 1320.0f << 120.0f << false;
        // DID-10 at d = 20 gives exactly 110 W/m²: 1200 / 110 = 10.9 → 11.
        QTest::newRow("DID-10") << 2 << 40.0f << 20.0f << 0.0f << 11.0f << 1210.0f << 10.0f << false;
        // A flow not above the room temperature gives no output: no wall area, the whole
        // demand as a red shortfall, nothing non-finite.
        QTest::newRow("gleich warm") << 0 << 20.0f << 20.0f << 0.0f << 0.0f << 0.0f << -1200.0f << true;
        QTest::newRow("kälter, FBH deckt")
            << 0 << 15.0f << 20.0f << 20.0f << 0.0f << 1760.0f << 560.0f << false;
    }
    void beispiel()
    {
        QFETCH(int, system);
        QFETCH(float, vorlauf);
        QFETCH(float, raumTemperatur);
        QFETCH(float, fbh);
        QFETCH(float, flaecheWH);
        QFETCH(float, abgabe);
        QFETCH(float, differenz);
        QFETCH(bool, rot);
        const float q = Auslegung::WaermeabgabeProM2(system, vorlauf, raumTemperatur);
        const Kette k = kette(q, 20.0f, 60.0f, fbh);
        QCOMPARE(k.bedarf, 1200.0f);
        QCOMPARE(k.flaecheWH, flaecheWH);
        QCOMPARE(k.abgabe, abgabe);
        QCOMPARE(k.differenz, differenz);
        QCOMPARE(Waermebilanz::istRot(k.differenz), rot);
    }

    void aufrunden_data()
    {
        QTest::addColumn<float>("bedarf");
        QTest::addColumn<float>("flaecheWH");
        QTest::newRow("7.40 bleibt") << 814.0f << 7.4f;
        QTest::newRow("7.41 wird 7.5") << 815.1f << 7.5f;
        QTest::newRow("knapp über 0") << 1.0f << 0.1f;
        QTest::newRow("kein Bedarf") << 0.0f << 0.0f;
    }
    void aufrunden()
    {
        QFETCH(float, bedarf);
        QFETCH(float, flaecheWH);
        const float q = Auslegung::WaermeabgabeProM2(2, 40.0f, 20.0f);
        QCOMPARE(q, 110.0f);
        QCOMPARE(Waermebilanz::flaecheWH(q, bedarf, 0.0f), flaecheWH);
    }

    void proM2_data()
    {
        QTest::addColumn<float>("flaeche");
        QTest::addColumn<float>("proM2");
        QTest::newRow("25 m²") << 25.0f << 60.0f;
        QTest::newRow("1 m²") << 1.0f << 0.0f;
        QTest::newRow("0 m²") << 0.0f << 0.0f;
        QTest::newRow("1.01 m²") << 1.01f << 1500.0f / 1.01f;
    }
    void proM2()
    {
        QFETCH(float, flaeche);
        QFETCH(float, proM2);
        QCOMPARE(Waermebilanz::waermebedarfProM2(1500.0f, flaeche), proM2);
    }

    void rotGruen_data()
    {
        QTest::addColumn<double>("differenz");
        QTest::addColumn<bool>("rot");
        QTest::newRow("-0.004") << -0.004 << false;
        QTest::newRow("-0.005") << -0.005 << false;
        QTest::newRow("-0.006") << -0.006 << true;
        QTest::newRow("0") << 0.0 << false;
    }
    void rotGruen()
    {
        QFETCH(double, differenz);
        QFETCH(bool, rot);
        QCOMPARE(Waermebilanz::istRot(differenz), rot);
    }

    void gespeicherterRaum()
    {
        // A stored room is recomputed with the same functions the page runs.
        RaumData raum(nullptr);
        raum.waermebedarf = 1200.0f;
        raum.flaecheFBH = 5.0f;
        raum.berechneWaermebilanz();
        const float q = Auslegung::WaermeabgabeProM2(0, 45.0f, 20.0f);
        const Kette k = kette(q, 20.0f, 60.0f, 5.0f);
        QCOMPARE(raum.flaecheWH, k.flaecheWH);
        QCOMPARE(raum.differenz, k.differenz);
    }
};

QTEST_GUILESS_MAIN(TestWaermebilanz)
#include "tst_waermebilanz.moc"
