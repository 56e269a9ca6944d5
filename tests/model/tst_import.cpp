#include "app/programm.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "projekttext.h"
#include "testumgebung.h"

#include <QTemporaryDir>
#include <QtTest>

using T = ProjektText;

namespace {

const QString kopf = QStringLiteral("# WB Version 1.2");

QString wbProjekt(const QString& name)
{
    return T::zeile({"1", "17", name, "Planer"});
}

QString wbEtage(const QString& name)
{
    return T::zeile({"2", "4", name});
}

// A room line; field 3 holds the heat-demand program's room values, of which the
// temperature (0), the area (6) and the heat demand (11) are taken over.
QString wbRaum(const QString& name, const QString& temperatur, const QString& flaeche, const QString& bedarf,
               int unterfelder = 14)
{
    QStringList u;
    for (int i = 0; i < unterfelder; ++i)
        u << QString::number(100 + i);
    u[0] = temperatur;
    if (unterfelder > 6)
        u[6] = flaeche;
    if (unterfelder > 11)
        u[11] = bedarf;
    return T::zeile({"3", "9", name, T::unterfelder(u), "frei"});
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    LadeErgebnis importiere(ProjektBaum& baum, const QStringList& zeilen, const QString& kopfzeile = kopf)
    {
        const QString pfad = m_dir.filePath(QStringLiteral("haus.bwb"));
        TestUmgebung::schreibe(pfad, T::datei(kopfzeile, zeilen));
        return ProjektDatei::laden(baum, pfad);
    }

    static QStringList namen(const QList<WHListItem*>& items)
    {
        QStringList n;
        for (const WHListItem* i : items)
            n << i->text();
        return n;
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(m_dir.isValid());
    }

    void init() { TestUmgebung::zuruecksetzen(); }

    // Floors and rooms are each put first, so the navigator lists them in reverse.
    void reihenfolge()
    {
        ProjektBaum baum;
        const LadeErgebnis e = importiere(
            baum, {wbProjekt("Haus Lind"), wbEtage("EG"), wbRaum("Bad", "24", "8", "640"),
                   wbRaum("Flur", "18", "6", "300"), wbEtage("OG"), wbRaum("Kind", "20", "14", "700")});
        QCOMPARE(e.art, LadeErgebnis::Importiert);
        QCOMPARE(baum.projekt()->name, QStringLiteral("Haus Lind"));
        QCOMPARE(namen(baum.etagen()), (QStringList{"OG", "EG"}));
        QCOMPARE(namen(baum.raeume(baum.etagen().at(1))), (QStringList{"Flur", "Bad"}));
        QCOMPARE(namen(baum.raeume(baum.etagen().at(0))), (QStringList{"Kind"}));
        QCOMPARE(baum.gebaeude()->anzahl(), 2);
        QCOMPARE(baum.etagen().at(0)->record()->anzahl(), 1);
        QCOMPARE(baum.etagen().at(1)->record()->anzahl(), 2);
        QCOMPARE(baum.root()->child(1)->type(), int(WHBaseData::TypSonstig));
        QCOMPARE(baum.root()->childCount(), 2);
        for (WHListItem* etage : baum.etagen()) {
            auto* e = static_cast<EtageData*>(etage->record());
            QCOMPARE(e->system(), baum.gebaeude()->system());
            QCOMPARE(e->gebaeude, baum.gebaeude());
            for (WHListItem* raum : baum.raeume(etage))
                QCOMPARE(static_cast<RaumData*>(raum->record())->etage, e);
        }
    }

    void raumwerte_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<float>("temperatur");
        QTest::addColumn<float>("flaeche");
        QTest::addColumn<float>("bedarf");
        QTest::addColumn<float>("proM2");
        QTest::addColumn<float>("flaecheWH");
        // Area down to 0.01 m², demand down to 0.1 W, specific demand down to 0.1 W/m²;
        // the heat balance at 45/20 °C in system 0 gives 162 W/m².
        QTest::newRow("rounded down")
            << wbRaum("Bad", "20", "12.345", "987.65") << 20.0f << 12.34f << 987.6f << 80.0f << 6.1f;
        QTest::newRow("demand 1200 on 20 m²")
            << wbRaum("Wohnen", "20", "20", "1200") << 20.0f << 20.0f << 1200.0f << 60.0f << 7.5f;
        // Without a demand sub-field the room keeps the building's rough specific demand.
        QTest::newRow("only 7 sub-fields")
            << wbRaum("Abstell", "15", "4.567", "", 7) << 15.0f << 4.56f << 0.0f << 30.0f << 0.0f;
        QTest::newRow("area 0 gives specific demand 0")
            << wbRaum("Nische", "20", "0", "150") << 20.0f << 0.0f << 150.0f << 0.0f << 1.0f;
        QTest::newRow("not numbers") << wbRaum("Keller", "kalt", "viel", "?") << 0.0f << 0.0f << 0.0f << 0.0f
                                     << 0.0f;
        QTest::newRow("comma is no decimal point")
            << wbRaum("Küche", "20", "12,5", "800") << 20.0f << 0.0f << 800.0f << 0.0f << 5.0f;
        // Values beyond any building are held to their physical range on reading, so that the
        // rounding and the heat balance stay finite.
        QTest::newRow("huge values") << wbRaum("Halle", "1e30", "1e30", "1e30") << 100.0f << 10000.0f
                                     << 1.0e6f << 100.0f << 0.0f;
        QTest::newRow("tiny area, huge demand")
            << wbRaum("Nische", "20", "0.01", "1e30") << 20.0f << 0.01f << 1.0e6f << 1000.0f << 1000.0f;
        QTest::newRow("infinite") << wbRaum("Keller", "inf", "-inf", "nan") << 0.0f << 0.0f << 0.0f << 0.0f
                                  << 0.0f;
    }

