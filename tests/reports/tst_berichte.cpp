#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/pfade.h"
#include "app/programm.h"
#include "app/textcodec.h"
#include "app/zahl.h"
#include "beispielprojekt.h"
#include "model/projektdatei.h"
#include "reports/berichte.h"
#include "reports/recorddruck.h"
#include "reports/vorlage.h"
#include "testumgebung.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Berichte::Art)

namespace {

// The templates of each report in the order they are read.
const QStringList vorlagenEingaben1{"projekt",   "gebaeude", "etage",   "etagetotal",
                                    "etagekopf", "raum",     "sonstig", "pe1projekttotal"};
const QStringList vorlagenEingaben2{"pe2projekt",      "pe2gebaeude", "pe2etage",        "pe2raum",
                                    "pe2flaeche1kopf", "pe2flaeche1", "pe2flaeche2kopf", "pe2flaeche2",
                                    "pe2wpiplatte",    "pe2sonstig",  "pe2projekttotal"};
const QStringList vorlagenVoranschlag{"ausschreibungstext", "ausschreibungstext1", "ausschreibungstext2",
                                      "hkv", "hkvuvs"};
const QStringList vorlagenAngebot{"kaheader", "kagruppe", "kaartikel", "kazus", "kaanmerkung"};

// Compact templates that show which placeholders a piece got and in which order pieces come.
const QList<QPair<QString, QString>> kurzVorlagen{
    {"projekt", "[P %Datum%|%ProjektBezeichnung%|%ProjektNR%|%ProjektStrasse%|%ProjektOrt%|%ProjektPLZ%]"},
    {"gebaeude", "[G Vorlauftemperatur %Vorlauftemperatur%|%AnzahlEtagen%|%SWHG%|%Gebaudealter%|%UeberWB%]"},
    {"etage", "[E %EtageBezeichnung%|%AnzahlRaume%|%SWHE%]"},
    {"etagetotal", "[Total %Flaeche%|%WB%|%SystemWH%|%FlaecheWH%|%FlacheFBH%|%Differenz%|%AnzHK%]"},
    {"etagekopf", "[K %EtageBezeichnung%]"},
    {"raum",
     "[R %RaumBezeichnung%|%RaumTemperatur%|%RaumFlache%|%GeschWB%|%WB%|%SWHR%|%FlacheWH%|%FlacheFBH%|"
     "%Differenz%|%AnzHK%]"},
    {"sonstig", "[S %Stundens%|%Montagez%]"},
    {"pe1projekttotal", "[PT %NutzFlaeche%|%Waermebedarf%|%EKR%|%VOR%|%UNI%|%WKP%|%FBH%|%Differenz%]"},
    {"pe2projekt", "[P2 %Datum%|%ProjektBezeichnung%]"},
    {"pe2gebaeude", "[G2 Vorlauftemperatur %Vorlauftemperatur%|%AnzahlEtagen%]"},
    {"pe2etage", "[E2 %EtageBezeichnung%|%AnzahlRaume%|%SWHE%]"},
    {"pe2raum", "[R2 %RaumBezeichnung%|%RaumFlache%|%WB%|%FlacheFBH%|%MS%|%FlacheWH%|%FlacheWH1%|%SWHR%|"
                "%DiffWaerme%]"},
    {"pe2flaeche1kopf", "[F1K]"},
    {"pe2flaeche1", "[F1]"},
    {"pe2flaeche2kopf", "[FK]"},
    {"pe2flaeche2", "[F %NrFlaeche%|%FGroesse%|%RegGroesse%|%AnzReg%|%Entfernung%|%TKreis%|%MS%]"},
    {"pe2wpiplatte", "[Z %Nr%|%Bez%|%ArtNr%|%Breite%|%Hoehe%|%Groesse%|%Anzahl%]"},
    {"pe2sonstig", "[S2 %Stundens%|%Montagez%|%Abschlag%]"},
    {"pe2projekttotal", "[PT2 %NutzFlaeche%|%Waermebedarf%|%WR%|%WRD%|%WP%|%WPI%|%FBH%|%Differenz%]"},
    {"ausschreibungstext", "[A %ProjektBezeichnung%|%Vorlauftemperatur%|%FlaecheEKR%]"},
    {"ausschreibungstext1", "[T1 %AnzHK%]"},
    {"ausschreibungstext2", "[A2 %AnzahlRaumthermostate%|%AnzahlArbeitsstunden%]"},
    {"hkv", "[H %AnzHK%x%AnzahlHKV%]"},
    {"hkvuvs", "[U %Schrank%x%AnzahlSchrank%]"},
    {"kaheader", "[KA %ProjektBezeichnung%|%Vorlauftemperatur%]"},
    {"kagruppe", "[GR %GruppeBezeichnung%]"},
    {"kaartikel", "[AR %Bezeichnung%|%Menge%|%Gesamtpreis%]"},
    {"kazus", "[Z %AnzahlStunden%|%GesamtLohn%|%SummeGesamt%]"},
    {"kaanmerkung", "[AN]"},
};

const QRegularExpression platzhalter(QStringLiteral("%[A-Za-z0-9_]+%"));
const QRegularExpression blockMarke(QStringLiteral("%[A-Za-z0-9_]+-%|%-[A-Za-z0-9_]+%"));

} // namespace

