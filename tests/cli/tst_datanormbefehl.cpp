#include "app/textcodec.h"
#include "clibeispiel.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kopf = "V 081226Lieferant Preise" + QByteArray(91, ' ') + "04EUR\r\n";
} // namespace

// "wandheizung-cli datanorm": report lines, exit codes, the written catalogue, and the user's
// catalogue read by every command afterwards.
class TestDatanormBefehl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString applDir;
    QString userDir;

    QString pfad(const QString& name) const { return tmp.filePath(name); }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
        applDir = pfad(QStringLiteral("appl")) + QLatin1Char('/');
        userDir = pfad(QStringLiteral("user")) + QLatin1Char('/');
        QVERIFY(TestUmgebung::schreibe(pfad("katalog.txt"), TextCodec::encode(CliBeispiel::katalogText())));
        QVERIFY(TestUmgebung::schreibe(applDir + QStringLiteral("data/artikel0608.txt"),
                                       TextCodec::encode(CliBeispiel::katalogText())));
        QVERIFY(TestUmgebung::schreibe(pfad("preise.001"), kopf + "A;N;012345;00;Pr\x81"
                                                                  "fger\x84t;;1;0;Stk;1250;R;W;;\r\n"
                                                                  "A;N;4242;00;Neu;;1;0;Stk;100;R;W;;\r\n"
                                                                  "P;A;777;1;100;;;;;;;\r\n\x1a"));
        QVERIFY(TestUmgebung::schreibe(pfad("utf8.001"), kopf + "A;N;12345;00;Pr\xc3\xbc"
                                                                "fger\xc3\xa4t;;1;0;Stk;1250;R;W;;\r\n"));
    }

    void aufruf_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString summe =
            QStringLiteral("Summe\t1 aktualisiert, 1 neu, 1 nicht gefunden, 0 übergangen, 0 abgelehnt\n");
        QTest::newRow("geschrieben") << QStringList{"katalog.txt", "preise.001", "-o", "neu.txt"} << 0
                                     << "aktualisiert\t012345\tPreis 10.00 -> 12.50\nneu\t4242\tNeu\n"
                                        "nicht gefunden\t777\n" +
                                            summe
                                     << QString();
        QTest::newRow("Codepage")
            << QStringList{"katalog.txt", "utf8.001", "-o", "neu.txt"} << 1 << QString()
            << "DATANORM-Datei %1/utf8.001 nicht eingelesen: Zeile 2, Byte 16 (0xC3) ist in "
               "Codepage 850 nicht erlaubt.\n";
        QTest::newRow("Katalog fehlt") << QStringList{"fehlt.txt", "preise.001", "-o", "neu.txt"} << 20
                                       << QString() << "Datei %1/fehlt.txt konnte nicht geöffnet werden!\n";
        QTest::newRow("ohne -o")
            << QStringList{"katalog.txt", "preise.001"} << 2 << QString()
            << "Aufruf: wandheizung-cli datanorm CATALOGUE_IN DATANORM_FILE -o CATALOGUE_OUT\n";
    }

    // Written: the report in file order, the sum last, exit 0; otherwise the message, the exit
    // code and no file.
    void aufruf()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFile::remove(pfad("neu.txt"));
        for (QString& a : args) {
            if (!a.startsWith(QLatin1Char('-')))
                a = pfad(a);
        }
        const CliBeispiel::Lauf lauf = CliBeispiel::starte(applDir, userDir, QStringList{"datanorm"} + args);
        QCOMPARE(lauf.exitCode, exitCode);
        QCOMPARE(lauf.out, out);
        QCOMPARE(lauf.err, err.contains(QLatin1String("%1")) ? err.arg(tmp.path()) : err);
        QCOMPARE(QFile::exists(pfad("neu.txt")), exitCode == 0);
    }

    // A catalogue in the user folder comes before the installation's: the import into it is
    // what every command reads next.
    void benutzerKatalogZuerst()
    {
        const QString eigener = userDir + QStringLiteral("data/artikel0608.txt");
        const CliBeispiel::Lauf lauf =
            CliBeispiel::starte(applDir, userDir,
                                {"datanorm", applDir + QStringLiteral("data/artikel0608.txt"),
                                 pfad("preise.001"), "-o", eigener});
        QCOMPARE(lauf.exitCode, 0);
        const CliBeispiel::Lauf katalog =
            CliBeispiel::starte(applDir, userDir, {"catalogue", "-o", pfad("katalog-aus.txt")});
        QCOMPARE(katalog.exitCode, 0);
        QVERIFY(TextCodec::decode(TestUmgebung::lies(pfad("katalog-aus.txt")))
                    .contains(QStringLiteral("12345\tPrüfgerät\t\t12.50\t")));
        QVERIFY(QFile::remove(eigener));
    }
};

QTEST_GUILESS_MAIN(TestDatanormBefehl)
#include "tst_datanormbefehl.moc"
