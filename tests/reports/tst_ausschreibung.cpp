#include "app/programm.h"
#include "material/geld.h"
#include "model/artikelliste.h"
#include "model/gebaeudedata.h"
#include "model/projektdata.h"
#include "reports/recorddruck.h"
#include "testumgebung.h"

#include <QtTest>

namespace {

// A catalogue with the tender's articles at prices that show the rounding rules. The system
// prices per m² are those of the header line.
const char* const katalogText = "01.01.2008\t28.75\t44.7\t55.6\t67.3\t60.02\n"
                                "2\nRohre\nZubehör\n"
                                "150010\tRohr 16x2\t\t330\t0\t1\t200\t1\t1\n"
                                "150900\tSchutzrohr\t\t19.5\t0\t1\t50\t1\t1\n"
                                "150910\tIsolierschlauch\t\t2.4\t0\t1\t2\t1\t1\n"
                                "150930\tHaken\t\t11.25\t0\t3\t50\t1\t1\n"
                                "150210\tSH 10\t\t0.62\t0\t3\t1\t2\t1\n"
                                "150211\tSH 16\t\t0.78\t0\t3\t1\t2\t1\n"
                                "150212\tK 16/10\t\t3.85\t0\t3\t1\t2\t1\n"
                                "150213\tK 10/10\t\t2.95\t0\t3\t1\t2\t1\n"
                                "150215\tT 16/10/16\t\t5.4\t0\t3\t1\t2\t1\n"
                                "151500\tHKV 2\t\t100.5\t0\t3\t1\t2\t1\n"
                                "151503\tHKV 5\t\t0.334\t0\t3\t1\t2\t1\n"
                                "151504\tHKV 6\t\t0.334\t0\t3\t1\t2\t1\n"
                                "151505\tHKV 7\t\t0.334\t0\t3\t1\t2\t1\n"
                                "151522\tHKV 4 Schrank\t\t310\t0\t3\t1\t2\t1\n"
                                "150310\tVerschraubung\t\t4.2\t0\t3\t1\t2\t1\n"
                                "151560\tKlemmleiste\t\t79\t0\t3\t1\t2\t1\n"
                                "151570\tStellantrieb\t\t24.9\t0\t3\t1\t2\t1\n"
                                "151610\tRTL\t\t58\t0\t3\t1\t2\t1\n"
                                "200001\tRaumthermostat\t\t0\t0\t3\t1\t2\t1\n"
                                "150801\tSchlammabscheider\t\t0\t0\t3\t1\t2\t1\n"
                                "150811\tMikroblasen\t\t0\t0\t3\t1\t2\t1\n";

const QString flaechenVorlage =
    QStringLiteral("%EKR-%[EKR %FlaecheEKR%|%PreisEKR%|%GesamtpreisEKR%]%-EKR%"
                   "%VOR-%[VOR %FlaecheVOR%]%-VOR%"
                   "%UNI8-%[UNI8 %FlaecheUNI8%]%-UNI8%"
                   "%WKP-%[WKP %FlaecheWKP%]%-WKP%"
                   "%UNI10-%[UNI10 %FlaecheUNI10%|%PreisUNI10%|%GesamtpreisUNI10%]%-UNI10%");
const QString rohrVorlage =
    QStringLiteral("[MVR %BedarfMVR%|%PreisMVR%|%GesamtpreisMVR%]"
                   "%150900-%[SR %BedarfSR%|%PreisSR%|%GesamtpreisSR%]%-150900%"
                   "%150910-%[IS %BedarfIS%|%PreisIS%|%GesamtpreisIS%]%-150910%"
                   "%150930-%[H %BedarfHaken%|%PreisHaken%|%GesamtpreisHaken%]%-150930%");
const QString fittingVorlage = QStringLiteral("%150212-%[%Bedarf16_10%|%Gesamtpreis16_10%]%-150212%"
                                              "%150213-%[%Bedarf10_10%|%Gesamtpreis10_10%]%-150213%"
                                              "%150215-%[%Bedarf16_10_16%|%Gesamtpreis16_10_16%]%-150215%"
                                              "%150210-%[%Bedarf_10%|%Gesamtpreis_10%]%-150210%"
                                              "%150211-%[%Bedarf_16%|%Gesamtpreis_16%]%-150211%");
const QString zubehoerVorlage =
    QStringLiteral("%150310-%[V %Bedarf150310%|%Gesamtpreis150310%]%-150310%"
                   "%151560-%[K %Bedarf151560%]%-151560%"
                   "%151570-%[S %AnzahlStellantriebe%|%GesamtpreisStellantriebe%]%-151570%"
                   "%151610-%[RTL %AnzahlRTL%|%PreisproRTL%]%-151610%"
                   "[RT %AnzahlRaumthermostate%][SA %AnzahlSchlammabscheider%|%PreisproSchlammabscheider%]"
                   "[MB %AnzahlMikroblasen%][AS %AnzahlArbeitsstunden%|%PreisproArbeitsstunde%|"
                   "%GesamtpreisArbeitsstunden%]"
                   "[S %SummeGesamt%|%MwstSatz%|%Mwst%|%SummeMwst%]");

QString gefuellt(GebaeudeData& g, const QString& vorlage, int teil)
{
    QString t = vorlage;
    printAusschreibung(g, t, teil);
    return t;
}

} // namespace

