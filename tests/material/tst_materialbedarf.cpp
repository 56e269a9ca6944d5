#include "material/materialregeln.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"

#include <QTest>

// The quantities rooms, floors and the building add into the material map.
class TestMaterialBedarf : public QObject
{
    Q_OBJECT

private:
    // "150010=84;150215=6" as a map.
    static MaterialBedarf karte(const QString& text)
    {
        MaterialBedarf m;
        for (const QString& paar : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList t = paar.split(QLatin1Char('='));
            m.insert(t.at(0).toInt(), t.at(1).toFloat());
        }
        return m;
    }

    // Surfaces as "area:registers:distance:circuit:direct" separated by ";".
    static QList<Heizflaeche> flaechen(const QString& text)
    {
        QList<Heizflaeche> list;
        for (const QString& f : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList t = f.split(QLatin1Char(':'));
            Heizflaeche h;
            h.flaeche = t.at(0).toDouble();
            h.anzahlRegister = t.at(1).toInt();
            h.entfernung = t.at(2).toDouble();
            h.heizkreis = t.at(3).toInt();
            h.direkt = t.at(4) == QLatin1String("1");
            list.append(h);
        }
        return list;
    }

    // Compares every entry above 0 (a zero entry only shows that a rule looked at the article).
    static void vergleiche(const MaterialBedarf& ist, const MaterialBedarf& soll)
    {
        for (auto it = soll.cbegin(); it != soll.cend(); ++it) {
            const float wert = ist.value(it.key(), 0.0f);
            if (qAbs(wert - it.value()) > 1e-4f * qMax(1.0f, qAbs(it.value())))
                QFAIL(qPrintable(
                    QStringLiteral("Artikel %1: %2 statt %3").arg(it.key()).arg(wert).arg(it.value())));
        }
        for (auto it = ist.cbegin(); it != ist.cend(); ++it) {
            if (it.value() != 0.0f && !soll.contains(it.key()))
                QFAIL(qPrintable(QStringLiteral("Artikel %1 unerwartet: %2").arg(it.key()).arg(it.value())));
        }
    }

private slots:
    void raum_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("flaechen");
        QTest::addColumn<QString>("zusammenstellung");
        QTest::addColumn<float>("fbh");
        QTest::addColumn<bool>("fbhDirekt");
        QTest::addColumn<QString>("soll");
        QTest::addColumn<int>("abgaenge");
        QTest::addColumn<int>("beheizt");

