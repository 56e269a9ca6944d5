#include "app/textcodec.h"
#include "model/datanormimport.h"
#include "model/katalogdatei.h"
#include "testumgebung.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A pipe in rolls of 200 m, a device sold by the piece, a board in packs of 2.5 m² whose
// number occurs twice; comments, CR LF, blanks and a byte Windows-1252 leaves undefined
// (0x81) around them.
const QByteArray katalog = "# Katalog \x81\r\n"
                           "01.06.2008\t29.4\r\n"
                           "2\r\n"
                           "Rohre\r\n"
                           "Zubeh\xf6r\r\n"
                           "150010\tRohr 16x2\tRolle 200 m\t330.00\t30.0\t1\t200\t1\t1\r\n"
                           "  12345\tGer\xe4t\t\t99.9\t0\t3\t1\t2\t0   \r\n"
                           "# Platten\r\n"
                           "4711\tPlatte\tPlatte lang\t12.00\t0\t2\t2.5\t2\n"
                           "4711\tZweite Platte\t\t1.00\t0\t2\t1\t2\n";

const QByteArray kopf = "V 081226Lieferant Preise" + QByteArray(91, ' ') + "04EUR\r\n";

// The header and the records in code page 850, CR LF.
QByteArray datanorm(const QStringList& zeilen)
{
    QByteArray bytes = kopf;
    for (const QString& z : zeilen)
        bytes += QStringEncoder("IBM850").encode(z) + "\r\n";
    return bytes;
}

struct Lauf
{
    DatanormImport::Ergebnis ergebnis;
    QStringList zeilen;
    QByteArray katalog;
};

Lauf importiere(const QByteArray& datei)
{
    KatalogDatei k;
    k.setzeBytes(katalog);
    QByteArray bytes = datei;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    Lauf lauf;
    lauf.ergebnis = DatanormImport::anwenden(k, puffer, [&lauf](const QString& z) { lauf.zeilen << z; });
    lauf.katalog = k.bytes();
    return lauf;
}

// The catalogue line of the first article with this number.
QString artikelZeile(const QByteArray& bytes, const QString& nummer)
{
    for (const QString& z : TextCodec::lines(TextCodec::decode(bytes))) {
        if (z.trimmed().startsWith(nummer + QLatin1Char('\t')))
            return z.trimmed();
    }
    return QString();
}

} // namespace

