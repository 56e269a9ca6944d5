#include "app/pfade.h"
#include "app/programm.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "testumgebung.h"
#include "ui/combospinwgt.h"
#include "ui/dateidialog.h"
#include "ui/messagebox.h"
#include "ui/whmaterialwidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
// Two named groups; the third article names no group and is listed under the last one.
const char* const katalog = "01.06.2008\t1\t2\t3\t4\t5\n"
                            "2\n"
                            "Rohre\n"
                            "Register\n"
                            "150010\tRohr 16x2\tRohr lang\t2.00\t0\t1\t25\t1\t1\n"
                            "1234\tRegister\tRegister lang\t10.00\t0\t3\t1\t2\t1\n"
                            "150999\tOhne Gruppe\tlang\t5.00\t0\t3\t1\t0\t0\n";

QLabel* label(QWidget& w, const char* name)
{
    return w.findChild<QLabel*>(QLatin1String(name));
}
} // namespace

class TestMaterialWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
    }
    void init()
    {
        TestUmgebung::zuruecksetzen();
        ArtikelListe::global().readCatalogue(QString::fromLatin1(katalog));
    }

    void aufbau()
    {
        WHMaterialWidget seite;
        MaterialData m;
        m.mengen = {1.0f, 2.0f, 1.0f};
        seite.showData(m);
        QCOMPARE(Pfade::helpPage(), QStringLiteral("materialbedarf.html"));
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        QCOMPARE(baum->topLevelItemCount(), 2);
        QTreeWidgetItem* rohre = baum->topLevelItem(0);
        QTreeWidgetItem* register_ = baum->topLevelItem(1);
        QCOMPARE(rohre->text(1), QStringLiteral("Rohre"));
        QCOMPARE(register_->childCount(), 2);
        QCOMPARE(register_->child(0)->text(0), QStringLiteral("01234"));
        QCOMPARE(rohre->child(0)->text(0), QStringLiteral("150010"));
        QCOMPARE(rohre->child(0)->text(2), QStringLiteral("2.00"));
        QCOMPARE(rohre->text(2), QStringLiteral("2.00"));
        // The last group's sum counts only its own articles, the total every article.
        QCOMPARE(register_->text(2), QStringLiteral("20.00"));
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("27.00"));
        QCOMPARE(baum->headerItem()->text(1), QStringLiteral("Gruppe"));
        QCOMPARE(baum->headerItem()->text(2), QStringLiteral("Summe(EUR)"));

        baum->setCurrentItem(rohre->child(0));
        QCOMPARE(baum->headerItem()->text(0), QStringLiteral("Art. Nr."));
        QCOMPARE(baum->headerItem()->text(3), QStringLiteral("Menge"));
        baum->setCurrentItem(rohre);
        QCOMPARE(baum->headerItem()->text(0), QString());
        QCOMPARE(baum->headerItem()->text(1), QStringLiteral("Gruppe"));
    }

    void mengeMitEinheitsrundung_data()
    {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("angezeigt");
        QTest::addColumn<QString>("gruppenSumme");
        QTest::addColumn<QString>("summe");
        QTest::newRow("Rohr in Rollen behält Hundertstel") << 0 << 0 << "1.234"
                                                           << "1.23"
                                                           << "2.46"
                                                           << "2.46";
        QTest::newRow("Stück auf ganze") << 1 << 0 << "1.234"
                                         << "2"
                                         << "20.00"
                                         << "20.00";
        QTest::newRow("ohne Gruppe unter der letzten") << 1 << 1 << "3"
                                                       << "3"
                                                       << "0.00"
                                                       << "15.00";
        QTest::newRow("keine Zahl") << 0 << 0 << "x"
                                    << "0"
                                    << "0.00"
                                    << "0.00";
    }
    void mengeMitEinheitsrundung()
    {
        QFETCH(int, gruppe);
        QFETCH(int, kind);
        QFETCH(QString, eingabe);
        QFETCH(QString, angezeigt);
        QFETCH(QString, gruppenSumme);
        QFETCH(QString, summe);
        WHMaterialWidget seite;
        MaterialData m;
        seite.showData(m);
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        QTreeWidgetItem* zeile = baum->topLevelItem(gruppe)->child(kind);
        zeile->setText(3, eingabe);
        QCOMPARE(zeile->text(3), angezeigt);
        QCOMPARE(baum->topLevelItem(gruppe)->text(2), gruppenSumme);
        QCOMPARE(label(seite, "LSumme")->text(), summe);
        QVERIFY(seite.isChanged(m) == (angezeigt != QLatin1String("0")));
        seite.getData(m);
        QVERIFY(!seite.isChanged(m));
    }

    void gruppenzeilenAendernNichts()
    {
        WHMaterialWidget seite;
        MaterialData m;
        seite.showData(m);
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        baum->topLevelItem(0)->setText(3, QStringLiteral("5"));
        QCOMPARE(ArtikelListe::global().at(0).bedarf, 0.0f);
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("0.00"));
    }

    void editorUebergibtSofort()
    {
        WHMaterialWidget seite;
        seite.show();
        MaterialData m;
        seite.showData(m);
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        baum->expandAll();
        QTreeWidgetItem* zeile = baum->topLevelItem(1)->child(0);
        baum->editItem(zeile, 1);
        QVERIFY(!baum->findChild<combospinWgt*>());
        baum->editItem(zeile, 3);
        auto* editor = baum->findChild<combospinWgt*>();
        QVERIFY(editor);
        QCOMPARE(editor->max(), 2000.0);
        QCOMPARE(editor->maxDecimals(), 2);
        QVERIFY(!editor->emitOnEdit);
        editor->changeWert(4);
        QCOMPARE(zeile->text(3), QStringLiteral("4"));
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("40.00"));
    }

    void returnUebernimmt()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QAbstractItemView")));
        WHMaterialWidget seite;
        seite.show();
        seite.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&seite));
        MaterialData m;
        seite.showData(m);
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        baum->expandAll();
        QTreeWidgetItem* zeile = baum->topLevelItem(0)->child(0);
        baum->setCurrentItem(zeile, 3);
        baum->editItem(zeile, 3);
        auto* edit = baum->findChild<combospinWgt*>()->findChild<QLineEdit*>(QStringLiteral("numberEdit"));
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("2,5"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(zeile->text(3), QStringLiteral("2.5"));
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("5.00"));
    }

    void summenMitMwst()
    {
        ArtikelListe::global().clear();
        ArtikelListe::global().readCatalogue(
            QStringLiteral("01.06.2008\n1\nAlles\n1\tA\tA\t100.00\t0\t3\t1\t1\t0\n"));
        WHMaterialWidget seite;
        MaterialData m;
        m.mengen = {1.0f};
        seite.showData(m);
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("100.00"));
        QCOMPARE(label(seite, "LMwst")->text(), QStringLiteral("19.00"));
        QCOMPARE(label(seite, "LSummeMwst")->text(), QStringLiteral("119.00"));
    }

    void katalogOhneGruppen()
    {
        ArtikelListe::global().clear();
        ArtikelListe::global().readCatalogue(QStringLiteral("01.06.2008\n0\n1\tA\tA\t3.00\t0\t3\t1\t0\t0\n"
                                                            "2\tB\tB\t4.00\t0\t3\t1\t5\t0\n"));
        WHMaterialWidget seite;
        MaterialData m;
        m.mengen = {1.0f, 1.0f};
        seite.showData(m);
        auto* baum = seite.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        QCOMPARE(baum->topLevelItemCount(), 2);
        QCOMPARE(baum->topLevelItem(1)->text(1), QStringLiteral("B"));
        baum->topLevelItem(1)->setText(3, QStringLiteral("2"));
        QCOMPARE(label(seite, "LSumme")->text(), QStringLiteral("11.00"));
    }

    void exportieren_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("filter"); // chosen in the dialog; empty: the first
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("anfang");
        const QByteArray csv = "\xEF\xBB\xBFPos.;Art.-Nr.;Bezeichnung;Menge;Preis (EUR);Gesamt (EUR)\r\n"
                               ";;Rohre;;;\r\n1;150010;Rohr 16x2;1,5;2,00;3,00\r\n";
        QTest::newRow("XLSX") << "liste"
                              << ""
                              << "liste.xlsx" << QByteArray("PK");
        QTest::newRow("CSV nach Endung") << "liste.csv"
                                         << ""
                                         << "liste.csv" << csv;
        QTest::newRow("CSV nach Filter") << "liste"
                                         << "CSV, Semikolon (*.csv)"
                                         << "liste.csv" << csv;
        QTest::newRow("Endung gross") << "liste.CSV"
                                      << ""
                                      << "liste.CSV.xlsx" << QByteArray("PK");
    }

    // "E&xportieren...": the list as the page shows it, in the format of the suffix typed or
    // else of the filter chosen.
    void exportieren()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, filter);
        QFETCH(QString, datei);
        QFETCH(QByteArray, anfang);
        QTemporaryDir ordner;
        Pfade::setUserDir(ordner.path() + QLatin1Char('/'));
        WHMaterialWidget seite;
        MaterialData m;
        m.mengen = {1.5f, 0.0f, 0.0f};
        seite.showData(m);
        DateiDialog::leeren();
        DateiDialog::setNextAnswer(ordner.filePath(gewaehlt), filter);
        auto* knopf = seite.findChild<QPushButton*>(QStringLiteral("PBExport"));
        QCOMPARE(knopf->text(), QStringLiteral("E&xportieren..."));
        knopf->click();
        QCOMPARE(DateiDialog::gefragt(),
                 QStringList{QStringLiteral("Wandheizung: Materialliste exportieren als...|%1projekte|"
                                            "XLSX-Arbeitsmappe (*.xlsx);;CSV, Semikolon (*.csv)")
                                 .arg(Pfade::userDir())});
        QVERIFY(TestUmgebung::lies(ordner.filePath(datei)).startsWith(anfang));
        QVERIFY(MessageBox::gezeigt().isEmpty());
    }

    void knoepfe()
    {
        WHMaterialWidget seite;
        QSignalSpy spy(&seite, &WHMaterialWidget::Vorschlag);
        seite.findChild<QPushButton*>(QStringLiteral("PBVorschlag"))->click();
        QCOMPARE(spy.size(), 1);
    }
};

QTEST_MAIN(TestMaterialWidget)
#include "tst_materialwidget.moc"
