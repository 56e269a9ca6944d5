#include "app/textcodec.h"
#include "clibeispiel.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/sonstigdata.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QTest>

// "wandheizung-cli gaeb": the bill of quantities as GAEB DA XML file, or a message and no file.
class TestGaebBefehl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString applDir;
    QString userDir;

    // A project in the stage "Ausführungsplanung": with the pipe and the devices of the
    // catalogue and 8 hours, or with nothing at all.
    QString angebot(const QString& name, bool mitPositionen)
    {
        ProjektBaum baum;
        baum.newProjekt();
        baum.projekt()->stand = 1;
        if (mitPositionen) {
            auto m = std::make_unique<MaterialData>();
            m->mengen = {5.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
            WHListItem* root = baum.root();
            baum.setMaterialItem(baum.insert(root, root->childCount(), std::move(m)));
            baum.sonstig()->montagezeit = 8.0f;
            baum.sonstig()->stundensatz = 50.0f;
        }
        const QString datei = tmp.filePath(name);
        QString fehler;
        if (!ProjektDatei::speichern(baum, datei, fehler))
            qWarning() << fehler;
        return datei;
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
        applDir = tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/');
        userDir = tmp.filePath(QStringLiteral("user")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(applDir + QStringLiteral("data/artikel0608.txt"),
                                       TextCodec::encode(CliBeispiel::katalogText())));
        QVERIFY(
            TestUmgebung::schreibe(userDir + QStringLiteral("data/anwender.txt"),
                                   TextCodec::encode(QStringLiteral("Müller & Söhne\n\nGartenstraße 3\n"
                                                                    "12345 Ort\n0123 456\n\n\nK-4711\n"))));
        ArtikelListe::global().readCatalogue(CliBeispiel::katalogText());
    }

    void aufruf_data()
    {
        QTest::addColumn<QString>("projekt"); // angebot, leer, schaetzung
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QStringList>("teile"); // pieces of the file; none: no file
        QTest::newRow("Angebotsabgabe")
            << "angebot" << QStringList{"--phase", "84"} << 0 << ""
            << QStringList{"GAEB_DA_XML/DA84/3.3",
                           "<Name1>Müller &amp; Söhne</Name1>",
                           "<Street>Gartenstraße 3",
                           "<PCode>12345</PCode>",
                           "<City>Ort</City>",
                           "<Phone>0123 456</Phone>\n   </Address>",
                           "<Item ID=\"P01_0010\" RNoPart=\"0010\">\n        <Qty>5.000</Qty>\n        "
                           "<UP>300.00</UP>\n        <IT>1500.00</IT>",
                           "<BoQCtgy ID=\"B90\" RNoPart=\"90\">"};
        // A room without wall heating area leaves the separators, one of them missing from the
        // catalogue.
        QTest::newRow("Kostenvoranschlag")
            << "schaetzung" << QStringList{"--phase", "83"} << 0 << ""
            << QStringList{"<LblBoQ>Kostenvoranschlag</LblBoQ>", "<span>Regelung und Zubehör</span>",
                           "<span>Artikel 150811</span>"};
        QTest::newRow("ohne Positionen") << "leer" << QStringList{"--phase", "82"} << 1
                                         << "Das Projekt hat keine Position mit einer Menge über 0; es wurde "
                                            "keine GAEB-Datei geschrieben.\n"
                                         << QStringList();
        QTest::newRow("Ziel unschreibbar") << "angebot" << QStringList{"--phase", "82", "-o", "fehlt/lv.x82"}
                                           << 1 << "konnte nicht geöffnet werden!\n"
                                           << QStringList();
        QTest::newRow("falsche Phase")
            << "angebot" << QStringList{"--phase", "81"} << 2 << "gaeb FILE --phase 83|84|82 -o OUT\n"
            << QStringList();
        QTest::newRow("ohne Phase") << "angebot" << QStringList() << 2
                                    << "gaeb FILE --phase 83|84|82 -o OUT\n"
                                    << QStringList();
    }

    void aufruf()
    {
        QFETCH(QString, projekt);
        QFETCH(QStringList, optionen);
        QFETCH(int, exitCode);
        QFETCH(QString, meldung);
        QFETCH(QStringList, teile);
        const QString datei =
            projekt == QLatin1String("schaetzung")
                ? CliBeispiel::speichereProjekt(tmp.filePath(QStringLiteral("s.bwh")), false)
                : angebot(projekt + QStringLiteral(".bwh"), projekt == QLatin1String("angebot"));
        QString ziel = tmp.filePath(QStringLiteral("lv.x8"));
        const int o = optionen.indexOf(QStringLiteral("-o"));
        if (o >= 0)
            ziel = tmp.filePath(optionen.at(o + 1));
        else
            optionen << QStringLiteral("-o") << ziel;
        QFile::remove(ziel);
        const CliBeispiel::Lauf lauf =
            CliBeispiel::starte(applDir, userDir, QStringList{QStringLiteral("gaeb"), datei} + optionen);
        QCOMPARE(lauf.exitCode, exitCode);
        QVERIFY2(meldung.isEmpty() ? lauf.err.isEmpty() : lauf.err.endsWith(meldung), qPrintable(lauf.err));
        QCOMPARE(QFile::exists(ziel), exitCode == 0);
        const QString xml = QString::fromUtf8(TestUmgebung::lies(ziel));
        for (const QString& teil : teile)
            QVERIFY2(xml.contains(teil), qPrintable(teil));
    }
};

QTEST_GUILESS_MAIN(TestGaebBefehl)
#include "tst_gaebbefehl.moc"
