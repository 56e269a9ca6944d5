#include "app/pfade.h"
#include "app/programm.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"
#include "testumgebung.h"
#include "ui/combospinwgt.h"
#include "ui/messagebox.h"
#include "ui/whflaechenwidget.h"
#include "ui/whraumkenndatenwidget.h"
#include "ui/whraumwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// A room under a floor of a building with 45 °C mean flow temperature, on its page.
struct Raum
{
    GebaeudeData gebaeude;
    EtageData etage{&gebaeude};
    RaumData raum{&etage};
    WHRaumWidget seite;

    Raum()
    {
        seite.resize(900, 700);
        seite.show();
        seite.showData(raum);
    }
    combospinWgt* feld(const char* name) { return seite.findChild<combospinWgt*>(QLatin1String(name)); }
    double wert(const char* name) { return feld(name)->wert(); }
    // Types a value as the user does: the whole text replaced key by key.
    void tippe(const char* name, const QString& text)
    {
        auto* edit = feld(name)->findChild<QLineEdit*>(QStringLiteral("numberEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QColor differenzFarbe()
    {
        return seite.findChild<QLabel*>(QStringLiteral("tlDifferenz"))->palette().color(QPalette::WindowText);
    }
    QComboBox* combo(const char* name) { return seite.findChild<QComboBox*>(QLatin1String(name)); }
};

class TestRaumKenndaten : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
    }
    void init() { TestUmgebung::zuruecksetzen(); }

    void tippenBerechnetDieBilanz()
    {
        Raum r;
        QSignalSpy spy(r.seite.kenndaten(), &WHRaumKenndatenWidget::whflaechen);
        r.tippe("csbRaumFlaeche", QStringLiteral("20"));
        r.tippe("csbGeschWB", QStringLiteral("60"));
        QCOMPARE(r.wert("csbWaermebedarf"), 1200.0);
        QCOMPARE(r.wert("csbFlaecheWH"), 7.5);
        QCOMPARE(r.wert("csbWaermeabgabe"), 1215.0);
        QCOMPARE(r.wert("csbDifferenz"), 15.0);
        QCOMPARE(r.differenzFarbe(), QColor(Qt::darkGreen));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).toInt(), 0);
        QCOMPARE(spy.last().at(1).toFloat(), 7.5f);

