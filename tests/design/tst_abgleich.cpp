#include "design/abgleich.h"
#include "design/rohrabschnitt.h"
#include "model/etagedata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"
#include "model/ventiltabelle.h"
#include "testumgebung.h"

#include <QTest>

#include <cmath>

namespace {

struct F
{
    double flaeche;
    int anzahlRegister;
    double entfernung;
    int heizkreis; // -1: direct
};

// A room's surfaces and floor heating as a test row holds them.
struct Raumangabe
{
    QList<F> flaechen;
    float fbh = 0.0f;
    bool fbhDirekt = false;
};

} // namespace

Q_DECLARE_METATYPE(Raumangabe)

// The hydraulic balancing: water values, the pipe section, how a room's outlets are formed,
// the valve presetting of a manifold, and the floors and pump of a whole project.
class TestAbgleich : public QObject
{
    Q_OBJECT

    static Raumangabe angabe(const QList<F>& flaechen, float fbh = 0.0f, bool fbhDirekt = false)
    {
        return {flaechen, fbh, fbhDirekt};
    }

    static RaumData raum(const Raumangabe& angabe)
    {
        RaumData r(nullptr);
        r.name = QStringLiteral("Bad");
        for (const F& f : angabe.flaechen) {
            Heizflaeche h;
            h.flaeche = f.flaeche;
            h.anzahlRegister = f.anzahlRegister;
            h.entfernung = f.entfernung;
            h.direkt = f.heizkreis < 0;
            h.heizkreis = std::max(0, f.heizkreis);
            r.heizflaechen << h;
        }
        r.flaecheFBH = angabe.fbh;
        r.fbhDirekt = angabe.fbhDirekt;
        return r;
    }

