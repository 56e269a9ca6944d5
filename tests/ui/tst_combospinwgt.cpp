#include "testumgebung.h"
#include "ui/combospinwgt.h"
#include "ui/messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// A window holding the input under test and a second field that takes the focus away.
struct Fenster
{
    QWidget w;
    combospinWgt* csb;
    QLineEdit* anderes;

    Fenster()
    {
        auto* l = new QVBoxLayout(&w);
        csb = new combospinWgt(&w);
        anderes = new QLineEdit(&w);
        l->addWidget(csb);
        l->addWidget(anderes);
        w.resize(300, 120);
    }
    bool zeigen()
    {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    QLineEdit* edit() const { return csb->findChild<QLineEdit*>(QStringLiteral("numberEdit")); }
    QToolButton* knopf(const char* name) const { return csb->findChild<QToolButton*>(QLatin1String(name)); }
};

class TestCombospinWgt : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
    }

    void listenWerte_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("erster");
        QTest::addColumn<QString>("letzter");
        QTest::newRow("halbe Schritte bis zum Ende") << "1:20:0.5" << 39 << "1"
                                                     << "20";
        QTest::newRow("zwei Bereiche") << "1:20:1;25:100:5" << 36 << "1"
                                       << "100";
        QTest::newRow("Zehntel aufsummiert") << "0.5:5:0.1;6:10:0.5" << 55 << "0.5"
                                             << "10";
        QTest::newRow("ein Feld") << "10" << 1 << "10"
                                  << "10";
        QTest::newRow("zwei Felder") << "1:5" << 0 << ""
                                     << "";
        QTest::newRow("vier Felder") << "1:5:1:2" << 0 << ""
                                     << "";
        QTest::newRow("leere Teile") << ";;7;" << 1 << "7"
                                     << "7";
        QTest::newRow("Schritt null") << "1:5:0" << 0 << ""
                                      << "";
        QTest::newRow("Kommentar") << "12 Fenster" << 1 << "12 Fenster"
                                   << "12 Fenster";
    }
    void listenWerte()
    {
        QFETCH(QString, definition);
        QFETCH(int, anzahl);
        QFETCH(QString, erster);
        QFETCH(QString, letzter);
        const QStringList werte = combospinWgt::listenWerte(definition);
        QCOMPARE(werte.size(), anzahl);
        if (anzahl > 0) {
            QCOMPARE(werte.first(), erster);
            QCOMPARE(werte.last(), letzter);
        }
    }

    void zehntelOhneRundungsreste()
    {
        // Accumulated 0.1 steps must still be written in the short form.
        const QStringList werte = combospinWgt::listenWerte(QStringLiteral("0.5:5:0.1"));
        QCOMPARE(werte.at(1), QStringLiteral("0.6"));
        QCOMPARE(werte.at(25), QStringLiteral("3"));
        QCOMPARE(werte.indexOf(QStringLiteral("5")), 45);
    }

    void stepDecimals_data()
    {
        QTest::addColumn<double>("schritt");
        QTest::addColumn<int>("stellen");
        QTest::newRow("0.5") << 0.5 << 1;
        QTest::newRow("1") << 1.0 << 0;
        QTest::newRow("0.05") << 0.05 << 2;
        QTest::newRow("25") << 25.0 << 0;
    }
    void stepDecimals()
    {
        QFETCH(double, schritt);
        QFETCH(int, stellen);
        combospinWgt c;
        c.setSpinStep(schritt);
        QCOMPARE(c.stepDecimals(), stellen);
    }

    void schritt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("schritt");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<bool>("auf");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("aufFrei");
        QTest::addColumn<bool>("abFrei");
        QTest::newRow("halb aufwärts gerundet")
            << "1.25" << 0.5 << 0.0 << 100.0 << true << "1.8" << true << true;
        QTest::newRow("abwärts, halb aufwärts")
            << "1.25" << 0.5 << 0.0 << 100.0 << false << "0.8" << true << true;
        QTest::newRow("an max geklemmt") << "99.7" << 1.0 << 0.0 << 100.0 << true << "100" << false << true;
        QTest::newRow("an min geklemmt") << "0.3" << 1.0 << 0.0 << 100.0 << false << "0" << true << false;
        QTest::newRow("ganze Schritte") << "3" << 1.0 << 0.0 << 100.0 << true << "4" << true << true;
        QTest::newRow("Hundertstel") << "0.1" << 0.05 << 0.0 << 20.0 << true << "0.15" << true << true;
        QTest::newRow("Text ohne Zahl") << "abc" << 1.0 << 0.0 << 100.0 << true << "1" << true << true;
    }
    void schritt()
    {
        QFETCH(QString, text);
        QFETCH(double, schritt);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(bool, auf);
        QFETCH(QString, ergebnis);
        QFETCH(bool, aufFrei);
        QFETCH(bool, abFrei);
        Fenster f;
        f.csb->setMin(min);
        f.csb->setMax(max);
        f.csb->setSpinStep(schritt);
        f.edit()->setText(text);
        QSignalSpy spy(f.csb, &combospinWgt::wertChanged);
        if (auf)
            f.csb->sbup_clicked();
        else
            f.csb->sbdown_clicked();
        QCOMPARE(f.csb->text(), ergebnis);
        QCOMPARE(f.csb->wert(), ergebnis.toDouble());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), ergebnis.toDouble());
        QCOMPARE(f.knopf("sbUp")->isEnabled(), aufFrei);
        QCOMPARE(f.knopf("sbDown")->isEnabled(), abFrei);
    }

    void setWertMeldetNichts()
    {
        combospinWgt c;
        QSignalSpy spy(&c, &combospinWgt::wertChanged);
        c.setWert(12.5);
        QCOMPARE(c.text(), QStringLiteral("12.5"));
        QCOMPARE(spy.size(), 0);
        c.changeWert(3);
        QCOMPARE(spy.size(), 1);
    }

    void setWertKuerztNachkommastellen()
    {
        combospinWgt c;
        c.setMaxDecimals(2);
        c.setWert(1.23456);
        QCOMPARE(c.text(), QStringLiteral("1.23"));
        QCOMPARE(c.wert(), 1.23);
        c.setWert(20);
        QCOMPARE(c.text(), QStringLiteral("20"));
        // A computed result keeps no float noise and shows no exponent.
        c.setWert(6.59998);
        QCOMPARE(c.text(), QStringLiteral("6.6"));
        QCOMPARE(c.wert(), 6.6);
        c.setWert(6e12);
        QCOMPARE(c.text(), QStringLiteral("6000000000000"));
    }

    // An exponent cannot be typed: it would carry a value far past the field's range.
    void exponentWirdNichtAngenommen()
    {
        Fenster f;
        f.csb->setMax(1000);
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QTest::keyClicks(f.edit(), QStringLiteral("6e12"));
        QCOMPARE(f.csb->text(), QStringLiteral("612"));
    }

    void einheit_data()
    {
        QTest::addColumn<QString>("einheit");
        QTest::addColumn<bool>("sichtbar");
        QTest::addColumn<QString>("text");
        QTest::newRow("keine") << "" << false << "";
        QTest::newRow("leere Spalte") << "#" << true << "";
        QTest::newRow("m²") << "m²" << true << " m²";
    }
    void einheit()
    {
        QFETCH(QString, einheit);
        QFETCH(bool, sichtbar);
        QFETCH(QString, text);
        Fenster f;
        f.csb->setEinheit(einheit);
        f.w.show();
        auto* label = f.csb->findChild<QLabel*>(QStringLiteral("qleEinheit"));
        QVERIFY(label);
        QCOMPARE(label->isVisible(), sichtbar);
        QCOMPARE(label->text(), text);
        if (sichtbar)
            QVERIFY(label->minimumWidth() >= 40);
    }

    void kommaWirdPunkt()
    {
        Fenster f;
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QSignalSpy spy(f.csb, &combospinWgt::wertChanged);
        QTest::keyClicks(f.edit(), QStringLiteral("1,5"));
        QCOMPARE(f.csb->text(), QStringLiteral("1.5"));
        QCOMPARE(f.csb->wert(), 1.5);
        QVERIFY(spy.size() >= 1);
        QCOMPARE(spy.last().at(0).toDouble(), 1.5);
    }

    void ueberMaxRotMarkiert()
    {
        QList<QString> folge; // outlives the window, which reports once more when it closes
        Fenster f;
        f.csb->setMax(100);
        f.csb->emitOnEdit = false;
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QTest::keyClicks(f.edit(), QStringLiteral("250"));
        connect(f.csb, &combospinWgt::wertChanged, f.csb,
                [&](double w) { folge << QStringLiteral("wert %1").arg(w); });
        connect(f.csb, &combospinWgt::focusLost, f.csb, [&] { folge << QStringLiteral("fokus"); });
        f.anderes->setFocus();
        QCOMPARE(folge, (QList<QString>{QStringLiteral("wert 250"), QStringLiteral("fokus")}));
        QCOMPARE(f.csb->text(), QStringLiteral("250 (max 100)"));
        QCOMPARE(f.csb->wert(), 250.0);
        QCOMPARE(f.edit()->palette().color(QPalette::Base), QColor(Qt::red));
        QVERIFY(!f.knopf("sbUp")->isEnabled());

        // Clicking into the entry again shows the bare value.
        QTest::mouseClick(f.edit(), Qt::LeftButton);
        QCOMPARE(f.csb->text(), QStringLiteral("250"));
        QVERIFY(f.csb->plainText());
        QVERIFY(f.edit()->palette().color(QPalette::Base) != QColor(Qt::red));
    }

    void unterMinRotMarkiert()
    {
        Fenster f;
        f.csb->setMin(1);
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QTest::keyClicks(f.edit(), QStringLiteral("0.5"));
        f.anderes->setFocus();
        QCOMPARE(f.csb->text(), QStringLiteral("0.5 (min  1)"));
        QVERIFY(!f.knopf("sbDown")->isEnabled());
    }

    void leererTextOhneHinweis()
    {
        Fenster f;
        f.csb->setMin(1);
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        f.anderes->setFocus();
        QCOMPARE(f.csb->text(), QString());
        QVERIFY(f.csb->plainText());
    }

    void nurBeimVerlassenGemeldet()
    {
        Fenster f;
        f.csb->emitOnEdit = false;
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QSignalSpy spy(f.csb, &combospinWgt::wertChanged);
        QTest::keyClicks(f.edit(), QStringLiteral("42"));
        QCOMPARE(spy.size(), 0);
        f.anderes->setFocus();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), 42.0);
    }

    void nachkommastellenBeimVerlassen()
    {
        Fenster f;
        f.csb->setMaxDecimals(2);
        QVERIFY(f.zeigen());
        f.csb->setFocus();
        QTest::keyClicks(f.edit(), QStringLiteral("3.14159"));
        f.anderes->setFocus();
        QCOMPARE(f.csb->text(), QStringLiteral("3.14"));
        QCOMPARE(f.csb->wert(), 3.14);
    }

    void escapeStelltZurueck()
    {
        Fenster f;
        QVERIFY(f.zeigen());
        f.csb->setWert(7);
        f.csb->setFocus();
        QTest::keyClicks(f.edit(), QStringLiteral("99"));
        QSignalSpy spy(f.csb, &combospinWgt::wertChanged);
        QTest::keyClick(f.edit(), Qt::Key_Escape);
        QCOMPARE(f.csb->text(), QStringLiteral("7"));
        QCOMPARE(f.csb->wert(), 7.0);
        QCOMPARE(spy.size(), 1);
    }

    void tasten()
    {
        Fenster f;
        f.csb->setSpinStep(0.5);
        QVERIFY(f.zeigen());
        f.csb->setWert(2);
        f.csb->setFocus();
        QTest::keyClick(f.edit(), Qt::Key_Up);
        QCOMPARE(f.csb->text(), QStringLiteral("2.5"));
        QTest::keyClick(f.edit(), Qt::Key_Down);
        QTest::keyClick(f.edit(), Qt::Key_Down);
        QCOMPARE(f.csb->text(), QStringLiteral("1.5"));

        QSignalSpy fspy(f.csb, &combospinWgt::FKeySignal);
        QTest::keyClick(f.edit(), Qt::Key_F7);
        QCOMPARE(fspy.size(), 1);
        QCOMPARE(fspy.at(0).at(0).toInt(), int(Qt::Key_F7));
        QCOMPARE(f.csb->text(), QStringLiteral("1.5"));
    }

    void gesperrt()
    {
        Fenster f;
        f.csb->setSpinStep(1);
        QVERIFY(f.zeigen());
        f.csb->setWert(5);
        f.csb->setFocus();
        f.csb->disable();
        QVERIFY(f.csb->readOnly());
        QTest::keyClick(f.edit(), Qt::Key_Up);
        QTest::keyClicks(f.edit(), QStringLiteral("9"));
        QCOMPARE(f.csb->text(), QStringLiteral("5"));
        f.csb->enable();
        QVERIFY(!f.csb->readOnly());
    }

    void listenEintragMitKommentar()
    {
        Fenster f;
        f.csb->setMax(10);
        QVERIFY(f.zeigen());
        QSignalSpy spy(f.csb, &combospinWgt::wertChanged);
        f.csb->fromListSelected(QStringLiteral("12 Fenster"));
        QCOMPARE(f.csb->text(), QStringLiteral("12"));
        QCOMPARE(f.csb->wert(), 12.0);
        QCOMPARE(spy.size(), 1);
        QVERIFY(!f.knopf("sbUp")->isEnabled());
        QVERIFY(f.knopf("sbDown")->isEnabled());
    }

    void listeOhneWerteTutNichts()
    {
        Fenster f;
        f.csb->setComboWerte(QStringLiteral("1:5"));
        QVERIFY(f.zeigen());
        f.csb->cb_clicked();
        QVERIFY(!f.csb->valueList());
    }

    void listeOberhalbWennUntenKeinPlatz()
    {
        QWidget w;
        w.resize(300, 400);
        auto* csb = new combospinWgt(&w);
        csb->setGeometry(10, 300, 150, 25);
        csb->setComboWerte(QStringLiteral("1:40:1"));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        csb->cb_clicked();
        QListWidget* liste = csb->valueList();
        QVERIFY(liste);
        QVERIFY(liste->isVisible());
        QCOMPARE(liste->count(), 40);
        QCOMPARE(liste->height(), 200);
        QCOMPARE(liste->geometry().bottom() + 1, 300);
        QCOMPARE(liste->width(), 150);
        // The button toggles.
        csb->cb_clicked();
        QVERIFY(!liste->isVisible());

        // With room below, the list opens under the input.
        csb->setGeometry(10, 20, 150, 25);
        csb->cb_clicked();
        QCOMPARE(liste->y(), 45);
        // A click on an entry takes it.
        QSignalSpy spy(csb, &combospinWgt::wertChanged);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(2)).center());
        QCOMPARE(csb->text(), QStringLiteral("3"));
        QCOMPARE(spy.size(), 1);
        QVERIFY(!liste->isVisible());
    }
};

QTEST_MAIN(TestCombospinWgt)
#include "tst_combospinwgt.moc"