        // Two surfaces of one circuit: first surface 2 × 15 m, the second 3 × 18 m of pipe.
        QTest::newRow("zwei Flächen ein Kreis")
            << 0 << "5:2:15:0:0;5:2:18:0:0"
            << "" << 0.0f << false
            << "150010=84;150910=84;150215=6;150212=2;150310=2;151570=1;"
               "200001=1;150900=2.4;150003=170;150063=30;150064=70;150920=200"
            << 1 << 1;
        QTest::newRow("zwei Kreise") << 0 << "4:2:10:0:0;3:1:20:1:0;3:2:5:1:0"
                                     << "" << 0.0f << false
                                     << "150010=75;150910=75;150215=6;150212=4;150310=4;151570=2;200001=1;"
                                        "150900=3;150003=170;150063=30;150064=70;150920=200"
                                     << 2 << 1;
        // A circuit number beyond the last circuit counts as the last one.
        QTest::newRow("Kreis ausserhalb") << 0 << "2:1:10:14:0;2:1:10:99:0"
                                          << "" << 0.0f << false
                                          << "150010=50;150910=50;150215=2;150212=2;150310=2;151570=1;"
                                             "200001=1;150900=1.2;150003=68;150063=12;150064=28;150920=80"
                                          << 1 << 1;
        // Three direct surfaces: two share an outlet, the third has one of its own.
        QTest::newRow("direkt") << 0 << "2:3:10:0:1;2:1:12:0:1;2:1:14:0:1"
                                << "" << 0.0f << false
                                << "150003=174;151570=2;150301=2;150306=2;200001=1;150900=1.8;"
                                   "150063=18;150064=42;150920=120"
                                << 2 << 1;
        QTest::newRow("leer") << 0 << ""
                              << "" << 0.0f << false << "" << 0 << 0;
        QTest::newRow("DID-10") << 2 << "2:1:5:0:0"
                                << "" << 0.0f << false
                                << "150010=10;150910=10;150212=2;150310=2;151570=1;200001=1;150900=0.6;"
                                   "150003=26;150140=2;459561=100;151410=100"
                                << 1 << 1;
        QTest::newRow("RI-10 Register") << 1 << "5:2:10:0:0;2.5:1:8:1:0"
                                        << "3,1,0,2" << 0.0f << false
                                        << "150010=36;150910=36;150215=2;150212=4;150310=4;151570=2;200001=1;"
                                           "150900=1.8;150030=3;150031=3;150213=3;150920=150"
                                        << 2 << 1;
        // 80 m of pipe per element of 2 m height, 40 m per element of 1 m.
        QTest::newRow("RU-10 Register")
            << 3 << "3.1:2:12:0:0"
            << "2,1,1" << 0.0f << false
            << "150010=24;150910=24;150215=2;150212=2;150310=2;151570=1;200001=1;"
               "150900=1.2;459561=155;151410=280;150150=2;150151=1;150152=1;150213=2"
            << 1 << 1;
        // Floor heating below one loop: one loop of ceil(12 / 5) = 3 registers.
        QTest::newRow("FBH 12") << 0 << ""
                                << "" << 12.0f << false
                                << "200001=1;150003=156;150140=12;151410=372;459561=480;150215=4;150212=2;"
                                   "151610=1;150310=2;150010=10"
                                << 1 << 1;
        // A rest of 0.4 m² after a full loop adds nothing, 0.6 m² a loop of one register.
        QTest::newRow("FBH 20.4") << 0 << ""
                                  << "" << 20.4f << false
                                  << "200001=1;150003=265.2;150140=20.4;151410=632.4;459561=816;150215=6;"
                                     "150212=2;151610=1;150310=2;150010=10"
                                  << 1 << 1;
        QTest::newRow("FBH 20.6") << 0 << ""
                                  << "" << 20.6f << false
                                  << "200001=1;150003=267.8;150140=20.6;151410=638.6;459561=824;150215=6;"
                                     "150212=4;151610=2;150310=4;150010=20"
                                  << 2 << 1;
        QTest::newRow("FBH 45 direkt") << 0 << ""
                                       << "" << 45.0f << true
                                       << "200001=1;150003=675;150140=45;151410=1395;459561=1800;151610=5;"
                                          "150306=8;150301=2"
                                       << 5 << 1;
        QTest::newRow("FBH 52 direkt") << 0 << ""
                                       << "" << 52.0f << true
                                       << "200001=1;150003=786;150140=52;151410=1612;459561=2080;151610=6;"
                                          "150306=10;150301=2"
                                       << 6 << 1;
        QTest::newRow("FBH 40.5 direkt") << 0 << ""
                                         << "" << 40.5f << true
                                         << "200001=1;150003=606.5;150140=40.5;151410=1255.5;459561=1620;"
                                            "151610=4;150306=8"
                                         << 4 << 1;
    }

    void raum()
    {
        QFETCH(int, system);
        QFETCH(QString, flaechen);
        QFETCH(QString, zusammenstellung);
        QFETCH(float, fbh);
        QFETCH(bool, fbhDirekt);
        QFETCH(QString, soll);
        QFETCH(int, abgaenge);
        QFETCH(int, beheizt);

        GebaeudeData gebaeude;
        EtageData etage(&gebaeude);
        etage.summen.anzahlAbgaenge = 3; // outlets of earlier rooms stay
        RaumData raum(&etage);
        raum.systemIndex = system;
        raum.heizflaechen = TestMaterialBedarf::flaechen(flaechen);
        for (const QString& n : zusammenstellung.split(QLatin1Char(','), Qt::SkipEmptyParts))
            raum.zusammenstellung.append(n.toInt());
        raum.flaecheFBH = fbh;
        raum.fbhDirekt = fbhDirekt;

        MaterialBedarf bedarf;
        materialBedarf(raum, bedarf);
        vergleiche(bedarf, karte(soll));
        QCOMPARE(etage.summen.anzahlAbgaenge, 3 + abgaenge);
        QCOMPARE(etage.summen.anzahlBeheizt, beheizt);
    }

    void raumAddiert()
    {
        // A room adds to what is in the map already.
        RaumData raum(nullptr);
        raum.heizflaechen = flaechen("5:2:15:0:0");
        MaterialBedarf bedarf = karte("150010=16;150900=1");
        materialBedarf(raum, bedarf);
        QCOMPARE(bedarf.value(150010), 46.0f);
        QCOMPARE(bedarf.value(150900), 1.0f + 0.6f * 2.0f);
    }

    void etage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("abgaenge");
        QTest::addColumn<int>("beheizt");
        QTest::addColumn<QString>("soll");

        QTest::newRow("keine Abgänge") << "EG" << 0 << 2 << "";
        QTest::newRow("ein Abgang wird zwei") << "EG" << 1 << 1 << "151520=1;151560=1";
        QTest::newRow("zehn") << "EG" << 10 << 1 << "151528=1;151518=1;151560=1";
        QTest::newRow("elf") << "EG" << 11 << 3 << "151528=1;151520=1;151560=1";
        QTest::newRow("einundzwanzig") << "OG" << 21 << 3 << "151528=2;151520=1;151560=2";
        QTest::newRow("13 Abgänge, 6 Räume") << "OG" << 13 << 6 << "151528=1;151521=1;151560=1";
        QTest::newRow("14 Abgänge") << "OG" << 14 << 6 << "151528=1;151522=1;151560=2";
        QTest::newRow("7 Räume") << "OG" << 5 << 7 << "151523=1;151560=2";
        QTest::newRow("Kellergeschoss") << "Kellergeschoss" << 3 << 1 << "151501=1;151560=1";
        QTest::newRow("KG") << "KG" << 12 << 2 << "151508=1;151500=1;151560=1";
        QTest::newRow("kg klein") << "Werkstatt kg" << 20 << 2 << "151508=2;151498=1;151560=2";
        QTest::newRow("KELLER") << "KELLER" << 11 << 2 << "151508=1;151500=1;151560=1";
    }

    void etage()
    {
        QFETCH(QString, name);
        QFETCH(int, abgaenge);
        QFETCH(int, beheizt);
        QFETCH(QString, soll);

        GebaeudeData gebaeude;
        EtageData etage(&gebaeude);
        etage.name = name;
        etage.summen.anzahlAbgaenge = abgaenge;
        etage.summen.anzahlBeheizt = beheizt;
        MaterialBedarf bedarf;
        materialBedarf(etage, bedarf);
        vergleiche(bedarf, karte(soll));
    }

    void gebaeude()
    {
        GebaeudeData g;
        MaterialBedarf bedarf = karte("150010=84;150213=3;150212=4;150215=6;150214=1;150801=5;150930=9");
        materialBedarf(g, bedarf);
        vergleiche(bedarf, karte("150010=84;150213=3;150212=4;150215=6;150214=1;150801=1;150811=1;150930=42;"
                                 "150210=16;150211=18"));
    }

    void rolle_data()
    {
        QTest::addColumn<float>("meter");
        QTest::addColumn<float>("rollen");
        QTest::newRow("0") << 0.0f << 0.0f;
        QTest::newRow("0.4") << 0.4f << 1.0f;
        QTest::newRow("310") << 310.0f << 1.0f;
        QTest::newRow("620") << 620.0f << 2.0f;
        QTest::newRow("621") << 621.0f << 3.0f;
    }

    void rolle()
    {
        QFETCH(float, meter);
        QFETCH(float, rollen);
        GebaeudeData g;
        MaterialBedarf bedarf;
        bedarf.insert(151410, meter);
        materialBedarf(g, bedarf);
        QCOMPARE(bedarf.value(151410), rollen);
    }
};

QTEST_GUILESS_MAIN(TestMaterialBedarf)
#include "tst_materialbedarf.moc"