class TestBerichte : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void fehlendeVorlage_data();
    void fehlendeVorlage();
    void ausgabeNichtSchreibbar();
    void ausgabeWirdGeschrieben();
    void berichtNachStand();
    void vollstaendig_data();
    void vollstaendig();
    void beispielprojekte();

    void eingaben1Reihenfolge();
    void eingaben1Summen();
    void rolleNachWort();
    void eingaben2Raumstueck();
    void eingaben2Schleifen_data();
    void eingaben2Schleifen();
    void eingaben2FlaechenUndZusammenstellung();
    void eingaben2SummenLaufenMit();
    void voranschlagReihenfolge();
    void angebotGruppen();
    void angebotOhneMaterialliste();
    void namenWerdenEscapt();
    void inStueckenWieGanz_data();
    void inStueckenWieGanz();

private:
    void kurzVorlagenSchreiben();
    QString ausdrucke() const { return m_appl.path() + QStringLiteral("/ausdrucke/"); }

    QTemporaryDir m_appl;
    QTemporaryDir m_user;
};

void TestBerichte::initTestCase()
{
    TestUmgebung::isolieren();
}

void TestBerichte::init()
{
    TestUmgebung::zuruecksetzen();
    QVERIFY(TestUmgebung::ladeKatalog());
    Pfade::setApplDir(TestUmgebung::shareDir());
    Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
}

void TestBerichte::kurzVorlagenSchreiben()
{
    QDir(ausdrucke()).removeRecursively();
    for (const auto& v : kurzVorlagen)
        QVERIFY(TestUmgebung::schreibe(ausdrucke() + v.first + QStringLiteral(".html"), v.second.toLatin1()));
    Pfade::setApplDir(m_appl.path() + QLatin1Char('/'));
}

void TestBerichte::fehlendeVorlage_data()
{
    QTest::addColumn<Berichte::Art>("art");
    QTest::addColumn<QString>("vorlage");
    const QList<QPair<Berichte::Art, QStringList>> berichte{
        {Berichte::Eingaben1, vorlagenEingaben1},
        {Berichte::Eingaben2, vorlagenEingaben2},
        {Berichte::Kostenvoranschlag, vorlagenVoranschlag},
        {Berichte::Kostenangebot, vorlagenAngebot}};
    for (const auto& b : berichte) {
        for (const QString& v : b.second)
            QTest::newRow(qPrintable(v)) << b.first << v;
    }
}

void TestBerichte::fehlendeVorlage()
{
    QFETCH(Berichte::Art, art);
    QFETCH(QString, vorlage);
    // The shipped templates less one.
    QDir(ausdrucke()).removeRecursively();
    QDir().mkpath(ausdrucke());
    const QDir share(TestUmgebung::shareDir() + QStringLiteral("ausdrucke"));
    for (const QString& f : share.entryList(QDir::Files)) {
        if (f != vorlage + QStringLiteral(".html"))
            QVERIFY(QFile::copy(share.filePath(f), ausdrucke() + f));
    }
    Pfade::setApplDir(m_appl.path() + QLatin1Char('/'));
    QVERIFY(TestUmgebung::schreibe(Berichte::ausgabePfad(), "vorheriger Bericht"));

    ProjektBaum baum;
    Beispiel::haus(baum, 1);
    const BerichtErgebnis r = Berichte::ausgeben(art, baum);
    QVERIFY(!r.ok);
    QCOMPARE(r.fehlerText, QStringLiteral("Datei %1.html konnte nicht geöffnet werden!").arg(vorlage));
    QVERIFY(r.html.isEmpty());
    // The output was opened before the templates were read: it stays, empty.
    QVERIFY(QFileInfo::exists(Berichte::ausgabePfad()));
    QCOMPARE(TestUmgebung::lies(Berichte::ausgabePfad()), QByteArray());
}

