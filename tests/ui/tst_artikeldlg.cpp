#include "model/artikelliste.h"
#include "testumgebung.h"
#include "ui/whartikeldlg.h"
#include "ui/whartikelsuchen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// The first article has 3-decimal figures and a group beyond the list.
const char* const katalog = "01.06.2008\n2\nRohre\nZubehör\n"
                            "150010\tVerbundrohr 16x2\tRolle\t300.004\t2.26\t1\t12.345\t9\t1\n"
                            "12345\tSCHIEBEHÜLSE 16\t\t0.62\t0\t3\t10\t1\t0\n"
                            "150211\tSchiebehülse 10\t\t0.55\t0\t3\t10\t1\t1\n"
                            "160000\tPrüfgerät\t\t100.00\t0\t3\t1\t2\t0\n";

QLineEdit* feld(QWidget& w, const char* name)
{
    return w.findChild<QLineEdit*>(QLatin1String(name));
}
} // namespace

// The article master as a viewer: display rounding, navigation, search, empty catalogue.
class TestArtikelDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        ArtikelListe::global().readCatalogue(QString::fromUtf8(katalog));
    }

    void anzeige()
    {
        WHArtikelDlg dlg;
        QCOMPARE(feld(dlg, "LEArtNr")->text(), QStringLiteral("150010"));
        QCOMPARE(feld(dlg, "LEMenge")->text(), QStringLiteral("12.35"));
        QCOMPARE(feld(dlg, "LEPreisEuro")->text(), QStringLiteral("300.00"));
        QCOMPARE(feld(dlg, "LERabatt")->text(), QStringLiteral("2.3"));
        QVERIFY(feld(dlg, "LEBezeichnung")->isReadOnly());
        QVERIFY(!dlg.findChild<QComboBox*>(QStringLiteral("CBGruppe"))->isEnabled());
        for (const char* name : {"PBUndoArt", "PBAddArt", "PBDeleteArt", "PBSpeichern"})
            QVERIFY(dlg.findChild<QPushButton*>(QLatin1String(name))->isHidden());

        // Shown and left, the article keeps the rounded figures; a group the list cannot
        // show stays as it was.
        dlg.goNext();
        QCOMPARE(feld(dlg, "LEArtNr")->text(), QStringLiteral("012345"));
        const Artikel& a = ArtikelListe::global().at(0);
        QCOMPARE(a.menge, 12.35f);
        QCOMPARE(a.preis, 300.0f);
        QCOMPARE(a.rabatt, 2.3f);
        QCOMPARE(a.gruppe, 9);
        QCOMPARE(a.artNr, 150010);
        QVERIFY(a.bedarfBerechnen);
    }

    void navigation_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<int>("aktuell");
        QTest::newRow("vor am Ende") << QStringList{"last", "next"} << 3;
        QTest::newRow("zurück am Anfang") << QStringList{"previous"} << 0;
        QTest::newRow("hin und her") << QStringList{"next", "next", "previous"} << 1;
        QTest::newRow("Anfang") << QStringList{"last", "first"} << 0;
    }

    void navigation()
    {
        QFETCH(QStringList, schritte);
        QFETCH(int, aktuell);
        WHArtikelDlg dlg;
        for (const QString& s : schritte) {
            const QString name = QStringLiteral("PBgo") + s.at(0).toUpper() + s.mid(1);
            dlg.findChild<QPushButton*>(name)->click();
        }
        QCOMPARE(ArtikelListe::global().aktuell(), aktuell);
        QCOMPARE(feld(dlg, "LEBezeichnung")->text(), ArtikelListe::global().at(aktuell).bezeichnung);
    }

    // By number with leading zeros, by description regardless of case and inside words;
    // "&Weitersuchen" goes on after the current article, and nothing found changes nothing.
    void suche_data()
    {
        QTest::addColumn<bool>("inBezeichnung");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QList<int>>("gefunden");
        QTest::newRow("Nummer") << false << "12345" << QStringList{"anfang"} << QList<int>{1};
        QTest::newRow("führende Null") << false << "012345" << QStringList{"anfang"} << QList<int>{1};
        QTest::newRow("keine Zahl") << false << "abc" << QStringList{"anfang"} << QList<int>{0};
        QTest::newRow("Bezeichnung") << true << "hülse" << QStringList{"anfang", "weiter", "weiter"}
                                     << QList<int>{1, 2, 2};
        QTest::newRow("im Wort") << true << "rüfgerä" << QStringList{"anfang"} << QList<int>{3};
        QTest::newRow("nicht da") << true << "Ventil" << QStringList{"anfang"} << QList<int>{0};
    }

    void suche()
    {
        QFETCH(bool, inBezeichnung);
        QFETCH(QString, text);
        QFETCH(QStringList, schritte);
        QFETCH(QList<int>, gefunden);
        WHArtikelDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        (inBezeichnung ? feld(dlg, "LEBezeichnung") : feld(dlg, "LEArtNr"))->setFocus();
        dlg.findChild<QPushButton*>(QStringLiteral("PBSuchen"))->click();
        WHArtikelSuchen* suche = WHArtikelSuchen::instanz();
        QVERIFY(suche);
        QCOMPARE(suche->findChild<QLabel*>(QStringLiteral("TLSuchenNach"))->text(),
                 inBezeichnung ? QStringLiteral("Suche in Bezeichnung:")
                               : QStringLiteral("Suche nach Artikel Nr:"));
        suche->findChild<QLineEdit*>(QStringLiteral("LESuchen"))->setText(text);
        for (int i = 0; i < schritte.size(); ++i) {
            suche
                ->findChild<QPushButton*>(schritte.at(i) == QLatin1String("anfang")
                                              ? QStringLiteral("PBAnfang")
                                              : QStringLiteral("PBWeiter"))
                ->click();
            QCOMPARE(ArtikelListe::global().aktuell(), gefunden.at(i));
        }
        QCOMPARE(feld(dlg, "LEBezeichnung")->text(), ArtikelListe::global().at(gefunden.last()).bezeichnung);
        // One search dialog at a time; a new article master starts without one.
        dlg.suchen();
        QCOMPARE(WHArtikelSuchen::instanz(), suche);
        WHArtikelDlg zweiter;
        QVERIFY(!WHArtikelSuchen::instanz());
    }

    void leererKatalog()
    {
        ArtikelListe::global().clear();
        WHArtikelDlg dlg;
        QVERIFY(feld(dlg, "LEArtNr")->text().isEmpty());
        QCOMPARE(dlg.findChild<QComboBox*>(QStringLiteral("CBEinheit"))->currentIndex(), -1);
        dlg.goNext();
        dlg.goLast();
        dlg.suchen();
        WHArtikelSuchen::instanz()->anfang();
        WHArtikelSuchen::instanz()->weiter();
        dlg.exit();
        QCOMPARE(ArtikelListe::global().aktuell(), -1);
        QVERIFY(ArtikelListe::global().isEmpty());
    }
};

QTEST_MAIN(TestArtikelDlg)
#include "tst_artikeldlg.moc"