class TestAusschreibung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init();

    void centRundung_data();
    void centRundung();
    void flaechen_data();
    void flaechen();
    void nurVorhandeneSystemeBleiben();
    void rohrDaemmungHaken_data();
    void rohrDaemmungHaken();
    void schutzrohr();
    void fittings();
    void verteilerZeilen();
    void verteilerZeilenWieGedruckt();
    void zubehoerUndSummen();
    void laufendeSummeBeginntMitTeil0();
    void fehlendeArtikel();
    void projektTeil();

private:
    GebaeudeData g;
};

void TestAusschreibung::init()
{
    TestUmgebung::zuruecksetzen();
    ArtikelListe::global().readCatalogue(QString::fromUtf8(katalogText));
    g = GebaeudeData();
    g.vorlauftemperatur = 40.0f;
}

void TestAusschreibung::centRundung_data()
{
    QTest::addColumn<float>("menge");
    QTest::addColumn<float>("preis");
    QTest::addColumn<QString>("erwartet");
    // A half cent goes up (banker's rounding would give 43.12).
    QTest::newRow("halber Cent") << 1.5f << 28.75f << "43.13";
    QTest::newRow("halber Cent gerade") << 10.5f << 28.75f << "301.88";
    // 2.3 is held slightly below 2.3 in single precision: 66.1249986 rounds down.
    QTest::newRow("einfache Genauigkeit") << 2.3f << 28.75f << "66.12";
    QTest::newRow("glatt") << 110.0f << 1.65f << "181.50";
    QTest::newRow("null") << 0.0f << 28.75f << "0.00";
}

void TestAusschreibung::centRundung()
{
    QFETCH(float, menge);
    QFETCH(float, preis);
    QFETCH(QString, erwartet);
    QCOMPARE(QString::number(Geld::zeilenpreisGerundet(menge, preis), 'f', 2), erwartet);
}

void TestAusschreibung::flaechen_data()
{
    QTest::addColumn<float>("ekr");
    QTest::addColumn<float>("fbh");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("halber Cent") << 1.5f << 0.0f << "[EKR 1.5|28.75|43.13]";
    QTest::newRow("einfache Genauigkeit") << 2.3f << 0.0f << "[EKR 2.3|28.75|66.12]";
    QTest::newRow("Fußbodenheizung") << 0.0f << 12.5f << "[UNI10 12.5|60.02|750.25]";
}

void TestAusschreibung::flaechen()
{
    QFETCH(float, ekr);
    QFETCH(float, fbh);
    QFETCH(QString, erwartet);
    g.summen.flaecheWH[0] = ekr;
    g.summen.flaecheFBH = fbh;
    QCOMPARE(gefuellt(g, flaechenVorlage, 0), erwartet);
}

void TestAusschreibung::nurVorhandeneSystemeBleiben()
{
    g.summen.flaecheWH[0] = 20.0f;
    g.summen.flaecheWH[2] = 4.0f;
    QCOMPARE(gefuellt(g, QStringLiteral("%Vorlauftemperatur%|") + flaechenVorlage, 0),
             QStringLiteral("40|[EKR 20|28.75|575.00][UNI8 4]"));
}

