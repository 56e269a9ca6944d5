#include "app/pfade.h"
#include "reports/vorlage.h"
#include "testumgebung.h"

#include <QDir>
#include <QtTest>

// The shipped templates: each carries the placeholders and block tags the program fills, the
// words that tell the building and floor templates apart, and Windows-1252 text.
class TestVorlagenDateien : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void platzhalter_data();
    void platzhalter();
    void rollenWoerter();
    void kodierung_data();
    void kodierung();
    void leerPng();
};

void TestVorlagenDateien::initTestCase()
{
    TestUmgebung::isolieren();
    Pfade::setApplDir(TestUmgebung::shareDir());
}

void TestVorlagenDateien::platzhalter_data()
{
    QTest::addColumn<QString>("vorlage");
    QTest::addColumn<QStringList>("namen");
    const QStringList projekt{"Datum",          "ProjektBezeichnung", "ProjektNR",
                              "ProjektStrasse", "ProjektOrt",         "ProjektPLZ"};
    const QStringList gebaeude{"Vorlauftemperatur", "AnzahlEtagen", "SWHG", "Gebaudealter", "UeberWB"};
    const QStringList etage{"EtageBezeichnung", "AnzahlRaume", "SWHE"};
    QTest::newRow("projekt") << "projekt" << projekt;
    QTest::newRow("pe2projekt") << "pe2projekt" << projekt;
    QTest::newRow("gebaeude") << "gebaeude" << gebaeude;
    QTest::newRow("pe2gebaeude") << "pe2gebaeude" << gebaeude;
    QTest::newRow("etage") << "etage" << etage;
    QTest::newRow("pe2etage") << "pe2etage" << etage;
    QTest::newRow("etagekopf") << "etagekopf" << QStringList{"EtageBezeichnung"};
    QTest::newRow("etagetotal") << "etagetotal"
                                << QStringList{"Flaeche",   "WB",        "SystemWH", "FlaecheWH",
                                               "FlacheFBH", "Differenz", "AnzHK"};
    QTest::newRow("raum") << "raum"
                          << QStringList{
                                 "RaumBezeichnung", "RaumTemperatur", "RaumFlache", "GeschWB", "WB", "SWHR",
                                 "FlacheWH",        "FlacheFBH",      "Differenz",  "AnzHK"};
    QTest::newRow("pe2raum")
        << "pe2raum"
        << QStringList{
               "RaumBezeichnung", "RaumTemperatur", "RaumFlache", "GeschWB",   "WB", "FlacheFBH", "MS",
               "FlacheWH",        "FlacheWH1",      "SWHR",       "DiffWaerme"};
    QTest::newRow("pe2flaeche2") << "pe2flaeche2"
                                 << QStringList{"NrFlaeche",  "FGroesse", "RegGroesse", "AnzReg",
                                                "Entfernung", "TKreis",   "MS"};
    QTest::newRow("pe2wpiplatte") << "pe2wpiplatte" << QStringList{"Nr",    "Bez",     "ArtNr", "Breite",
                                                                   "Hoehe", "Groesse", "Anzahl"};
    QTest::newRow("pe1projekttotal") << "pe1projekttotal"
                                     << QStringList{"NutzFlaeche", "Waermebedarf", "EKR", "VOR",
                                                    "UNI",         "WKP",          "FBH", "Differenz"};
    QTest::newRow("pe2projekttotal") << "pe2projekttotal"
                                     << QStringList{"NutzFlaeche", "Waermebedarf", "WR",  "WRD",
                                                    "WP",          "WPI",          "FBH", "Differenz"};
    QTest::newRow("sonstig") << "sonstig" << QStringList{"Stundens", "Montagez"};
    QTest::newRow("pe2sonstig") << "pe2sonstig" << QStringList{"Stundens", "Montagez", "Abschlag"};
    QTest::newRow("kaheader") << "kaheader"
                              << QStringList{"ProjektBezeichnung", "setdate", "Vorlauftemperatur"};
    QTest::newRow("kagruppe") << "kagruppe" << QStringList{"GruppeBezeichnung"};
    QTest::newRow("kaartikel") << "kaartikel"
                               << QStringList{"Bezeichnung", "BezeichnungLong", "Menge", "Einzelpreis",
                                              "Gesamtpreis"};
    QTest::newRow("kazus") << "kazus"
                           << QStringList{"AnzahlStunden", "PreisStunde", "GesamtLohn", "Abschlag",
                                          "SummeGesamt",   "MwstSatz",    "Mwst",       "SummeMwst"};
    QStringList teil0{"ProjektBezeichnung",
                      "setdate",
                      "Vorlauftemperatur",
                      "BedarfMVR",
                      "PreisMVR",
                      "GesamtpreisMVR",
                      "BedarfSR",
                      "PreisSR",
                      "GesamtpreisSR",
                      "BedarfIS",
                      "PreisIS",
                      "GesamtpreisIS",
                      "BedarfHaken",
                      "PreisHaken",
                      "GesamtpreisHaken",
                      "EKR-",
                      "-EKR",
                      "VOR-",
                      "-VOR",
                      "UNI8-",
                      "-UNI8",
                      "WKP-",
                      "-WKP",
                      "UNI10-",
                      "-UNI10"};
    for (const char* s : {"EKR", "VOR", "UNI8", "WKP", "UNI10"})
        teil0 << QStringLiteral("Flaeche%1").arg(s) << QStringLiteral("Preis%1").arg(s)
              << QStringLiteral("Gesamtpreis%1").arg(s);
    for (const char* s : {"16_10", "10_10", "16_10_16", "_10", "_16"})
        teil0 << QStringLiteral("Bedarf%1").arg(s) << QStringLiteral("Preis%1").arg(s)
              << QStringLiteral("Gesamtpreis%1").arg(s);
    for (const char* t : {"150212", "150213", "150215", "150210", "150211", "150900", "150910", "150930"})
        teil0 << QStringLiteral("%1-").arg(t) << QStringLiteral("-%1").arg(t);
    QTest::newRow("ausschreibungstext") << "ausschreibungstext" << teil0;
    QTest::newRow("hkv") << "hkv" << QStringList{"AnzHK", "AnzahlHKV", "PreisproStkHKV", "GesamtpreisHKV"};
    QTest::newRow("hkvuvs") << "hkvuvs"
                            << QStringList{"Schrank", "AnzahlSchrank", "PreisproStkSchrank",
                                           "GesamtpreisSchrank"};
    QStringList teil3{"Bedarf150310",
                      "Preispro150310",
                      "Gesamtpreis150310",
                      "Bedarf151560",
                      "Preispro151560",
                      "Gesamtpreis151560",
                      "AnzahlStellantriebe",
                      "PreisproStellantrieb",
                      "GesamtpreisStellantriebe",
                      "AnzahlRTL",
                      "PreisproRTL",
                      "GesamtpreisRTL",
                      "AnzahlRaumthermostate",
                      "PreisproRaumthermostat",
                      "GesamtpreisRaumthermostate",
                      "AnzahlSchlammabscheider",
                      "PreisproSchlammabscheider",
                      "GesamtpreisSchlammabscheider",
                      "AnzahlMikroblasen",
                      "PreisproMikroblasen",
                      "GesamtpreisMikroblasen",
                      "AnzahlArbeitsstunden",
                      "PreisproArbeitsstunde",
                      "GesamtpreisArbeitsstunden",
                      "SummeGesamt",
                      "Mwst",
                      "MwstSatz",
                      "SummeMwst"};
    for (const char* t : {"150310", "151560", "151570", "151610"})
        teil3 << QStringLiteral("%1-").arg(t) << QStringLiteral("-%1").arg(t);
    QTest::newRow("ausschreibungstext2") << "ausschreibungstext2" << teil3;
    QTest::newRow("bestellung1") << "bestellung1" << QStringList{"Date", "KundeNr", "Absender"};
    QTest::newRow("bestellung2") << "bestellung2" << QStringList{"Pos", "ArtNr", "Bezeichnung", "Menge"};
    QTest::newRow("bestellung3") << "bestellung3" << QStringList{"GesamtWert", "Liefer", "Bemerk"};
}

