#include "app/pfade.h"
#include "app/programm.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektdata.h"
#include "model/sonstigdata.h"
#include "testumgebung.h"
#include "ui/messagebox.h"
#include "ui/whdoubleedit.h"
#include "ui/whetagewidget.h"
#include "ui/whgebaeudewidget.h"
#include "ui/whprojektwidget.h"
#include "ui/whsonstigwidget.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

template <typename T> T* kind(QWidget& seite, const char* name)
{
    T* w = seite.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("missing widget %s", name);
    return w;
}

class TestSeiten : public QObject
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
        MessageBox::leeren();
    }

    void projektAenderungen_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::newRow("Name") << "LEProjektName";
        QTest::newRow("Nummer") << "LEProjektNR";
        QTest::newRow("Strasse") << "LEStrasse";
        QTest::newRow("Ort") << "LEOrt";
        QTest::newRow("PLZ") << "LEPLZ";
    }
    void projektAenderungen()
    {
        QFETCH(QString, feld);
        WHProjektWidget seite;
        ProjektData p;
        p.strasse = QStringLiteral("Hauptstraße 1");
        seite.showData(p);
        QVERIFY(!seite.isChanged(p));
        kind<QLineEdit>(seite, feld.toLatin1().constData())->setText(QStringLiteral("Neu\x01Wert"));
        QVERIFY(seite.isChanged(p));
        seite.getData(p);
        QVERIFY(!seite.isChanged(p));
        // The file's separators never reach the record.
        const QString gespeichert = feld == QLatin1String("LEProjektName") ? p.name
                                    : feld == QLatin1String("LEProjektNR") ? p.projektNr
                                    : feld == QLatin1String("LEStrasse")   ? p.strasse
                                    : feld == QLatin1String("LEOrt")       ? p.ort
                                                                           : p.plz;
        QCOMPARE(gespeichert, QStringLiteral("NeuWert"));
    }

    void projektStandUndDatum()
    {
        WHProjektWidget seite;
        ProjektData p;
        p.stand = 1;
        p.datum = QDate(2008, 6, 1);
        seite.showData(p);
        QCOMPARE(Programm::stand(), 1);
        QVERIFY(kind<QRadioButton>(seite, "RBAusfuerungsplannung")->isChecked());
        QCOMPARE(kind<QDateEdit>(seite, "DEDatum")->text(), QStringLiteral("01.06.2008"));
        QCOMPARE(Pfade::helpPage(), QStringLiteral("projekt.html"));
        kind<QRadioButton>(seite, "RBKostenSchaetzung")->setChecked(true);
        QVERIFY(seite.isChanged(p));
        QCOMPARE(seite.getData(p), 0);
        QCOMPARE(p.stand, 0);
        QCOMPARE(Programm::stand(), 0);
        kind<QDateEdit>(seite, "DEDatum")->setDate(QDate(2009, 2, 3));
        QVERIFY(seite.isChanged(p));
    }

    void gebaeudeVorlauf_data()
    {
        QTest::addColumn<QString>("vorlauf");
        QTest::addColumn<int>("etagen");
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("unverändert") << "45" << 0 << false << 0;
        QTest::newRow("Vorlauf um 0.1") << "45.1" << 0 << true << 1;
        QTest::newRow("nur Etagen") << "45" << 3 << true << 0;
    }
    void gebaeudeVorlauf()
    {
        QFETCH(QString, vorlauf);
        QFETCH(int, etagen);
        QFETCH(bool, geaendert);
        QFETCH(int, ergebnis);
        WHGebaeudeWidget seite;
        GebaeudeData g;
        seite.showData(g);
        QCOMPARE(kind<WHDoubleEdit>(seite, "LEVorlauftemperatur")->text(), QStringLiteral("45"));
        kind<WHDoubleEdit>(seite, "LEVorlauftemperatur")->setText(vorlauf);
        kind<QSpinBox>(seite, "SBAnzahlEtagen")->setValue(etagen);
        QCOMPARE(seite.isChanged(g), geaendert);
        QCOMPARE(seite.getData(g), ergebnis);
        QCOMPARE(g.vorlauftemperatur, vorlauf.toFloat());
        QCOMPARE(g.anzahlEtagen, etagen);
    }

    void gebaeudeArt()
    {
        WHGebaeudeWidget seite;
        GebaeudeData g;
        g.gebaeudeAlter = 2;
        g.ueberWB = 55;
        seite.showData(g);
        auto* vorschlag = kind<WHDoubleEdit>(seite, "LEVorschlagWB");
        QCOMPARE(vorschlag->text(), QStringLiteral("55"));
        QCOMPARE(Pfade::helpPage(), QStringLiteral("gebaeude.html"));

        // Only the user's choice proposes the standard's demand.
        auto* art = kind<QComboBox>(seite, "CBGebaeudealter");
        art->setCurrentIndex(1);
        emit art->activated(1);
        QCOMPARE(vorschlag->text(), QStringLiteral("40"));
        QCOMPARE(vorschlag->bottom(), 30.0);
        QCOMPARE(g.ueberWB, 55.0f);

        vorschlag->setText(QStringLiteral("20"));
        vorschlag->korrigieren();
        QCOMPARE(vorschlag->text(), QStringLiteral("30.00000"));
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("Eigabe Wert für <>\nmuss >= als 30 sein.\nWert wurde angepasst."));

        auto* vorlauf = kind<WHDoubleEdit>(seite, "LEVorlauftemperatur");
        vorlauf->setText(QStringLiteral("75"));
        vorlauf->korrigieren();
        QCOMPARE(vorlauf->text(), QStringLiteral("70.0"));
        QCOMPARE(
            MessageBox::gezeigt().at(1).text,
            QStringLiteral("Eigabe Wert für <Mittlere Vorlauftemperatur>\nmuss <= als 70 sein.\nWert wurde "
                           "angepasst."));
    }

    void grenzen()
    {
        WHGebaeudeWidget gebaeude;
        WHEtageWidget etage;
        QCOMPARE(kind<QSpinBox>(gebaeude, "SBAnzahlEtagen")->maximum(), 15);
        QCOMPARE(kind<QSpinBox>(etage, "SBAnzahlRaeume")->maximum(), 20);
        QCOMPARE(kind<QComboBox>(gebaeude, "CBSystemWHG")->count(), 4);
        QCOMPARE(kind<QComboBox>(gebaeude, "CBGebaeudealter")->count(), 4);
    }

    void trockensystemPruefung_data()
    {
        QTest::addColumn<float>("vorlauf");
        QTest::addColumn<int>("system");
        QTest::addColumn<bool>("ok");
        QTest::newRow("nass bei 55") << 55.0f << 1 << true;
        QTest::newRow("trocken bei 55") << 55.0f << 2 << false;
        QTest::newRow("trocken bei 50") << 50.0f << 3 << true;
    }
    void trockensystemPruefung()
    {
        QFETCH(float, vorlauf);
        QFETCH(int, system);
        QFETCH(bool, ok);
        // The building page checks its own field, the floor page the building record.
        GebaeudeData g;
        WHGebaeudeWidget gebaeudeSeite;
        gebaeudeSeite.showData(g);
        kind<WHDoubleEdit>(gebaeudeSeite, "LEVorlauftemperatur")->setText(QString::number(vorlauf));
        kind<QComboBox>(gebaeudeSeite, "CBSystemWHG")->setCurrentIndex(system);
        QCOMPARE(gebaeudeSeite.checkData(g), ok);

        g.vorlauftemperatur = vorlauf;
        EtageData e(&g);
        WHEtageWidget etageSeite;
        etageSeite.showData(e);
        kind<QComboBox>(etageSeite, "CBSystemWHE")->setCurrentIndex(system);
        QCOMPARE(etageSeite.checkData(e), ok);
    }

    void etage()
    {
        GebaeudeData g;
        EtageData e(&g);
        e.name = QStringLiteral("Erdgeschoss");
        e.anzahlRaeume = 2;
        WHEtageWidget seite;
        seite.showData(e);
        QCOMPARE(Pfade::helpPage(), QStringLiteral("etage.html"));
        QVERIFY(!seite.isChanged(e));
        kind<QComboBox>(seite, "CBSystemWHE")->setCurrentIndex(3);
        QVERIFY(seite.isChanged(e));
        QCOMPARE(seite.getData(e), 0);
        QCOMPARE(e.systemIndex, 3);
        QCOMPARE(e.name, QStringLiteral("Erdgeschoss"));
    }

    void returnWandertDurchDieFelder()
    {
        GebaeudeData g;
        EtageData e(&g);
        WHEtageWidget seite;
        seite.show();
        seite.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&seite));
        seite.showData(e);
        auto* name = kind<QLineEdit>(seite, "LEBezeichnung");
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(kind<QComboBox>(seite, "CBSystemWHE")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(kind<QSpinBox>(seite, "SBAnzahlRaeume")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(kind<QComboBox>(seite, "CBSystemWHE")->hasFocus());
    }

    void sonstigAbschlagNachStand_data()
    {
        QTest::addColumn<int>("stand");
        QTest::addColumn<bool>("sichtbar");
        QTest::newRow("Kostenschätzung") << 0 << false;
        QTest::newRow("Ausführungsplanung") << 1 << true;
    }
    void sonstigAbschlagNachStand()
    {
        QFETCH(int, stand);
        QFETCH(bool, sichtbar);
        Programm::setStand(stand);
        WHSonstigWidget seite;
        seite.show();
        SonstigData s;
        s.abschlag = 0.05f;
        seite.showData(s);
        QCOMPARE(kind<QLineEdit>(seite, "LEAbschlag")->isVisible(), sichtbar);
        QCOMPARE(kind<QLabel>(seite, "TextLabel1")->isVisible(), sichtbar);
        QCOMPARE(kind<QLineEdit>(seite, "LEAbschlag")->text(), QStringLiteral("5%"));
        QCOMPARE(Pfade::helpPage(), QStringLiteral("sonstig.html"));
    }

    void sonstigUebernahme()
    {
        WHSonstigWidget seite;
        SonstigData s;
        s.stundensatz = 45;
        s.abschlag = 100;
        seite.showData(s);
        QCOMPARE(kind<QLineEdit>(seite, "LEAbschlag")->text(), QStringLiteral("100"));
        QCOMPARE(kind<WHDoubleEdit>(seite, "LEMwst")->text(), QStringLiteral("19"));
        QVERIFY(!seite.isChanged(s));

        kind<QLineEdit>(seite, "LEAbschlag")->setText(QStringLiteral("10%"));
        kind<WHDoubleEdit>(seite, "LEMwst")->setText(QStringLiteral("7"));
        kind<WHDoubleEdit>(seite, "LEMontageZeit")->setText(QStringLiteral("12.5"));
        QVERIFY(seite.isChanged(s));
        QCOMPARE(seite.getData(s), 0);
        QCOMPARE(s.abschlag, 0.1f);
        QCOMPARE(s.montagezeit, 12.5f);
        QCOMPARE(Programm::mwstSatz(), 0.07f);
        QVERIFY(!seite.isChanged(s));

        QSignalSpy spy(&seite, &WHSonstigWidget::MRZBerechnung);
        auto* knopf = kind<QPushButton>(seite, "PBMontageRichtZeit");
        QVERIFY(knopf->text().isEmpty());
        QCOMPARE(knopf->toolTip(), QStringLiteral("Vorschlag Montagerichtzeit"));
        knopf->click();
        QCOMPARE(spy.size(), 1);
    }
};

QTEST_MAIN(TestSeiten)
#include "tst_seiten.moc"
