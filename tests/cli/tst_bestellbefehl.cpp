#include "app/textcodec.h"
#include "clibeispiel.h"
#include "model/artikelliste.h"
#include "testumgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// "wandheizung-cli order": the material run, rounded to whole packs, as export file and fax.
class TestBestellBefehl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString applDir;
    QString userDir;
    int exitCode = -1;
    QString err;

    void starte(const QStringList& args, const QString& appl = QString())
    {
        const CliBeispiel::Lauf lauf = CliBeispiel::starte(appl.isEmpty() ? applDir : appl, userDir, args);
        exitCode = lauf.exitCode;
        err = lauf.err;
    }

    // The material list holds 5 rolls of pipe (the run replaces them by 0.42 rolls) and 2
    // devices entered by hand.
    QString speichereProjekt(const QString& name, bool fehlerhaft = false)
    {
        return CliBeispiel::speichereProjekt(tmp.filePath(name), true, fehlerhaft);
    }

    static QString lies(const QString& datei) { return TextCodec::decode(TestUmgebung::lies(datei)); }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
        applDir = tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/');
        userDir = tmp.filePath(QStringLiteral("user")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(applDir + QStringLiteral("data/artikel0608.txt"),
                                       TextCodec::encode(CliBeispiel::katalogText())));
        for (const char* v : {"bestellung1.html", "bestellung2.html", "bestellung3.html"}) {
            const QString name = QStringLiteral("ausdrucke/") + QLatin1String(v);
            QVERIFY(
                TestUmgebung::schreibe(applDir + name, TestUmgebung::lies(TestUmgebung::shareDir() + name)));
        }
        QVERIFY(TestUmgebung::schreibe(
            userDir + QStringLiteral("data/anwender.txt"),
            TextCodec::encode(QStringLiteral("Müller & Söhne\n  Heizungsbau \nGartenstraße 3\n12345 Ort\n"
                                             "0123 456\n0123 457\nmail@example.org\nK-4711\n"))));
        ArtikelListe::global().readCatalogue(CliBeispiel::katalogText());
    }

    void exportDatei_data()
    {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<QStringList>("teile"); // pieces of the fax
        // Sender lines 1 to 4 of the user data (blanks kept, the telephone left out), the
        // customer number, the first delivery kind, the gross value as the order form shows it.
        QTest::newRow("Standard")
            << QStringList()
            << QStringList{"Müller &amp; Söhne<br>  Heizungsbau <br>Gartenstraße 3<br>12345 Ort</td>",
                           ">K-4711</td>", ">BELVORO-LKW</td>", "581.37 EUR"};
        QTest::newRow("Optionen") << QStringList{"--mwst", "7",           "--kunden-nr",
                                                 "A&B 9",  "--lieferart", "Abholung"}
                                  << QStringList{">A&amp;B 9</td>", ">Abholung</td>", "522.75 EUR"};
    }

    // 0.42 rolls of pipe order one roll; the devices entered by hand stay; the order is
    // numbered group by group.
    void exportDatei()
    {
        QFETCH(QStringList, optionen);
        QFETCH(QStringList, teile);
        const QString ziel = tmp.filePath(QStringLiteral("bestellung.txt"));
        const QString fax = tmp.filePath(QStringLiteral("fax.html"));
        starte(QStringList{QStringLiteral("order"), speichereProjekt(QStringLiteral("p.bwh")),
                           QStringLiteral("-o"), ziel, QStringLiteral("--fax"), fax,
                           QStringLiteral("--bemerkung"),
                           QStringLiteral("Anlieferung <vormittags>\\nTor 2")} +
               optionen);
        QCOMPARE(exitCode, 0);
        QCOMPARE(TestUmgebung::lies(ziel),
                 TextCodec::encode(QStringLiteral("Pos.\tArt.-Nr.\tBezeichnung\tPreis\tMenge\n"
                                                  "1\t150010\tVerbundrohr 16x2\t300,00\t1\n"
                                                  "2\t150215\tSchiebehülse\t12,50\t1\n"
                                                  "3\t012345\tPrüfgerät\t10,00\t2\n"
                                                  "4\t150900\tWandhaken\t0,35\t3\n"
                                                  "5\t151520\tVerteiler 2fach\t150,00\t1\n"
                                                  "6\t150801\tEntlüfter\t5,00\t1\n")));
        const QString html = lies(fax);
        teile << QStringLiteral("Anlieferung &lt;vormittags&gt;<br>Tor 2</td>")
              << QStringLiteral("<td align=\"right\">3</td>\n<td>012345</td>\n<td>Prüfgerät</td>\n"
                                "<td align=\"right\">2</td>");
        for (const QString& teil : teile)
            QVERIFY2(html.contains(teil), qPrintable(teil));
    }

    void fehler_data()
    {
        QTest::addColumn<bool>("fehlerhaft");
        QTest::addColumn<QString>("appl");
        QTest::addColumn<QString>("zielOrdner");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Raumprüfung") << true << ""
                                     << ""
                                     << "Raum   Bad(EG):\n";
        QTest::newRow("Vorlage fehlt") << false << "ohne-fuss"
                                       << ""
                                       << "Datei bestellung3.html konnte nicht geöffnet werden!\n";
        QTest::newRow("Ziel unschreibbar") << false << ""
                                           << "fehlt/"
                                           << "konnte nicht geöffnet werden!\n";
    }

    void fehler()
    {
        QFETCH(bool, fehlerhaft);
        QFETCH(QString, appl);
        QFETCH(QString, zielOrdner);
        QFETCH(QString, meldung);
        QString anderesAppl;
        if (!appl.isEmpty()) {
            anderesAppl = tmp.filePath(appl) + QLatin1Char('/');
            for (const char* v :
                 {"data/artikel0608.txt", "ausdrucke/bestellung1.html", "ausdrucke/bestellung2.html"})
                QVERIFY(TestUmgebung::schreibe(anderesAppl + QLatin1String(v),
                                               TestUmgebung::lies(applDir + QLatin1String(v))));
        }
        const QString ziel = tmp.filePath(zielOrdner + QStringLiteral("nie.txt"));
        const QString fax = tmp.filePath(QStringLiteral("nie.html"));
        starte({QStringLiteral("order"), speichereProjekt(QStringLiteral("f.bwh"), fehlerhaft),
                QStringLiteral("-o"), ziel, QStringLiteral("--fax"), fax},
               anderesAppl);
        QCOMPARE(exitCode, 1);
        QVERIFY2(fehlerhaft ? err.startsWith(meldung) : err.endsWith(meldung), qPrintable(err));
        QVERIFY(!QFile::exists(ziel));
        QVERIFY(!QFile::exists(fax));
    }

    void tabellen_data()
    {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("ordner"); // of the workbook
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("zeile"); // a line of the CSV file
        // The order rounds 0.42 rolls of pipe to one; the material list keeps the fraction.
        QTest::newRow("order") << "order"
                               << "" << 0 << "1;150010;Verbundrohr 16x2;1;300,00;300,00\r\n";
        QTest::newRow("material") << "material"
                                  << "" << 0 << "1;150010;Verbundrohr 16x2;0,42;300,00;126,00\r\n";
        // Every file or none: the CSV file is not written either.
        QTest::newRow("Ziel unschreibbar") << "order"
                                           << "fehlt/" << 1 << "";
    }

    // "--xlsx" and "--csv" write the table of the order or of the material list.
    void tabellen()
    {
        QFETCH(QString, befehl);
        QFETCH(QString, ordner);
        QFETCH(int, code);
        QFETCH(QString, zeile);
        const QString xlsx = tmp.filePath(ordner + befehl + QStringLiteral(".xlsx"));
        const QString csv = tmp.filePath(befehl + QStringLiteral(".csv"));
        QFile::remove(csv);
        starte({befehl, speichereProjekt(QStringLiteral("t.bwh")), QStringLiteral("--xlsx"), xlsx,
                QStringLiteral("--csv"), csv});
        QCOMPARE(exitCode, code);
        QCOMPARE(QFile::exists(csv), code == 0);
        QCOMPARE(QFile::exists(xlsx), code == 0);
        if (code == 0) {
            QVERIFY(TestUmgebung::lies(csv).startsWith(
                "\xEF\xBB\xBFPos.;Art.-Nr.;Bezeichnung;Menge;Preis (EUR);Gesamt (EUR)\r\n;;Rohre;;;\r\n" +
                zeile.toUtf8()));
            QVERIFY(TestUmgebung::lies(xlsx).startsWith("PK"));
        }
    }

    void benutzung_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("ohne Ziel") << QStringList{QStringLiteral("order"), QStringLiteral("a.bwh")};
        QTest::newRow("--fax ohne Datei")
            << QStringList{QStringLiteral("order"), QStringLiteral("a.bwh"), QStringLiteral("-o"),
                           QStringLiteral("b.txt"), QStringLiteral("--fax")};
    }

    void benutzung()
    {
        QFETCH(QStringList, args);
        starte(args);
        QCOMPARE(exitCode, 2);
        QVERIFY(err.contains(QStringLiteral("order FILE [-o OUT.txt] [--xlsx OUT] [--csv OUT]")));
    }
};

QTEST_GUILESS_MAIN(TestBestellBefehl)
#include "tst_bestellbefehl.moc"