        // Floor heating takes its share first.
        r.tippe("csbFlaecheFBH", QStringLiteral("5"));
        QCOMPARE(r.wert("csbFlaecheWH"), double(4.7f));
    }

    void werteVomCodeRechnenNicht()
    {
        Raum r;
        QSignalSpy spy(r.seite.kenndaten(), &WHRaumKenndatenWidget::whflaechen);
        r.feld("csbRaumFlaeche")->setWert(20);
        r.feld("csbGeschWB")->setWert(60);
        QCOMPARE(r.wert("csbWaermebedarf"), 0.0);
        QCOMPARE(r.wert("csbFlaecheWH"), 0.0);
        QCOMPARE(spy.size(), 0);
        // showData neither.
        r.raum.waermebedarf = 900;
        r.seite.showData(r.raum);
        QCOMPARE(r.wert("csbWaermebedarf"), 900.0);
        QCOMPARE(r.wert("csbFlaecheWH"), 0.0);
        QCOMPARE(spy.size(), 0);
    }

    void spezifischerBedarf_data()
    {
        QTest::addColumn<QString>("flaeche");
        QTest::addColumn<double>("proM2");
        QTest::newRow("1 m²") << "1" << 0.0;
        QTest::newRow("unter 1 m²") << "0.5" << 0.0;
        QTest::newRow("25 m²") << "25" << 60.0;
    }
    void spezifischerBedarf()
    {
        QFETCH(QString, flaeche);
        QFETCH(double, proM2);
        Raum r;
        r.feld("csbRaumFlaeche")->setWert(flaeche.toDouble());
        r.tippe("csbWaermebedarf", QStringLiteral("1500"));
        QCOMPARE(r.wert("csbGeschWB"), proM2);
        QCOMPARE(r.wert("csbWaermebedarf"), 1500.0);
    }

    void fussbodenheizungDecktAlles()
    {
        Raum r;
        r.feld("csbWaermebedarf")->setWert(400);
        r.tippe("csbFlaecheFBH", QStringLiteral("5"));
        QCOMPARE(r.wert("csbFlaecheWH"), 0.0);
        QCOMPARE(r.wert("csbDifferenz"), 40.0);
        QCOMPARE(r.differenzFarbe(), QColor(Qt::darkGreen));
    }

    void vorlaufNichtUeberRaumtemperatur()
    {
        Raum r;
        r.gebaeude.vorlauftemperatur = 20;
        r.seite.showData(r.raum);
        r.feld("csbRaumFlaeche")->setWert(20);
        r.tippe("csbGeschWB", QStringLiteral("60"));
        QCOMPARE(r.wert("csbFlaecheWH"), 0.0);
        QCOMPARE(r.wert("csbDifferenz"), -1200.0);
        QCOMPARE(r.differenzFarbe(), QColor(Qt::red));
    }

    void handEingabeDerWandflaeche()
    {
        Raum r;
        r.feld("csbRaumFlaeche")->setWert(20);
        r.tippe("csbGeschWB", QStringLiteral("60"));
        // Typed by hand: output and difference follow, the area stays.
        r.tippe("csbFlaecheWH", QStringLiteral("7"));
        QCOMPARE(r.wert("csbFlaecheWH"), 7.0);
        QCOMPARE(r.wert("csbDifferenz"), 1134.0 - 1200.0);
        QCOMPARE(r.differenzFarbe(), QColor(Qt::red));
        // A new temperature recomputes and overwrites the hand-entered area.
        r.tippe("csbRaumTemperatur", QStringLiteral("18"));
        QVERIFY(r.wert("csbFlaecheWH") != 7.0);
        QVERIFY(r.wert("csbDifferenz") >= 0.0);
    }

    void systemWechselRechnetNeu()
    {
        Raum r;
        r.feld("csbRaumFlaeche")->setWert(20);
        r.tippe("csbGeschWB", QStringLiteral("60"));
        const double vorher = r.wert("csbFlaecheWH");
        QComboBox* system = r.combo("CBSystemWHR");
        system->setCurrentIndex(2);
        emit system->activated(2);
        QVERIFY(r.wert("csbFlaecheWH") != vorher);
    }

    void raumtypSetztNameUndTemperatur()
    {
        Raum r;
        r.seite.findChild<QLineEdit*>(QStringLiteral("LERaumBezeichnung"))
            ->setText(QStringLiteral("Mein Raum"));
        QSignalSpy spy(r.seite.kenndaten(), &WHRaumKenndatenWidget::whflaechen);
        QComboBox* typ = r.combo("CBRaumTyp");
        typ->setCurrentIndex(0);
        emit typ->activated(0);
        QCOMPARE(r.seite.findChild<QLineEdit*>(QStringLiteral("LERaumBezeichnung"))->text(),
                 QStringLiteral("Bad"));
        QCOMPARE(r.wert("csbRaumTemperatur"), 24.0);
        QCOMPARE(spy.size(), 1);
    }

    void direktNurInDerAusfuehrung()
    {
        Raum r;
        auto* direkt = r.seite.findChild<QCheckBox*>(QStringLiteral("CBDirekt"));
        QVERIFY(!direkt->isVisible());
        QVERIFY(!r.seite.flaechen()->isVisible());
        Programm::setStand(1);
        r.seite.showData(r.raum);
        QVERIFY(direkt->isVisible());
        QVERIFY(r.seite.flaechen()->isVisible());
    }

    void uebernahme()
    {
        Raum r;
        QVERIFY(!r.seite.isChanged(r.raum));
        r.tippe("csbRaumFlaeche", QStringLiteral("20"));
        r.tippe("csbGeschWB", QStringLiteral("60"));
        QComboBox* typ = r.combo("CBRaumTyp");
        typ->setCurrentIndex(6);
        emit typ->activated(6);
        QVERIFY(r.seite.isChanged(r.raum));
        QCOMPARE(r.seite.getData(r.raum), 0);
        QCOMPARE(r.raum.name, QStringLiteral("Küche"));
        QCOMPARE(r.raum.raumTyp, 6);
        QCOMPARE(r.raum.flaeche, 20.0f);
        QCOMPARE(r.raum.waermebedarfProM2, 60.0f);
        QCOMPARE(r.raum.waermebedarf, 1200.0f);
        QCOMPARE(r.raum.flaecheWH, 7.5f);
        QCOMPARE(r.raum.differenz, 15.0f);
        QVERIFY(!r.seite.isChanged(r.raum));

        // Shown again, the output is difference plus demand.
        r.seite.showData(r.raum);
        QCOMPARE(r.wert("csbWaermeabgabe"), 1215.0);
        QCOMPARE(Pfade::helpPage(), QStringLiteral("raum.html"));
    }

    void trockensystemPruefung()
    {
        Raum r;
        r.gebaeude.vorlauftemperatur = 55;
        r.seite.showData(r.raum);
        QVERIFY(r.seite.checkData(r.raum));
        r.combo("CBSystemWHR")->setCurrentIndex(2);
        QVERIFY(!r.seite.checkData(r.raum));
    }
};

QTEST_MAIN(TestRaumKenndaten)
#include "tst_raumkenndaten.moc"
