#include "model/artikelliste.h"
#include "reports/materialtabelle.h"
#include "reports/tabellenexport.h"
#include "testumgebung.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A group name and a description that need quotes in CSV; an article of group 7, which the
// catalogue does not name, is listed with the last group and counted there.
const char* const katalog = "01.01.2008\n2\nRohre; \"Fittings\"\nZubehör\n"
                            "150010\tRohr 16x2\t\t330.00\t0\t1\t200\t1\t1\n"
                            "12345\tHülse \"klein\"; rund\t\t0.62\t0\t3\t1\t1\t1\n"
                            "150801\tEntlüfter\t\t5.00\t0\t3\t1\t2\t1\n"
                            "777\tWerkzeug\t\t99.00\t0\t3\t1\t7\t0\n";

// Requirement or order quantity per catalogue position.
void setzeMengen(MaterialTabelle::Art art, const QVector<float>& mengen)
{
    ArtikelListe& k = ArtikelListe::global();
    for (int i = 0; i < mengen.size(); ++i) {
        if (art == MaterialTabelle::Bestellung)
            k.at(i).bestellMenge = static_cast<int>(mengen.at(i));
        else
            k.setBedarf(k.at(i), mengen.at(i));
    }
}

QByteArray ausZip(const QString& zip, const QString& teil)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, teil});
    p.waitForFinished();
    return p.readAllStandardOutput();
}

} // namespace

class TestTabellenExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
    }
    void init()
    {
        TestUmgebung::zuruecksetzen();
        ArtikelListe::global().readCatalogue(QString::fromUtf8(katalog));
    }

    void csv_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QVector<float>>("mengen");
        QTest::addColumn<QByteArray>("erwartet");
        const QByteArray kopf = "\xEF\xBB\xBFPos.;Art.-Nr.;Bezeichnung;Menge;Preis (EUR);Gesamt (EUR)\r\n"
                                ";;\"Rohre; \"\"Fittings\"\"\";;;\r\n";
        // 0.42 rolls of pipe stay a fraction; VAT 19 % of 239.46 is 45.4974, 45.50.
        QTest::newRow("Materialliste")
            << int(MaterialTabelle::Materialliste) << QVector<float>{0.42f, 3, 0, 1}
            << kopf + "1;150010;Rohr 16x2;0,42;330,00;138,60\r\n"
                      "2;012345;\"Hülse \"\"klein\"\"; rund\";3;0,62;1,86\r\n"
                      ";;\"Summe Rohre; \"\"Fittings\"\"\";;;140,46\r\n"
                      ";;Zubehör;;;\r\n"
                      "3;0777;Werkzeug;1;99,00;99,00\r\n"
                      ";;Summe Zubehör;;;99,00\r\n"
                      ";;Summe;;;239,46\r\n"
                      ";;zzgl. Mwst;;;45,50\r\n"
                      ";;Summe incl. Mwst;;;284,96\r\n";
        QTest::newRow("Bestellung") << int(MaterialTabelle::Bestellung) << QVector<float>{1, 3, 2, 0}
                                    << kopf + "1;150010;Rohr 16x2;1;330,00;330,00\r\n"
                                              "2;012345;\"Hülse \"\"klein\"\"; rund\";3;0,62;1,86\r\n"
                                              ";;\"Summe Rohre; \"\"Fittings\"\"\";;;331,86\r\n"
                                              ";;Zubehör;;;\r\n"
                                              "3;150801;Entlüfter;2;5,00;10,00\r\n"
                                              ";;Summe Zubehör;;;10,00\r\n"
                                              ";;Summe;;;341,86\r\n"
                                              ";;zzgl. Mwst;;;64,95\r\n"
                                              ";;Summe incl. Mwst;;;406,81\r\n";
        QTest::newRow("leer")
            << int(MaterialTabelle::Materialliste) << QVector<float>{}
            << QByteArray("\xEF\xBB\xBFPos.;Art.-Nr.;Bezeichnung;Menge;Preis (EUR);Gesamt (EUR)\r\n"
                          ";;Summe;;;0,00\r\n;;zzgl. Mwst;;;0,00\r\n;;Summe incl. Mwst;;;0,00\r\n");
    }

    // The table of the material list and of the order, byte for byte as CSV.
    void csv()
    {
        QFETCH(int, art);
        QFETCH(QVector<float>, mengen);
        QFETCH(QByteArray, erwartet);
        setzeMengen(static_cast<MaterialTabelle::Art>(art), mengen);
        const MaterialTabelle t =
            MaterialTabelle::aus(ArtikelListe::global(), static_cast<MaterialTabelle::Art>(art), 0.19f);
        QCOMPARE(TabellenExport::csv(t), erwartet);
    }

    void xlsx_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QVector<float>>("mengen");
        QTest::addColumn<QString>("blatt");
        QTest::addColumn<QStringList>("zellen");
        QTest::newRow("Materialliste")
            << int(MaterialTabelle::Materialliste) << QVector<float>{0.42f, 3, 0, 1} << "Materialliste"
            << QStringList{"<c r=\"A3\"><v>1</v></c><c r=\"B3\" t=\"s\">",
                           "<c r=\"D3\"><v>0.42</v></c>",
                           "<c r=\"E3\" s=\"2\"><v>330</v></c><c r=\"F3\" s=\"2\"><v>138.6</v></c>",
                           "<c r=\"F5\" s=\"3\"><f>SUM(F3:F4)</f><v>140.46</v></c>",
                           "<c r=\"F9\" s=\"3\"><f>F5+F8</f><v>239.46</v></c>",
                           "<f>ROUND(F9*0.189999997615814,2)</f><v>45.5</v>",
                           "<f>F9+F10</f><v>284.96</v>"};
        QTest::newRow("Bestellung") << int(MaterialTabelle::Bestellung) << QVector<float>{1, 3, 2, 0}
                                    << "Bestellung"
                                    << QStringList{"<c r=\"D3\"><v>1</v></c>",
                                                   "<c r=\"F9\" s=\"3\"><f>F5+F8</f><v>341.86</v></c>"};
    }

    // The workbook: its sheet, the frozen header, numbers as numbers, article numbers as
    // text, sums as formulas carrying their value.
    void xlsx()
    {
        QFETCH(int, art);
        QFETCH(QVector<float>, mengen);
        QFETCH(QString, blatt);
        QFETCH(QStringList, zellen);
        setzeMengen(static_cast<MaterialTabelle::Art>(art), mengen);
        const QString datei = tmp.filePath(blatt + QStringLiteral(".xlsx"));
        QString fehler;
        QVERIFY(TabellenExport::schreibe(
            MaterialTabelle::aus(ArtikelListe::global(), static_cast<MaterialTabelle::Art>(art), 0.19f),
            TabellenExport::Xlsx, datei, fehler));
        QVERIFY(ausZip(datei, QStringLiteral("xl/workbook.xml")).contains("name=\"" + blatt.toUtf8() + "\""));
        QVERIFY(ausZip(datei, QStringLiteral("xl/styles.xml")).contains("formatCode=\"#,##0.00\""));
        const QByteArray texte = ausZip(datei, QStringLiteral("xl/sharedStrings.xml"));
        for (const char* t : {"<t>Art.-Nr.</t>", "<t>012345</t>", "<t>Summe incl. Mwst</t>"})
            QVERIFY2(texte.contains(t), t);
        const QByteArray xml = ausZip(datei, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(xml.contains(
            "<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"));
        for (const QString& z : zellen)
            QVERIFY2(xml.contains(z.toUtf8()), qPrintable(z));
    }

    void unschreibbar_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("CSV") << int(TabellenExport::Csv);
        QTest::newRow("XLSX") << int(TabellenExport::Xlsx);
    }

    // A target that cannot be written leaves no file and says which.
    void unschreibbar()
    {
        QFETCH(int, format);
        const QString datei = tmp.filePath(QStringLiteral("fehlt/liste"));
        QString fehler;
        QVERIFY(!TabellenExport::schreibe(
            MaterialTabelle::aus(ArtikelListe::global(), MaterialTabelle::Materialliste, 0.19f),
            static_cast<TabellenExport::Format>(format), datei, fehler));
        QCOMPARE(fehler, QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(datei));
        QVERIFY(!QFile::exists(datei));
    }
};

QTEST_GUILESS_MAIN(TestTabellenExport)
#include "tst_tabellenexport.moc"
