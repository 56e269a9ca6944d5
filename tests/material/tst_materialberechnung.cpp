#include "design/raumpruefung.h"
#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"

#include <QTest>

// The material run over a project tree into the catalogue's requirements.
class TestMaterialBerechnung : public QObject
{
    Q_OBJECT

private:
    ArtikelListe katalog;
    ProjektBaum baum;

    // Articles: number, unit, pack content, computed; preset requirement.
    void baueKatalog()
    {
        katalog.clear();
        QString text = QStringLiteral("01.06.2008\n2\nRohre\nFormteile\n");
        const struct
        {
            int nr;
            int einheit;
            const char* menge;
            int berechnen;
        } artikel[] = {
            {150010, 1, "200", 1}, {150910, 1, "80", 1}, {150920, 1, "189", 1}, {150215, 3, "10", 1},
            {150900, 3, "1", 1},   {150003, 1, "20", 1}, {150063, 3, "0", 1},   {150801, 3, "1", 1},
            {150214, 3, "1", 1},   {999001, 3, "1", 0},  {151520, 3, "1", 1},   {150930, 1, "25", 1},
        };
        for (const auto& a : artikel)
            text += QStringLiteral("%1\tArtikel %1\tlang\t2.50\t0\t%2\t%3\t1\t%4\n")
                        .arg(a.nr)
                        .arg(a.einheit)
                        .arg(QLatin1String(a.menge))
                        .arg(a.berechnen);
        katalog.readCatalogue(text);
        for (int i = 0; i < katalog.size(); ++i)
            katalog.at(i).bedarf = 7.0f;
    }

    WHListItem* neueEtage(const QString& name)
    {
        auto e = std::make_unique<EtageData>(baum.gebaeude());
        e->name = name;
        WHListItem* g = baum.gebaeudeItem();
        return baum.insert(g, g->childCount(), std::move(e));
    }

    RaumData* neuerRaum(WHListItem* etage, const QString& name)
    {
        auto r = std::make_unique<RaumData>(static_cast<EtageData*>(etage->record()));
        r->name = name;
        RaumData* raum = r.get();
        baum.insert(etage, etage->childCount(), std::move(r));
        return raum;
    }

    static Heizflaeche flaeche(double a, int reg, double entfernung, int kreis)
    {
        Heizflaeche h;
        h.flaeche = a;
        h.anzahlRegister = reg;
        h.entfernung = entfernung;
        h.heizkreis = kreis;
        return h;
    }

    // The room of the worked example: two surfaces of 5 m² with 2 registers in one circuit.
    void beispielRaum(RaumData* r) { r->heizflaechen = {flaeche(5, 2, 15, 0), flaeche(5, 2, 18, 0)}; }

    void materialListeAnhaengen()
    {
        WHListItem* root = baum.root();
        baum.setMaterialItem(baum.insert(root, root->childCount(), std::make_unique<MaterialData>()));
    }

    float bedarf(int nr) { return katalog.findArtikel(nr)->bedarf; }

    QList<float> alleBedarfe() const
    {
        QList<float> l;
        for (int i = 0; i < katalog.size(); ++i)
            l.append(katalog.at(i).bedarf);
        return l;
    }

private slots:
    void init()
    {
        baum.newProjekt();
        baueKatalog();
    }