void TestAusschreibung::rohrDaemmungHaken_data()
{
    QTest::addColumn<int>("kreise");
    QTest::addColumn<int>("fbhKreise");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("zubehoer");
    // 110 m pipe at 330 / 200 m; 50 hoses of 2 m; 55 hooks at 11.25 / 50 = 0.225, a half cent
    // up to 0.23.
    QTest::newRow("mit Fußbodenheizung")
        << 3 << 1 << "[MVR 110|1.65|181.50][IS 50|2.40|120.00][H 55|0.23|12.65]"
        << "[S 2|49.80][RTL 1|58.00]";
    QTest::newRow("ohne Fußbodenheizung")
        << 3 << 0 << "[MVR 120|1.65|198.00][IS 60|2.40|144.00][H 60|0.23|13.80]"
        << "[S 3|74.70]";
    QTest::newRow("ohne Kreise") << 0 << 0 << "[MVR 0|1.65|0.00]"
                                 << "";
}

void TestAusschreibung::rohrDaemmungHaken()
{
    QFETCH(int, kreise);
    QFETCH(int, fbhKreise);
    QFETCH(QString, erwartet);
    QFETCH(QString, zubehoer);
    g.summen.abgaenge = kreise;
    g.summen.fbhKreise = fbhKreise;
    QCOMPARE(gefuellt(g, rohrVorlage, 0), erwartet);
    const QString teil3 = gefuellt(g, zubehoerVorlage, 3);
    QVERIFY2(teil3.startsWith(zubehoer + QStringLiteral("[RT ")), qPrintable(teil3));
}

void TestAusschreibung::schutzrohr()
{
    // 2 + 8 registers in the circuits, 4 of them in a floor heating loop: 6 wall registers,
    // 0.3 m at each end; 19.50 per 50 m is 0.39 per metre.
    g.summen.kreiseMitRegistern[2] = 1;
    g.summen.kreiseMitRegistern[4] = 2;
    g.summen.fbhRegister = 4;
    QCOMPARE(gefuellt(g, QStringLiteral("%150900-%[SR %BedarfSR%|%PreisSR%|%GesamtpreisSR%]%-150900%"), 0),
             QStringLiteral("[SR 3.6|0.39|1.40]"));
    g.summen.fbhRegister = 10;
    QCOMPARE(gefuellt(g, QStringLiteral("x%150900-%[SR %BedarfSR%]%-150900%y"), 0), QStringLiteral("xy"));
}

void TestAusschreibung::fittings()
{
    g.summen.artikel[150212] = 6.0f;
    g.summen.artikel[150215] = 10.0f;
    g.summen.artikel[150210] = 22.0f;
    QCOMPARE(gefuellt(g, fittingVorlage, 0), QStringLiteral("[6|23.10][10|54.00][22|13.64]"));
}

void TestAusschreibung::verteilerZeilen()
{
    const QString zeile = QStringLiteral("[%AnzHK%|%AnzahlHKV%|%PreisproStkHKV%|%GesamtpreisHKV%]");
    QCOMPARE(gefuellt(g, zeile, 1), QString());

    g.summen.hkvKeller[0] = 1; // the empty rest of a floor of ten outlets is no manifold
    g.summen.hkvKeller[2] = 1;
    g.summen.hkvKeller[5] = 2;
    g.summen.hkvKeller[10] = 1;
    g.summen.hkvAndere[4] = 3;
    QTest::ignoreMessage(QtWarningMsg, "Artikel HKV nicht gefunden!!!");
    QCOMPARE(gefuellt(g, zeile, 1), QStringLiteral("[2|1|100.50|100.50][5|2|0.33|0.67][10|1|0.00|0.00]"));
    QCOMPARE(gefuellt(g,
                      QStringLiteral("[%Schrank%|%AnzahlSchrank%|%PreisproStkSchrank%|%GesamtpreisSchrank%]"),
                      2),
             QStringLiteral("[4|3|310.00|930.00]"));
}

