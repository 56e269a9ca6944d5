#include "design/schaetzung.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

#include <QtTest>

// The estimate of circuits and manifolds and the installation-time proposal.
class TestSchaetzung : public QObject
{
    Q_OBJECT

private:
    struct Raum
    {
        int system;
        float wand;
        float fbh;
    };

    ProjektBaum baum;

    WHListItem* etage(const QString& name)
    {
        WHListItem* g = baum.gebaeudeItem();
        auto e = std::make_unique<EtageData>(baum.gebaeude());
        e->name = name;
        return baum.insert(g, g->childCount(), std::move(e));
    }
    RaumData* raum(WHListItem* etage, int system, float wand, float fbh = 0.0f)
    {
        auto r = std::make_unique<RaumData>(static_cast<EtageData*>(etage->record()));
        r->systemIndex = system;
        r->flaecheWH = wand;
        r->flaecheFBH = fbh;
        return static_cast<RaumData*>(baum.insert(etage, etage->childCount(), std::move(r))->record());
    }
    const GebaeudeSummen& g() const { return baum.gebaeude()->summen; }

private slots:
    void init() { baum.newProjekt(); }

    void kreise_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<float>("wand");
        QTest::addColumn<float>("fbh");
        QTest::addColumn<QList<int>>("kreise"); // circuits with 1 … 4 registers
        QTest::addColumn<int>("fbhKreise");
        QTest::addColumn<int>("fbhRegister");
        QTest::newRow("23.5 RI-10") << 0 << 23.5f << 0.f << QList<int>{0, 1, 0, 2} << 0 << 0;
        QTest::newRow("10.4") << 0 << 10.4f << 0.f << QList<int>{0, 0, 0, 1} << 0 << 0;
        // A rest of exactly 0.5 m² after a full surface gets no circuit.
        QTest::newRow("10.5") << 0 << 10.5f << 0.f << QList<int>{0, 0, 0, 1} << 0 << 0;
        QTest::newRow("10.6") << 0 << 10.6f << 0.f << QList<int>{1, 0, 0, 1} << 0 << 0;
        // Without a full surface any rest has its circuit.
        QTest::newRow("0.3") << 0 << 0.3f << 0.f << QList<int>{1, 0, 0, 0} << 0 << 0;
        QTest::newRow("19 DID-10") << 2 << 19.f << 0.f << QList<int>{0, 0, 0, 2} << 0 << 0;
        QTest::newRow("19 RI-10") << 0 << 19.f << 0.f << QList<int>{0, 0, 1, 1} << 0 << 0;
        QTest::newRow("FBH 45") << 0 << 0.f << 45.f << QList<int>{1, 0, 0, 2} << 3 << 9;
        QTest::newRow("FBH 20.4") << 0 << 0.f << 20.4f << QList<int>{0, 0, 0, 1} << 1 << 4;
        QTest::newRow("FBH 20.6") << 0 << 0.f << 20.6f << QList<int>{1, 0, 0, 1} << 2 << 5;
        QTest::newRow("FBH 12") << 0 << 0.f << 12.f << QList<int>{0, 0, 1, 0} << 1 << 3;
        QTest::newRow("FBH 0.2") << 0 << 0.f << 0.2f << QList<int>{1, 0, 0, 0} << 1 << 1;
        QTest::newRow("Wand und FBH") << 3 << 4.f << 25.f << QList<int>{1, 1, 0, 1} << 2 << 5;
        // A negative area (only ever typed into a file) has no circuits.
        QTest::newRow("negativ") << 0 << -5.f << -3.f << QList<int>{0, 0, 0, 0} << 0 << 0;
    }
    void kreise()
    {
        QFETCH(int, system);
        QFETCH(float, wand);
        QFETCH(float, fbh);
        QFETCH(QList<int>, kreise);
        QFETCH(int, fbhKreise);
        QFETCH(int, fbhRegister);
        WHListItem* eg = etage(QStringLiteral("EG"));
        RaumData* r = raum(eg, system, wand, fbh);
        Schaetzung::berechne(baum);
        int anzahl = 0;
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(r->summen.kreiseMitRegistern[k], kreise.at(k - 1));
            QCOMPARE(static_cast<EtageData*>(eg->record())->summen.kreiseMitRegistern[k], kreise.at(k - 1));
            QCOMPARE(g().kreiseMitRegistern[k], kreise.at(k - 1));
            anzahl += kreise.at(k - 1);
        }
        QCOMPARE(r->summen.anzahlKreise, anzahl);
        QCOMPARE(static_cast<EtageData*>(eg->record())->summen.anzahlAbgaenge, anzahl);
        QCOMPARE(g().abgaenge, anzahl);
        QCOMPARE(g().fbhKreise, fbhKreise);
        QCOMPARE(g().fbhRegister, fbhRegister);
        QCOMPARE(g().raeumeMitFBH, fbh > 0.f ? 1 : 0);
        QCOMPARE(g().beheizteRaeume, wand + fbh > 0.f ? 1 : 0);
    }

    void artikel_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<float>("wand");
        QTest::addColumn<float>("fbh");
        QTest::addColumn<QList<float>>("menge"); // 150210 … 150215
        // Two circuits of 4 and one of 2 registers: T-pieces 6 + 6 + 2, couplings 2 each.
        QTest::newRow("23.5 RI-10") << 0 << 23.5f << 0.f << QList<float>{20, 34, 6, 0, 0, 14};
        // The register systems join the elements with one coupling 10/10 per register.
        QTest::newRow("23.5 RI-10 Register") << 1 << 23.5f << 0.f << QList<float>{40, 34, 6, 10, 0, 14};
        QTest::newRow("23.5 RU-10 Register") << 3 << 23.5f << 0.f << QList<float>{40, 34, 6, 10, 0, 14};
        // Floor heating loops add connections, never couplings 10/10.
        QTest::newRow("FBH 45") << 1 << 0.f << 45.f << QList<float>{18, 30, 6, 0, 0, 12};
        QTest::newRow("leer") << 0 << 0.f << 0.f << QList<float>{0, 0, 0, 0, 0, 0};
    }
    void artikel()
    {
        QFETCH(int, system);
        QFETCH(float, wand);
        QFETCH(float, fbh);
        QFETCH(QList<float>, menge);
        raum(etage(QStringLiteral("EG")), system, wand, fbh);
        Schaetzung::berechne(baum);
        QCOMPARE(g().artikel.size(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(g().artikel.value(150210 + i, -1.0f), menge.at(i));
    }

    void verteiler_data()
    {
        QTest::addColumn<QString>("etage");
        QTest::addColumn<int>("abgaenge");
        QTest::addColumn<bool>("keller");
        QTest::addColumn<int>("zehner");
        QTest::addColumn<int>("rest");
        QTest::newRow("21 Abgänge") << "EG" << 21 << false << 2 << 2;
        QTest::newRow("Kellergeschoss 7") << "Kellergeschoss" << 7 << true << 0 << 7;
        QTest::newRow("KG 1") << "KG" << 1 << true << 0 << 2;
        QTest::newRow("Weinkeller 12") << "Weinkeller" << 12 << true << 1 << 2;
        QTest::newRow("kg klein 9") << "1.kg" << 9 << true << 0 << 9;
        QTest::newRow("Untergeschoss 10") << "Untergeschoss" << 10 << false << 1 << 0;
    }
    void verteiler()
    {
        QFETCH(QString, etage);
        QFETCH(int, abgaenge);
        QFETCH(bool, keller);
        QFETCH(int, zehner);
        QFETCH(int, rest);
        WHListItem* e = this->etage(etage);
        // One circuit of 4 registers per full 10 m².
        raum(e, 0, 10.0f * static_cast<float>(abgaenge));
        Schaetzung::berechne(baum);
        QCOMPARE(g().abgaenge, abgaenge);
        const int* hkv = keller ? g().hkvKeller : g().hkvAndere;
        const int* anderes = keller ? g().hkvAndere : g().hkvKeller;
        QCOMPARE(hkv[10], zehner);
        QCOMPARE(hkv[rest], 1);
        int summe = 0;
        for (int i = 0; i <= 10; ++i) {
            summe += hkv[i];
            QCOMPARE(anderes[i], 0);
        }
        QCOMPARE(summe, zehner + 1);
    }

    void summen()
    {
        WHListItem* eg = etage(QStringLiteral("EG"));
        WHListItem* og = etage(QStringLiteral("OG"));
        RaumData* a = raum(eg, 0, 7.5f);
        a->flaeche = 20.0f;
        a->waermebedarf = 1200.0f;
        a->differenz = 15.0f;
        RaumData* b = raum(eg, 2, 3.0f, 4.0f);
        b->flaeche = 10.0f;
        b->waermebedarf = 600.0f;
        b->differenz = -2.5f;
        raum(eg, 3, 0.0f); // not heated
        RaumData* c = raum(og, 2, 5.0f);
        c->waermebedarf = 100.0f;
        Schaetzung::berechne(baum);
        // Running twice gives the same totals: everything is reset first.
        Schaetzung::berechne(baum);
        const EtagenSummen& e = static_cast<EtageData*>(eg->record())->summen;
        QCOMPARE(e.flaeche, 30.0f);
        QCOMPARE(e.waermebedarf, 1800.0f);
        QCOMPARE(e.differenz, 12.5f);
        QCOMPARE(e.flaecheWH[0], 7.5f);
        QCOMPARE(e.flaecheWH[2], 3.0f);
        QCOMPARE(e.flaecheFBH, 4.0f);
        QCOMPARE(e.anzahlBeheizt, 2);
        QCOMPARE(e.anzahlAbgaenge, 3);
        QCOMPARE(g().waermebedarf, 1900.0f);
        QCOMPARE(g().flaecheWH[2], 8.0f);
        QCOMPARE(g().beheizteRaeume, 3);
        QCOMPARE(g().abgaenge, 4);
        QCOMPARE(g().hkvAndere[2], 1); // OG: 1 outlet, raised to 2
        QCOMPARE(g().hkvAndere[3], 1);
    }

    void ausgeschnittenUndFremd()
    {
        WHListItem* eg = etage(QStringLiteral("EG"));
        raum(eg, 0, 5.0f);
        RaumData* weg = raum(eg, 0, 30.0f);
        baum.setHidden(eg->child(1), true);
        eg->child(1)->cut = true;
        WHListItem* kg = etage(QStringLiteral("KG"));
        raum(kg, 0, 5.0f);
        kg->cut = true;
        Schaetzung::berechne(baum);
        QCOMPARE(g().abgaenge, 1);
        QCOMPARE(weg->summen.anzahlKreise, 0);
        QCOMPARE(g().hkvKeller[2], 0);

        // A floor holding something other than a room stops the estimate.
        baum.insert(eg, 1, std::make_unique<SonstigData>());
        raum(eg, 0, 50.0f);
        QTest::ignoreMessage(QtWarningMsg, "Raum typ erwartet!!!");
        Schaetzung::berechne(baum);
        QCOMPARE(g().abgaenge, 1);
    }

    void montageMinuten_data()
    {
        QTest::addColumn<QList<float>>("wand"); // per system
        QTest::addColumn<float>("fbh");
        QTest::addColumn<int>("kreise");
        QTest::addColumn<float>("minuten");
        QTest::newRow("leere Etage") << QList<float>{0, 0, 0, 0} << 0.f << 0 << 28.f;
        QTest::newRow("12 m² RI-10") << QList<float>{12, 0, 0, 0} << 0.f << 2 << 689.f;
        // From three circuits on the last term grows with them.
        QTest::newRow("3 Kreise") << QList<float>{23.5, 0, 0, 0} << 0.f << 3 << 1281.f;
        QTest::newRow("Systeme und FBH") << QList<float>{1, 2, 3, 4} << 5.f << 1 << 731.f;
    }
    void montageMinuten()
    {
        QFETCH(QList<float>, wand);
        QFETCH(float, fbh);
        QFETCH(int, kreise);
        QFETCH(float, minuten);
        const float flaechen[4] = {wand.at(0), wand.at(1), wand.at(2), wand.at(3)};
        QCOMPARE(Schaetzung::montageMinuten(flaechen, fbh, kreise), minuten);
    }

    void vorschlag()
    {
        raum(etage(QStringLiteral("EG")), 0, 12.0f);
        SonstigData* s = baum.sonstig();
        s->stundensatz = 45.0f;
        s->montageFaktor = 0.75f;
        Schaetzung::berechne(baum);
        QCOMPARE(s->mrzVorschlag, 12.0f); // ceil(689 / 60)
        QCOMPARE(s->montagezeit, 12.0f);
        QCOMPARE(g().montagezeit, 12.0f);
        QCOMPARE(g().stundensatz, 45.0f);
        QCOMPARE(g().montageFaktor, 0.75f);

        // Hours entered by hand stay when a report runs the estimate ...
        s->montagezeit = 5.0f;
        Schaetzung::berechne(baum);
        QCOMPARE(s->montagezeit, 5.0f);
        QCOMPARE(g().montagezeit, 5.0f);
        // ... and are replaced by the proposal button.
        Schaetzung::mrzBerechnung(baum);
        QCOMPARE(s->montagezeit, 12.0f);
        QCOMPARE(g().montagezeit, 12.0f);
    }

    void vorschlagMehrereEtagen()
    {
        // 689 + 28 minutes: the floors are summed before rounding up to hours.
        raum(etage(QStringLiteral("EG")), 0, 12.0f);
        etage(QStringLiteral("OG"));
        Schaetzung::berechne(baum);
        QCOMPARE(baum.sonstig()->mrzVorschlag, 12.0f);
        etage(QStringLiteral("DG"));
        etage(QStringLiteral("Spitzboden"));
        Schaetzung::berechne(baum);
        QCOMPARE(baum.sonstig()->mrzVorschlag, 13.0f); // 773 minutes
        QCOMPARE(Schaetzung::stunden(720.0f), 12.0f);
        QCOMPARE(Schaetzung::stunden(720.5f), 13.0f);
    }
};

QTEST_GUILESS_MAIN(TestSchaetzung)
#include "tst_schaetzung.moc"
