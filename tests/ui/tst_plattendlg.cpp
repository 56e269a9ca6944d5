#include "testumgebung.h"
#include "ui/combospinwgt.h"
#include "ui/messagebox.h"
#include "ui/whplattendlg.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {
QList<int> angeboteIm(WHPlattenDlg& dlg)
{
    QList<int> r;
    auto* combo = dlg.findChild<QComboBox*>(QStringLiteral("comboBoxAnzahlReg"));
    for (int i = 0; i < combo->count(); ++i)
        r << combo->itemData(i).toInt();
    return r;
}

void setzeAnzahl(WHPlattenDlg& dlg, int typ, int anzahl)
{
    dlg.findChild<QTableWidget*>(QStringLiteral("tableWidget"))
        ->item(typ, 1)
        ->setText(QString::number(anzahl));
}
} // namespace

class TestPlattenDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        // Window geometry goes to the temporary settings folder of this run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, TestUmgebung::userConfigDir());
        MessageBox::setNichtAnzeigen(true);
    }
    void init() { MessageBox::leeren(); }

    void angebote_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("anzahlen");
        QTest::addColumn<QString>("flaeche");
        QTest::addColumn<QList<int>>("erwartet");
        QTest::newRow("RI-10 zwei große") << 1 << QList<int>{1, 1} << "2.5" << QList<int>{1, 2};
        QTest::newRow("RI-10 drei große") << 1 << QList<int>{3, 0} << "3.75" << QList<int>{3};
        QTest::newRow("RU-10 zwei große") << 3 << QList<int>{2, 0, 0} << "2.5" << QList<int>{1, 2};
        QTest::newRow("RU-10 2 große 2 kleine") << 3 << QList<int>{2, 1, 1} << "3.74" << QList<int>{2, 3};
        QTest::newRow("RU-10 1 groß 2 kleine") << 3 << QList<int>{1, 2, 0} << "2.49" << QList<int>{1, 2};
        QTest::newRow("RU-10 vier kleine") << 3 << QList<int>{0, 2, 2} << "2.48" << QList<int>{1, 2, 4};
        QTest::newRow("RU-10 drei kleine") << 3 << QList<int>{0, 3, 0} << "1.86" << QList<int>{1, 3};
        QTest::newRow("RU-10 1 groß 3 kleine") << 3 << QList<int>{1, 0, 3} << "3.11" << QList<int>{};
    }
    void angebote()
    {
        QFETCH(int, system);
        QFETCH(QList<int>, anzahlen);
        QFETCH(QString, flaeche);
        QFETCH(QList<int>, erwartet);
        // Entered through the table, as the user does.
        WHPlattenDlg dlg(system, QList<int>(anzahlen.size(), 0), 0.0, 0);
        for (int i = 0; i < anzahlen.size(); ++i)
            setzeAnzahl(dlg, i, anzahlen.at(i));
        QCOMPARE(angeboteIm(dlg), erwartet);
        QCOMPARE(dlg.findChild<combospinWgt*>(QStringLiteral("csbFlaecheIst"))->text(), flaeche);
    }

    void texteNachSystem()
    {
        WHPlattenDlg ru(3, {0, 0, 0}, 1.0, 0);
        QCOMPARE(ru.windowTitle(), QStringLiteral("RU-10 Fertigregister"));
        QCOMPARE(ru.findChild<QLabel*>(QStringLiteral("TextLabel1"))->text(),
                 QStringLiteral("Stellen Sie hier die benötigten RU-10 Fertigregister zusammen"));
        auto* tabelle = ru.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
        QCOMPARE(tabelle->rowCount(), 3);
        QCOMPARE(tabelle->horizontalHeaderItem(5)->text(), QStringLiteral("Registerhöhe (mm)"));
        QCOMPARE(tabelle->item(1, 0)->text(), QStringLiteral("150151"));
        QCOMPARE(tabelle->item(1, 4)->text(), QStringLiteral("0.62"));
        QVERIFY(!(tabelle->item(1, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(tabelle->item(1, 1)->flags() & Qt::ItemIsEditable);

        WHPlattenDlg ri(0, {0, 0}, 1.0, 0);
        QCOMPARE(ri.windowTitle(), QStringLiteral("RI-10 Fertigregister"));
        QCOMPARE(ri.findChild<QTableWidget*>(QStringLiteral("tableWidget"))->horizontalHeaderItem(5)->text(),
                 QStringLiteral("Teilkreis-\nRohrlänge (m)"));
    }

    void sollFelder_data()
    {
        QTest::addColumn<QList<int>>("anzahlen");
        QTest::addColumn<double>("soll");
        QTest::addColumn<bool>("sichtbar");
        QTest::newRow("neue Fläche") << QList<int>{0, 0} << 2.5 << true;
        QTest::newRow("nichts benötigt") << QList<int>{0, 0} << 0.0 << false;
        QTest::newRow("schon zusammengestellt") << QList<int>{1, 0} << 2.5 << false;
    }
    void sollFelder()
    {
        QFETCH(QList<int>, anzahlen);
        QFETCH(double, soll);
        QFETCH(bool, sichtbar);
        WHPlattenDlg dlg(1, anzahlen, soll, 0);
        dlg.show();
        QCOMPARE(dlg.findChild<combospinWgt*>(QStringLiteral("csbFlaecheSoll"))->isVisible(), sichtbar);
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("tlDifferenz"))->isVisible(), sichtbar);
        QCOMPARE(dlg.findChild<combospinWgt*>(QStringLiteral("csbDifferenz"))->isVisible(), sichtbar);
        QVERIFY(dlg.findChild<combospinWgt*>(QStringLiteral("csbFlaecheIst"))->isVisible());
    }

    void differenzFarbe_data()
    {
        QTest::addColumn<double>("soll");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("0.004 darunter") << 2.504 << QColor(Qt::darkGreen);
        QTest::newRow("0.006 darunter") << 2.506 << QColor(Qt::red);
    }
    void differenzFarbe()
    {
        QFETCH(double, soll);
        QFETCH(QColor, farbe);
        WHPlattenDlg dlg(1, {0, 0}, soll, 0);
        setzeAnzahl(dlg, 0, 2);
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("tlDifferenz"))->palette().color(QPalette::WindowText),
                 farbe);
    }

    void vorauswahl()
    {
        WHPlattenDlg dlg(1, {1, 1}, 2.5, 2);
        QCOMPARE(dlg.findChild<QComboBox*>(QStringLiteral("comboBoxAnzahlReg"))->currentText(),
                 QStringLiteral("2"));
        // A changed count offers anew and takes the first entry.
        setzeAnzahl(dlg, 1, 0);
        QCOMPARE(dlg.findChild<QComboBox*>(QStringLiteral("comboBoxAnzahlReg"))->currentText(),
                 QStringLiteral("1"));
    }

    void anwenden()
    {
        WHPlattenDlg dlg(1, {0, 0}, 2.5, 0);
        setzeAnzahl(dlg, 0, 1);
        setzeAnzahl(dlg, 1, 1);
        dlg.findChild<QComboBox*>(QStringLiteral("comboBoxAnzahlReg"))->setCurrentIndex(1);
        dlg.Anwenden();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ergebnis().anzahlen, (QList<int>{1, 1}));
        QCOMPARE(dlg.ergebnis().flaeche, 2.5);
        QCOMPARE(dlg.ergebnis().registerAnzahl, 2);
        QVERIFY(MessageBox::gezeigt().isEmpty());
    }

    void anwendenLeer()
    {
        WHPlattenDlg dlg(3, {0, 0, 0}, 2.0, 3);
        dlg.Anwenden();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.ergebnis().flaeche, 0.0);
        QCOMPARE(dlg.ergebnis().registerAnzahl, 0);
        QVERIFY(MessageBox::gezeigt().isEmpty());
    }

    void anwendenNichtErlaubt()
    {
        WHPlattenDlg dlg(3, {1, 0, 3}, 0.0, 0);
        dlg.show();
        dlg.Anwenden();
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Fehler"));
        QCOMPARE(
            MessageBox::gezeigt().at(0).text,
            QStringLiteral("Die gewählte Registerzusammenstellung ist nicht erlaubt,\nda die Differenz der "
                           "Registerflächen zu gross ist!"));
    }

    void zaehlerImEditor()
    {
        WHPlattenDlg dlg(1, {0, 0}, 2.5, 0);
        dlg.show();
        auto* tabelle = dlg.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
        tabelle->editItem(tabelle->item(0, 1));
        auto* spin = tabelle->findChild<QSpinBox*>();
        QVERIFY(spin);
        QCOMPARE(spin->maximum(), 30);
        QCOMPARE(spin->minimum(), 0);
        spin->setValue(2);
        // Each step reaches the table at once.
        QCOMPARE(tabelle->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(dlg.findChild<combospinWgt*>(QStringLiteral("csbFlaecheIst"))->text(),
                 QStringLiteral("2.5"));
    }
};

QTEST_MAIN(TestPlattenDlg)
#include "tst_plattendlg.moc"
