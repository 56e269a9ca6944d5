#include "app/pfade.h"
#include "model/ventiltabelle.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QTest>

// The valve table "data/ventile.txt": its form, where it is looked for, and what a missing or
// broken file tells the user.
class TestVentilTabelle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init() { TestUmgebung::zuruecksetzen(); }

    void lesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("erwartet"); // "name: step=kv …", or "falsch"
        QTest::newRow("Kommentare, Leerzeilen, Leerraum")
            << QByteArray("# Tabelle\r\n\r\n  Ventil\tV\xe4lve 1\r\n 1\t0.1 \n#2\t0.2\n2\t0.25\n")
            << "Välve 1: 1=0.1 2=0.25";
        QTest::newRow("Stufen als Text") << QByteArray("Ventil\tX\nN\t0.5\n6.5\t1.2\n") << "X: N=0.5 6.5=1.2";
        QTest::newRow("ohne Kopfzeile") << QByteArray("1\t0.1\n2\t0.2\n") << "falsch";
        QTest::newRow("ohne Stufen") << QByteArray("Ventil\tX\n") << "falsch";
        QTest::newRow("Komma statt Punkt") << QByteArray("Ventil\tX\n1\t0,1\n") << "falsch";
        QTest::newRow("nicht aufsteigend") << QByteArray("Ventil\tX\n1\t0.2\n2\t0.2\n") << "falsch";
        QTest::newRow("kv 0") << QByteArray("Ventil\tX\n1\t0\n") << "falsch";
        QTest::newRow("ohne Tabulator") << QByteArray("Ventil\tX\n1 0.1\n") << "falsch";
        QTest::newRow("drei Felder") << QByteArray("Ventil\tX\n1\t0.1\t9\n") << "falsch";
        QTest::newRow("unendlich") << QByteArray("Ventil\tX\n1\tinf\n") << "falsch";
        QTest::newRow("leere Datei") << QByteArray() << "falsch";
    }
    void lesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, erwartet);
        QTemporaryDir tmp;
        Pfade::setApplDir(tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/'));
        Pfade::setUserDir(tmp.filePath(QStringLiteral("user")) + QLatin1Char('/'));
        QVERIFY(TestUmgebung::schreibe(Pfade::applDir() + QStringLiteral("data/ventile.txt"), inhalt));
        VentilTabelle t;
        QString fehler;
        const VentilTabelle::Status status = t.lade(fehler);
        if (erwartet == QLatin1String("falsch")) {
            QCOMPARE(status, VentilTabelle::Falsch);
            QCOMPARE(fehler, QStringLiteral("Datei ventile.txt hat ein falsches Format!"));
            QVERIFY(t.istLeer());
            return;
        }
        QCOMPARE(status, VentilTabelle::Geladen);
        QString text = t.name() + QLatin1Char(':');
        for (const VentilTabelle::Stufe& s : t.stufen())
            text += QStringLiteral(" %1=%2").arg(s.name).arg(s.kv);
        QCOMPARE(text, erwartet);
    }

    // The user's own table wins over the installation's; without either the notice names the
    // file looked for. The shipped example reads.
    void ort()
    {
        QTemporaryDir tmp;
        const QString appl = tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/');
        const QString user = tmp.filePath(QStringLiteral("user")) + QLatin1Char('/');
        Pfade::setApplDir(appl);
        Pfade::setUserDir(user);
        VentilTabelle t;
        QString fehler;
        QCOMPARE(t.lade(fehler), VentilTabelle::Fehlt);
        QVERIFY2(fehler.contains(appl + QStringLiteral("data/ventile.txt")), qPrintable(fehler));

        QVERIFY(TestUmgebung::schreibe(appl + QStringLiteral("data/ventile.txt"), "Ventil\tAppl\n1\t0.1\n"));
        QVERIFY(TestUmgebung::schreibe(user + QStringLiteral("data/ventile.txt"), "Ventil\tEigen\n1\t0.1\n"));
        QCOMPARE(t.lade(fehler), VentilTabelle::Geladen);
        QCOMPARE(t.name(), QStringLiteral("Eigen"));

        QCOMPARE(t.ladeDatei(TestUmgebung::shareDir() + QStringLiteral("data/ventile.txt"), fehler),
                 VentilTabelle::Geladen);
        QCOMPARE(t.name(), QStringLiteral("Beispieldaten"));
        QVERIFY(t.stufen().size() >= 8 && t.stufen().size() <= 10);
    }
};

QTEST_GUILESS_MAIN(TestVentilTabelle)
#include "tst_ventiltabelle.moc"