void TestBerichte::ausgabeNichtSchreibbar()
{
    QDir(m_user.path() + QStringLiteral("/ausdrucke")).removeRecursively();
    // A file where the output folder should be.
    QVERIFY(TestUmgebung::schreibe(m_user.path() + QStringLiteral("/ausdrucke"), "kein Ordner"));
    ProjektBaum baum;
    Beispiel::haus(baum, 0);
    const BerichtErgebnis r = Berichte::ausgeben(Berichte::Eingaben1, baum);
    QVERIFY(!r.ok);
    QCOMPARE(r.fehlerText, QStringLiteral("Datei ausdruck.html konnte nicht geöffnet werden!"));
    QFile::remove(m_user.path() + QStringLiteral("/ausdrucke"));
}

void TestBerichte::ausgabeWirdGeschrieben()
{
    ProjektBaum baum;
    Beispiel::haus(baum, 1);
    baum.projekt()->name = QStringLiteral("Küche € Straße");
    const BerichtErgebnis r = Berichte::ausgeben(Berichte::Kostenangebot, baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    const QByteArray bytes = TestUmgebung::lies(Berichte::ausgabePfad());
    // Windows-1252, as the templates declare it.
    QVERIFY(bytes.contains("K\xfc"
                           "che \x80 Stra\xdf"
                           "e"));
    QVERIFY(bytes.contains("charset=windows-1252"));
    QCOMPARE(TextCodec::decode(bytes), r.html);
    // The spacing image lies beside the document for the preview.
    QVERIFY(QFileInfo::exists(Pfade::ausgabeDir() + QStringLiteral("leer.png")));
}

void TestBerichte::berichtNachStand()
{
    QCOMPARE(Berichte::eingabenFuerStand(0), Berichte::Eingaben1);
    QCOMPARE(Berichte::eingabenFuerStand(1), Berichte::Eingaben2);
    QCOMPARE(Berichte::kostenFuerStand(0), Berichte::Kostenvoranschlag);
    QCOMPARE(Berichte::kostenFuerStand(1), Berichte::Kostenangebot);
}

void TestBerichte::vollstaendig_data()
{
    QTest::addColumn<Berichte::Art>("art");
    QTest::addColumn<int>("stand");
    QTest::addColumn<int>("orientierung");
    QTest::addColumn<int>("schrift");
    for (int stand = 0; stand < 2; ++stand) {
        const QString s = QString::number(stand);
        QTest::newRow(qPrintable("eingaben1 " + s)) << Berichte::Eingaben1 << stand << 0 << 8;
        QTest::newRow(qPrintable("eingaben2 " + s)) << Berichte::Eingaben2 << stand << -1 << 8;
        QTest::newRow(qPrintable("kostenvoranschlag " + s))
            << Berichte::Kostenvoranschlag << stand << -1 << 0;
        QTest::newRow(qPrintable("kostenangebot " + s)) << Berichte::Kostenangebot << stand << -1 << 0;
    }
}

void TestBerichte::vollstaendig()
{
    QFETCH(Berichte::Art, art);
    QFETCH(int, stand);
    QFETCH(int, orientierung);
    QFETCH(int, schrift);
    ProjektBaum baum;
    Beispiel::haus(baum, stand);
    const BerichtErgebnis r = Berichte::erstelle(art, baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    QCOMPARE(r.orientierung, orientierung);
    QCOMPARE(r.schriftGroesse, schrift);
    QVERIFY2(!platzhalter.match(r.html).hasMatch(), qPrintable(platzhalter.match(r.html).captured()));
    QVERIFY2(!blockMarke.match(r.html).hasMatch(), qPrintable(blockMarke.match(r.html).captured()));
    // One document: one head, one end.
    QVERIFY(r.html.startsWith(QLatin1String("<html>")));
    QCOMPARE(r.html.count(QLatin1String("<body")), 1);
    QVERIFY(r.html.trimmed().endsWith(QLatin1String("</html>")));
    QCOMPARE(r.html.count(QLatin1String("<table")), r.html.count(QLatin1String("</table>")));
    QCOMPARE(r.html.count(QLatin1String("<tr")), r.html.count(QLatin1String("</tr>")));
}

void TestBerichte::beispielprojekte()
{
    const QDir dir(TestUmgebung::shareDir() + QStringLiteral("projekte"));
    const QStringList dateien =
        dir.entryList({QStringLiteral("*.bwh"), QStringLiteral("*.bwb")}, QDir::Files);
    if (dateien.isEmpty())
        QSKIP("no sample projects installed");
    const Berichte::Art arten[4] = {Berichte::Eingaben1, Berichte::Eingaben2, Berichte::Kostenvoranschlag,
                                    Berichte::Kostenangebot};
    for (const QString& datei : dateien) {
        for (Berichte::Art art : arten) {
            ProjektBaum baum;
            const LadeErgebnis l = ProjektDatei::laden(baum, dir.filePath(datei));
            QVERIFY2(l.erfolgreich(), qPrintable(datei));
            const BerichtErgebnis r = Berichte::erstelle(art, baum);
            QVERIFY2(r.ok, qPrintable(datei + QLatin1Char(' ') + r.fehlerText));
            QVERIFY2(!platzhalter.match(r.html).hasMatch(),
                     qPrintable(datei + QLatin1Char(' ') + platzhalter.match(r.html).captured()));
            QVERIFY2(!blockMarke.match(r.html).hasMatch(), qPrintable(datei));
            if (art == Berichte::Eingaben1 || art == Berichte::Eingaben2) {
                // Every floor and room of the project is in the document.
                for (WHListItem* e : baum.etagen()) {
                    QVERIFY(r.html.contains(Vorlage::html(e->record()->name)));
                    for (WHListItem* raum : baum.raeume(e))
                        QVERIFY(r.html.contains(Vorlage::html(raum->record()->name)));
                }
            }
        }
    }
}

void TestBerichte::eingaben1Reihenfolge()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    baum.newProjekt();
    ProjektData* p = baum.projekt();
    p->name = QStringLiteral("Haus");
    p->projektNr = QStringLiteral("7");
    p->strasse = QStringLiteral("Weg 1");
    p->ort = QStringLiteral("Ort");
    p->plz = QStringLiteral("12345");
    p->datum = QDate(2008, 3, 7);
    baum.gebaeude()->vorlauftemperatur = 40.0f;
    baum.sonstig()->stundensatz = 45.0f;
    baum.sonstig()->montagezeit = 12.0f;
    WHListItem* eg = Beispiel::etage(baum, QStringLiteral("EG"), 0);
    RaumData* wohnen = Beispiel::raum(baum, eg, QStringLiteral("Wohnen"), 0, 30.0f, 60.0f);
    wohnen->flaecheWH = 23.5f; // two full surfaces and a rest of 3.5 m²: three circuits
    wohnen->differenz = 12.5f;
    RaumData* bad = Beispiel::raum(baum, eg, QStringLiteral("Bad"), 0, 8.0f, 100.0f, 6.0f, 24.0f);
    bad->flaecheWH = 0.0f; // floor heating alone
    bad->differenz = -272.0f;
    Beispiel::etage(baum, QStringLiteral("KG"), 0);

    const BerichtErgebnis r = Berichte::printEingaben1(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    const QString alter = Kataloge::name(Kataloge::gebaeudeStandards(), 2);
    const QString erwartet =
        QStringLiteral("[P 07.03.2008|Haus|7|Weg 1|Ort|12345]") +
        QStringLiteral("[G Vorlauftemperatur 40|2|RI-10|%1|30]").arg(alter) +
        QStringLiteral("[E EG|2|RI-10][E KG|0|RI-10]") +
        QStringLiteral("\n</table>\n<p><b>Raumkenndaten</b></p>") + QStringLiteral("[K EG]") +
        QStringLiteral("[R Wohnen|20|30|60|1800|RI-10|23.5||12.5|3]") +
        QStringLiteral("[R Bad|24|8|100|800|||6|-272|1]") +
        QStringLiteral("[Total 38|2600|RI-10|23.5|6|-259.5|4]") + QStringLiteral("\n</table>\n") +
        QStringLiteral("[K KG]") + QStringLiteral("[Total 0|0|||0|0|0]") + QStringLiteral("\n</table>\n") +
        QStringLiteral("[PT 38.00|2600.0|23.5|0.0|0.0|0.0|6.0|-259.5]") + QStringLiteral("[S 45|12]");
    QCOMPARE(r.html, erwartet);
}

void TestBerichte::eingaben1Summen()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    Beispiel::haus(baum, 0);
    const BerichtErgebnis r = Berichte::printEingaben1(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));

    // The rooms' required areas by system, as the pages computed them.
    float proSystem[4] = {0, 0, 0, 0};
    float fbh = 0.0f;
    float differenz = 0.0f;
    for (WHListItem* e : baum.etagen()) {
        for (WHListItem* item : baum.raeume(e)) {
            auto* raum = static_cast<RaumData*>(item->record());
            proSystem[raum->systemIndex] += raum->flaecheWH;
            fbh += raum->flaecheFBH;
            differenz += raum->differenz;
        }
    }
    const QString erwartet =
        QStringLiteral("[PT 116.00|6360.0|%1|%2|%3|%4|34.0|%5]")
            .arg(Zahl::fest(proSystem[0], 1), Zahl::fest(proSystem[1], 1), Zahl::fest(proSystem[2], 1),
                 Zahl::fest(proSystem[3], 1), Zahl::fest(differenz, 1));
    QVERIFY2(r.html.contains(erwartet), qPrintable(r.html));
    // The floor line of the basement and its totals: two rooms, RI-10 only.
    QVERIFY(r.html.contains(QLatin1String("[E Kellergeschoss|2|RI-10]")));
    QVERIFY(r.html.contains(QLatin1String("[Total 32|1760|RI-10|")));
}

