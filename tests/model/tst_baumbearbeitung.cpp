#include "model/baumbearbeitung.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "testumgebung.h"

#include <QtTest>

namespace {

// Records which items the tree reported as repainted.
class Protokoll : public ProjektBaum::Beobachter
{
public:
    void vorEinfuegen(WHListItem*, int) override {}
    void nachEinfuegen() override {}
    void vorEntfernen(WHListItem*, int) override {}
    void nachEntfernen() override {}
    void vorZuruecksetzen() override {}
    void nachZuruecksetzen() override {}
    void geaendert(WHListItem* item) override { items.append(item); }
    QList<WHListItem*> items;
};

QStringList namen(const QList<WHListItem*>& items)
{
    QStringList n;
    for (const WHListItem* i : items)
        n << i->text();
    return n;
}

RaumData* raum(WHListItem* item)
{
    return static_cast<RaumData*>(item->record());
}

EtageData* etage(WHListItem* item)
{
    return static_cast<EtageData*>(item->record());
}

// A project with the floors "EG" (rooms "Bad", "Flur") and "OG" (room "Kind").
void baue(ProjektBaum& baum)
{
    baum.newProjekt();
    WHListItem* g = baum.gebaeudeItem();
    BaumBearbeitung::neu(baum, g);
    BaumBearbeitung::neu(baum, g);
    WHListItem* eg = baum.etagen().at(0);
    WHListItem* og = baum.etagen().at(1);
    eg->record()->name = QStringLiteral("EG");
    og->record()->name = QStringLiteral("OG");
    BaumBearbeitung::neu(baum, eg);
    BaumBearbeitung::neu(baum, eg);
    BaumBearbeitung::neu(baum, og);
    eg->child(0)->record()->name = QStringLiteral("Bad");
    eg->child(1)->record()->name = QStringLiteral("Flur");
    og->child(0)->record()->name = QStringLiteral("Kind");
}

// The count of every building and floor equals its children that are not cut, and every
// record points to its parent's record.
void pruefeZaehler(const ProjektBaum& baum)
{
    QCOMPARE(baum.gebaeude()->anzahl(), int(baum.etagen().size()));
    for (WHListItem* e : baum.etagen()) {
        QCOMPARE(e->record()->anzahl(), int(baum.raeume(e).size()));
        QCOMPARE(etage(e)->gebaeude, baum.gebaeude());
        for (WHListItem* r : baum.raeume(e))
            QCOMPARE(raum(r)->etage, etage(e));
    }
}

} // namespace

