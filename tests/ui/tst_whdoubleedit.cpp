#include "testumgebung.h"
#include "ui/messagebox.h"
#include "ui/whdoubleedit.h"

#include <QTest>
#include <QVBoxLayout>

class TestWHDoubleEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
    }
    void init() { MessageBox::leeren(); }

    void korrektur_data()
    {
        QTest::addColumn<double>("bottom");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("zu gross")
            << 20.0 << 90.0 << 1 << "95"
            << "90.0"
            << "Eigabe Wert für <Temperatur>\nmuss <= als 90 sein.\nWert wurde angepasst.";
        QTest::newRow("leer unter bottom")
            << 20.0 << 90.0 << 1 << ""
            << "20.0"
            << "Eigabe Wert für <Temperatur>\nmuss >= als 20 sein.\nWert wurde angepasst.";
        QTest::newRow("zu klein")
            << 16.0 << 1000.0 << 5 << "5"
            << "16.00000"
            << "Eigabe Wert für <Temperatur>\nmuss >= als 16 sein.\nWert wurde angepasst.";
        QTest::newRow("leer bei bottom 0") << 0.0 << 90.0 << 1 << ""
                                           << "0.0"
                                           << "";
        QTest::newRow("gültig") << 0.0 << 90.0 << 1 << "45.5"
                                << "45.5"
                                << "";
        QTest::newRow("Komma") << 0.0 << 90.0 << 1 << "45,5"
                               << "45.5"
                               << "";
        QTest::newRow("zu viele Stellen") << 0.0 << 90.0 << 1 << "12.26"
                                          << "12.3"
                                          << "Eingabe Wert für <Temperatur>\nkann maximal 1 "
                                             "Nachkommastelle(n) haben.\nWert wurde angepasst.";
        QTest::newRow("Exponent über der Grenze")
            << 0.0 << 1000000.0 << 5 << "6e12"
            << "1000000.00000"
            << "Eigabe Wert für <Temperatur>\nmuss <= als 1000000 sein.\nWert wurde angepasst.";
        QTest::newRow("keine Zahl") << 0.0 << 90.0 << 1 << "abc"
                                    << "0.0"
                                    << "";
    }
    void korrektur()
    {
        QFETCH(double, bottom);
        QFETCH(double, top);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        QFETCH(QString, meldung);
        WHDoubleEdit e(nullptr, QStringLiteral("LETest"), bottom, top, decimals);
        e.setBezeichnung(QStringLiteral("Temperatur"));
        e.setText(text);
        e.korrigieren();
        QCOMPARE(e.text(), ergebnis);
        const QList<MessageBox::Eintrag> boxen = MessageBox::gezeigt();
        if (meldung.isEmpty()) {
            QVERIFY(boxen.isEmpty());
        } else {
            QCOMPARE(boxen.size(), 1);
            QCOMPARE(boxen.at(0).art, MessageBox::Warnung);
            QCOMPARE(boxen.at(0).titel, QStringLiteral("Achtung"));
            QCOMPARE(boxen.at(0).text, meldung);
        }
    }

    void eigenschaften()
    {
        WHDoubleEdit e(nullptr, QStringLiteral("LEVorlauf"), 0.0, 70.0, 1);
        QCOMPARE(e.objectName(), QStringLiteral("LEVorlauf"));
        QCOMPARE(e.property("top").toDouble(), 70.0);
        e.setProperty("bottom", 5.0);
        QCOMPARE(e.bottom(), 5.0);
        e.setProperty("Bezeichnung", QStringLiteral("Vorlauf"));
        QCOMPARE(e.bezeichnung(), QStringLiteral("Vorlauf"));
    }

    void beimVerlassenKorrigiert()
    {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* e = new WHDoubleEdit(&w, QStringLiteral("LEVorlauftemperatur"), 0.0, 70.0, 1);
        e->setBezeichnung(QStringLiteral("Mittlere Vorlauftemperatur"));
        auto* anderes = new WHDoubleEdit(&w);
        l->addWidget(e);
        l->addWidget(anderes);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("75"));
        QCOMPARE(e->text(), QStringLiteral("75"));
        // A second decimal is refused while typing.
        QTest::keyClicks(e, QStringLiteral(".55"));
        QCOMPARE(e->text(), QStringLiteral("75.5"));
        anderes->setFocus();
        QCOMPARE(e->text(), QStringLiteral("70.0"));
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("Eigabe Wert für <Mittlere Vorlauftemperatur>\nmuss <= als 70 sein.\nWert "
                                "wurde angepasst."));
    }
};

QTEST_MAIN(TestWHDoubleEdit)
#include "tst_whdoubleedit.moc"
