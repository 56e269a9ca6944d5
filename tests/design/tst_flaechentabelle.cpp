#include "design/flaechentabelle.h"
#include "model/heizkreise.h"
#include "model/raumdata.h"

#include <QtTest>

// The rules of the heating surfaces table: proposal, circuits, compositions, writes, sums.
class TestFlaechenTabelle : public QObject
{
    Q_OBJECT

private:
    using T = FlaechenTabelle;

    // A table of the given system and target with surfaces "area/registers", "/d" for direct.
    static T tabelle(int system, float soll, const QString& flaechen = QString(), const QList<int>& z = {})
    {
        RaumData raum(nullptr);
        raum.systemIndex = system;
        raum.flaecheWH = soll;
        raum.zusammenstellung = z;
        for (const QString& teil : flaechen.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList f = teil.split(QLatin1Char('/'));
            Heizflaeche h;
            h.flaeche = f.value(0).toDouble();
            h.anzahlRegister = f.value(1).toInt();
            h.direkt = f.value(2) == QLatin1String("d");
            raum.heizflaechen.append(h);
        }
        T t;
        t.laden(raum);
        return t;
    }
    static QStringList spalte(const T& t, int s)
    {
        QStringList r;
        for (int i = 0; i < t.zeilen(); ++i)
            r << t.text(i, s);
        return r;
    }

private slots:
    void vorschlag_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<float>("soll");
        QTest::addColumn<QStringList>("flaechen");
        QTest::addColumn<QStringList>("register_");
        QTest::addColumn<QStringList>("kreise");
        QTest::newRow("23.4 RI-10") << 0 << 23.4f << QStringList{"10", "10", "3.4"}
                                    << QStringList{"4", "4", "2"} << QStringList{"1", "2", "3"};
        QTest::newRow("23.4 DID-10") << 2 << 23.4f << QStringList{"10", "10", "3.4"}
                                     << QStringList{"4", "4", "2"} << QStringList{"1", "2", "3"};
        QTest::newRow("9.9") << 0 << 9.9f << QStringList{"9.9"} << QStringList{"4"} << QStringList{"1"};
        QTest::newRow("genau 20") << 2 << 20.f << QStringList{"10", "10"} << QStringList{"4", "4"}
                                  << QStringList{"1", "2"};
        QTest::newRow("nichts") << 0 << 0.f << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("3.1 DID-10") << 2 << 3.1f << QStringList{"3.1"} << QStringList{"2"}
                                    << QStringList{"1"};
    }
    void vorschlag()
    {
        QFETCH(int, system);
        QFETCH(float, soll);
        QFETCH(QStringList, flaechen);
        QFETCH(QStringList, register_);
        QFETCH(QStringList, kreise);
        T t = tabelle(system, soll, QStringLiteral("1/1 2/1 3/1"));
        QVERIFY(t.vorschlagMoeglich());
        t.vorschlag();
        QCOMPARE(spalte(t, 0), flaechen);
        QCOMPARE(spalte(t, 1), register_);
        QCOMPARE(spalte(t, 5), kreise);
        for (const Heizflaeche& h : t.flaechen()) {
            QCOMPARE(h.entfernung, 15.0);
            QVERIFY(!h.direkt);
        }
        QCOMPARE(static_cast<float>(t.summe()), flaechen.isEmpty() ? 0.0f : soll);
    }

    void vorschlagHoechstens15Kreise_data()
    {
        QTest::addColumn<float>("soll");
        QTest::addColumn<QString>("differenz");
        QTest::newRow("150 m²") << 150.0f << "0.00";
        QTest::newRow("155 m²") << 155.0f << "-5.00";
        QTest::newRow("305 m²") << 305.0f << "-155.00";
    }
    void vorschlagHoechstens15Kreise()
    {
        // Every proposed surface is a circuit of its own; a room has at most 15 circuits.
        QFETCH(float, soll);
        QFETCH(QString, differenz);
        T t = tabelle(0, soll);
        t.vorschlag();
        QCOMPARE(t.zeilen(), Kataloge::maxHeizkreise);
        QCOMPARE(spalte(t, 5).constLast(), QStringLiteral("15"));
        QCOMPARE(t.differenzText(), differenz);
        QCOMPARE(t.differenzRot(), differenz != QLatin1String("0.00"));
        QVERIFY(!tabelle(1, 5.0f).vorschlagMoeglich());
        QVERIFY(!tabelle(3, 5.0f).vorschlagMoeglich());
    }

    void kreise_data()
    {
        QTest::addColumn<QString>("flaechen");
        QTest::addColumn<QStringList>("kreise");
        QTest::newRow("4 4 4") << "4/2 4/2 4/2" << QStringList{"1", "1", "2"};
        QTest::newRow("Spreizung") << "2/1 2/2" << QStringList{"1", "2"};
        QTest::newRow("Spreizung 0.2") << "2.2/1 2/1" << QStringList{"1", "1"};
        // A direct surface keeps its number and does not count towards the circuit: 4 + 4 + 2
        // fill the first circuit exactly.
        QTest::newRow("direkt dazwischen") << "4/2 3/1/d 4/2 2/1" << QStringList{"1", "", "1", "1"};
        QTest::newRow("10.1 m²") << "4/2 4/2 2.1/1" << QStringList{"1", "1", "2"};
        // A count of 0 takes the area itself as the register size.
        QTest::newRow("ohne Register") << "2/0 1/0" << QStringList{"1", "2"};
    }
    void kreise()
    {
        QFETCH(QString, flaechen);
        QFETCH(QStringList, kreise);
        T t = tabelle(0, 0.0f, flaechen);
        t.bildeHeizkreise();
        QCOMPARE(spalte(t, 5), kreise);
    }

    void kreiseBis15()
    {
        // Numbering stops at the 15th circuit; every later surface joins it.
        T t = tabelle(0, 0.0f);
        QString meldung;
        for (int i = 0; i < 18; ++i) {
            QVERIFY(t.neueFlaeche(meldung));
            t.schreibe(i, T::SpalteFlaeche, 6.0);
        }
        QStringList erwartet;
        for (int i = 1; i <= 15; ++i)
            erwartet << QString::number(i);
        erwartet << QStringLiteral("15") << QStringLiteral("15") << QStringLiteral("15");
        QCOMPARE(spalte(t, 5), erwartet);
    }

    void gespeicherteForm()
    {
        // A stored room groups by the register count its system gives each area, not by the
        // count it holds: 3 m² and 2.9 m² are one register each in "RI-10".
        QList<Heizflaeche> f = tabelle(0, 0.0f, QStringLiteral("3/2 2.9/1 0/0")).flaechen();
        QList<Heizflaeche> tabellenForm = f;
        Heizkreise::bildeHeizkreiseGespeichert(f, 0);
        Heizkreise::bildeHeizkreise(tabellenForm);
        QCOMPARE(f.at(0).heizkreis, 0);
        QCOMPARE(f.at(1).heizkreis, 0);
        QCOMPARE(f.at(2).heizkreis, 1); // size 0 against 2.9
        QCOMPARE(tabellenForm.at(1).heizkreis, 1);
        // In "DID-10" 3 m² are two registers of 1.5 m².
        Heizkreise::bildeHeizkreiseGespeichert(f, 2);
        QCOMPARE(f.at(1).heizkreis, 0);
    }

    void freieKreise()
    {
        T t = tabelle(0, 0.0f, QStringLiteral("4/2 4/2 3/1/d"));
        t.bildeHeizkreise();
        QVERIFY(!t.editierbar(0, T::SpalteHeizkreis));
        QVERIFY(!t.headerClicked(T::SpalteDirekt));
        QVERIFY(t.headerClicked(T::SpalteHeizkreis));
        QVERIFY(t.heizkreisFrei());
        QVERIFY(t.editierbar(0, T::SpalteHeizkreis));
        QVERIFY(!t.editierbar(2, T::SpalteHeizkreis));
        const T::Aenderung a = t.schreibe(1, T::SpalteHeizkreis, 3);
        QCOMPARE(a.bereiche, (QList<T::Bereich>{{1, 5, 1, 5}}));
        QCOMPARE(spalte(t, 5), (QStringList{"1", "3", ""}));
        // Writes that regroup leave typed numbers alone while the column is unlocked.
        t.schreibe(0, T::SpalteAnzahlRegister, 1);
        QCOMPARE(spalte(t, 5), (QStringList{"1", "3", ""}));
        QVERIFY(t.headerClicked(T::SpalteHeizkreis));
        QVERIFY(!t.heizkreisFrei());
        QCOMPARE(spalte(t, 5), (QStringList{"1", "2", ""}));
    }

    void neueFlaeche()
    {
        T t = tabelle(0, 0.0f, QStringLiteral("4/2 4/2 4/2"));
        t.bildeHeizkreise();
        QString meldung;
        QVERIFY(t.neueFlaeche(meldung));
        // The new surface joins the last row's circuit; no regrouping follows.
        const Heizflaeche& h = t.flaechen().last();
        QCOMPARE(h.flaeche, 0.0);
        QCOMPARE(h.anzahlRegister, 0);
        QCOMPARE(h.entfernung, 15.0);
        QCOMPARE(h.heizkreis, 1);
        QVERIFY(!h.direkt);
        while (t.zeilen() < 30)
            QVERIFY(t.neueFlaeche(meldung));
        QVERIFY(!t.neueFlaeche(meldung));
        QCOMPARE(t.zeilen(), 30);
        QCOMPARE(meldung, QStringLiteral("Anzahl Heizflächen für das Raum (max 30 ) ist überschritten.\nNeue "
                                         "Fläche einfügen ist nicht möglich!"));
        T leer;
        QVERIFY(leer.neueFlaeche(meldung));
        QCOMPARE(leer.flaechen().first().heizkreis, 0);
    }

    void zusammenstellung_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QList<int>>("z");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<bool>("ersteOhne");
        QTest::newRow("RI-10 Register")
            << 1 << QList<int>{2, 1, 0, 0, 1} << QStringList{"2-1", "n.v.", "n.v."} << false;
        QTest::newRow("RU-10 Register")
            << 3 << QList<int>{0, 3, 1} << QStringList{"0-3-1", "n.v.", "n.v."} << false;
        QTest::newRow("RU-10 ohne") << 3 << QList<int>{0, 0, 0} << QStringList{"n.v.", "n.v.", "n.v."}
                                    << true;
        QTest::newRow("RI-10") << 0 << QList<int>{2, 1} << QStringList{"", "", ""} << true;
        QTest::newRow("DID-10") << 2 << QList<int>{} << QStringList{"", "", ""} << true;
    }
    void zusammenstellung()
    {
        QFETCH(int, system);
        QFETCH(QList<int>, z);
        QFETCH(QStringList, texte);
        QFETCH(bool, ersteOhne);
        T t = tabelle(system, 0.0f, QStringLiteral("3.75/3 2/1 1/1"), z);
        QCOMPARE(spalte(t, 6), texte);
        QCOMPARE(t.keineZusammenstellung(0), ersteOhne);
        QCOMPARE(t.hatZusammenstellung(0), !ersteOhne);
        // Area and registers are edited only where no composition sets them.
        QCOMPARE(t.editierbar(0, T::SpalteFlaeche), ersteOhne);
        QCOMPARE(t.editierbar(0, T::SpalteAnzahlRegister), ersteOhne);
        QVERIFY(t.editierbar(1, T::SpalteFlaeche));
        QVERIFY(t.editierbar(0, T::SpalteEntfernung));
        QVERIFY(t.editierbar(0, T::SpalteDirekt));
        QVERIFY(!t.editierbar(0, T::SpalteRegistergroesse));
        QVERIFY(!t.editierbar(0, T::SpalteZusammenstellung));
        QCOMPARE(t.zusammenstellungMoeglich(0), system == 1 || system == 3);
    }

    void texte()
    {
        T t = tabelle(0, 0.0f, QStringLiteral("10/3 2.5/0 1.23456789/1"));
        QCOMPARE(spalte(t, 0), (QStringList{"10", "2.5", "1.23457"}));
        QCOMPARE(spalte(t, 2), (QStringList{"3.33", "2.5", "1.23"}));
        QCOMPARE(spalte(t, 3), (QStringList{"15", "15", "15"}));
        QCOMPARE(t.bearbeitungsWert(0, T::SpalteHeizkreis), QVariant(1));
        QVERIFY(t.text(3, 0).isEmpty());
    }

    void schreiben()
    {
        T t = tabelle(0, 10.0f, QStringLiteral("4/2 4/2 4/2"));
        t.bildeHeizkreise();
        const T::Bereich alles{0, 0, 2, 6};

        // The area sets the register count for the system and regroups.
        T::Aenderung a = t.schreibe(1, T::SpalteFlaeche, 7.0);
        QCOMPARE(a.bereiche, QList<T::Bereich>{alles});
        QVERIFY(a.summen);
        QCOMPARE(t.text(1, T::SpalteAnzahlRegister), QStringLiteral("3"));
        QCOMPARE(spalte(t, 5), (QStringList{"1", "2", "3"}));
        QCOMPARE(t.summeText(), QStringLiteral("15.00"));

        a = t.schreibe(1, T::SpalteAnzahlRegister, 4);
        QCOMPARE(a.bereiche, QList<T::Bereich>{alles});
        QVERIFY(!a.summen);

        a = t.schreibe(0, T::SpalteEntfernung, 8.5);
        QCOMPARE(a.bereiche, (QList<T::Bereich>{{0, 3, 0, 3}}));
        QCOMPARE(t.text(0, 3), QStringLiteral("8.5"));

        // Direct: check state 2 is checked; the circuit column of every row may change.
        a = t.schreibe(1, T::SpalteDirekt, 2);
        QCOMPARE(a.bereiche, (QList<T::Bereich>{{1, 4, 1, 4}, {0, 5, 2, 5}}));
        QVERIFY(t.istDirekt(1));
        QCOMPARE(spalte(t, 5), (QStringList{"1", "", "1"}));
        t.schreibe(1, T::SpalteDirekt, 1);
        QVERIFY(!t.istDirekt(1));

        QVERIFY(!t.schreibe(0, T::SpalteRegistergroesse, 1).geschrieben());
        QVERIFY(!t.schreibe(0, T::SpalteZusammenstellung, 1).geschrieben());
        QVERIFY(!t.schreibe(5, T::SpalteFlaeche, 1.0).geschrieben());
    }

    void flaecheMitZusammenstellung()
    {
        // A row with a composition keeps its register count when its area is written.
        T t = tabelle(1, 0.0f, QStringLiteral("2.5/2"), {1, 1});
        t.schreibe(0, T::SpalteFlaeche, 9.0);
        QCOMPARE(t.flaechen().first().anzahlRegister, 2);
        T ohne = tabelle(1, 0.0f, QStringLiteral("2.5/2"), {0, 0});
        ohne.schreibe(0, T::SpalteFlaeche, 9.0);
        QCOMPARE(ohne.flaechen().first().anzahlRegister, 4); // ceil(9 / 2.5)
    }

    void summen()
    {
        T t = tabelle(0, 7.5f, QStringLiteral("4/2 3.4/2"));
        QCOMPARE(t.summeText(), QStringLiteral("7.40"));
        QCOMPARE(t.differenzText(), QStringLiteral("-0.10"));
        QVERIFY(t.differenzRot());
        QVERIFY(!t.test4Changes(0, 7.4f));
        QVERIFY(!t.differenzRot());
        QCOMPARE(t.sollFlaeche(), static_cast<double>(7.4f));
    }

    void systemwechsel()
    {
        T t = tabelle(0, 5.0f, QStringLiteral("4/2 1/1"));
        QVERIFY(t.test4Changes(2, 5.0f));
        QCOMPARE(t.zeilen(), 2);
        // Entering a register system removes the surfaces.
        QVERIFY(t.test4Changes(3, 5.0f));
        QCOMPARE(t.zeilen(), 0);
        QCOMPARE(t.summe(), 0.0);
        QString meldung;
        t.neueFlaeche(meldung);
        t.uebernimmZusammenstellung(0, {1, 2, 0}, 2.49, 1);
        // Leaving it removes the compositions and keeps the surfaces.
        QVERIFY(t.test4Changes(0, 5.0f));
        QCOMPARE(t.zeilen(), 1);
        QVERIFY(t.zusammenstellungen().isEmpty());
        QVERIFY(t.vorschlagMoeglich());

        // The stored room follows the same conversion.
        RaumData raum(nullptr);
        raum.heizflaechen.append(Heizflaeche());
        raum.setSystem(3);
        QVERIFY(raum.heizflaechen.isEmpty());
        raum.zusammenstellung = {1, 0, 0};
        raum.heizflaechen.append(Heizflaeche());
        raum.setSystem(0);
        QVERIFY(raum.zusammenstellung.isEmpty());
        QCOMPARE(raum.heizflaechen.size(), 1);
    }

    void loeschen()
    {
        T t = tabelle(3, 0.0f, QStringLiteral("2.5/2 1.24/1 2.5/1"), {1, 2, 0, 0, 2, 0, 2, 0, 0});
        QVERIFY(!t.loescheFlaeche(3));
        QVERIFY(!t.loescheFlaeche(-1));
        QVERIFY(t.loescheFlaeche(1));
        QCOMPARE(t.zusammenstellungen(), (QList<int>{1, 2, 0, 2, 0, 0}));
        QCOMPARE(spalte(t, 6), (QStringList{"1-2-0", "2-0-0"}));
        QCOMPARE(t.summeText(), QStringLiteral("5.00"));
        // The remaining rows are regrouped: sizes 1.25 and 2.5 differ too much.
        QCOMPARE(spalte(t, 5), (QStringList{"1", "2"}));

        // A list too short for the row loses only what it holds.
        T kurz = tabelle(1, 0.0f, QStringLiteral("2.5/2 2.5/2"), {1, 1, 2});
        QVERIFY(kurz.loescheFlaeche(1));
        QCOMPARE(kurz.zusammenstellungen(), (QList<int>{1, 1}));
    }

    void dialogUebernahme()
    {
        T t = tabelle(1, 5.0f, QStringLiteral("2.5/2 1/1"));
        QCOMPARE(t.zusammenstellung(1), (QList<int>{0, 0}));
        const T::Aenderung a = t.uebernimmZusammenstellung(1, {0, 2}, 2.5, 2);
        QVERIFY(a.summen);
        QCOMPARE(a.bereiche, (QList<T::Bereich>{{0, 0, 1, 6}}));
        // The rows before get empty blocks of their own.
        QCOMPARE(t.zusammenstellungen(), (QList<int>{0, 0, 0, 2}));
        QCOMPARE(t.text(1, 6), QStringLiteral("0-2"));
        QCOMPARE(t.text(1, 1), QStringLiteral("2"));
        QCOMPARE(t.summeText(), QStringLiteral("5.00"));
        QCOMPARE(t.registerAnzahl(), 2);
        QCOMPARE(spalte(t, 5), (QStringList{"1", "1"}));
        QVERIFY(!tabelle(0, 5.0f, QStringLiteral("2/1"))
                     .uebernimmZusammenstellung(0, {1, 0}, 1.25, 1)
                     .geschrieben());
    }

    void raum()
    {
        RaumData raum(nullptr);
        raum.systemIndex = 1;
        raum.flaecheWH = 5.0f;
        raum.zusammenstellung = {1, 1};
        Heizflaeche h;
        h.flaeche = 2.5;
        h.anzahlRegister = 2;
        raum.heizflaechen = {h};
        T t;
        t.laden(raum);
        QVERIFY(!t.geaendert(raum));
        QCOMPARE(t.differenzText(), QStringLiteral("-2.50"));
        // The lock alone is a change worth keeping.
        t.headerClicked(T::SpalteHeizkreis);
        QVERIFY(t.geaendert(raum));
        t.schreibe(0, T::SpalteEntfernung, 9.0);
        t.speichern(raum);
        QVERIFY(!t.geaendert(raum));
        QVERIFY(raum.heizkreisFrei);
        QCOMPARE(raum.heizflaechen.first().entfernung, 9.0);
        QCOMPARE(raum.zusammenstellung, (QList<int>{1, 1}));
    }
};

QTEST_GUILESS_MAIN(TestFlaechenTabelle)
#include "tst_flaechentabelle.moc"