    void raumwerte()
    {
        QFETCH(QString, zeile);
        QFETCH(float, temperatur);
        QFETCH(float, flaeche);
        QFETCH(float, bedarf);
        QFETCH(float, proM2);
        QFETCH(float, flaecheWH);
        ProjektBaum baum;
        QCOMPARE(importiere(baum, {wbProjekt("P"), wbEtage("EG"), zeile}).art, LadeErgebnis::Importiert);
        const auto* r = static_cast<RaumData*>(baum.raeume(baum.etagen().at(0)).at(0)->record());
        QCOMPARE(r->raumTyp, 7);
        QCOMPARE(r->raumTemperatur, temperatur);
        QCOMPARE(r->flaeche, flaeche);
        QCOMPARE(r->waermebedarf, bedarf);
        QCOMPARE(r->waermebedarfProM2, proM2);
        QVERIFY(std::isfinite(r->differenz));
        QCOMPARE(r->flaecheWH, flaecheWH);
    }

    void ueberspringt()
    {
        ProjektBaum baum;
        const LadeErgebnis e = importiere(
            baum, {"# Kommentar", wbProjekt("P"), "", "5" + QString(QChar(1)) + "x", wbEtage("EG"),
                   QString::fromLatin1("\xe4\xf6\xfc\x01\x02"), wbRaum("Bad", "24", "8", "640"),
                   "\t" + T::zeile({"5", "1", "2"}), "9", wbRaum("Flur", "18", "6", "300"), "Ende"});
        QCOMPARE(e.art, LadeErgebnis::Importiert);
        QCOMPARE(namen(baum.raeume(baum.etagen().at(0))), (QStringList{"Flur", "Bad"}));
    }

    void ergebnis()
    {
        ProjektBaum baum;
        Programm::setStand(1);
        const LadeErgebnis e =
            importiere(baum, {wbProjekt("Haus Lind"), wbEtage("EG"), wbRaum("Bad", "24", "8", "640")});
        QCOMPARE(e.art, LadeErgebnis::Importiert);
        QVERIFY(e.erfolgreich());
        QCOMPARE(e.statusText,
                 QStringLiteral("Wärmebedarf Projekt %1 importiert").arg(m_dir.filePath("haus.bwb")));
        QCOMPARE(e.fensterTitel, QStringLiteral("Wandheizung: Unbenannt"));
        QVERIFY(e.dateiName.isEmpty());
        QVERIFY(e.meldungTitel.isEmpty());
        QVERIFY(e.hinweisText.isEmpty());
        QVERIFY(baum.changed);
        QVERIFY(!baum.materialItem());
        QVERIFY(!baum.material());
        QCOMPARE(Programm::stand(), 0);

        // Saved, the import is an ordinary project file of the current version.
        const QString pfad = m_dir.filePath(QStringLiteral("haus.bwh"));
        QString fehler;
        QVERIFY(ProjektDatei::speichern(baum, pfad, fehler));
        ProjektBaum geladen;
        const LadeErgebnis wieder = ProjektDatei::laden(geladen, pfad);
        QCOMPARE(wieder.art, LadeErgebnis::Geladen);
        QVERIFY(wieder.hinweisText.isEmpty());
        QVERIFY(TestUmgebung::lies(pfad).startsWith("# WH Version 1.6\n"));
        QCOMPARE(ProjektDatei::text(geladen), ProjektDatei::text(baum));
    }

    void kopfMitZeilenende()
    {
        ProjektBaum baum;
        const QString pfad = m_dir.filePath(QStringLiteral("crlf.bwb"));
        TestUmgebung::schreibe(pfad, "# WB Version 1.2\r\n1\x01x\x01"
                                     "Haus\r\n2\x01x\x01"
                                     "EG\r\n");
        QCOMPARE(ProjektDatei::laden(baum, pfad).art, LadeErgebnis::Importiert);
        QCOMPARE(baum.etagen().at(0)->text(), QStringLiteral("EG"));
    }