class TestBaumBearbeitung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestUmgebung::isolieren(); }
    void init() { TestUmgebung::zuruecksetzen(); }

    void neuBenenntUndZaehlt()
    {
        ProjektBaum baum;
        baum.newProjekt();
        baum.gebaeude()->systemIndex = 2;
        baum.gebaeude()->ueberWB = 35.0f;
        WHListItem* g = baum.gebaeudeItem();
        QVERIFY(BaumBearbeitung::neu(baum, g));
        QVERIFY(BaumBearbeitung::neu(baum, g));
        QCOMPARE(namen(baum.etagen()), (QStringList{"Etage 1", "Etage 2"}));
        QCOMPARE(baum.etagen().at(1)->record()->system(), 2);
        WHListItem* e = baum.etagen().at(1);
        QVERIFY(BaumBearbeitung::neu(baum, e));
        RaumData* r = raum(e->child(0));
        QCOMPARE(r->name, QStringLiteral("Raum 1"));
        QCOMPARE(r->system(), 2);
        QCOMPARE(r->waermebedarfProM2, 35.0f);
        QCOMPARE(r->raumTemperatur, 20.0f);
        QCOMPARE(r->raumTyp, 7);
        QVERIFY(!BaumBearbeitung::neu(baum, e->child(0)));
        QVERIFY(!BaumBearbeitung::neu(baum, baum.root()));
        QVERIFY(!BaumBearbeitung::neu(baum, baum.sonstigItem()));
        QVERIFY(!BaumBearbeitung::neu(baum, nullptr));
        pruefeZaehler(baum);
    }

    // Numbering follows the children that count: after a cut, the next new floor takes the
    // freed number (names may then repeat, as they may after a paste).
    void neuNachAusschneiden()
    {
        ProjektBaum baum;
        baue(baum);
        BaumBearbeitung::cut(baum, baum.etagen().at(0));
        QVERIFY(BaumBearbeitung::neu(baum, baum.gebaeudeItem()));
        QCOMPARE(namen(baum.etagen()), (QStringList{"OG", "Etage 2"}));
        pruefeZaehler(baum);
    }

    void grenzen()
    {
        ProjektBaum baum;
        baum.newProjekt();
        WHListItem* g = baum.gebaeudeItem();
        for (int i = 0; i < 15; ++i)
            QVERIFY(BaumBearbeitung::neu(baum, g));
        QVERIFY(!BaumBearbeitung::neu(baum, g));
        QCOMPARE(baum.etagen().size(), 15);
        QCOMPARE(baum.etagen().last()->text(), QStringLiteral("Etage 15"));

        // "Etage Einfügen" onto a full building does nothing, next to a floor neither.
        WHListItem* e = baum.etagen().at(3);
        QVERIFY(BaumBearbeitung::copy(baum, e));
        QVERIFY(!BaumBearbeitung::paste(baum, g));
        QVERIFY(!BaumBearbeitung::paste(baum, e));
        QCOMPARE(baum.gebaeude()->anzahl(), 15);

        for (int i = 0; i < 20; ++i)
            QVERIFY(BaumBearbeitung::neu(baum, e));
        QVERIFY(!BaumBearbeitung::neu(baum, e));
        QVERIFY(BaumBearbeitung::copy(baum, e->child(4)));
        QVERIFY(!BaumBearbeitung::paste(baum, e));
        QVERIFY(!BaumBearbeitung::paste(baum, e->child(7)));
        QCOMPARE(e->childCount(), 20);

        // Cutting a room makes room for pasting it back.
        QVERIFY(BaumBearbeitung::cut(baum, e->child(19)));
        QVERIFY(BaumBearbeitung::paste(baum, e));
        QCOMPARE(baum.raeume(e).size(), 20);
        QVERIFY(!BaumBearbeitung::paste(baum, e));
        pruefeZaehler(baum);
    }

    void copyMarkiert()
    {
        ProjektBaum baum;
        baue(baum);
        Protokoll protokoll;
        baum.setBeobachter(&protokoll);
        WHListItem* eg = baum.etagen().at(0);
        WHListItem* bad = eg->child(0);

        QVERIFY(BaumBearbeitung::copy(baum, eg));
        QVERIFY(BaumBearbeitung::markiert(baum, eg));
        QCOMPARE(protokoll.items, QList<WHListItem*>{eg});
        // Copying a room gives the floor its normal icon back.
        QVERIFY(BaumBearbeitung::copy(baum, bad));
        QVERIFY(!BaumBearbeitung::markiert(baum, eg));
        QVERIFY(BaumBearbeitung::markiert(baum, bad));
        QCOMPARE(protokoll.items, (QList<WHListItem*>{eg, eg, bad}));
        QVERIFY(!eg->isHidden());

        QVERIFY(!BaumBearbeitung::copy(baum, baum.gebaeudeItem()));
        QVERIFY(!BaumBearbeitung::copy(baum, baum.root()));
        QCOMPARE(baum.clipboard(), bad);
        baum.setBeobachter(nullptr);
    }

    void cutVersteckt()
    {
        ProjektBaum baum;
        baue(baum);
        Protokoll protokoll;
        baum.setBeobachter(&protokoll);
        WHListItem* eg = baum.etagen().at(0);
        WHListItem* bad = eg->child(0);
        WHListItem* flur = eg->child(1);

        QCOMPARE(BaumBearbeitung::cut(baum, bad), flur);
        QVERIFY(bad->cut);
        QVERIFY(bad->isHidden());
        QVERIFY(!BaumBearbeitung::markiert(baum, bad));
        QCOMPARE(baum.clipboard(), bad);
        QCOMPARE(eg->record()->anzahl(), 1);
        QCOMPARE(protokoll.items, QList<WHListItem*>{bad});
        // A cut item can be neither edited nor cut again.
        QVERIFY(!BaumBearbeitung::cut(baum, bad));
        QVERIFY(!BaumBearbeitung::copy(baum, bad));
        QVERIFY(!BaumBearbeitung::pasteData(baum, bad));

        // The last room: the floor is selected next. The room cut before is deleted.
        QCOMPARE(BaumBearbeitung::cut(baum, flur), eg);
        QCOMPARE(eg->childCount(), 1);
        QCOMPARE(eg->child(0), flur);
        QCOMPARE(eg->record()->anzahl(), 0);
        QVERIFY(!BaumBearbeitung::cut(baum, baum.gebaeudeItem()));
        pruefeZaehler(baum);
        baum.setBeobachter(nullptr);
    }

    // A cut room pasted twice under another floor gives two rooms of that name; the cut
    // room itself leaves the file on the next save.
    void ausschneidenUndZweimalEinfuegen()
    {
        ProjektBaum baum;
        baue(baum);
        WHListItem* eg = baum.etagen().at(0);
        WHListItem* og = baum.etagen().at(1);
        raum(eg->child(0))->heizflaechen = {{4.0, 2, 15.0, 0, false}};
        QVERIFY(BaumBearbeitung::cut(baum, eg->child(0)));
        QVERIFY(BaumBearbeitung::paste(baum, og));
        QVERIFY(BaumBearbeitung::paste(baum, og));
        QCOMPARE(namen(baum.raeume(og)), (QStringList{"Bad", "Bad", "Kind"}));
        QCOMPARE(namen(baum.raeume(eg)), (QStringList{"Flur"}));
        pruefeZaehler(baum);
        // Each paste is a copy of its own.
        raum(og->child(0))->heizflaechen[0].flaeche = 9.0;
        QCOMPARE(raum(og->child(1))->heizflaechen.at(0).flaeche, 4.0);

        const QString text = ProjektDatei::text(baum);
        QCOMPARE(text.count(QStringLiteral("\x01"
                                           "Bad\x01")),
                 2);
        QVERIFY(!baum.clipboard());
        QCOMPARE(eg->childCount(), 1);
    }

    void einfuegen_data()
    {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<QStringList>("etagen");
        QTest::addColumn<QStringList>("raeumeEG");
        QTest::addColumn<QStringList>("raeumeOG");
        // Sources and targets by name: EG (Bad, Flur), OG (Kind), G the building.
        QTest::newRow("room onto floor") << "Kind"
                                         << "EG" << true << QStringList{"EG", "OG"}
                                         << QStringList{"Kind", "Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("room after room") << "Kind"
                                         << "Bad" << true << QStringList{"EG", "OG"}
                                         << QStringList{"Bad", "Kind", "Flur"} << QStringList{"Kind"};
        QTest::newRow("room after itself") << "Bad"
                                           << "Bad" << true << QStringList{"EG", "OG"}
                                           << QStringList{"Bad", "Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("floor after floor") << "EG"
                                           << "OG" << true << QStringList{"EG", "OG", "EG"}
                                           << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("floor onto building") << "OG"
                                             << "G" << true << QStringList{"OG", "EG", "OG"}
                                             << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("floor onto room")
            << "OG"
            << "Bad" << false << QStringList{"EG", "OG"} << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("room onto building")
            << "Bad"
            << "G" << false << QStringList{"EG", "OG"} << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("room onto project")
            << "Bad"
            << "P" << false << QStringList{"EG", "OG"} << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
        QTest::newRow("empty clipboard")
            << ""
            << "EG" << false << QStringList{"EG", "OG"} << QStringList{"Bad", "Flur"} << QStringList{"Kind"};
    }

    void einfuegen()
    {
        QFETCH(QString, quelle);
        QFETCH(QString, ziel);
        QFETCH(bool, geaendert);
        QFETCH(QStringList, etagen);
        QFETCH(QStringList, raeumeEG);
        QFETCH(QStringList, raeumeOG);
        ProjektBaum baum;
        baue(baum);
        const auto finde = [&baum](const QString& name) -> WHListItem* {
            if (name == "G")
                return baum.gebaeudeItem();
            if (name == "P")
                return baum.root();
            for (WHListItem* i : baum.alle()) {
                if (i->text() == name)
                    return i;
            }
            return nullptr;
        };
        WHListItem* original = quelle.isEmpty() ? nullptr : finde(quelle);
        if (original)
            QVERIFY(BaumBearbeitung::copy(baum, original));
        QCOMPARE(BaumBearbeitung::paste(baum, finde(ziel)), geaendert);
        QCOMPARE(namen(baum.etagen()), etagen);
        // The first floor of each name as found in the tree.
        QCOMPARE(namen(baum.raeume(finde("EG"))), raeumeEG);
        QCOMPARE(namen(baum.raeume(finde("OG"))), raeumeOG);
        for (WHListItem* e : baum.etagen()) {
            const QString erwartet = e->text() == "EG" ? raeumeEG.join(',') : raeumeOG.join(',');
            QCOMPARE(namen(baum.raeume(e)).join(','), erwartet);
        }
        pruefeZaehler(baum);
        // Pasting leaves the clipboard as it was.
        QCOMPARE(baum.clipboard(), original);
    }

    // A pasted floor carries copies of its rooms, each pointing to the new floor.
    void etageMitRaeumen()
    {
        ProjektBaum baum;
        baue(baum);
        WHListItem* eg = baum.etagen().at(0);
        raum(eg->child(1))->waermebedarf = 800.0f;
        etage(eg)->systemIndex = 3;
        QVERIFY(BaumBearbeitung::cut(baum, eg));
        QCOMPARE(baum.gebaeude()->anzahl(), 1);
        QVERIFY(BaumBearbeitung::paste(baum, baum.etagen().at(0)));
        WHListItem* neu = baum.etagen().at(1);
        QVERIFY(neu != eg);
        QCOMPARE(neu->text(), QStringLiteral("EG"));
        QCOMPARE(neu->record()->system(), 3);
        QCOMPARE(neu->childCount(), 2);
        QCOMPARE(raum(neu->child(1))->waermebedarf, 800.0f);
        QVERIFY(raum(neu->child(0)) != raum(eg->child(0)));
        pruefeZaehler(baum);
        // A paste of the cut floor's rooms refers to the new floor, not to the hidden one.
        QCOMPARE(raum(neu->child(0))->etage, etage(neu));
    }

    void raumDatenEinfuegen()
    {
        ProjektBaum baum;
        baue(baum);
        Protokoll protokoll;
        baum.setBeobachter(&protokoll);
        WHListItem* eg = baum.etagen().at(0);
        WHListItem* kind = baum.etagen().at(1)->child(0);
        RaumData* quelle = raum(kind);
        quelle->setSystem(1);
        quelle->raumTyp = 2;
        quelle->flaeche = 14.0f;
        quelle->waermebedarf = 700.0f;
        quelle->heizflaechen = {{2.5, 1, 15.0, 0, false}};
        quelle->zusammenstellung = {1, 0};
        quelle->fbhDirekt = true;

        QVERIFY(!BaumBearbeitung::pasteData(baum, eg->child(0))); // clipboard empty
        QVERIFY(BaumBearbeitung::copy(baum, kind));
        protokoll.items.clear();
        WHListItem* flur = eg->child(1);
        QVERIFY(BaumBearbeitung::pasteData(baum, flur));
        RaumData* r = raum(flur);
        QCOMPARE(flur->text(), QStringLiteral("Kind"));
        QCOMPARE(protokoll.items, QList<WHListItem*>{flur});
        QCOMPARE(r->system(), 1);
        QCOMPARE(r->raumTyp, 2);
        QCOMPARE(r->flaeche, 14.0f);
        QCOMPARE(r->heizflaechen, quelle->heizflaechen);
        QCOMPARE(r->zusammenstellung, quelle->zusammenstellung);
        QVERIFY(r->fbhDirekt);
        // The room stays where it was, under its own floor.
        QCOMPARE(r->etage, etage(eg));
        QCOMPARE(eg->child(1), flur);
        r->heizflaechen[0].flaeche = 1.0;
        QCOMPARE(quelle->heizflaechen.at(0).flaeche, 2.5);

        // Onto the clipboard room itself nothing changes; floors take no room data.
        QVERIFY(!BaumBearbeitung::pasteData(baum, kind));
        QVERIFY(!BaumBearbeitung::pasteData(baum, eg));
        QVERIFY(BaumBearbeitung::copy(baum, eg));
        QVERIFY(!BaumBearbeitung::pasteData(baum, eg->child(0)));
        baum.setBeobachter(nullptr);
    }

    // Lowering a floor's rooms from 5 to 3: room 5 without data goes silently, room 4 with a
    // heat demand only after the question.
    void anzahlVerringern_data()
    {
        QTest::addColumn<bool>("antwort");
        QTest::addColumn<int>("behalten");
        QTest::addColumn<QStringList>("raeume");
        QTest::newRow("Nein keeps it") << false << 1 << QStringList{"Raum 1", "Raum 2", "Raum 3", "Raum 4"};
        QTest::newRow("Ja deletes it") << true << 0 << QStringList{"Raum 1", "Raum 2", "Raum 3"};
    }

    void anzahlVerringern()
    {
        QFETCH(bool, antwort);
        QFETCH(int, behalten);
        QFETCH(QStringList, raeume);
        ProjektBaum baum;
        baum.newProjekt();
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
        WHListItem* e = baum.etagen().at(0);
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, e, 0, 5, {}), 0);
        QCOMPARE(namen(baum.raeume(e)), (QStringList{"Raum 1", "Raum 2", "Raum 3", "Raum 4", "Raum 5"}));
        raum(e->child(3))->waermebedarf = 450.0f;
        QVERIFY(BaumBearbeitung::copy(baum, e->child(4)));

        QStringList fragen;
        const int ergebnis = BaumBearbeitung::anzahlAnpassen(baum, e, 5, 3, [&](const QString& text) {
            fragen << text;
            return antwort;
        });
        QCOMPARE(ergebnis, behalten);
        QCOMPARE(fragen, QStringList{QStringLiteral("Sie haben die Daten für das Raum: Raum 4 "
                                                    "geändert.\nWollen Sie das Raum wirklich löschen?")});
        QCOMPARE(namen(baum.raeume(e)), raeume);
        // The deleted room was on the clipboard.
        QVERIFY(!baum.clipboard());
        // The caller adds what was kept, so that the count equals the rooms again.
        QCOMPARE(e->record()->anzahl(), 3);
        e->record()->setAnzahl(e->record()->anzahl() + ergebnis);
        pruefeZaehler(baum);
    }

    void etagenAnpassen()
    {
        ProjektBaum baum;
        baue(baum);
        WHListItem* g = baum.gebaeudeItem();
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, g, 2, 4, {}), 0);
        QCOMPARE(namen(baum.etagen()), (QStringList{"EG", "OG", "Etage 3", "Etage 4"}));
        QCOMPARE(baum.gebaeude()->anzahl(), 4);

        // A floor with rooms has data; a floor without is deleted silently.
        QStringList fragen;
        const auto nein = [&](const QString& text) {
            fragen << text;
            return false;
        };
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, g, 4, 0, nein), 2);
        QCOMPARE(
            fragen,
            (QStringList{
                "Sie haben die Daten für die Etage: EG geändert.\nWollen Sie die Etage wirklich löschen?",
                "Sie haben die Daten für die Etage: OG geändert.\nWollen Sie die Etage wirklich löschen?"}));
        QCOMPARE(namen(baum.etagen()), (QStringList{"EG", "OG"}));
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, g, 2, 2, nein), 0);
        QCOMPARE(fragen.size(), 2);

        // Without anyone to ask, floors with rooms stay.
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, g, 2, 0, {}), 2);
        QCOMPARE(baum.etagen().size(), 2);
    }

    void anzahlGrenzen()
    {
        ProjektBaum baum;
        baum.newProjekt();
        WHListItem* g = baum.gebaeudeItem();
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, g, 0, 40, {}), 0);
        QCOMPARE(baum.etagen().size(), 15);
        QCOMPARE(baum.gebaeude()->anzahl(), 15);
        WHListItem* e = baum.etagen().at(0);
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, e, 0, 21, {}), 0);
        QCOMPARE(baum.raeume(e).size(), 20);
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, e, 20, -3, {}), 0);
        QVERIFY(baum.raeume(e).isEmpty());
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, baum.root(), 0, 3, {}), 0);
        QCOMPARE(baum.root()->childCount(), 2);
    }

    // A cut child is on the clipboard and not among the children that the count stands for.
    void anzahlUebergehtAusgeschnittene()
    {
        ProjektBaum baum;
        baue(baum);
        WHListItem* eg = baum.etagen().at(0);
        WHListItem* bad = eg->child(0);
        BaumBearbeitung::cut(baum, bad);
        QCOMPARE(BaumBearbeitung::anzahlAnpassen(baum, eg, 1, 0, {}), 0);
        QCOMPARE(eg->childCount(), 1);
        QCOMPARE(eg->child(0), bad);
        QCOMPARE(baum.clipboard(), bad);
        QVERIFY(BaumBearbeitung::paste(baum, eg));
        QCOMPARE(namen(baum.raeume(eg)), QStringList{"Bad"});
    }
};

QTEST_GUILESS_MAIN(TestBaumBearbeitung)
#include "tst_baumbearbeitung.moc"