    void beispiel()
    {
        materialListeAnhaengen();
        beispielRaum(neuerRaum(neueEtage(QStringLiteral("EG")), QStringLiteral("Bad")));

        QString fehler;
        MaterialBedarf einheiten;
        QVERIFY(MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
        QVERIFY(fehler.isEmpty());

        // The map after the building's step, in units.
        QCOMPARE(einheiten.value(150010), 84.0f);
        QCOMPARE(einheiten.value(150930), 42.0f);
        QCOMPARE(einheiten.value(150210), 8.0f);  // 2 · 0 + 2 + 6
        QCOMPARE(einheiten.value(150211), 14.0f); // 2 · 0 + 2 + 2 · 6
        QCOMPARE(einheiten.value(151520), 1.0f);  // one outlet: the manifold of two
        QCOMPARE(einheiten.value(151560), 1.0f);
        QCOMPARE(einheiten.value(150811), 1.0f);
        QVERIFY(einheiten.contains(999001) == false);
        QCOMPARE(einheiten.value(150214), 0.0f); // seeded

        // Divided into packs with the unit rounding.
        QCOMPARE(bedarf(150010), 0.42f); // 84 m in rolls of 200 m
        QCOMPARE(bedarf(150910), 1.05f); // 84 / 80
        QCOMPARE(bedarf(150920), 1.06f); // 200 / 189 = 1.0582
        QCOMPARE(bedarf(150003), 9.0f);  // rolls of 20 m are whole packs: 170 / 20 = 8.5
        QCOMPARE(bedarf(150215), 1.0f);  // 6 pieces in packs of 10
        QCOMPARE(bedarf(150900), 3.0f);  // 2.4 pieces
        QCOMPARE(bedarf(150063), 30.0f); // no pack content: one unit per pack
        QCOMPARE(bedarf(150930), 1.68f); // 42 m in rolls of 25 m
        QCOMPARE(bedarf(150801), 1.0f);
        QCOMPARE(bedarf(150214), 0.0f); // computed, nothing needed: an earlier value is cleared
        QCOMPARE(bedarf(999001), 7.0f); // not computed: what the planner entered stays

        // Ordering keeps 1.05 rolls at one and makes 1.06 two.
        katalog.rundeBestellMengen();
        QCOMPARE(katalog.findArtikel(150910)->bestellMenge, 1);
        QCOMPARE(katalog.findArtikel(150920)->bestellMenge, 2);
    }

    void ohneHeizung()
    {
        // Rooms without need, surfaces or floor heating pass; only the two fixed articles remain.
        materialListeAnhaengen();
        neuerRaum(neueEtage(QStringLiteral("EG")), QStringLiteral("Flur"));
        QString fehler;
        MaterialBedarf einheiten;
        QVERIFY(MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
        for (auto it = einheiten.cbegin(); it != einheiten.cend(); ++it) {
            const bool fest = it.key() == 150801 || it.key() == 150811;
            QCOMPARE(it.value(), fest ? 1.0f : 0.0f);
        }
        for (int i = 0; i < katalog.size(); ++i) {
            const Artikel& a = katalog.at(i);
            QCOMPARE(a.bedarf, a.artNr == 150801 ? 1.0f : (a.bedarfBerechnen ? 0.0f : 7.0f));
        }
    }

    void fehlerHaeltAn()
    {
        materialListeAnhaengen();
        beispielRaum(neuerRaum(neueEtage(QStringLiteral("EG")), QStringLiteral("Bad")));
        WHListItem* og = neueEtage(QStringLiteral("OG"));
        beispielRaum(neuerRaum(og, QStringLiteral("Kind")));
        RaumData* falsch = neuerRaum(og, QStringLiteral("Bad"));
        falsch->flaecheWH = 5.0f; // needs wall heating but has no surface
        RaumData* auchFalsch = neuerRaum(og, QStringLiteral("Gast"));
        auchFalsch->flaecheWH = 8.0f;

        const QList<float> vorher = alleBedarfe();
        MaterialBedarf einheiten;
        einheiten.insert(1, 1.0f);
        QString fehler;
        QVERIFY(!MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
        QCOMPARE(fehler, RaumPruefung::meldung(*falsch, RaumPruefung::pruefe(*falsch)));
        QVERIFY(fehler.startsWith(QStringLiteral("Raum   Bad(OG):")));
        QCOMPARE(alleBedarfe(), vorher);
        QCOMPARE(einheiten.size(), 1);
    }

    void ausgeschnitteneZaehlenNicht()
    {
        // A cut room waits on the clipboard: it is neither checked nor counted.
        materialListeAnhaengen();
        WHListItem* eg = neueEtage(QStringLiteral("EG"));
        beispielRaum(neuerRaum(eg, QStringLiteral("Bad")));
        RaumData* weg = neuerRaum(eg, QStringLiteral("Weg"));
        weg->flaecheWH = 5.0f;
        eg->child(1)->cut = true;
        QString fehler;
        MaterialBedarf einheiten;
        QVERIFY(MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
        QCOMPARE(einheiten.value(150010), 84.0f);
    }

    void etagenSummenJeLauf()
    {
        // Each floor starts from 0 in every run: the outlets of one floor or of an earlier
        // run never reach the next.
        materialListeAnhaengen();
        WHListItem* eg = neueEtage(QStringLiteral("EG"));
        beispielRaum(neuerRaum(eg, QStringLiteral("Bad")));
        beispielRaum(neuerRaum(eg, QStringLiteral("Küche")));
        WHListItem* og = neueEtage(QStringLiteral("OG"));
        beispielRaum(neuerRaum(og, QStringLiteral("Kind")));
        QString fehler;
        MaterialBedarf einheiten;
        for (int lauf = 0; lauf < 2; ++lauf) {
            QVERIFY(MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
            QCOMPARE(static_cast<EtageData*>(eg->record())->summen.anzahlAbgaenge, 2);
            QCOMPARE(static_cast<EtageData*>(og->record())->summen.anzahlAbgaenge, 1);
            QCOMPARE(static_cast<EtageData*>(eg->record())->summen.anzahlBeheizt, 2);
            QCOMPARE(einheiten.value(151520), 2.0f); // a manifold of two outlets on each floor
            QCOMPARE(einheiten.value(150010), 3 * 84.0f);
        }
    }

    void ohneMaterialListe()
    {
        beispielRaum(neuerRaum(neueEtage(QStringLiteral("EG")), QStringLiteral("Bad")));
        const QList<float> vorher = alleBedarfe();
        QString fehler;
        MaterialBedarf einheiten;
        QTest::ignoreMessage(QtWarningMsg, "Material typ erwartet!!!");
        QVERIFY(MaterialBerechnung::berechne(baum, katalog, fehler, &einheiten));
        QCOMPARE(alleBedarfe(), vorher);
        QCOMPARE(einheiten.value(150010), 84.0f);
    }
};

QTEST_GUILESS_MAIN(TestMaterialBerechnung)
#include "tst_materialberechnung.moc"