// DATANORM 4 into the catalogue: records, price conversion, the file's other bytes, refusal.
class TestDatanormImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }

    void saetze_data()
    {
        QTest::addColumn<QStringList>("saetze");
        QTest::addColumn<QStringList>("bericht");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("zeile"); // the article's catalogue line afterwards

        const QString rohr = QStringLiteral("150010\tRohr 16x2\tRolle 200 m\t%1\t30.0\t1\t200\t1\t1");
        const QString platte = QStringLiteral("4711\tPlatte\tPlatte lang\t%1\t0\t2\t2.5\t2");
        const QString geraet = QStringLiteral("12345\tGerät\t\t%1\t0\t3\t1\t2\t0");

        // Unit conversion: per metre times the roll, per 100 lfm, per 10 m² times the pack,
        // a unit the catalogue does not know is the price of a pack, a half cent upwards.
        QTest::newRow("Meter je Rolle")
            << QStringList{"A;N;150010;00;Rohr 16x2;;1;0;m;275;R;W;;"}
            << QStringList{"aktualisiert\t150010\tPreis 330.00 -> 550.00"} << "150010" << rohr.arg("550.00");
        QTest::newRow("100 lfm, Nullen vorn")
            << QStringList{"A;A;000150010;00;Rohr 16x2;;1;2;LFM;27500;R;W;;"}
            << QStringList{"aktualisiert\t000150010\tPreis 330.00 -> 550.00"} << "150010"
            << rohr.arg("550.00");
        QTest::newRow("10 qm, halber Cent")
            << QStringList{"A;N;4711;00;Platte;;1;1;qm;4999;R;W;;"}
            << QStringList{"aktualisiert\t4711\tPreis 12.00 -> 12.50"} << "4711" << platte.arg("12.50");
        QTest::newRow("Packung") << QStringList{"A;N;4711;00;Platte;;1;0;Pak;1999;R;W;;"}
                                 << QStringList{"aktualisiert\t4711\tPreis 12.00 -> 19.99"} << "4711"
                                 << platte.arg("19.99");
        QTest::newRow("Stück zum Meter") << QStringList{"A;N;150010;00;Rohr 16x2;;1;0;Stk;100;R;W;;"}
                                         << QStringList{"übergangen\tZeile 2\tPreis je Stk, Artikel in m"}
                                         << "150010" << rohr.arg("330.00");
        QTest::newRow("Texte, Nettopreis")
            << QStringList{"A;N;12345;00;Gerät neu;Langtext ;2;0;Stück;100;R;W;;"}
            << QStringList{"aktualisiert\t12345\tBezeichnung, Langtext",
                           "übergangen\tZeile 2\tNettopreis (Preiskennzeichen 2)"}
            << "12345" << QStringLiteral("12345\tGerät neu\tLangtext\t99.9\t0\t3\t1\t2\t0");
        QTest::newRow("leere Texte, Preis 0") << QStringList{"A;N;12345;00;;;1;0;Stk;0;R;W;;"}
                                              << QStringList() << "12345" << geraet.arg("99.9");
        QTest::newRow("gleicher Preis") << QStringList{"A;N;12345;00;Gerät;;1;0;St;9990;R;W;;"}
                                        << QStringList() << "12345" << geraet.arg("99.9");
        // Without the closing ";" the last field is the text key.
        QTest::newRow("eine Million") << QStringList{"A;N;12345;00;Gerät;;1;0;Stk;100000000;R;W;TK"}
                                      << QStringList{"aktualisiert\t12345\tPreis 99.90 -> 1000000.00"}
                                      << "12345" << geraet.arg("1000000.00");
        QTest::newRow("über eine Million")
            << QStringList{"A;N;12345;00;Neu;;1;0;Stk;100000001;R;W;;"}
            << QStringList{"abgelehnt\tZeile 2\tPreis über 1000000 EUR"} << "12345" << geraet.arg("99.9");
        QTest::newRow("erster von zwei")
            << QStringList{"A;N;4711;00;Platte;;1;0;m2;100;R;W;;"}
            << QStringList{"aktualisiert\t4711\tPreis 12.00 -> 2.50"} << "4711" << platte.arg("2.50");

        // Field counts and values.
        QTest::newRow("12 Felder") << QStringList{"A;N;12345;00;Neu;;1;0;Stk;100;R;W;"}
                                   << QStringList{"abgelehnt\tZeile 2\tA-Satz mit 12 statt 13 Feldern"}
                                   << "12345" << geraet.arg("99.9");
        QTest::newRow("14 Felder") << QStringList{"A;N;12345;00;Neu;;1;0;Stk;100;R;W;;x;"}
                                   << QStringList{"abgelehnt\tZeile 2\tA-Satz mit 14 statt 13 Feldern"}
                                   << "12345" << geraet.arg("99.9");
        QTest::newRow("Kennzeichen") << QStringList{"A;L;12345;00;Neu;;1;0;Stk;100;R;W;;",
                                                    "A;Q;12345;00;Neu;;1;0;Stk;100;R;W;;",
                                                    "A;N;12345;00;Neu;;3;0;Stk;100;R;W;;",
                                                    "A;N;12345;00;Neu;;1;4;Stk;100;R;W;;",
                                                    "A;N;12345;00;Neu;;1;0;Stk;12,50;R;W;;"}
                                     << QStringList{"übergangen\tZeile 2\tVerarbeitungskennzeichen L",
                                                    "abgelehnt\tZeile 3\tVerarbeitungskennzeichen Q",
                                                    "abgelehnt\tZeile 4\tPreiskennzeichen 3",
                                                    "abgelehnt\tZeile 5\tPreiseinheit 4",
                                                    "abgelehnt\tZeile 6\tPreis 12,50"}
                                     << "12345" << geraet.arg("99.9");
        QTest::newRow("neu, andere Sätze")
            << QStringList{"A;N;AB-7;00;Fremd;;1;0;Stk;100;R;W;;",
                           "A;N;99999999999;00;Groß;;1;0;Stk;100;R;W;;", "B;N;12345;x", "T;N;12345;Langtext"}
            << QStringList{"neu\tAB-7\tFremd", "neu\t99999999999\tGroß"} << "12345" << geraet.arg("99.9");

        // P records: priced like the article's A record anywhere in the file, else per
        // catalogue unit; up to three blocks.
        const QString leer = QStringLiteral(";;;;;;");
        QTest::newRow("P ohne A") << QStringList{"P;A;150010;1;300" + leer + ";"}
                                  << QStringList{"aktualisiert\t150010\tPreis 330.00 -> 600.00"} << "150010"
                                  << rohr.arg("600.00");
        QTest::newRow("P vor seinem A")
            << QStringList{"P;A;150010;1;30000" + leer + ";", "A;N;150010;00;Rohr 16x2;;1;2;m;27500;R;W;;"}
            << QStringList{"aktualisiert\t150010\tPreis 330.00 -> 600.00",
                           "aktualisiert\t150010\tPreis 600.00 -> 550.00"}
            << "150010" << rohr.arg("550.00");
        QTest::newRow("P drei Blöcke")
            << QStringList{"P;A;12345;1;5000" + leer + ";777;1;100" + leer + ";150010;2;100" + leer + ";"}
            << QStringList{"aktualisiert\t12345\tPreis 99.90 -> 50.00", "nicht gefunden\t777",
                           "übergangen\tZeile 2\tNettopreis (Preiskennzeichen 2)"}
            << "12345" << geraet.arg("50.00");
        QTest::newRow("P Feldanzahl")
            << QStringList{"P;A;12345;1;5000;;;;;", "P;N;12345;1;5000" + leer + ";"}
            << QStringList{"abgelehnt\tZeile 2\tP-Satz mit 9 Feldern statt 2 + 9, 18 "
                           "oder 27",
                           "abgelehnt\tZeile 3\tVerarbeitungskennzeichen N"}
            << "12345" << geraet.arg("99.9");
    }

    // Each record reports in file order and changes only what it names.
    void saetze()
    {
        QFETCH(QStringList, saetze);
        QFETCH(QStringList, bericht);
        QFETCH(QString, nummer);
        QFETCH(QString, zeile);
        const Lauf lauf = importiere(datanorm(saetze));
        QCOMPARE(lauf.ergebnis.status, DatanormImport::Geschrieben);
        QCOMPARE(lauf.zeilen, bericht);
        QCOMPARE(artikelZeile(lauf.katalog, nummer), zeile);
        const DatanormImport::Ergebnis& e = lauf.ergebnis;
        QCOMPARE(e.aktualisiert + e.neu + e.nichtGefunden + e.uebergangen + e.abgelehnt, bericht.size());
    }

    // A price change rewrites the price's bytes and nothing else: comments, CR LF, blanks,
    // undefined bytes, the other articles and the file's end stay.
    void unberuehrteBytes()
    {
        const Lauf lauf = importiere(
            datanorm({"A;N;150010;00;Rohr 16x2;;1;0;m;275;R;W;;", "A;N;12345;00;Gerät;;1;0;Stk;9990;R;W;;"}) +
            "\x1a");
        QByteArray erwartet = katalog;
        erwartet.replace("330.00", "550.00");
        QCOMPARE(lauf.katalog, erwartet);
    }

    void codepage_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("meldung");
        const QByteArray a = "A;N;12345;00;Ger";
        const QString byte = QStringLiteral("Zeile 2, Byte 17 (0x%1) ist in Codepage 850 nicht erlaubt.");
        QTest::newRow("Windows-1252") << kopf + a + "\xe4t;;1;0;Stk;1;R;W;;\r\n" << byte.arg("E4");
        QTest::newRow("UTF-8") << kopf + a + "\xc3\xa4t;;1;0;Stk;1;R;W;;\r\n" << byte.arg("C3");
        QTest::newRow("Tabulator") << kopf + a + "\tt;;1;0;Stk;1;R;W;;\r\n" << byte.arg("09");
        QTest::newRow("0x1A mittendrin") << kopf + a + "\x1a;;1;0;Stk;1;R;W;;\r\n" << byte.arg("1A");
        QTest::newRow("fremder Kopf") << QByteArray("V 081226 Preise 03EUR\r\n")
                                      << "Zeile 1 ist kein Vorlaufsatz von DATANORM 4 (V, Datum TTMMJJ an "
                                         "Stelle 3 bis 8, am Ende 04EUR).";
        QTest::newRow("Datum") << QByteArray("V 321326 Preise 04EUR\n")
                               << "Zeile 1 ist kein Vorlaufsatz von DATANORM 4 (V, Datum TTMMJJ an Stelle 3 "
                                  "bis 8, am Ende 04EUR).";
        QTest::newRow("DATANORM 5") << QByteArray("V;050;A;20081226;EUR;Preise\r\n")
                                    << "DATANORM 5 wird nicht unterstützt, nur DATANORM 4.";
        QTest::newRow("leer") << QByteArray() << "Die Datei ist leer.";
    }

    // A file in another code page or of another format is refused whole: no line reported,
    // nothing changed.
    void codepage()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, meldung);
        const Lauf lauf = importiere(datei.isEmpty() ? datei : datei + "A;N;12345;00;x;;1;0;Stk;1;R;W;;\r\n");
        QCOMPARE(lauf.ergebnis.status, DatanormImport::Fehler);
        QCOMPARE(lauf.ergebnis.meldung, meldung);
        QVERIFY(lauf.zeilen.isEmpty());
        QCOMPARE(lauf.katalog, katalog);
    }

    void fehlschlag_data()
    {
        QTest::addColumn<QString>("katalogDatei");
        QTest::addColumn<QString>("datanormDatei");
        QTest::addColumn<QString>("zielDatei");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("abbruchAb"); // the progress (thousandths) at which the user cancels
        QTest::newRow("Katalog fehlt")
            << "fehlt.txt"
            << "preise.001"
            << "ziel.txt" << 20 << "Datei %1/fehlt.txt konnte nicht geöffnet werden!" << 2000;
        QTest::newRow("DATANORM fehlt")
            << "katalog.txt"
            << "fehlt.001"
            << "ziel.txt" << 1 << "Datei %1/fehlt.001 konnte nicht geöffnet werden!" << 2000;
        QTest::newRow("Codepage, Ziel = Katalog")
            << "katalog.txt"
            << "falsch.001"
            << "katalog.txt" << 1
            << "DATANORM-Datei %1/falsch.001 nicht eingelesen: Zeile 2, Byte 1 (0xE4) ist in Codepage 850 "
               "nicht erlaubt."
            << 2000;
        QTest::newRow("Gerät statt Datei")
            << "katalog.txt"
            << "/dev/null"
            << "katalog.txt" << 1
            << "DATANORM-Datei /dev/null nicht eingelesen: sie ist keine gewöhnliche "
               "Datei."
            << 2000;
        QTest::newRow("Ziel nicht schreibbar")
            << "katalog.txt"
            << "preise.001"
            << "fehlt/ziel.txt" << 1 << "Datei %1/fehlt/ziel.txt konnte nicht geschrieben werden!" << 2000;
        QTest::newRow("Abbruch beim Prüfen") << "katalog.txt"
                                             << "preise.001"
                                             << "katalog.txt" << 1 << "abgebrochen" << 0;
        QTest::newRow("Abbruch bei den Sätzen") << "katalog.txt"
                                                << "preise.001"
                                                << "katalog.txt" << 1 << "abgebrochen" << 501;
    }

    // A failure writes nothing and leaves the catalogue and any old target as they were; the
    // sum line comes only with a written file.
    void fehlschlag()
    {
        QFETCH(QString, katalogDatei);
        QFETCH(QString, datanormDatei);
        QFETCH(QString, zielDatei);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QFETCH(int, abbruchAb);
        QTemporaryDir tmp;
        QVERIFY(TestUmgebung::schreibe(tmp.filePath("katalog.txt"), katalog));
        QVERIFY(TestUmgebung::schreibe(tmp.filePath("ziel.txt"), "alt"));
        QVERIFY(TestUmgebung::schreibe(tmp.filePath("preise.001"),
                                       datanorm({"A;N;12345;00;x;;1;0;Stk;1;R;W;;"})));
        QVERIFY(TestUmgebung::schreibe(tmp.filePath("falsch.001"), kopf + "\xe4"));
        QStringList zeilen;
        const DatanormImport::Ergebnis e = DatanormImport::einlesen(
            tmp.filePath(katalogDatei),
            datanormDatei.startsWith(QLatin1Char('/')) ? datanormDatei : tmp.filePath(datanormDatei),
            tmp.filePath(zielDatei), [&zeilen](const QString& z) { zeilen << z; },
            [abbruchAb](int promille) { return promille < abbruchAb; });
        QCOMPARE(int(e.status), status);
        QCOMPARE(e.abgebrochen, abbruchAb < 2000);
        QCOMPARE(e.meldung, meldung.contains(QLatin1String("%1")) ? meldung.arg(tmp.path()) : meldung);
        QVERIFY(
            !zeilen.contains(QStringLiteral("Summe\t1 aktualisiert, 0 neu, 0 nicht gefunden, 0 übergangen, "
                                            "0 abgelehnt")));
        QCOMPARE(TestUmgebung::lies(tmp.filePath("katalog.txt")), katalog);
        QCOMPARE(TestUmgebung::lies(tmp.filePath("ziel.txt")), QByteArray("alt"));
    }
};

QTEST_GUILESS_MAIN(TestDatanormImport)
#include "tst_datanormimport.moc"