void TestAusschreibung::verteilerZeilenWieGedruckt()
{
    // Three manifolds at 0.334: each line adds as it is printed, so the sum is 0.99, the sum
    // of what the customer reads (not 1.00 from the unrounded 1.002).
    g.summen.hkvKeller[5] = 1;
    g.summen.hkvKeller[6] = 1;
    g.summen.hkvKeller[7] = 1;
    gefuellt(g, QString(), 0);
    QCOMPARE(gefuellt(g, QStringLiteral("[%GesamtpreisHKV%]"), 1), QStringLiteral("[0.33][0.33][0.33]"));
    QCOMPARE(g.summen.laufendeCent, 99);
}

void TestAusschreibung::zubehoerUndSummen()
{
    Programm::setMwstSatz(0.19f);
    g.summen.flaecheWH[0] = 10.0f; // 287.50
    g.summen.montagezeit = 10.0f;
    g.summen.stundensatz = 45.0f; // 450.00
    g.summen.beheizteRaeume = 4;
    gefuellt(g, flaechenVorlage, 0);
    gefuellt(g, QString(), 1);
    gefuellt(g, QString(), 2);
    // 737.50 net; the rate 0.19 is held slightly below 0.19 in single precision, so the VAT
    // 140.125 prints as 140.12.
    QCOMPARE(gefuellt(g, zubehoerVorlage, 3),
             QStringLiteral("[RT 4][SA 1|0.00][MB 1][AS 10|45.00|450.00][S 737.50|19|140.12|877.62]"));
}

void TestAusschreibung::laufendeSummeBeginntMitTeil0()
{
    g.summen.flaecheWH[0] = 10.0f;
    gefuellt(g, flaechenVorlage, 0);
    gefuellt(g, flaechenVorlage, 0);
    QCOMPARE(gefuellt(g, QStringLiteral("%SummeGesamt%"), 3), QStringLiteral("287.50"));
}

void TestAusschreibung::fehlendeArtikel()
{
    ArtikelListe::global().clear();
    g.summen.abgaenge = 2;
    g.summen.artikel[150212] = 4.0f;
    g.summen.kreiseMitRegistern[4] = 2;
    for (const char* w :
         {"Artikel Schiebehülsen-Kupplung 16/10 nicht gefunden!",
          "Artikel Schiebehülsen-Kupplung 10/10 nicht gefunden!",
          "Artikel Schiebehülsen-T-Stück 16/10/16 nicht gefunden!", "Artikel Schiebehülse 10 nicht gefunden!",
          "Artikel Schiebehülse 16 nicht gefunden!", "Artikel Mehrschichtverbundrohr 16x2 nicht gefunden!",
          "Artikel Schutzrohr 16x2 nicht gefunden!", "Artikel Isolierschlauch nicht gefunden!",
          "Artikel Einfachdübelhaken nicht gefunden!"})
        QTest::ignoreMessage(QtWarningMsg, w);
    // The positions are still decided by their quantities, at price 0.
    QCOMPARE(gefuellt(g, fittingVorlage + rohrVorlage, 0),
             QStringLiteral("[4|0.00][MVR 80|0.00|0.00][SR 4.8|0.00|0.00][IS 40|0.00|0.00][H 40|0.00|0.00]"));

    for (const char* w :
         {"Artikel Raumthermostat nicht gefunden!!!", "Artikel Schlammabscheider nicht gefunden!!!",
          "Artikel Mikroblasenabscheider nicht gefunden!!!"})
        QTest::ignoreMessage(QtWarningMsg, w);
    const QString teil3 = gefuellt(g, zubehoerVorlage, 3);
    QVERIFY2(teil3.startsWith(QLatin1String("[S 2|0.00][RT 0][SA 1|0.00][MB 1]")), qPrintable(teil3));
}

void TestAusschreibung::projektTeil()
{
    ProjektData p;
    p.name = QStringLiteral("Haus <Ost>");
    QString t = QStringLiteral("%ProjektBezeichnung%|%setdate%|%Vorlauftemperatur%");
    printAusschreibung(p, t, 0);
    QCOMPARE(t, QStringLiteral("Haus &lt;Ost&gt;|%1|%Vorlauftemperatur%")
                    .arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
}

QTEST_GUILESS_MAIN(TestAusschreibung)
#include "tst_ausschreibung.moc"
