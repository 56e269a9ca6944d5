#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/artikelliste.h"
#include "reports/bestellfax.h"
#include "testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The order fax: the three templates filled, typed texts printed as typed.
class TestBestellfax : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;

    void schreibeVorlagen()
    {
        const QString dir = Pfade::vorlagenDir();
        QVERIFY(TestUmgebung::schreibe(dir + QStringLiteral("bestellung1.html"),
                                       "%Date%|%KundeNr%|%Absender%|%KundeNr%\n"));
        QVERIFY(TestUmgebung::schreibe(dir + QStringLiteral("bestellung2.html"),
                                       "[%Pos%;%ArtNr%;%Bezeichnung%;%Menge%]"));
        QVERIFY(TestUmgebung::schreibe(dir + QStringLiteral("bestellung3.html"),
                                       "|%GesamtWert%|%Liefer%|%Bemerk%"));
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(tmp.isValid());
    }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
        Pfade::setApplDir(tmp.filePath(QStringLiteral("appl")) + QLatin1Char('/'));
        Pfade::setUserDir(tmp.filePath(QStringLiteral("user")) + QLatin1Char('/'));
        schreibeVorlagen();
        ArtikelListe::global().readCatalogue(
            QStringLiteral("01.06.2008\n2\nRohre\nZubehör\n"
                           "1234\tHülse <10> & Co\t\t0.62\t0\t3\t10\t2\t1\n"
                           "150010\tVerbundrohr 16x2\t\t300.00\t0\t1\t200\t1\t1\n"
                           "150215\tNicht bestellt\t\t1.00\t0\t3\t1\t1\t1\n"));
        ArtikelListe::global().at(0).bestellMenge = 50;
        ArtikelListe::global().at(1).bestellMenge = 2;
    }

    void dokument_data()
    {
        QTest::addColumn<QString>("absender");
        QTest::addColumn<QString>("kundenNr");
        QTest::addColumn<QString>("bemerkung");
        QTest::addColumn<QString>("html");
        const QString positionen =
            QStringLiteral("[1;150010;Verbundrohr 16x2;2][2;01234;Hülse &lt;10&gt; &amp; Co;50]");
        QTest::newRow("schlicht") << "Heizung Muster GmbH\nWeg 1"
                                  << "K-77"
                                  << ""
                                  << "24.12.2026|K-77|Heizung Muster GmbH<br>Weg 1|K-77\n" + positionen +
                                         "|748.66|Paket|";
        // Markup, replacement patterns and percent signs arrive as typed; line breaks as <br>.
        QTest::newRow("HTML und Muster")
            << "<b>Bau & Söhne</b>\n\nStraße 5"
            << "$& \\1 %Date%"
            << "Bitte <vormittags>\nanliefern: 100% $1"
            << "24.12.2026|$&amp; \\1 &#37;Date&#37;|&lt;b&gt;Bau &amp; Söhne&lt;/b&gt;<br><br>Straße 5|"
               "$&amp; \\1 &#37;Date&#37;\n" +
                   positionen + "|748.66|Paket|Bitte &lt;vormittags&gt;<br>anliefern: 100&#37; $1";
        const QString lang = QString(2000, QLatin1Char('x'));
        QTest::newRow("2000 Zeichen")
            << ""
            << "" << lang << "24.12.2026|||\n" + positionen + "|748.66|Paket|" + lang;
    }

    void dokument()
    {
        QFETCH(QString, absender);
        QFETCH(QString, kundenNr);
        QFETCH(QString, bemerkung);
        QFETCH(QString, html);
        QString positionen;
        QString fehler;
        QVERIFY(Bestellfax::positionen(ArtikelListe::global(), positionen, fehler));
        Bestellfax::Angaben angaben{
            absender,           kundenNr, QStringLiteral("Paket"), bemerkung, QStringLiteral("748.66"),
            QDate(2026, 12, 24)};
        QVERIFY(Bestellfax::ausgeben(angaben, positionen, fehler));
        QCOMPARE(TestUmgebung::lies(Pfade::ausgabeDir() + QStringLiteral("ausdruck.html")),
                 TextCodec::encode(html));
    }

    void fehlendeDatei_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        // The position template is named by the name installers know.
        QTest::newRow("Position") << "appl/ausdrucke/bestellung2.html"
                                  << "Datei bestellung.html konnte nicht geöffnet werden!";
        QTest::newRow("Kopf") << "appl/ausdrucke/bestellung1.html"
                              << "Datei bestellung1.html konnte nicht geöffnet werden!";
        QTest::newRow("Fuss") << "appl/ausdrucke/bestellung3.html"
                              << "Datei bestellung3.html konnte nicht geöffnet werden!";
        QTest::newRow("Ausgabe") << "user/ausdrucke"
                                 << "Datei ausdruck.html konnte nicht geöffnet werden!";
    }

    void fehlendeDatei()
    {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        const QString pfad = tmp.filePath(datei);
        QFile::remove(pfad);
        // The output folder taken by a file cannot hold the fax.
        if (datei.startsWith(QLatin1String("user")))
            QVERIFY(TestUmgebung::schreibe(pfad, "kein Ordner"));

        QString positionen;
        QString fehler;
        const bool ok = Bestellfax::positionen(ArtikelListe::global(), positionen, fehler) &&
                        Bestellfax::ausgeben(Bestellfax::Angaben(), positionen, fehler);
        QVERIFY(!ok);
        QCOMPARE(fehler, meldung);
        QVERIFY(!QFile::exists(Pfade::ausgabeDir() + QStringLiteral("ausdruck.html")));
    }
};

QTEST_GUILESS_MAIN(TestBestellfax)
#include "tst_bestellfax.moc"