void TestBerichte::rolleNachWort()
{
    kurzVorlagenSchreiben();
    // A totals template without "Total" is a floor line; a building template without
    // "Vorlauftemperatur" gets the totals.
    QVERIFY(TestUmgebung::schreibe(ausdrucke() + QStringLiteral("etagetotal.html"),
                                   "[X %EtageBezeichnung%|%Flaeche%]"));
    QVERIFY(TestUmgebung::schreibe(ausdrucke() + QStringLiteral("gebaeude.html"),
                                   "[G %NutzFlaeche%|%AnzahlEtagen%]"));
    ProjektBaum baum;
    baum.newProjekt();
    WHListItem* eg = Beispiel::etage(baum, QStringLiteral("EG"), 0);
    Beispiel::raum(baum, eg, QStringLiteral("R"), 0, 12.0f, 50.0f);
    const BerichtErgebnis r = Berichte::printEingaben1(baum);
    QVERIFY(r.html.contains(QLatin1String("[X EG|%Flaeche%]")));
    QVERIFY(r.html.contains(QLatin1String("[G 12.00|%AnzahlEtagen%]")));
}

void TestBerichte::eingaben2Raumstueck()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    baum.newProjekt();
    baum.projekt()->stand = 1;
    baum.gebaeude()->vorlauftemperatur = 40.0f;
    WHListItem* eg = Beispiel::etage(baum, QStringLiteral("EG"), 0);
    const float q = Auslegung::WaermeabgabeProM2(0, 40.0f, 20.0f);
    QVERIFY(q > 0.0f);
    // A demand that leaves 12.3 W over: the difference is printed rounded up.
    const float bedarf = 12.0f * 88.0f + 8.0f * q - 12.3f;
    RaumData* raum = Beispiel::raum(baum, eg, QStringLiteral("Wohnen"), 0, 25.0f, bedarf / 25.0f, 12.0f);
    raum->waermebedarf = bedarf;
    raum->heizflaechen = {Beispiel::flaeche(5.0, 2, 0), Beispiel::flaeche(3.0, 1, 0)};

    const BerichtErgebnis r = Berichte::printEingaben2(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    const QString stueck = QStringLiteral("[R2 Wohnen/EG|25|%1|12|108 (1 TK)|%2|8.00|RI-10|13.0]")
                               .arg(Zahl::kurz(bedarf), Zahl::fest(bedarf / q, 2));
    QVERIFY2(r.html.contains(stueck + QStringLiteral("[FK]")), qPrintable(r.html));
    // The second form has no floor totals and no unused surface templates.
    QVERIFY(!r.html.contains(QLatin1String("Total")));
    QVERIFY(!r.html.contains(QLatin1String("[F1")));
    QVERIFY(r.html.contains(QLatin1String("[E2 EG|1|RI-10]\n</table>\n<p><b>Raumkenndaten</b></p>[R2 ")));
    QVERIFY2(r.html.contains(QLatin1String("[PT2 25.00|")), qPrintable(r.html.right(120)));
    QVERIFY(r.html.contains(QLatin1String("][S2 0|0|")));
}

