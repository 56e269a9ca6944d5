#include "app/programm.h"
#include "app/textcodec.h"
#include "design/schaetzung.h"
#include "material/materialregeln.h"
#include "model/artikelliste.h"
#include "model/baumbearbeitung.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/projekttext.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"
#include "testumgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

using T = ProjektText;

class TestProjektDatei : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString schreibe(const QString& name, const QByteArray& bytes)
    {
        const QString pfad = m_dir.filePath(name);
        if (!TestUmgebung::schreibe(pfad, bytes))
            qFatal("cannot write %s", qPrintable(pfad));
        return pfad;
    }

    LadeErgebnis lade(ProjektBaum& baum, const QString& kopf, const QStringList& zeilen)
    {
        return ProjektDatei::laden(baum, schreibe(QStringLiteral("p.bwh"), T::datei(kopf, zeilen)));
    }

    static RaumData* ersterRaum(const ProjektBaum& baum)
    {
        const QList<WHListItem*> etagen = baum.etagen();
        if (etagen.isEmpty() || baum.raeume(etagen.first()).isEmpty())
            return nullptr;
        return static_cast<RaumData*>(baum.raeume(etagen.first()).first()->record());
    }

    // The state after a failed read: a new project with building and other costs only.
    static void pruefeNeuesProjekt(const ProjektBaum& baum)
    {
        QVERIFY(baum.root());
        QCOMPARE(baum.root()->childCount(), 2);
        QVERIFY(baum.gebaeude());
        QVERIFY(baum.sonstig());
        QCOMPARE(baum.gebaeude()->anzahl(), 0);
        QCOMPARE(baum.projekt()->name, QStringLiteral("Projekt"));
        QVERIFY(!baum.changed);
        QVERIFY(!baum.clipboard());
        QVERIFY(!baum.materialItem());
        QCOMPARE(Programm::stand(), 0);
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        ArtikelListe::global().readCatalogue(T::katalog());
    }

    void rundreise()
    {
        ProjektBaum baum;
        baum.newProjekt();
        ProjektData* p = baum.projekt();
        p->name = QStringLiteral("Küche & Bad");
        p->projektNr = QStringLiteral("m² 12");
        p->strasse = QStringLiteral("Straße 1");
        p->ort = QStringLiteral("Köln");
        p->plz = QStringLiteral("50667");
        p->datum = QDate(2008, 2, 29);
        p->stand = 1;
        GebaeudeData* g = baum.gebaeude();
        g->systemIndex = 1;
        g->vorlauftemperatur = 42.5f;

        QVERIFY(BaumBearbeitung::neu(baum, baum.gebaeudeItem()));
        WHListItem* eg = baum.etagen().at(0);
        QVERIFY(BaumBearbeitung::neu(baum, eg));
        QVERIFY(BaumBearbeitung::neu(baum, eg));
        auto* kueche = static_cast<RaumData*>(eg->child(0)->record());
        kueche->name = QStringLiteral("Küche");
        kueche->flaeche = 12.34f;
        kueche->waermebedarf = 987.6f;
        kueche->heizflaechen = {{2.5, 2, 12.5, 0, false}, {1.2, 1, 15, 0, true}};
        kueche->zusammenstellung = {1, 1, 0, 1};
        auto* flur = static_cast<RaumData*>(eg->child(1)->record());
        flur->setSystem(3);
        flur->heizflaechen = {{3.3, 2, 15, 0, false}};
        flur->zusammenstellung = {1, 0, 2};
        flur->fbhDirekt = true;
        flur->heizkreisFrei = true;
        flur->flaecheFBH = 4.5f;

        auto material = std::make_unique<MaterialData>();
        material->anpassenAnKatalog();
        material->mengen[0] = 2.5f;
        material->mengen[2] = 3.0f;
        baum.setMaterialItem(baum.insert(baum.root(), 2, std::move(material)));
        baum.changed = true;

        const QString pfad = m_dir.filePath(QStringLiteral("rund.bwh"));
        QString fehler;
        QVERIFY(ProjektDatei::speichern(baum, pfad, fehler));
        QVERIFY(!baum.changed);

        const QByteArray bytes = TestUmgebung::lies(pfad);
        QVERIFY(bytes.startsWith("# WH Version 1.6\n"));
        // Windows-1252: one byte each for ü, ß and ².
        QVERIFY(bytes.contains("K\xFC"
                               "che"));
        QVERIFY(bytes.contains("Stra\xDF"
                               "e 1"));
        QVERIFY(bytes.contains("m\xB2 12"));

        ProjektBaum zurueck;
        const LadeErgebnis e = ProjektDatei::laden(zurueck, pfad);
        QCOMPARE(e.art, LadeErgebnis::Geladen);
        QVERIFY(e.hinweisText.isEmpty());
        QCOMPARE(e.statusText, QStringLiteral("Projekt %1 geladen").arg(pfad));
        QCOMPARE(e.fensterTitel, QStringLiteral("Wandheizung: rund.bwh"));
        QCOMPARE(e.dateiName, pfad);
        QVERIFY(e.meldungTitel.isEmpty());
        QCOMPARE(TextCodec::encode(ProjektDatei::text(zurueck)), bytes);

        QCOMPARE(zurueck.projekt()->strasse, QStringLiteral("Straße 1"));
        QCOMPARE(zurueck.projekt()->datum, QDate(2008, 2, 29));
        const QList<WHListItem*> raeume = zurueck.raeume(zurueck.etagen().at(0));
        QCOMPARE(raeume.size(), 2);
        auto* k = static_cast<RaumData*>(raeume.at(0)->record());
        QCOMPARE(k->name, QStringLiteral("Küche"));
        QCOMPARE(k->heizflaechen, kueche->heizflaechen);
        QCOMPARE(k->zusammenstellung, kueche->zusammenstellung);
        QCOMPARE(k->etage, static_cast<EtageData*>(zurueck.etagen().at(0)->record()));
        QCOMPARE(k->etage->gebaeude, zurueck.gebaeude());
        auto* f = static_cast<RaumData*>(raeume.at(1)->record());
        QCOMPARE(f->zusammenstellung, flur->zusammenstellung);
        QVERIFY(f->fbhDirekt);
        QVERIFY(f->heizkreisFrei);
        QCOMPARE(zurueck.material()->mengen.value(2), 3.0f);
        QCOMPARE(zurueck.materialItem(), zurueck.materialListItem());
        QVERIFY(!zurueck.materialItem()->isHidden());
        QCOMPARE(Programm::stand(), 1);
    }

    void versionshinweis_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("stand");
        QTest::addColumn<bool>("hinweis");
        QTest::newRow("1.0") << "1.0" << 0 << true;
        QTest::newRow("1.1") << "1.1" << 1 << true;
        QTest::newRow("1.2") << "1.2" << 0 << true;
        QTest::newRow("1.3") << "1.3" << 1 << true;
        QTest::newRow("1.4 reads as 1.3") << "1.4" << 0 << true;
        QTest::newRow("1.41 reads as 1.3") << "1.41" << 1 << true;
        QTest::newRow("1.5") << "1.5" << 1 << false;
        QTest::newRow("1.6") << "1.6" << 0 << false;
        QTest::newRow("1.42 is not 1.41") << "1.42" << 0 << false;
    }

    void versionshinweis()
    {
        QFETCH(QString, version);
        QFETCH(int, stand);
        QFETCH(bool, hinweis);
        ProjektBaum baum;
        const LadeErgebnis e = lade(baum, "# WH Version " + version, T::grund(stand));
        QCOMPARE(e.art, LadeErgebnis::Geladen);
        if (!hinweis) {
            QVERIFY(e.hinweisText.isEmpty());
            return;
        }
        const QString erwartet =
            stand == 1
                ? QStringLiteral("Datei <b>p.bwh</b> ist mit einer früheren Version vom "
                                 "Wandheizungs-Berechnungsprogramm erstellt.<br>Diese Version beinhaltet "
                                 "das Produktsortiment ab 01.03.2008.<br><b>Aufgrund diverser "
                                 "Materialänderungen müssen Sie die Berechnung Materialbedarf erneut "
                                 "durchführen!</b>")
                : QStringLiteral("Datei <b>p.bwh</b> ist mit einer früheren Version vom "
                                 "Wandheizungs-Berechnungsprogramm erstellt.<br><br>Diese Version "
                                 "beinhaltet das Produktsortiment ab 01.03.2008.<br><b>Die "
                                 "Kostenschätzung erfolgt für dieses Produktsortiment!</b>");
        QCOMPARE(e.hinweisText, erwartet);
    }

    // Rooms of the older versions get wall area and difference from today's heat balance:
    // 1200 W at 45/20 °C in system 0 needs 7.5 m² and leaves 15 W.
    void waermebilanzAelterer_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<float>("flaecheWH");
        QTest::addColumn<float>("differenz");
        QTest::newRow("1.0") << "1.0" << 7.5f << 15.0f;
        QTest::newRow("1.3") << "1.3" << 7.5f << 15.0f;
        QTest::newRow("1.41") << "1.41" << 7.5f << 15.0f;
        QTest::newRow("1.5 keeps") << "1.5" << 3.25f << -7.0f;
        QTest::newRow("1.6 keeps") << "1.6" << 3.25f << -7.0f;
    }

    void waermebilanzAelterer()
    {
        QFETCH(QString, version);
        QFETCH(float, flaecheWH);
        QFETCH(float, differenz);
        QStringList zeilen = T::grund();
        zeilen[3] = "\t\t\t" + T::zeile({"3", "Bad", "0", "20", "20", "60", "1200", "3.25", "0", "-7", "0"});
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version " + version, zeilen).art, LadeErgebnis::Geladen);
        QCOMPARE(ersterRaum(baum)->flaecheWH, flaecheWH);
        QCOMPARE(ersterRaum(baum)->differenz, differenz);
    }

    // Version 1.0 knew no "RI-10 Register": its system 1 is today's 0, in every record.
    void system10_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("1.0 system 1") << "1.0" << 1 << 0;
        QTest::newRow("1.0 system 2") << "1.0" << 2 << 2;
        QTest::newRow("1.0 system 3") << "1.0" << 3 << 3;
        QTest::newRow("1.1 system 1") << "1.1" << 1 << 1;
        QTest::newRow("1.6 system 1") << "1.6" << 1 << 1;
    }

    void system10()
    {
        QFETCH(QString, version);
        QFETCH(int, system);
        QFETCH(int, erwartet);
        const QStringList zeilen{T::projekt(), T::gebaeude(1, system), T::etage("EG", 1, system),
                                 T::raum("Bad", system), T::sonstig()};
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version " + version, zeilen).art, LadeErgebnis::Geladen);
        QCOMPARE(baum.gebaeude()->system(), erwartet);
        QCOMPARE(baum.etagen().at(0)->record()->system(), erwartet);
        QCOMPARE(ersterRaum(baum)->system(), erwartet);
    }

    void datum_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("erwartet");
        QTest::newRow("1.0 text date") << "1.0"
                                       << "Tue May 20 2008" << QDate(2008, 5, 20);
        QTest::newRow("1.0 German names") << "1.0"
                                          << "Mo Mär 3 2008" << QDate(2008, 3, 3);
        QTest::newRow("1.0 German Okt") << "1.0"
                                        << "Fr Okt 10 2008" << QDate(2008, 10, 10);
        QTest::newRow("1.1 ISO") << "1.1"
                                 << "2008-05-20" << QDate(2008, 5, 20);
        QTest::newRow("1.0 ISO is not its form") << "1.0"
                                                 << "2008-05-20" << QDate::currentDate();
        QTest::newRow("unreadable stays today") << "1.6"
                                                << "gestern" << QDate::currentDate();
    }

    void datum()
    {
        QFETCH(QString, version);
        QFETCH(QString, text);
        QFETCH(QDate, erwartet);
        QStringList zeilen = T::grund();
        zeilen[0] = T::zeile({"0", "Haus", "", text, "", "", "", "0"});
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version " + version, zeilen).art, LadeErgebnis::Geladen);
        QCOMPARE(baum.projekt()->datum, erwartet);
    }

    // Every line that has no place in a project fails the whole read, which leaves a new,
    // empty and unchanged project, so that nothing partial can be saved over the file.
    void lesefehler_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        const QString P = T::projekt(1);
        const QString G = T::gebaeude();
        const QString E = T::etage();
        const QString R = T::raum();
        const QString F = T::flaechen({"0:0"});
        const QString S = T::sonstig();

        QTest::newRow("only the header") << QStringList{};
        QTest::newRow("room before any floor") << QStringList{P, G, R, S};
        QTest::newRow("no other costs") << QStringList{P, G, E, R};
        QTest::newRow("no building") << QStringList{P, S};
        QTest::newRow("no project") << QStringList{G, S};
        QTest::newRow("building before project") << QStringList{G, P, S};
        QTest::newRow("floor before building") << QStringList{P, E, G, S};
        QTest::newRow("other costs with 4 fields")
            << QStringList{P, G, "\t" + T::zeile({"4", "45", "10", "0"})};
        QTest::newRow("empty line between records") << QStringList{P, G, "", S};
        QTest::newRow("blank line at the end") << QStringList{P, G, S, "   "};
        QTest::newRow("second project") << QStringList{P, G, S, P};
        QTest::newRow("second building") << QStringList{P, G, G, S};
        QTest::newRow("second other costs") << QStringList{P, G, S, S};
        QTest::newRow("second material list") << QStringList{P, G, S, T::material(), T::material()};
        QTest::newRow("surface line before any room") << QStringList{P, G, E, F, R, S};
        QTest::newRow("surface line of a floor without rooms") << QStringList{P, G, E, R, E, F, S};
        QTest::newRow("surface line without flags") << QStringList{P, G, E, R, "\t\t\t\t5", S};
        QTest::newRow("code 8") << QStringList{P, G, "\t8" + QString(QChar(1)) + "x", S};
        QTest::newRow("code 9") << QStringList{P, G, "9", S};
        QTest::newRow("line without separators") << QStringList{P, G, E, "3", S};
        QTest::newRow("project with 7 fields")
            << QStringList{T::zeile({"0", "a", "b", "2008-01-01", "c", "d", "e"}), G, S};
        QTest::newRow("building with 5 fields")
            << QStringList{P, "\t" + T::zeile({"1", "45", "0", "0", "2"}), S};
        QTest::newRow("floor with 3 fields") << QStringList{P, G, "\t\t" + T::zeile({"2", "EG", "0"}), S};
        QTest::newRow("truncated room line") << QStringList{P, G, E, R.left(R.indexOf("1200")), S};
        QTest::newRow("binary garbage")
            << QStringList{P, G, QString::fromLatin1("\x89PNG\x1a\x0b\xff\xfe", 8), S};
    }

    // A second surface line of a room replaces its surfaces; the composition read before keeps
    // no entries beyond them, so the project saves as it reads.
    void zusammenstellungFolgtFlaechen()
    {
        const QStringList zeilen{T::projekt(1),
                                 T::gebaeude(1, 1),
                                 T::etage(QStringLiteral("EG"), 1, 1),
                                 T::raum(QStringLiteral("Bad"), 1),
                                 T::flaechen({"0:0", "2", "15", "0", "0", "2", "2", "15", "0", "0", "2"}),
                                 T::zusammenstellung({"1", "2", "3", "4"}),
                                 T::flaechen({"0:0", "2", "15", "0", "0", "2"}),
                                 T::sonstig()};
        ProjektBaum baum;
        QCOMPARE(lade(baum, QStringLiteral("# WH Version 1.6"), zeilen).art, LadeErgebnis::Geladen);
        const auto* raum =
            static_cast<RaumData*>(baum.raeume(baum.etagen().constFirst()).constFirst()->record());
        QCOMPARE(raum->heizflaechen.size(), 1);
        QCOMPARE(raum->zusammenstellung, QList<int>({1, 2}));
        const QString text = ProjektDatei::text(baum);
        ProjektBaum wieder;
        QCOMPARE(ProjektDatei::lesen(wieder, TextCodec::encode(text), QStringLiteral("p.bwh")).art,
                 LadeErgebnis::Geladen);
        QCOMPARE(ProjektDatei::text(wieder), text);
    }

    // A file beyond the program's limits is refused with a message that names the place and
    // the limit.
    void grenzeUeberschritten_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("meldung");
        const QString P = T::projekt(1);
        const QString G = T::gebaeude();
        const QString S = T::sonstig();

        QStringList etagen{P, G};
        for (int i = 0; i < 17; ++i)
            etagen << T::etage(QStringLiteral("E%1").arg(i), 0);
        QTest::newRow("17 Etagen") << (etagen << S)
                                   << "Datei <b>kaputt.bwh</b>: Das Gebäude hat 17 Etagen, erlaubt sind "
                                      "höchstens 15.";
        QStringList raeume{P, G, T::etage(QStringLiteral("Keller <b>& Co"))};
        for (int i = 0; i < 21; ++i)
            raeume << T::raum(QStringLiteral("R%1").arg(i));
        raeume << T::etage(QStringLiteral("EG")) << T::raum();
        QTest::newRow("21 Räume") << (raeume << S)
                                  << "Datei <b>kaputt.bwh</b>: Etage Keller &lt;b&gt;&amp; Co hat 21 Räume, "
                                     "erlaubt sind höchstens 20.";
        QStringList felder{"0:0"};
        for (int i = 0; i < 31; ++i)
            felder << "1"
                   << "15"
                   << "0"
                   << "0"
                   << "1";
        QTest::newRow("31 Heizflächen")
            << QStringList{P, G, T::etage(), T::raum(QStringLiteral("<i>Bad")), T::flaechen(felder), S}
            << "Datei <b>kaputt.bwh</b>: Raum &lt;i&gt;Bad (Etage EG) hat 31 Heizflächen, erlaubt sind "
               "höchstens 30.";
    }

    void grenzeUeberschritten()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, meldung);
        ProjektBaum baum;
        const QString pfad = schreibe(QStringLiteral("kaputt.bwh"), T::datei("# WH Version 1.6", zeilen));
        const LadeErgebnis e = ProjektDatei::laden(baum, pfad);
        QCOMPARE(e.art, LadeErgebnis::Fehlgeschlagen);
        QCOMPARE(e.meldungTitel, QStringLiteral("Fehler"));
        QCOMPARE(e.meldungText, meldung);
        pruefeNeuesProjekt(baum);
    }

    // Every number of the file is held to its physical range on reading: nothing non-finite
    // and nothing huge reaches the records, the estimate, the material run or the saved file.
    void werteBegrenzt_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<float>("flaeche");
        QTest::addColumn<float>("flaecheFBH");
        QTest::newRow("riesig") << "1.6"
                                << "1e30" << 10000.0f << 1000.0f;
        QTest::newRow("jenseits float") << "1.6"
                                        << "1e39" << 10000.0f << 1000.0f;
        QTest::newRow("unendlich") << "1.6"
                                   << "inf" << 0.0f << 0.0f;
        QTest::newRow("nan") << "1.6"
                             << "nan" << 0.0f << 0.0f;
        QTest::newRow("negativ riesig") << "1.6"
                                        << "-1e30" << 0.0f << 0.0f;
        // Older versions recompute the wall area from the demand.
        QTest::newRow("riesig, Version 1.3") << "1.3"
                                             << "1e30" << 10000.0f << 1000.0f;
    }

    void werteBegrenzt()
    {
        QFETCH(QString, version);
        QFETCH(QString, wert);
        QFETCH(float, flaeche);
        QFETCH(float, flaecheFBH);
        const QString w = wert;
        const QStringList zeilen{
            T::projekt(1),
            "\t" + T::zeile({"1", w, "1", "0", "2", w}),
            T::etage(),
            "\t\t\t" + T::zeile({"3", "Halle", "7", w, w, w, w, w, w, w, "0"}),
            T::flaechen({"1:0", w, w, w, "0", w, w, w, w, "1", w}),
            "\t" + T::zeile({"4", w, w, "0", w, w}),
        };
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version " + version, zeilen).art, LadeErgebnis::Geladen);
        const auto* raum =
            static_cast<RaumData*>(baum.raeume(baum.etagen().constFirst()).constFirst()->record());
        QCOMPARE(raum->flaeche, flaeche);
        QCOMPARE(raum->flaecheFBH, flaecheFBH);
        for (float v : {raum->raumTemperatur, raum->waermebedarfProM2, raum->waermebedarf, raum->flaecheWH,
                        raum->differenz, baum.gebaeude()->vorlauftemperatur, baum.sonstig()->montagezeit}) {
            QVERIFY(std::isfinite(v));
            QVERIFY(std::fabs(v) <= 1.0e8f);
        }
        for (const Heizflaeche& h : raum->heizflaechen) {
            QVERIFY(h.flaeche <= 1000.0 && h.entfernung <= 1000.0 && h.anzahlRegister <= 1000);
            QVERIFY(h.heizkreis >= 0 && h.heizkreis < 15);
        }

        // The estimate counts a handful of circuits, not billions.
        Schaetzung::berechne(baum);
        QVERIFY(baum.gebaeude()->summen.abgaenge <= 200);
        QVERIFY(std::isfinite(baum.gebaeude()->summen.artikel.value(150215)));
        QVERIFY(std::isfinite(baum.sonstig()->mrzVorschlag));
        MaterialBedarf bedarf;
        RaumData kopie(*raum);
        materialBedarf(kopie, bedarf);
        for (auto it = bedarf.cbegin(); it != bedarf.cend(); ++it)
            QVERIFY2(std::isfinite(it.value()) && it.value() < 1.0e9f, qPrintable(QString::number(it.key())));

        const QString text = ProjektDatei::text(baum);
        QVERIFY(!text.contains(QLatin1String("inf")));
        QVERIFY(!text.contains(QLatin1String("nan")));
    }

    void lesefehler()
    {
        QFETCH(QStringList, zeilen);
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        baum.changed = true;
        Programm::setStand(1);

        const QString pfad = schreibe(QStringLiteral("kaputt.bwh"), T::datei("# WH Version 1.6", zeilen));
        const LadeErgebnis e = ProjektDatei::laden(baum, pfad);
        QCOMPARE(e.art, LadeErgebnis::Fehlgeschlagen);
        QVERIFY(!e.erfolgreich());
        QCOMPARE(e.statusText, QStringLiteral("Fehler beim laden des Projekts %1").arg(pfad));
        QCOMPARE(e.meldungTitel, QStringLiteral("Fehler"));
        QVERIFY(e.meldungKritisch);
        QCOMPARE(e.meldungText, QStringLiteral("Datei <b>kaputt.bwh</b> hat ein falsches Format!"));
        QVERIFY(e.hinweisText.isEmpty());
        QVERIFY(e.fensterTitel.isEmpty());
        pruefeNeuesProjekt(baum);
    }

    // A file cut off anywhere either still reads (the cut fell after the other costs) or
    // fails as a whole; either way the tree is whole and its counts agree with it.
    void abgeschnitten()
    {
        const QByteArray voll =
            T::datei("# WH Version 1.6",
                     {T::projekt(1), T::gebaeude(2, 1), T::etage("Erdgeschoß", 2, 1), T::raum("Küche", 1),
                      T::flaechen({"1:0", "2.5", "15", "0", "0", "2", "1.25", "7.5", "1", "1", "1"}),
                      T::zusammenstellung({"1", "1", "0", "1"}), T::raum("Flur", 3),
                      T::flaechen({"0:0", "3", "15", "0", "0", "2"}), T::zusammenstellung({"1", "0", "2"}),
                      T::etage("OG", 0), T::sonstig(), T::material({"150010", "2.5"})});
        for (int n = 0; n <= voll.size(); n += n < 24 ? 1 : 3) {
            ProjektBaum baum;
            const LadeErgebnis e =
                ProjektDatei::laden(baum, schreibe(QStringLiteral("teil.bwh"), voll.left(n)));
            QVERIFY2(e.art == LadeErgebnis::Geladen || e.art == LadeErgebnis::Fehlgeschlagen ||
                         (e.art == LadeErgebnis::Abgelehnt && n < 4),
                     qPrintable(QString::number(n)));
            if (e.art == LadeErgebnis::Abgelehnt)
                continue;
            QVERIFY(baum.gebaeude() && baum.sonstig());
            QCOMPARE(baum.gebaeude()->anzahl(), int(baum.etagen().size()));
            for (WHListItem* etage : baum.etagen())
                QCOMPARE(etage->record()->anzahl(), int(baum.raeume(etage).size()));
        }
    }

    // Arbitrary bytes after the header never crash or hang the reader.
    void zufaelligeBytes()
    {
        QRandomGenerator zufall(4711);
        const QByteArray gut = T::datei("# WH Version 1.6", T::grund());
        for (int runde = 0; runde < 120; ++runde) {
            QByteArray bytes = gut;
            // Overwrite some bytes of a valid file with random ones, from a few to all.
            const int anzahl = 1 + int(zufall.bounded(runde < 60 ? 8 : bytes.size()));
            for (int i = 0; i < anzahl; ++i) {
                const int pos = 17 + int(zufall.bounded(bytes.size() - 17));
                bytes[pos] = char(zufall.bounded(256));
            }
            ProjektBaum baum;
            const LadeErgebnis e = ProjektDatei::laden(baum, schreibe(QStringLiteral("zufall.bwh"), bytes));
            QVERIFY(e.art == LadeErgebnis::Geladen || e.art == LadeErgebnis::Fehlgeschlagen);
            QVERIFY(baum.gebaeude() && baum.sonstig());
            QCOMPARE(baum.gebaeude()->anzahl(), int(baum.etagen().size()));
            // What was read can be written and read back to the same text.
            const QString text = ProjektDatei::text(baum);
            ProjektBaum wieder;
            QCOMPARE(
                ProjektDatei::laden(wieder, schreibe(QStringLiteral("wieder.bwh"), TextCodec::encode(text)))
                    .art,
                LadeErgebnis::Geladen);
            QCOMPARE(ProjektDatei::text(wieder), text);
        }
    }

    void zuGrosseDatei()
    {
        QByteArray bytes = T::datei("# WH Version 1.6", T::grund());
        bytes += QByteArray(17 * 1024 * 1024, 'x');
        ProjektBaum baum;
        const LadeErgebnis e = ProjektDatei::laden(baum, schreibe(QStringLiteral("gross.bwh"), bytes));
        QCOMPARE(e.art, LadeErgebnis::Fehlgeschlagen);
        pruefeNeuesProjekt(baum);
    }

    // Headers that are not accepted leave the open project exactly as it was.
    void kopfzeile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kritisch");
        QTest::addColumn<QString>("text");
        const QString falsch = QStringLiteral("Datei <b>k.bwb</b> hat ein falshes Format!");
        const QString frueher = QStringLiteral(
            "Datei <b>k.bwb</b> ist in einer früheren Version vom Wärmebedarfs-Berechnungsprogramm "
            "erstellt.<br>Bitte "
            "Datei unter neuer Version öffnen und speichern, damit das Importieren möglich wird!");
        const QStringList wb{T::zeile({"1", "x", "Haus"})};
        QTest::newRow("WB 1.1") << T::datei("# WB Version 1.1", wb) << false << frueher;
        QTest::newRow("WB 1.0") << T::datei("# WB Version 1.0", wb) << false << frueher;
        QTest::newRow("WB 1.3") << T::datei("# WB Version 1.3", wb) << true << falsch;
        QTest::newRow("WB 1.21") << T::datei("# WB Version 1.21", wb) << true << falsch;
        QTest::newRow("WB without version") << T::datei("# WB", wb) << true << falsch;
        QTest::newRow("empty file") << QByteArray() << true << falsch;
        QTest::newRow("text") << QByteArray("Hallo\nWelt\n") << true << falsch;
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\x02\x89PNG", 8) << true << falsch;
        QTest::newRow("WH without hash") << T::datei("WH Version 1.6", T::grund()) << true << falsch;
        QTest::newRow("leading blank line") << T::datei("", T::grund()) << true << falsch;
    }

    void kopfzeile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kritisch);
        QFETCH(QString, text);
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        WHListItem* etage = baum.etagen().at(0);
        BaumBearbeitung::copy(baum, etage);
        baum.changed = true;
        Programm::setStand(1);

        const LadeErgebnis e = ProjektDatei::laden(baum, schreibe(QStringLiteral("k.bwb"), bytes));
        QCOMPARE(e.art, LadeErgebnis::Abgelehnt);
        QCOMPARE(e.meldungTitel, QStringLiteral("Fehler"));
        QCOMPARE(e.meldungKritisch, kritisch);
        QCOMPARE(e.meldungText, text);
        QVERIFY(e.statusText.isEmpty());
        QVERIFY(e.dateiName.isEmpty());
        QCOMPARE(baum.etagen(), QList<WHListItem*>{etage});
        QCOMPARE(baum.clipboard(), etage);
        QVERIFY(baum.changed);
        QCOMPARE(Programm::stand(), 1);
    }

    void nichtGeoeffnet_data()
    {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("kurz");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("fehlt/nicht.bwh")) << "nicht.bwh";
        QTest::newRow("a folder") << m_dir.path() << QDir(m_dir.path()).dirName();
    }

    void nichtGeoeffnet()
    {
        QFETCH(QString, pfad);
        QFETCH(QString, kurz);
        ProjektBaum baum;
        baum.newProjekt();
        baum.projekt()->name = QStringLiteral("offen");
        baum.changed = true;
        const LadeErgebnis e = ProjektDatei::laden(baum, pfad);
        QCOMPARE(e.art, LadeErgebnis::NichtGeoeffnet);
        QCOMPARE(e.statusText, QStringLiteral("Fehler beim laden des Projekts %1").arg(pfad));
        QCOMPARE(e.meldungTitel, QStringLiteral("Fehler"));
        QCOMPARE(e.meldungText, QStringLiteral("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(kurz));
        QCOMPARE(baum.projekt()->name, QStringLiteral("offen"));
        QVERIFY(baum.changed);
    }

    // What a successful read leaves besides the records: counts that agree with the tree,
    // the material item, the stage, an empty clipboard and an unchanged project.
    void nachDemLesen()
    {
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        BaumBearbeitung::copy(baum, baum.etagen().at(0));
        baum.changed = true;
        const QStringList zeilen{T::projekt(0),      T::material({"151570", "2", "999999", "5", "150010"}),
                                 T::sonstig(),       T::gebaeude(-4),
                                 T::etage("EG", 99), T::raum("Bad"),
                                 T::raum("Flur"),    T::etage("OG", -1)};
        QCOMPARE(lade(baum, "# WH Version 1.6", zeilen).art, LadeErgebnis::Geladen);
        QVERIFY(!baum.changed);
        QVERIFY(!baum.clipboard());
        // Building, other costs and material list in this order, whatever the file's order.
        QCOMPARE(baum.root()->child(0)->type(), int(WHBaseData::TypGebaeude));
        QCOMPARE(baum.root()->child(1)->type(), int(WHBaseData::TypSonstig));
        QCOMPARE(baum.root()->child(2)->type(), int(WHBaseData::TypMaterial));
        QCOMPARE(baum.gebaeude()->anzahl(), 2);
        QCOMPARE(baum.etagen().at(0)->record()->anzahl(), 2);
        QCOMPARE(baum.etagen().at(1)->record()->anzahl(), 0);
        QCOMPARE(baum.etagen().at(0)->text(), QStringLiteral("EG"));
        QCOMPARE(baum.raeume(baum.etagen().at(0)).at(1)->text(), QStringLiteral("Flur"));
        // Stage 0 hides the material list but keeps it as the project's material item.
        QCOMPARE(baum.materialItem(), baum.materialListItem());
        QVERIFY(baum.materialItem()->isHidden());
        // The unknown article is skipped, the pair without quantity ignored.
        QCOMPARE(baum.material()->mengen, (QVector<float>{0.0f, 0.0f, 2.0f}));
        QCOMPARE(baum.sonstig()->abschlag, 0.1f);
        QCOMPARE(Programm::stand(), 0);
    }

    void sonstigeKosten_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<float>("abschlag");
        QTest::newRow("5 fields") << "\t" + T::zeile({"4", "45", "10", "0", "0.5"}) << 0.0f;
        QTest::newRow("6 fields") << "\t" + T::zeile({"4", "45", "10", "0", "0.5", "150"}) << 150.0f;
    }

    void sonstigeKosten()
    {
        QFETCH(QString, zeile);
        QFETCH(float, abschlag);
        QStringList zeilen = T::grund();
        zeilen.last() = zeile;
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version 1.6", zeilen).art, LadeErgebnis::Geladen);
        QCOMPARE(baum.sonstig()->abschlag, abschlag);
        QCOMPARE(baum.sonstig()->stundensatz, 45.0f);
        QCOMPARE(baum.sonstig()->montagezeit, 10.0f);
        QCOMPARE(baum.sonstig()->montageFaktor, 0.5f);
    }

    // Numbers that do not parse read as 0; indexes outside their tables fall back to a
    // valid entry, so that no page or report ever looks one up out of range.
    void zahlenfelder_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("erwartet");
        const auto geb = [](const QString& vorlauf, const QString& system, const QString& alter) {
            return "\t" + T::zeile({"1", vorlauf, "1", system, alter, "30"});
        };
        QTest::newRow("flow temperature not a number") << 1 << geb("warm", "0", "2") << "vorlauf"
                                                       << "0";
        QTest::newRow("flow temperature overflow") << 1 << geb("1e999", "0", "2") << "vorlauf"
                                                   << "0";
        QTest::newRow("flow temperature nan") << 1 << geb("nan", "0", "2") << "vorlauf"
                                              << "0";
        QTest::newRow("flow temperature comma") << 1 << geb("42,5", "0", "2") << "vorlauf"
                                                << "0";
        QTest::newRow("building system 7") << 1 << geb("45", "7", "2") << "gebaeudeSystem"
                                           << "0";
        QTest::newRow("building system huge") << 1 << geb("45", "99999999999", "2") << "gebaeudeSystem"
                                              << "0";
        QTest::newRow("building standard -1") << 1 << geb("45", "0", "-1") << "alter"
                                              << "2";
        QTest::newRow("building standard 3") << 1 << geb("45", "0", "3") << "alter"
                                             << "3";
        QTest::newRow("room type 42")
            << 3 << "\t\t\t" + T::zeile({"3", "Bad", "42", "20", "20", "60", "1200", "7.5", "0", "15", "0"})
            << "raumTyp"
            << "7";
        QTest::newRow("room system -2")
            << 3 << "\t\t\t" + T::zeile({"3", "Bad", "0", "20", "20", "60", "1200", "7.5", "0", "15", "-2"})
            << "raumSystem"
            << "0";
        QTest::newRow("room demand not a number")
            << 3 << "\t\t\t" + T::zeile({"3", "Bad", "0", "20", "20", "60", "viel", "7.5", "0", "15", "0"})
            << "waermebedarf"
            << "0";
        QTest::newRow("stage 5") << 0 << T::zeile({"0", "H", "", "2008-01-01", "", "", "", "5"}) << "stand"
                                 << "0";
        QTest::newRow("stage 1") << 0 << T::zeile({"0", "H", "", "2008-01-01", "", "", "", "1"}) << "stand"
                                 << "1";
        QTest::newRow("surface area huge")
            << 4 << T::flaechen({"0:0", "1e300", "1e300", "0", "0", "99999"}) << "flaeche"
            << "1000";
        QTest::newRow("surface area negative")
            << 4 << T::flaechen({"0:0", "-3", "15", "0", "0", "1"}) << "flaeche"
            << "0";
        QTest::newRow("circuit 99") << 4 << T::flaechen({"0:0", "3", "15", "99", "0", "1"}) << "heizkreis"
                                    << "14";
        QTest::newRow("circuit -5") << 4 << T::flaechen({"0:0", "3", "15", "-5", "0", "1"}) << "heizkreis"
                                    << "0";
        QTest::newRow("register count huge")
            << 4 << T::flaechen({"0:0", "3", "15", "0", "0", "99999"}) << "register"
            << "1000";
        QTest::newRow("flags missing") << 4 << T::flaechen({"", "3", "15", "0", "0", "1"}) << "register"
                                       << "1";
    }

    void zahlenfelder()
    {
        QFETCH(int, zeile);
        QFETCH(QString, text);
        QFETCH(QString, feld);
        QFETCH(QString, erwartet);
        QStringList zeilen = T::grund();
        zeilen[zeile] = text;
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version 1.6", zeilen).art, LadeErgebnis::Geladen);
        const RaumData* r = ersterRaum(baum);
        QString wert;
        if (feld == "vorlauf")
            wert = QString::number(baum.gebaeude()->vorlauftemperatur);
        else if (feld == "gebaeudeSystem")
            wert = QString::number(baum.gebaeude()->systemIndex);
        else if (feld == "alter")
            wert = QString::number(baum.gebaeude()->gebaeudeAlter);
        else if (feld == "raumTyp")
            wert = QString::number(r->raumTyp);
        else if (feld == "raumSystem")
            wert = QString::number(r->systemIndex);
        else if (feld == "waermebedarf")
            wert = QString::number(r->waermebedarf);
        else if (feld == "stand")
            wert = QString::number(baum.projekt()->stand);
        else if (feld == "flaeche")
            wert = QString::number(r->heizflaechen.value(0).flaeche);
        else if (feld == "heizkreis")
            wert = QString::number(r->heizflaechen.value(0).heizkreis);
        else if (feld == "register")
            wert = QString::number(r->heizflaechen.value(0).anzahlRegister);
        QCOMPARE(wert, erwartet);
    }

    void textSchreibtAusgeschnittenesNicht()
    {
        ProjektBaum baum;
        QCOMPARE(lade(baum, "# WH Version 1.6",
                      {T::projekt(0), T::gebaeude(), T::etage("EG"), T::raum("Bad"), T::etage("OG", 0),
                       T::sonstig(), T::material({"150010", "4"})})
                     .art,
                 LadeErgebnis::Geladen);
        WHListItem* eg = baum.etagen().at(0);
        QVERIFY(BaumBearbeitung::cut(baum, eg));
        const QString text = ProjektDatei::text(baum);
        QVERIFY(!baum.clipboard());
        QCOMPARE(baum.gebaeudeItem()->childCount(), 1);
        QVERIFY(!text.contains(QStringLiteral("EG")));
        QVERIFY(!text.contains(QStringLiteral("Bad")));
        QVERIFY(text.contains(QStringLiteral("\t\t2\x01OG\x01") + QStringLiteral("0\x01") +
                              QStringLiteral("0\n")));
        QVERIFY(
            text.contains(QStringLiteral("\t1\x01") + QStringLiteral("45\x01") + QStringLiteral("1\x01")));
        // The hidden material list of stage 0 is written all the same.
        QVERIFY(
            text.endsWith(QStringLiteral("\t7\x01") + QStringLiteral("150010\x01") + QStringLiteral("4\n")));
    }

    void speichern()
    {
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        BaumBearbeitung::cut(baum, baum.etagen().at(0));
        baum.changed = true;

        const QString pfad = m_dir.filePath(QStringLiteral("gespeichert.bwh"));
        QString fehler = QStringLiteral("alt");
        QVERIFY(ProjektDatei::speichern(baum, pfad, fehler));
        QVERIFY(fehler.isEmpty());
        QVERIFY(!baum.changed);
        // The cut floor is gone from the file and, after the save, from the tree.
        QVERIFY(!baum.clipboard());
        QCOMPARE(baum.gebaeudeItem()->childCount(), 1);
        const QString text = TextCodec::decode(TestUmgebung::lies(pfad));
        QVERIFY(!text.contains(QStringLiteral("Etage 1")));
        QVERIFY(text.contains(QStringLiteral("Etage 2")));
        QCOMPARE(text, ProjektDatei::text(baum));
    }

    void speichernUnmoeglich_data()
    {
        QTest::addColumn<QString>("pfad");
        QTest::newRow("folder missing") << m_dir.filePath(QStringLiteral("gibtsnicht/p.bwh"));
        QTest::newRow("below a file") << m_dir.filePath(QStringLiteral("einedatei.txt/p.bwh"));
        QTest::newRow("a folder") << m_dir.filePath(QStringLiteral("einordner"));
    }

    void speichernUnmoeglich()
    {
        QFETCH(QString, pfad);
        schreibe(QStringLiteral("einedatei.txt"), "x");
        QDir(m_dir.path()).mkpath(QStringLiteral("einordner"));
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        WHListItem* etage = baum.etagen().at(0);
        BaumBearbeitung::cut(baum, etage);
        baum.changed = true;

        QString fehler;
        QVERIFY(!ProjektDatei::speichern(baum, pfad, fehler));
        QCOMPARE(fehler, QStringLiteral("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(pfad));
        QVERIFY(baum.changed);
        // A failed save keeps the cut floor on the clipboard, ready to be pasted.
        QCOMPARE(baum.clipboard(), etage);
        QVERIFY(!QFileInfo(pfad).isFile());
    }

    // A write that breaks off (here at the process's file size limit, as on a full disk)
    // leaves the old file as it was and no temporary file behind.
    void abgebrochenesSchreiben()
    {
        const QString ordner = m_dir.filePath(QStringLiteral("voll"));
        QDir().mkpath(ordner);
        const QString pfad = ordner + QStringLiteral("/p.bwh");
        const QByteArray alt = T::datei("# WH Version 1.6", T::grund());
        TestUmgebung::schreibe(pfad, alt);

        ProjektBaum baum;
        baum.newProjekt();
        for (int i = 0; i < 15; ++i)
            BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        for (WHListItem* e : baum.etagen()) {
            for (int i = 0; i < 20; ++i)
                BaumBearbeitung::neu(baum, e);
        }
        baum.changed = true;
        QVERIFY(TextCodec::encode(ProjektDatei::text(baum)).size() > 4096);

        rlimit vorher{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &vorher) == 0);
        rlimit grenze = vorher;
        grenze.rlim_cur = 1024;
        const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &grenze) == 0);
        QString fehler;
        const bool ok = ProjektDatei::speichern(baum, pfad, fehler);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!ok);
        QCOMPARE(fehler, QStringLiteral("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(pfad));
        QVERIFY(baum.changed);
        QCOMPARE(TestUmgebung::lies(pfad), alt);
        QCOMPARE(QDir(ordner).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.bwh")});
    }
};

QTEST_GUILESS_MAIN(TestProjektDatei)
#include "tst_projektdatei.moc"