    static VentilTabelle beispielTabelle()
    {
        VentilTabelle t;
        t.lies(QStringLiteral("Ventil\tTest\n1\t0.05\n2\t0.09\n3\t0.15\n4\t0.24\n5\t0.36\n6\t0.52\n7\t0.75\n"
                              "8\t1.05\n9\t1.50\n"));
        return t;
    }

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }

    void wasser_data()
    {
        QTest::addColumn<double>("temperatur");
        QTest::addColumn<double>("dichte");
        QTest::addColumn<double>("viskositaet"); // 10⁻⁶ m²/s
        QTest::newRow("45 °C") << 45.0 << 990.18 << 0.6005;
        QTest::newRow("20 °C") << 20.0 << 998.02 << 1.0100;
        QTest::newRow("unter 10 °C wie 10 °C") << 4.0 << 999.63 << 1.3097;
        QTest::newRow("über 90 °C wie 90 °C") << 95.0 << 965.40 << 0.3057;
        QTest::newRow("NaN wie 45 °C") << std::nan("") << 990.18 << 0.6005;
    }
    void wasser()
    {
        QFETCH(double, temperatur);
        QFETCH(double, dichte);
        QFETCH(double, viskositaet);
        const Wasser w = Wasser::bei(temperatur);
        QCOMPARE(std::round(w.dichte * 100.0) / 100.0, dichte);
        QCOMPARE(std::round(w.viskositaet * 1e10) / 1e4, viskositaet);
    }

    void abschnitt_data()
    {
        QTest::addColumn<double>("leistung"); // W at 5 K and 45 °C
        QTest::addColumn<double>("durchmesser");
        QTest::addColumn<double>("laenge");
        QTest::addColumn<double>("zeta");
        QTest::addColumn<double>("geschwindigkeit");
        QTest::addColumn<double>("rohr");   // mbar
        QTest::addColumn<double>("einzel"); // mbar
        QTest::addColumn<bool>("laminar");
        QTest::newRow("300 W in 10x1.3: 2.99 mbar/m")
            << 300.0 << RohrAbschnitt::d10 << 1.0 << 0.0 << 0.3365 << 2.99 << 0.0 << false;
        QTest::newRow("50 W laminar")
            << 50.0 << RohrAbschnitt::d10 << 1.0 << 0.0 << 0.0561 << 0.19 << 0.0 << true;
        QTest::newRow("Einzelwiderstände")
            << 300.0 << RohrAbschnitt::d10 << 0.0 << 4.0 << 0.3365 << 0.0 << 2.24 << false;
        QTest::newRow("Zuleitung 16x2")
            << 1620.0 << RohrAbschnitt::d16 << 36.0 << 4.0 << 0.6910 << 207.01 << 9.46 << false;
        QTest::newRow("kein Durchfluss")
            << 0.0 << RohrAbschnitt::d10 << 10.0 << 4.0 << 0.0 << 0.0 << 0.0 << false;
    }
    void abschnitt()
    {
        QFETCH(double, leistung);
        QFETCH(double, durchmesser);
        QFETCH(double, laenge);
        QFETCH(double, zeta);
        QFETCH(double, geschwindigkeit);
        QFETCH(double, rohr);
        QFETCH(double, einzel);
        QFETCH(bool, laminar);
        const Wasser w = Wasser::bei(45.0);
        const double volumenstrom = leistung / (Wasser::waermekapazitaet * 5.0) / w.dichte;
        const RohrAbschnitt::Verlust v = RohrAbschnitt{laenge, durchmesser, zeta}.verlust(volumenstrom, w);
        QCOMPARE(std::round(v.geschwindigkeit * 1e4) / 1e4, geschwindigkeit);
        QCOMPARE(std::round(v.rohr) / 100.0, rohr);
        QCOMPARE(std::round(v.einzel) / 100.0, einzel);
        QCOMPARE(v.reynolds > 0.0 && v.reynolds < 2320.0, laminar);
    }

    void abgaenge_data()
    {
        QTest::addColumn<Raumangabe>("angabe");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("zwei Tichelmann-Kreise") << angabe({{5, 2, 15, 0}, {5, 2, 18, 0}, {4, 2, 10, 1}})
                                                << "Tichelmann 1 A10.00 Q1620.0 L16 36.00 L10 42.50 | "
                                                   "Tichelmann 2 A4.00 Q648.0 L16 20.00 L10 34.00";
        QTest::newRow("direkt zu zweit, der letzte allein")
            << angabe({{2, 1, 10, -1}, {2.5, 1, 12, -1}, {1, 1, 5, -1}})
            << "Direkt 1 A4.50 Q729.0 L16 0.00 L10 66.50 | Direkt 2 A1.00 Q162.0 L16 0.00 L10 27.00";
        QTest::newRow("Reihenfolge Kreise, Direkt, FBH")
            << angabe({{3, 1, 8, 2}, {2, 1, 6, -1}, {3, 1, 9, 0}}, 5.0f)
            << "Tichelmann 1 A3.00 Q486.0 L16 18.00 L10 51.00 | Tichelmann 3 A3.00 Q486.0 L16 16.00 L10 "
               "51.00 | "
               "Direkt 1 A2.00 Q324.0 L16 0.00 L10 46.00 | FBH 1 A5.00 Q440.0 L16 10.00 L10 65.00";
        QTest::newRow("FBH zwei Kreise und Rest")
            << angabe({}, 45.0f)
            << "FBH 1 A20.00 Q1760.0 L16 10.00 L10 65.00 | FBH 2 A20.00 Q1760.0 L16 10.00 L10 65.00 | "
               "FBH 3 A5.00 Q440.0 L16 10.00 L10 65.00";
        QTest::newRow("kleiner Rest im letzten Kreis")
            << angabe({}, 20.4f) << "FBH 1 A20.40 Q1795.2 L16 10.00 L10 66.30";
        QTest::newRow("FBH direkt, zwei Register je Abgang")
            << angabe({}, 12.0f, true)
            << "FBH direkt 1 A8.00 Q704.0 L16 0.00 L10 62.00 | FBH direkt 2 A4.00 Q352.0 L16 0.00 L10 62.00";
        QTest::newRow("Fläche 0 ohne NaN")
            << angabe({{0, 0, 5, 0}}) << "Tichelmann 1 A0.00 Q0.0 L16 10.00 L10 0.00";
    }
    void abgaenge()
    {
        QFETCH(Raumangabe, angabe);
        QFETCH(QString, erwartet);
        QStringList texte;
        for (const Abgleich::Abgang& a : Abgleich::abgaenge(raum(angabe), 45.0, Wasser::bei(45.0), 5.0)) {
            texte << QStringLiteral("%1 %2 A%3 Q%4 L16 %5 L10 %6")
                         .arg(a.art)
                         .arg(a.nr)
                         .arg(a.flaeche, 0, 'f', 2)
                         .arg(a.leistung, 0, 'f', 1)
                         .arg(a.l16, 0, 'f', 2)
                         .arg(a.l10, 0, 'f', 2);
            for (double x :
                 {a.massenstrom, a.volumenstrom, a.geschwindigkeit, a.dpRohr, a.dpEinzel, a.dpKreis})
                QVERIFY(std::isfinite(x) && x >= 0.0);
        }
        QCOMPARE(texte.join(QStringLiteral(" | ")), erwartet);
    }

    void abgleich_data()
    {
        // Outlets as "dp Kreis mbar/V l/h/v m/s"; the result per outlet "step:warnings".
        QTest::addColumn<QStringList>("abgaenge");
        QTest::addColumn<bool>("mitTabelle");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Stufen, Index der erste Größte")
            << QStringList{"100/200/0.3", "40/100/0.3", "100/150/0.3"} << true << 1 << "8:|5:|7:";
        QTest::newRow("kv über der größten Stufe") << QStringList{"10/400/0.5"} << true << 1 << "9:kv+";
        QTest::newRow("kv unter der kleinsten Stufe, wenig Massenstrom")
            << QStringList{"200/300/0.5", "5/10/0.1"} << true << 1 << "9:|1:m kv-";
        QTest::newRow("ohne Durchfluss keine Voreinstellung") << QStringList{"0/0/0"} << true << 1 << ":m";
        QTest::newRow("ohne Ventiltabelle") << QStringList{"100/200/0.3", "5/400/0.3"} << false << 1 << ":|:";
        QTest::newRow("Geschwindigkeit und Druckverlust")
            << QStringList{"260/600/0.85"} << true << 1 << "9:v dp kv+";
    }
    void abgleich()
    {
        QFETCH(QStringList, abgaenge);
        QFETCH(bool, mitTabelle);
        QFETCH(int, index);
        QFETCH(QString, erwartet);
        Abgleich::Verteiler v;
        v.etage = QStringLiteral("EG");
        for (const QString& text : abgaenge) {
            const QStringList teile = text.split(QLatin1Char('/'));
            Abgleich::Abgang a;
            a.raum = QStringLiteral("Bad");
            a.dpKreis = teile.at(0).toDouble();
            a.volumenstrom = teile.at(1).toDouble() / 1000.0;
            a.massenstrom = teile.at(1).toDouble() * 0.99;
            a.geschwindigkeit = teile.at(2).toDouble();
            v.abgaenge << a;
        }
        Abgleich::gleicheAb(v, 50.0, mitTabelle ? beispielTabelle() : VentilTabelle());
        QStringList texte;
        for (const Abgleich::Abgang& a : v.abgaenge) {
            texte << a.voreinstellung + QLatin1Char(':') + a.warnungen.join(QLatin1Char(' '));
            QCOMPARE(a.meldungen.size(), a.warnungen.size());
            QCOMPARE(a.dpVentil, v.dpIndex - a.dpKreis + 50.0);
        }
        QCOMPARE(texte.join(QLatin1Char('|')), erwartet);
        QCOMPARE(v.index + 1, index);
        QCOMPARE(v.dpErf, v.dpIndex + 70.0);
        if (!v.abgaenge.first().meldungen.isEmpty())
            QVERIFY2(v.abgaenge.first().meldungen.first().startsWith(
                         QStringLiteral("Etage EG, Raum Bad, Abgang 1: ")),
                     qPrintable(v.abgaenge.first().meldungen.first()));
    }

    void anlage_data()
    {
        // Floors as "name:room area per direct surface" (0: a room needing area but without
        // surfaces, which fails its check).
        QTest::addColumn<QStringList>("etagen");
        QTest::addColumn<QString>("erwartet"); // per manifold "name+valve", then the pump
        QTest::newRow("zwei Etagen, Ventil vor der kleineren") << QStringList{"EG:2", "OG:1"} << "EG- OG+ P2";
        QTest::newRow("Etage ohne Abgänge zählt nicht") << QStringList{"EG:2", "KG:"} << "EG- P1";
        QTest::newRow("keine Abgänge, keine Förderhöhe") << QStringList{"EG:"} << "P0 H0";
        QTest::newRow("Raumprüfung hält an") << QStringList{"EG:2", "OG:0"} << "Raum";
    }
    void anlage()
    {
        QFETCH(QStringList, etagen);
        QFETCH(QString, erwartet);
        ProjektBaum baum;
        baum.newProjekt();
        for (const QString& text : etagen) {
            auto e = std::make_unique<EtageData>(baum.gebaeude());
            e->name = text.section(QLatin1Char(':'), 0, 0);
            WHListItem* etage = baum.insert(baum.gebaeudeItem(), 99, std::move(e));
            const QString flaeche = text.section(QLatin1Char(':'), 1);
            if (flaeche.isEmpty())
                continue;
            auto r = std::make_unique<RaumData>(static_cast<EtageData*>(etage->record()));
            r->name = QStringLiteral("Raum");
            if (flaeche.toDouble() > 0) {
                Heizflaeche h;
                h.flaeche = flaeche.toDouble();
                h.anzahlRegister = 1;
                h.entfernung = 8;
                h.direkt = true;
                r->heizflaechen << h;
            } else {
                r->flaecheWH = 5.0f;
            }
            baum.insert(etage, 0, std::move(r));
        }
        const Abgleich::Ergebnis e = Abgleich::berechne(baum, AbgleichEinstellungen(), beispielTabelle());
        if (!e.ok) {
            QVERIFY(e.verteiler.isEmpty());
            QCOMPARE(e.fehlerText.left(4), erwartet);
            return;
        }
        QStringList texte;
        double groesste = 0.0;
        double volumen = 0.0;
        for (const Abgleich::Verteiler& v : e.verteiler) {
            texte << v.etage + (v.mitVentil ? QLatin1Char('+') : QLatin1Char('-'));
            groesste = std::max(groesste, v.dpErf);
            volumen += v.volumenstrom;
        }
        for (const Abgleich::Verteiler& v : e.verteiler) {
            QCOMPARE(v.dpVentil, v.mitVentil ? groesste - v.dpErf : 0.0);
            QCOMPARE(v.kv > 0.0, v.mitVentil);
        }
        texte << QStringLiteral("P%1").arg(e.verteiler.size());
        if (e.verteiler.isEmpty())
            texte << QStringLiteral("H%1").arg(e.foerderhoehe);
        else
            QCOMPARE(e.foerderhoehe, groesste + 50.0);
        QCOMPARE(e.volumenstrom, volumen);
        QCOMPARE(texte.join(QLatin1Char(' ')), erwartet);
    }
};

QTEST_GUILESS_MAIN(TestAbgleich)
#include "tst_abgleich.moc"