    // A failed import leaves a new, empty and unchanged project: the partly imported tree
    // can never be saved.
    void fehler_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("meldung"); // empty: "hat ein falsches Format!"
        const QString P = wbProjekt("P");
        const QString E = wbEtage("EG");
        const QString R = wbRaum("Bad", "24", "8", "640");
        QTest::newRow("only the header") << QStringList{} << QString();
        QTest::newRow("floors only") << QStringList{E, wbEtage("OG")} << QString();
        QTest::newRow("room before any floor") << QStringList{P, R, E} << QString();
        QTest::newRow("project with 2 fields") << QStringList{T::zeile({"1", "17"}), E} << QString();
        QTest::newRow("floor with 2 fields") << QStringList{P, T::zeile({"2", "4"})} << QString();
        QTest::newRow("room with 3 fields") << QStringList{P, E, T::zeile({"3", "9", "Bad"})} << QString();
        QTest::newRow("room without separators") << QStringList{P, E, "3"} << QString();
        QTest::newRow("second project") << QStringList{P, E, R, P} << QString();
        QStringList sechzehn{P};
        for (int i = 0; i < 16; ++i)
            sechzehn << wbEtage(QStringLiteral("E%1").arg(i));
        QTest::newRow("16 floors")
            << sechzehn << "Datei <b>haus.bwb</b>: Das Gebäude hat 16 Etagen, erlaubt sind höchstens 15.";
        QStringList einundzwanzig{P, E};
        for (int i = 0; i < 21; ++i)
            einundzwanzig << R;
        QTest::newRow("21 rooms on a floor")
            << einundzwanzig << "Datei <b>haus.bwb</b>: Etage EG hat 21 Räume, erlaubt sind höchstens 20.";
    }

    void fehler()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, meldung);
        ProjektBaum baum;
        baum.newProjekt();
        baum.projekt()->name = QStringLiteral("offen");
        baum.changed = true;
        const LadeErgebnis e = importiere(baum, zeilen);
        QCOMPARE(e.art, LadeErgebnis::Fehlgeschlagen);
        QCOMPARE(e.statusText,
                 QStringLiteral("Fehler beim importieren des Projekts %1").arg(m_dir.filePath("haus.bwb")));
        QCOMPARE(e.meldungTitel, QStringLiteral("Fehler"));
        QVERIFY(e.meldungKritisch);
        QCOMPARE(e.meldungText, meldung.isEmpty()
                                    ? QStringLiteral("Datei <b>haus.bwb</b> hat ein falsches Format!")
                                    : meldung);
        QCOMPARE(baum.projekt()->name, QStringLiteral("Projekt"));
        QCOMPARE(baum.root()->childCount(), 2);
        QVERIFY(baum.etagen().isEmpty());
        QVERIFY(!baum.changed);
    }

    // Cut off anywhere or sprinkled with random bytes, a heat-demand file either imports or
    // fails as a whole, and never crashes the reader.
    void beschaedigt()
    {
        const QByteArray voll = T::datei(
            kopf, {wbProjekt("Haus Lind"), wbEtage("EG"), wbRaum("Bad", "24", "8", "640"),
                   wbRaum("Flur", "18", "6", "300"), wbEtage("OG"), wbRaum("Kind", "20", "14", "700")});
        const QString pfad = m_dir.filePath(QStringLiteral("kaputt.bwb"));
        QRandomGenerator zufall(815);
        for (int runde = 0; runde < voll.size() + 80; runde += runde < voll.size() ? 2 : 1) {
            QByteArray bytes = voll;
            if (runde < voll.size()) {
                bytes.truncate(runde);
            } else {
                for (int i = 0; i < 1 + int(zufall.bounded(12)); ++i)
                    bytes[17 + int(zufall.bounded(bytes.size() - 17))] = char(zufall.bounded(256));
            }
            TestUmgebung::schreibe(pfad, bytes);
            ProjektBaum baum;
            const LadeErgebnis e = ProjektDatei::laden(baum, pfad);
            QVERIFY(e.art == LadeErgebnis::Importiert || e.art == LadeErgebnis::Fehlgeschlagen ||
                    e.art == LadeErgebnis::Abgelehnt);
            if (e.art == LadeErgebnis::Abgelehnt)
                continue;
            QVERIFY(baum.gebaeude() && baum.sonstig());
            QCOMPARE(baum.gebaeude()->anzahl(), int(baum.etagen().size()));
            for (WHListItem* etage : baum.etagen())
                QCOMPARE(etage->record()->anzahl(), int(baum.raeume(etage).size()));
            QCOMPARE(baum.changed, e.art == LadeErgebnis::Importiert);
        }
    }

    void grenzenGenauErreicht()
    {
        QStringList zeilen{wbProjekt("P")};
        for (int e = 0; e < 15; ++e) {
            zeilen << wbEtage(QStringLiteral("E%1").arg(e));
            for (int r = 0; r < 20; ++r)
                zeilen << wbRaum(QStringLiteral("R%1").arg(r), "20", "10", "500");
        }
        ProjektBaum baum;
        QCOMPARE(importiere(baum, zeilen).art, LadeErgebnis::Importiert);
        QCOMPARE(baum.etagen().size(), 15);
        QCOMPARE(baum.raeume(baum.etagen().at(14)).size(), 20);
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
