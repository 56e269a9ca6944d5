#include "clibeispiel.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QTest>

// "wandheizung-cli material": the material page's computation on a project file.
class TestMaterialBefehl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString applDir;
    QString userDir;
    int exitCode = -1;
    QString out;
    QString err;

    void starte(const QStringList& args)
    {
        const CliBeispiel::Lauf lauf = CliBeispiel::starte(applDir, userDir, args);
        exitCode = lauf.exitCode;
        out = lauf.out;
        err = lauf.err;
    }

    QString speichereProjekt(const QString& name, bool mitListe, bool fehlerhaft = false)
    {
        return CliBeispiel::speichereProjekt(tmp.filePath(name), mitListe, fehlerhaft);
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
        applDir = tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/');
        userDir = tmp.filePath(QStringLiteral("user")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(applDir + QStringLiteral("data/artikel0608.txt"),
                                       CliBeispiel::katalogText().toLatin1()));
        QVERIFY(TestUmgebung::schreibe(userDir + QStringLiteral("data/anwender.txt"), QByteArray()));
        // The records write their material line against the program's catalogue.
        ArtikelListe::global().readCatalogue(CliBeispiel::katalogText());
    }

    void liste()
    {
        starte({QStringLiteral("material"), speichereProjekt(QStringLiteral("liste.bwh"), true)});
        QCOMPARE(exitCode, 0);
        // Computed articles replace the stored 5 rolls; the device entered by hand stays.
        QCOMPARE(out, QStringLiteral("150010\tVerbundrohr 16x2\t0.42\t300.00\t126.00\n"
                                     "012345\tPrüfgerät\t2\t10.00\t20.00\n"
                                     "150215\tSchiebehülse\t1\t12.50\t12.50\n"
                                     "150900\tWandhaken\t3\t0.35\t1.05\n"
                                     "151520\tVerteiler 2fach\t1\t150.00\t150.00\n"
                                     "150801\tEntlüfter\t1\t5.00\t5.00\n"
                                     "Summe\t314.55\n"
                                     "zzgl. Mwst\t59.76\n"
                                     "Summe incl. Mwst\t374.31\n"));
    }

    void mwst()
    {
        starte({QStringLiteral("material"), QStringLiteral("--mwst"), QStringLiteral("7"),
                speichereProjekt(QStringLiteral("mwst.bwh"), true)});
        QCOMPARE(exitCode, 0);
        QVERIFY2(out.endsWith(QStringLiteral("Summe\t314.55\nzzgl. Mwst\t22.02\nSumme incl. Mwst\t336.57\n")),
                 qPrintable(out));
    }

    void einheiten()
    {
        starte({QStringLiteral("material"), speichereProjekt(QStringLiteral("einheiten.bwh"), true),
                QStringLiteral("--units")});
        QCOMPARE(exitCode, 0);
        // Every number of the map in ascending order, also those the catalogue lacks, in units
        // and before the division into packs; the article entered by hand is not among them.
        QCOMPARE(out,
                 QStringLiteral("150003\t170\n150010\t84\n150063\t30\n150064\t70\n150210\t8\n150211\t14\n"
                                "150212\t2\n150213\t0\n150214\t0\n150215\t6\n150310\t2\n150801\t1\n"
                                "150811\t1\n150900\t2.4\n150910\t84\n150920\t200\n150930\t42\n151410\t0\n"
                                "151520\t1\n151528\t0\n151560\t1\n151570\t1\n200001\t1\n"));
    }

    void schreibtProjekt()
    {
        // Without a material list the command creates one, as the execution planning does.
        const QString ziel = tmp.filePath(QStringLiteral("ergebnis.bwh"));
        starte({QStringLiteral("material"), speichereProjekt(QStringLiteral("ohne.bwh"), false),
                QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 0);
        QVERIFY(out.startsWith(QStringLiteral("150010\tVerbundrohr 16x2\t0.42\t")));

        ProjektBaum baum;
        QVERIFY(ProjektDatei::laden(baum, ziel).erfolgreich());
        MaterialData* m = baum.material();
        QVERIFY(m);
        QCOMPARE(m->mengen.size(), ArtikelListe::global().size());
        QCOMPARE(m->mengen.at(0), 0.42f);
        QCOMPARE(m->mengen.at(1), 0.0f);
        QCOMPARE(m->mengen.at(4), 1.0f);
    }

    void raumFehler()
    {
        const QString ziel = tmp.filePath(QStringLiteral("nie.bwh"));
        starte({QStringLiteral("material"), speichereProjekt(QStringLiteral("fehler.bwh"), true, true),
                QStringLiteral("-o"), ziel});
        QCOMPARE(exitCode, 1);
        QVERIFY(out.isEmpty());
        QVERIFY2(err.startsWith(
                     QStringLiteral("Raum   Bad(EG):\nDie Differenz errechnete(erwünschte) Heizfläche\n")),
                 qPrintable(err));
        QVERIFY(!QFile::exists(ziel));
    }

    void benutzung_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("ohne Datei") << QStringList{QStringLiteral("material")};
        QTest::newRow("zwei Dateien")
            << QStringList{QStringLiteral("material"), QStringLiteral("a.bwh"), QStringLiteral("b.bwh")};
        QTest::newRow("-o ohne Ziel")
            << QStringList{QStringLiteral("material"), QStringLiteral("a.bwh"), QStringLiteral("-o")};
        QTest::newRow("Mwst kein Wert") << QStringList{QStringLiteral("material"), QStringLiteral("a.bwh"),
                                                       QStringLiteral("--mwst"), QStringLiteral("viel")};
        QTest::newRow("Mwst über 100") << QStringList{QStringLiteral("material"), QStringLiteral("a.bwh"),
                                                      QStringLiteral("--mwst"), QStringLiteral("120")};
    }

    void benutzung()
    {
        QFETCH(QStringList, args);
        starte(args);
        QCOMPARE(exitCode, 2);
        QVERIFY(out.isEmpty());
        QVERIFY(err.contains(QStringLiteral("material FILE")));
    }
};

QTEST_GUILESS_MAIN(TestMaterialBefehl)
#include "tst_materialbefehl.moc"