void TestVorlagenDateien::platzhalter()
{
    QFETCH(QString, vorlage);
    QFETCH(QStringList, namen);
    QString text;
    QString fehler;
    QVERIFY2(Vorlage::lade(vorlage, text, fehler), qPrintable(fehler));
    for (const QString& n : namen)
        QVERIFY2(text.contains(QLatin1Char('%') + n + QLatin1Char('%')),
                 qPrintable(vorlage + QStringLiteral(": ") + n));
    // Each block tag stands once, so that dropping it takes exactly its position.
    for (const QString& n : namen) {
        if (n.endsWith(QLatin1Char('-')))
            QCOMPARE(text.count(QLatin1Char('%') + n + QLatin1Char('%')), 1);
    }
}

void TestVorlagenDateien::rollenWoerter()
{
    const auto inhalt = [](const char* name) {
        QString text;
        QString fehler;
        Vorlage::lade(QString::fromLatin1(name), text, fehler);
        return text;
    };
    QVERIFY(inhalt("gebaeude").contains(QLatin1String("Vorlauftemperatur")));
    QVERIFY(inhalt("pe2gebaeude").contains(QLatin1String("Vorlauftemperatur")));
    QVERIFY(!inhalt("pe1projekttotal").contains(QLatin1String("Vorlauftemperatur")));
    QVERIFY(!inhalt("pe2projekttotal").contains(QLatin1String("Vorlauftemperatur")));
    QVERIFY(inhalt("etagetotal").contains(QLatin1String("Total")));
    QVERIFY(!inhalt("etage").contains(QLatin1String("Total")));
}

void TestVorlagenDateien::kodierung_data()
{
    QTest::addColumn<QString>("datei");
    const QDir dir(TestUmgebung::shareDir() + QStringLiteral("ausdrucke"));
    for (const QString& f : dir.entryList({QStringLiteral("*.html")}, QDir::Files))
        QTest::newRow(qPrintable(f)) << dir.filePath(f);
}

void TestVorlagenDateien::kodierung()
{
    QFETCH(QString, datei);
    const QByteArray bytes = TestUmgebung::lies(datei);
    QVERIFY(!bytes.isEmpty());
    // Umlauts as single bytes: no UTF-8 sequence such as "Ã¤" in the file.
    QVERIFY(!bytes.contains("\xc3\xa4") && !bytes.contains("\xc3\xbc") && !bytes.contains("\xc2\xb2"));
    if (bytes.contains("<html"))
        QVERIFY(
            bytes.contains("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"));
}

void TestVorlagenDateien::leerPng()
{
    const QByteArray png =
        TestUmgebung::lies(TestUmgebung::shareDir() + QStringLiteral("ausdrucke/leer.png"));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    // IHDR: 1 × 1 pixels.
    QCOMPARE(png.mid(16, 8), QByteArray("\0\0\0\x01\0\0\0\x01", 8));
}

QTEST_GUILESS_MAIN(TestVorlagenDateien)
#include "tst_vorlagendateien.moc"
