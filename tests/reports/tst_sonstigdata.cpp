#include "app/programm.h"
#include "material/kosten.h"
#include "model/sonstigdata.h"
#include "reports/recorddruck.h"

#include <QTest>

// The money rules of the other-costs record: deduction text, report parts, change test.
class TestSonstigData : public QObject
{
    Q_OBJECT

private:
    static const QString kazus;

    static QString abschlagsBlock(const QString& links, const QString& betrag)
    {
        return QStringLiteral(
                   "<p><b>Abschlag</b></p>\n\n<table cols=2 width=\"100%\">\n<tr>\n<td align=left> ") +
               links + QStringLiteral(" </td>\n<td align=right><b>") + betrag +
               QStringLiteral(
                   " &nbsp;EUR</b></td>\n</tr>\n</table>\n<p><img src=\"leer.png\" height=10 width=1></p>");
    }

private slots:
    void init() { Programm::reset(); }

    void abschlagLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zahl");
        QTest::addColumn<float>("abschlag");
        QTest::newRow("Prozent") << "10%" << true << 0.1f;
        QTest::newRow("Pauschale") << "10" << true << 10.0f;
        QTest::newRow("Bruch") << "0.1" << true << 0.1f;
        QTest::newRow("150 Prozent") << "150%" << true << 1.5f;
        QTest::newRow("Leerzeichen") << " 5% " << true << 0.05f;
        QTest::newRow("nur Prozent") << "%" << true << 0.0f;
        QTest::newRow("leer") << "" << true << 0.0f;
        // The decimal comma reads as in every other number field.
        QTest::newRow("Komma Prozent") << "2,5%" << true << 0.025f;
        QTest::newRow("Komma Pauschale") << "150,50" << true << 150.5f;
        // A text that is no number is refused: the deduction stays as it was.
        QTest::newRow("Text") << "viel" << false << 7.0f;
        QTest::newRow("Zahl mit Text") << "5 EUR" << false << 7.0f;
    }

    void abschlagLesen()
    {
        QFETCH(QString, text);
        QFETCH(bool, zahl);
        QFETCH(float, abschlag);
        float gelesen = 7.0f;
        QCOMPARE(SonstigData::abschlagLesen(text, gelesen), zahl);
        QCOMPARE(gelesen, abschlag);
        SonstigData s;
        s.abschlag = 7.0f;
        QCOMPARE(s.isChanged(0.0f, 0.0f, text, 19.0f), zahl && abschlag != 7.0f);
        s.uebernehme(0.0f, 0.0f, text, 19.0f);
        QCOMPARE(s.abschlag, abschlag);
    }

    void abschlagText_data()
    {
        QTest::addColumn<float>("abschlag");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0.0f << "0";
        QTest::newRow("5 %") << 0.05f << "5%";
        QTest::newRow("12.5 %") << 0.125f << "12.5%";
        QTest::newRow("genau 1") << 1.0f << "1";
        QTest::newRow("Pauschale") << 150.5f << "150.5";
    }

    void abschlagText()
    {
        QFETCH(float, abschlag);
        QFETCH(QString, text);
        QCOMPARE(SonstigData::abschlagText(abschlag), text);
        // What the page shows reads back as the same deduction.
        float gelesen = -1.0f;
        QVERIFY(SonstigData::abschlagLesen(text, gelesen));
        QCOMPARE(gelesen, abschlag);
    }

    void kostenAngebot_data()
    {
        QTest::addColumn<float>("stundensatz");
        QTest::addColumn<float>("montagezeit");
        QTest::addColumn<float>("material");
        QTest::addColumn<float>("abschlag");
        QTest::addColumn<float>("mwstSatz");
        QTest::addColumn<QString>("soll");

        QTest::newRow("5 % Abschlag")
            << 45.0f << 10.0f << 1000.0f << 0.05f << 0.19f
            << "10.0|45.00|450.00|" + abschlagsBlock("5% von 1450.00 <b>EUR</b> ", "72.50") +
                   "|1377.50|19|261.72|1639.22";
        QTest::newRow("ohne Abschlag")
            << 40.0f << 2.5f << 12.34f << 0.0f << 0.19f << "2.5|40.00|100.00||112.34|19|21.34|133.68";
        QTest::newRow("negativer Abschlag")
            << 40.0f << 2.5f << 12.34f << -3.0f << 0.19f << "2.5|40.00|100.00||112.34|19|21.34|133.68";
        // From 1 on the deduction is a lump sum; nothing stops the net sum going below 0.
        QTest::newRow("Pauschale über Summe")
            << 0.0f << 0.0f << 50.0f << 100.0f << 0.19f
            << "0.0|0.00|0.00|" + abschlagsBlock("", "100.00") + "|-50.00|19|-9.50|-59.50";
        QTest::newRow("genau 1 EUR") << 10.0f << 1.0f << 0.0f << 1.0f << 0.07f
                                     << "1.0|10.00|10.00|" + abschlagsBlock("", "1.00") + "|9.00|7|0.63|9.63";
    }

    void kostenAngebot()
    {
        QFETCH(float, stundensatz);
        QFETCH(float, montagezeit);
        QFETCH(float, material);
        QFETCH(float, abschlag);
        QFETCH(float, mwstSatz);
        QFETCH(QString, soll);

        SonstigData s;
        s.stundensatz = stundensatz;
        s.montagezeit = montagezeit;
        s.abschlag = abschlag;
        Programm::setMwstSatz(mwstSatz);
        QString text = kazus;
        printKA(s, text, Kosten::cent(material));
        QCOMPARE(text, soll);
    }

    void werteWoertlich()
    {
        // Only the placeholders change; the rest of the template stays as written.
        SonstigData s;
        s.stundensatz = 1.0f;
        QString text = QStringLiteral("$& \\1 %PreisStunde% %PreisStunde% %preisstunde%");
        printKA(s, text, 0);
        QCOMPARE(text, QStringLiteral("$& \\1 1.00 1.00 %preisstunde%"));
    }

    void projektEingaben_data()
    {
        QTest::addColumn<float>("abschlag");
        QTest::addColumn<QString>("pe2");
        QTest::newRow("Prozent") << 0.05f << "45.5|12|5%";
        QTest::newRow("genau 1") << 1.0f << "45.5|12|1 EUR";
        QTest::newRow("Pauschale") << 150.0f << "45.5|12|150 EUR";
        QTest::newRow("kein") << 0.0f << "45.5|12|";
    }

    void projektEingaben()
    {
        QFETCH(float, abschlag);
        QFETCH(QString, pe2);
        SonstigData s;
        s.stundensatz = 45.5f;
        s.montagezeit = 12.0f;
        s.abschlag = abschlag;
        QString text = QStringLiteral("%Stundens%|%Montagez%|%Abschlag%");
        printPE2(s, text);
        QCOMPARE(text, pe2);
    }

    void geaendert_data()
    {
        QTest::addColumn<float>("stundensatz");
        QTest::addColumn<float>("montagezeit");
        QTest::addColumn<QString>("abschlag");
        QTest::addColumn<float>("mwst");
        QTest::addColumn<bool>("geaendert");
        QTest::newRow("gleich") << 45.0f << 10.0f << "10%" << 19.0f << false;
        QTest::newRow("Stundensatz") << 45.01f << 10.0f << "10%" << 19.0f << true;
        QTest::newRow("unter einem Hundertstel") << 45.005f << 10.004f << "10%" << 19.0f << false;
        QTest::newRow("Montagezeit weniger") << 45.0f << 9.99f << "10%" << 19.0f << true;
        QTest::newRow("ein Prozent mehr Abschlag") << 45.0f << 10.0f << "11%" << 19.0f << true;
        QTest::newRow("Abschlag als Bruch") << 45.0f << 10.0f << "0.1" << 19.0f << false;
        QTest::newRow("Abschlag als Pauschale") << 45.0f << 10.0f << "10" << 19.0f << true;
        QTest::newRow("Mehrwertsteuer") << 45.0f << 10.0f << "10%" << 7.0f << true;
    }

    void geaendert()
    {
        QFETCH(float, stundensatz);
        QFETCH(float, montagezeit);
        QFETCH(QString, abschlag);
        QFETCH(float, mwst);
        QFETCH(bool, geaendert);
        SonstigData s;
        s.stundensatz = 45.0f;
        s.montagezeit = 10.0f;
        s.abschlag = 0.1f;
        QCOMPARE(s.isChanged(stundensatz, montagezeit, abschlag, mwst), geaendert);
    }

    void uebernehmen()
    {
        SonstigData s;
        s.uebernehme(50.0f, 8.5f, QStringLiteral("3%"), 7.0f);
        QCOMPARE(s.stundensatz, 50.0f);
        QCOMPARE(s.montagezeit, 8.5f);
        QCOMPARE(s.abschlag, 0.03f);
        QCOMPARE(Programm::mwstSatz(), 0.07f);
        QVERIFY(!s.isChanged(50.0f, 8.5f, QStringLiteral("3%"), 7.0f));
    }
};

const QString TestSonstigData::kazus = QStringLiteral(
    "%AnzahlStunden%|%PreisStunde%|%GesamtLohn%|%Abschlag%|%SummeGesamt%|%MwstSatz%|%Mwst%|%SummeMwst%");

QTEST_GUILESS_MAIN(TestSonstigData)
#include "tst_sonstigdata.moc"