void TestBerichte::eingaben2Schleifen_data()
{
    QTest::addColumn<float>("fbh");
    QTest::addColumn<bool>("direkt");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("12 m²") << 12.0f << false << "12|108 (1 TK)|||";
    QTest::newRow("Rest 0.4 ohne Kreis") << 20.4f << false << "20.4|184 (1 TK)|||";
    QTest::newRow("Rest 0.6 mit Kreis") << 20.6f << false << "20.6|93 (2 TK)|||";
    QTest::newRow("kleiner Rest allein") << 3.0f << false << "3|27 (1 TK)|||";
    QTest::newRow("direkt an HKV") << 12.0f << true << "12 (Dir. HKV)|36 (3 TK)|||";
    QTest::newRow("ohne Fußbodenheizung") << 0.0f << false << "||0.00|0.00|RI-10";
}

void TestBerichte::eingaben2Schleifen()
{
    QFETCH(float, fbh);
    QFETCH(bool, direkt);
    QFETCH(QString, erwartet);
    ProjektBaum baum;
    baum.newProjekt();
    WHListItem* eg = Beispiel::etage(baum, QStringLiteral("EG"), 0);
    RaumData* raum = Beispiel::raum(baum, eg, QStringLiteral("R"), 0, 20.0f, 0.0f, fbh);
    raum->fbhDirekt = direkt;
    QString dokument;
    printPE2Raum(*raum,
                 Eingaben2Vorlagen(QStringLiteral("%FlacheFBH%|%MS%|%FlacheWH%|%FlacheWH1%|%SWHR%"),
                                   QString(), QString(), QString()),
                 dokument);
    QCOMPARE(dokument, erwartet);
}

void TestBerichte::eingaben2FlaechenUndZusammenstellung()
{
    ProjektBaum baum;
    baum.newProjekt();
    baum.gebaeude()->vorlauftemperatur = 35.0f; // 13 kg/h per m² for the RI-10 systems
    WHListItem* eg = Beispiel::etage(baum, QStringLiteral("EG"), 1);
    RaumData* raum = Beispiel::raum(baum, eg, QStringLiteral("R"), 1, 20.0f, 50.0f);
    raum->heizflaechen = {Beispiel::flaeche(5.0, 4, 0, 7.0), Beispiel::flaeche(3.75, 3, 0, 10.0),
                          Beispiel::flaeche(1.25, 1, 1, 14.0), Beispiel::flaeche(2.0, 0, 0, 12.5, true)};
    raum->zusammenstellung = {2, 2, 3, 0, 1, 0, 0, 0};
    const QString zeile =
        QStringLiteral("[F %NrFlaeche%|%FGroesse%|%RegGroesse%|%AnzReg%|%Entfernung%|%TKreis%|%MS%]");
    const QString platte = QStringLiteral("[Z %Nr%|%Bez%|%ArtNr%|%Breite%|%Hoehe%|%Groesse%|%Anzahl%]");
    const Eingaben2Vorlagen vorlagen(QString(), QStringLiteral("[FK]"), zeile, platte);
    const auto flaechen = [&vorlagen, raum] {
        QString dokument;
        printPE2Flaechen(*raum, vorlagen, dokument);
        return dokument;
    };

    // The circuit's mass flow on its first surface only; a direct surface has its own.
    QCOMPARE(flaechen(), QStringLiteral("[FK]"
                                        "[F 1|5.00|1.25|4|7|1|114]"
                                        "[F 2|3.75|1.25|3|10|1|]"
                                        "[F 3|1.25|1.25|1|14|2|16]"
                                        "[F 4|2.00|2.00|0|12.5|Dir. HKV|26]"
                                        "\n</table>\n"
                                        "[Z 1|Register|150030|625|2000|1.25|2]"
                                        "[Z 1|Register|150031|1400|850|1.25|2]"
                                        "[Z 2|Register|150030|625|2000|1.25|3]"
                                        "[Z 3|Register|150030|625|2000|1.25|1]"));

    raum->setSystem(3);
    raum->heizflaechen = {Beispiel::flaeche(2.49, 2, 0, 4.0)};
    raum->zusammenstellung = {1, 2, 0};
    QCOMPARE(flaechen(), QStringLiteral("[FK][F 1|2.49|1.25|2|4|1|25]\n</table>\n"
                                        "[Z 1|Platte|150150|625|2000|1.25|1]"
                                        "[Z 1|Platte|150151|310|2000|0.62|2]"));

    // DID-10 has no composition lines; a room without surfaces no section at all.
    raum->setSystem(2);
    raum->heizflaechen = {Beispiel::flaeche(4.0, 2, 0, 4.0)};
    QCOMPARE(flaechen(), QStringLiteral("[FK][F 1|4.00|2.00|2|4|1|48]\n</table>\n"));
    raum->heizflaechen.clear();
    QCOMPARE(flaechen(), QString());
}

void TestBerichte::eingaben2SummenLaufenMit()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    Beispiel::haus(baum, 1);
    const BerichtErgebnis r = Berichte::printEingaben2(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));

    // The building's difference is the sum of the rounded room differences as printed.
    float differenz = 0.0f;
    const QRegularExpression stueck(QStringLiteral("\\[R2 [^\\]]*\\|([-0-9.]+)\\]"));
    auto it = stueck.globalMatch(r.html);
    int raeume = 0;
    while (it.hasNext()) {
        differenz += Zahl::toFloat(it.next().captured(1));
        ++raeume;
    }
    QCOMPARE(raeume, 7);
    // Installed areas: RI-10 11.5 + 3.5, RI-10 Register 11.25, DID-10 8, RU-10 Register 2.49.
    const QString erwartet = QStringLiteral("[PT2 116.00|6360.0|15.0|%1|8.0|2.5|34.0|%2]")
                                 .arg(Zahl::fest(11.25f, 1), Zahl::fest(differenz, 1));
    QVERIFY2(r.html.contains(erwartet), qPrintable(r.html));
    QVERIFY2(
        r.html.contains(QLatin1String("[R2 Technik/Kellergeschoss|8|320|8 (Dir. HKV)|36 (2 TK)||||384.0]")),
        qPrintable(r.html));

    // A second run starts the totals from zero again.
    QCOMPARE(Berichte::printEingaben2(baum).html, r.html);
}

void TestBerichte::voranschlagReihenfolge()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    Beispiel::haus(baum, 0);
    QCOMPARE(baum.sonstig()->montagezeit, 0.0f);
    const BerichtErgebnis r = Berichte::printKostenvoranschlag(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    // The estimate ran first: it proposed the hours for the empty installation time.
    const float stunden = baum.sonstig()->montagezeit;
    QVERIFY(stunden > 0.0f);
    QCOMPARE(stunden, baum.sonstig()->mrzVorschlag);
    const QRegularExpression aufbau(
        QStringLiteral("^\\[A Einfamilienhaus Meyer\\|40\\|[0-9.]+\\](\\[H \\d+x\\d+\\])+\\[T1 %AnzHK%\\]"
                       "(\\[U \\d+x\\d+\\])+\\[A2 7\\|%1\\]$")
            .arg(Zahl::kurz(stunden)));
    QVERIFY2(aufbau.match(r.html).hasMatch(), qPrintable(r.html));
}

void TestBerichte::angebotGruppen()
{
    kurzVorlagenSchreiben();
    ArtikelListe& katalog = ArtikelListe::global();
    katalog.clear();
    QString text = QStringLiteral("01.01.2008\t1\t1\t1\t1\t1\n10\n");
    for (int g = 1; g <= 10; ++g)
        text += QStringLiteral("G%1\n").arg(g);
    text += QStringLiteral("100001\tA\tA lang\t2.5\t0\t3\t1\t1\t0\n"
                           "100002\tB\tB lang\t0\t0\t3\t1\t2\t0\n"
                           "100009\tC\tC lang\t10\t0\t3\t1\t9\t0\n"
                           "100010\tD\tD lang\t1\t0\t3\t1\t10\t0\n");
    katalog.readCatalogue(text);

    ProjektBaum baum;
    baum.newProjekt();
    baum.projekt()->name = QStringLiteral("Haus");
    baum.gebaeude()->vorlauftemperatur = 45.0f;
    baum.sonstig()->stundensatz = 45.0f;
    baum.sonstig()->montagezeit = 10.0f;
    MaterialData* m = Beispiel::materialListe(baum);
    Beispiel::setzeMenge(*m, 100001, 2.0f);
    Beispiel::setzeMenge(*m, 100002, 5.0f); // priced 0: the group is left out, line and all
    Beispiel::setzeMenge(*m, 100009, 1.5f);

    const BerichtErgebnis r = Berichte::printKostenangebot(baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    QCOMPARE(r.html, QStringLiteral("[KA Haus|45][GR G1][AR A|2.00|5.00][GR G9][AN][AR C|1.50|15.00]"
                                    "[Z 10.0|450.00|470.00]"));

    // Group 9 without a line above zero: no remark either.
    Beispiel::setzeMenge(*m, 100009, 0.0f);
    QCOMPARE(Berichte::printKostenangebot(baum).html,
             QStringLiteral("[KA Haus|45][GR G1][AR A|2.00|5.00][Z 10.0|450.00|455.00]"));
}

void TestBerichte::angebotOhneMaterialliste()
{
    kurzVorlagenSchreiben();
    ProjektBaum baum;
    Beispiel::haus(baum, 0); // no material list in the estimate stage
    baum.sonstig()->montagezeit = 10.0f;
    baum.sonstig()->abschlag = 0.0f;
    const BerichtErgebnis r = Berichte::printKostenangebot(baum);
    QCOMPARE(r.html, QStringLiteral("[KA Einfamilienhaus Meyer|40][Z 10.0|450.00|450.00]"));
}

void TestBerichte::namenWerdenEscapt()
{
    ProjektBaum baum;
    Beispiel::haus(baum, 0);
    baum.projekt()->name = QStringLiteral("<b>Bad & Co 100%");
    static_cast<EtageData*>(baum.etagen().first()->record())->name = QStringLiteral("A\\1 $& <KG>");
    const BerichtErgebnis r = Berichte::printEingaben1(baum);
    QVERIFY(r.html.contains(QLatin1String("&lt;b&gt;Bad &amp; Co 100&#37;")));
    QVERIFY(!r.html.contains(QLatin1String("<b>Bad")));
    QVERIFY(r.html.contains(QLatin1String("A\\1 $&amp; &lt;KG&gt;")));
    QVERIFY(!platzhalter.match(r.html).hasMatch());
}

void TestBerichte::inStueckenWieGanz_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("eingaben1") << int(Berichte::Eingaben1);
    QTest::newRow("eingaben2") << int(Berichte::Eingaben2);
}

// A long document handed out in pieces while it grows (the batch tool writes them into its
// file) reads exactly as the same document put together whole: nothing lost, nothing twice.
void TestBerichte::inStueckenWieGanz()
{
    QFETCH(int, art);
    ProjektBaum baum;
    Beispiel::haus(baum, 1);
    for (int e = 0; e < 15; ++e) {
        WHListItem* etage = Beispiel::etage(baum, QStringLiteral("OG %1").arg(e), 1);
        for (int r = 0; r < 20; ++r) {
            RaumData* raum = Beispiel::raum(baum, etage, QStringLiteral("Raum %1").arg(r), 1, 20.0f, 60.0f);
            for (int f = 0; f < 30; ++f)
                raum->heizflaechen.append(Beispiel::flaeche(1.0, 1, f / 2));
        }
    }
    const Berichte::Art bericht = static_cast<Berichte::Art>(art);
    const BerichtErgebnis ganz = Berichte::erstelle(bericht, baum);
    QVERIFY2(ganz.ok, qPrintable(ganz.fehlerText));
    QString stuecke;
    int anzahl = 0;
    const BerichtErgebnis r = Berichte::erstelle(bericht, baum, [&](QStringView stueck) {
        stuecke += stueck;
        ++anzahl;
    });
    QVERIFY(r.ok);
    QVERIFY(anzahl > 0);
    QCOMPARE(stuecke + r.html, ganz.html);
}

QTEST_GUILESS_MAIN(TestBerichte)
#include "tst_berichte.moc"
