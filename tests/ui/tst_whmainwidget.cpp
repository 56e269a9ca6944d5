#include "app/programm.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "testumgebung.h"
#include "ui/messagebox.h"
#include "ui/projektbaummodel.h"
#include "ui/whmainwidget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>

namespace {
QStringList fragen(MessageBox::Art art)
{
    QStringList texte;
    for (const MessageBox::Eintrag& e : MessageBox::gezeigt()) {
        if (e.art == art)
            texte.append(e.text);
    }
    return texte;
}

QStringList eintraege(QMenu* menu)
{
    QStringList texte;
    if (!menu)
        return texte;
    for (QAction* a : menu->actions())
        texte.append(a->text().section(QLatin1Char('\t'), 0, 0));
    return texte;
}
} // namespace

class TestWHMainWidget : public QObject
{
    Q_OBJECT

private:
    template <typename T> static T* feld(WHMainWidget& w, const char* name)
    {
        T* f = w.findChild<T*>(QLatin1String(name));
        if (!f)
            qFatal("kein Feld %s", name);
        return f;
    }

    // A building with one floor "Etage 1" holding the given number of rooms, made through
    // the navigator.
    static WHListItem* etageMitRaeumen(WHMainWidget& w, int raeume)
    {
        w.waehle(w.baum().gebaeudeItem());
        w.neu();
        WHListItem* etage = w.baum().etagen().constLast();
        w.waehle(etage);
        for (int i = 0; i < raeume; ++i)
            w.neu();
        return etage;
    }

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

    void neuesProjekt()
    {
        WHMainWidget w;
        QCOMPARE(w.currentItem(), w.baum().root());
        QCOMPARE(w.aktuelleSeite(), w.seite(WHBaseData::TypProjekt));
        QVERIFY(!w.isChanged());
        QCOMPARE(w.model()->data(w.model()->indexOf(w.baum().gebaeudeItem())).toString(),
                 QStringLiteral("Gebäude"));
        QVERIFY(w.navigator()->isExpanded(w.model()->indexOf(w.baum().root())));
        QVERIFY(!feld<QPushButton>(w, "PBZurueck")->isEnabled());
        QVERIFY(feld<QPushButton>(w, "PBWeiter")->isEnabled());
        QCOMPARE(w.navigator()->minimumWidth(),
                 2 * w.navigator()->fontMetrics().horizontalAdvance(QStringLiteral("Sonstige Kosten")));
        for (int typ : {0, 1, 2, 3, 4, 7})
            QVERIFY2(w.seite(typ), qPrintable(QString::number(typ)));
    }

    // An estimate has no surfaces to balance: the window says so instead of a failed room check.
    void abgleichNurInDerAusfuehrungsplanung()
    {
        WHMainWidget w;
        w.hydraulischerAbgleich();
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().first().titel, QStringLiteral("Hydraulischer Abgleich"));
        QVERIFY(MessageBox::gezeigt().first().text.contains(QStringLiteral("Ausführungsplanung")));
    }

    void seiteVerlassenUebernimmtWerte()
    {
        WHMainWidget w;
        feld<QLineEdit>(w, "LEProjektName")->setText(QStringLiteral("Neubau Meier"));
        w.waehle(w.baum().gebaeudeItem());
        QCOMPARE(w.baum().projekt()->name, QStringLiteral("Neubau Meier"));
        QCOMPARE(w.model()->data(w.model()->indexOf(w.baum().root())).toString(),
                 QStringLiteral("Neubau Meier"));
        QVERIFY(w.isChanged());
        QCOMPARE(w.aktuelleSeite(), w.seite(WHBaseData::TypGebaeude));
        QVERIFY(feld<QPushButton>(w, "PBZurueck")->isEnabled());
    }

    void escapeStelltSeiteWiederHer()
    {
        WHMainWidget w;
        auto* name = feld<QLineEdit>(w, "LEProjektName");
        name->setText(QStringLiteral("verworfen"));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(name->text(), QStringLiteral("Projekt"));
        w.waehle(w.baum().gebaeudeItem());
        QCOMPARE(w.baum().projekt()->name, QStringLiteral("Projekt"));
        QVERIFY(!w.isChanged());
    }

    void weiterUndZurueck()
    {
        WHMainWidget w;
        etageMitRaeumen(w, 1);
        w.waehle(w.baum().root());
        QStringList weg;
        for (int i = 0; i < 6; ++i) {
            weg.append(w.currentItem()->text());
            w.weiter();
        }
        QCOMPARE(weg, QStringList(
                          {"Projekt", "Gebäude", "Etage 1", "Raum 1", "Sonstige Kosten", "Sonstige Kosten"}));
        QVERIFY(!feld<QPushButton>(w, "PBWeiter")->isEnabled());
        w.zurueck();
        QCOMPARE(w.currentItem()->text(), QStringLiteral("Raum 1"));
    }

    void wischen_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<QString>("danach");
        QTest::newRow("nach rechts") << 4 << "Etage 1";
        QTest::newRow("zu kurz") << 3 << "Gebäude";
        QTest::newRow("nach links") << -4 << "Projekt";
    }

    // A drag over the central widget or over a page walks the project like the buttons.
    void wischen()
    {
        QFETCH(int, dx);
        QFETCH(QString, danach);
        WHMainWidget w;
        etageMitRaeumen(w, 0);
        w.waehle(w.baum().gebaeudeItem());
        QWidget* seite = w.seite(WHBaseData::TypGebaeude);
        const QPoint start(seite->width() / 2, seite->height() - 5);
        QTest::mousePress(seite, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseRelease(seite, Qt::LeftButton, Qt::NoModifier, start + QPoint(dx, 0));
        QCOMPARE(w.currentItem()->text(), danach);
    }

    void standWechselLegtMaterialAn()
    {
        WHMainWidget w;
        QSignalSpy stand(&w, &WHMainWidget::standChanged);
        QVERIFY(!w.baum().materialItem());

        feld<QRadioButton>(w, "RBAusfuerungsplannung")->setChecked(true);
        w.weiter();
        QCOMPARE(stand.count(), 1);
        QCOMPARE(Programm::stand(), 1);
        WHListItem* material = w.baum().materialItem();
        QVERIFY(material);
        QCOMPARE(material->text(), QStringLiteral("Materialbedarf"));
        QCOMPARE(material->parent(), w.baum().root());
        QCOMPARE(material->row(), w.baum().root()->childCount() - 1);
        const QModelIndex index = w.model()->indexOf(material);
        QVERIFY(!w.navigator()->isRowHidden(index.row(), index.parent()));

        w.waehle(w.baum().sonstigItem());
        QVERIFY(feld<QPushButton>(w, "PBWeiter")->isEnabled());
        w.weiter();
        QCOMPARE(w.currentItem(), material);
        QVERIFY(!feld<QPushButton>(w, "PBWeiter")->isEnabled());

        // Back to the estimate: the list is kept but hidden, and the walk ends at the other costs.
        w.waehle(w.baum().root());
        feld<QRadioButton>(w, "RBKostenSchaetzung")->setChecked(true);
        w.weiter();
        QCOMPARE(stand.count(), 2);
        QCOMPARE(w.baum().materialItem(), material);
        QVERIFY(w.navigator()->isRowHidden(index.row(), index.parent()));
        w.waehle(w.baum().sonstigItem());
        QVERIFY(!feld<QPushButton>(w, "PBWeiter")->isEnabled());
    }

    void systemDesGebaeudes_data()
    {
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<int>("anzahlFragen");
        QTest::addColumn<QList<int>>("systeme");
        QTest::newRow("Ja, alle") << QList<int>{QMessageBox::YesToAll} << 1 << QList<int>{2, 2, 2};
        QTest::newRow("Nein, alle") << QList<int>{QMessageBox::NoToAll} << 1 << QList<int>{0, 0, 0};
        QTest::newRow("einzeln") << QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes} << 3
                                 << QList<int>{2, 0, 2};
        QTest::newRow("Nein, dann Ja alle")
            << QList<int>{QMessageBox::No, QMessageBox::YesToAll} << 2 << QList<int>{0, 2, 2};
    }

    void systemDesGebaeudes()
    {
        QFETCH(QList<int>, antworten);
        QFETCH(int, anzahlFragen);
        QFETCH(QList<int>, systeme);
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 3);
        w.waehle(w.baum().gebaeudeItem());
        MessageBox::leeren();
        feld<QComboBox>(w, "CBSystemWHG")->setCurrentIndex(2);
        for (int a : antworten)
            MessageBox::setNextAnswer(a);
        w.weiter();

        const QStringList texte = fragen(MessageBox::Frage);
        QCOMPARE(texte.size(), anzahlFragen);
        QCOMPARE(texte.first(),
                 QStringLiteral("Sie haben das System WH für die <b>Gebäude</b> geändert.\n"
                                "Wollen Sie das System für das Raum <b>Raum 1</b> (<b>Etage 1</b>) "
                                "auch ändern?"));
        QCOMPARE(MessageBox::gezeigt().first().titel, QStringLiteral("Abfrage"));
        QCOMPARE(etage->record()->system(), 2);
        QList<int> ist;
        for (WHListItem* raum : w.baum().raeume(etage))
            ist.append(raum->record()->system());
        QCOMPARE(ist, systeme);
    }

    void vorlaufAlleinFragtNicht()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 2);
        auto* raum = static_cast<RaumData*>(w.baum().raeume(etage).first()->record());
        raum->flaeche = 20.0f;
        raum->waermebedarfProM2 = 50.0f;
        raum->waermebedarf = 1000.0f;
        w.waehle(w.baum().gebaeudeItem()); // the page shows 45 °C
        MessageBox::leeren();
        w.baum().gebaeude()->vorlauftemperatur = 35.0f;
        raum->berechneWaermebilanz();
        const float bei35 = raum->flaecheWH;
        // Taking the page over brings 45 °C back: every room is recomputed, no system question.
        w.weiter();
        QCOMPARE(w.baum().gebaeude()->vorlauftemperatur, 45.0f);
        QVERIFY(fragen(MessageBox::Frage).isEmpty());
        QCOMPARE(raum->system(), 0);
        QVERIFY(raum->flaecheWH < bei35);
    }

    void systemDerEtage()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 3);
        static_cast<RaumData*>(w.baum().raeume(etage).at(1)->record())->systemIndex = 2;
        w.waehle(etage);
        MessageBox::leeren();
        feld<QComboBox>(w, "CBSystemWHE")->setCurrentIndex(2);
        MessageBox::setNextAnswer(QMessageBox::No);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w.weiter();
        // The room that already has the system is not asked about.
        const QStringList texte = fragen(MessageBox::Frage);
        QCOMPARE(texte.size(), 2);
        QCOMPARE(texte.at(1),
                 QStringLiteral("Sie haben das System WH für Etage: <b>Etage 1</b> geändert.\n"
                                "Wollen Sie das System für das Raum <b>Raum 3</b> auch ändern?"));
        QList<int> ist;
        for (WHListItem* raum : w.baum().raeume(etage))
            ist.append(raum->record()->system());
        QCOMPARE(ist, QList<int>({0, 2, 2}));
    }

    void trockensystemUeber50Grad()
    {
        WHMainWidget w;
        w.baum().gebaeude()->vorlauftemperatur = 55.0f;
        w.baum().gebaeude()->systemIndex = 2;
        w.waehle(w.baum().gebaeudeItem());
        w.weiter();
        // The check fails: the message, and the walk stops on the building.
        QCOMPARE(
            fragen(MessageBox::Kritisch),
            QStringList{QStringLiteral("Mittlere Vorlauftemperatur für Trockensysteme\ndarf nicht grösser "
                                       "50°C sein!")});
        QCOMPARE(w.currentItem(), w.baum().gebaeudeItem());
        // Leaving by the navigator shows it too, takes the values over and still moves on.
        MessageBox::leeren();
        feld<QSpinBox>(w, "SBAnzahlEtagen")->setValue(1);
        w.waehle(w.baum().sonstigItem());
        QCOMPARE(fragen(MessageBox::Kritisch).size(), 1);
        QCOMPARE(w.baum().gebaeude()->anzahlEtagen, 1);
        QCOMPARE(w.currentItem(), w.baum().sonstigItem());
        // The values are in the project: closing must ask to save them.
        QVERIFY(w.isChanged());
    }

    // Walking a loaded project page by page, or by the mouse, changes nothing.
    void gehenOhneEingabe_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("weiterKnopf");
        for (const char* datei :
             {"einfamilienhaus-ausfuehrung.bwh", "einfamilienhaus-kostenschaetzung.bwh"}) {
            QTest::addRow("%s Weiter", datei) << QString::fromLatin1(datei) << true;
            QTest::addRow("%s Maus", datei) << QString::fromLatin1(datei) << false;
        }
    }
    void gehenOhneEingabe()
    {
        QFETCH(QString, datei);
        QFETCH(bool, weiterKnopf);
        QVERIFY(ArtikelListe::global().load(QStringLiteral(WH_SHARE_DIR "data/artikel0608.txt")));
        WHMainWidget w;
        QVERIFY(w.laden(QStringLiteral(WH_SHARE_DIR "projekte/") + datei).erfolgreich());
        QVERIFY(!w.isChanged());
        if (weiterKnopf) {
            for (int i = 0; i < 40; ++i)
                w.weiter();
        } else {
            for (WHListItem* item : w.baum().alle()) {
                if (!item->isHidden())
                    w.waehle(item);
            }
            w.waehle(w.baum().root());
        }
        QVERIFY(MessageBox::gezeigt().isEmpty());
        QVERIFY(!w.isChanged());
    }

    // In the estimate the room page holds no surfaces: a system change that would delete the
    // stored ones is asked about, and "Nein" keeps system and surfaces.
    void raumSystemFragtVorLoeschen_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("flaechen");
        QTest::newRow("Ja") << 0 << 1 << 0;
        QTest::newRow("Nein") << 1 << 0 << 2;
    }
    void raumSystemFragtVorLoeschen()
    {
        QFETCH(int, antwort);
        QFETCH(int, system);
        QFETCH(int, flaechen);
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 1);
        WHListItem* raumItem = w.baum().raeume(etage).constFirst();
        auto* raum = static_cast<RaumData*>(raumItem->record());
        raum->heizflaechen = {Heizflaeche(), Heizflaeche()};
        w.waehle(raumItem);
        QComboBox* box = feld<QComboBox>(w, "CBSystemWHR");
        box->setCurrentIndex(1);
        emit box->activated(1);
        MessageBox::leeren();
        MessageBox::setNextAnswer(antwort);
        w.waehle(w.baum().sonstigItem());
        QCOMPARE(fragen(MessageBox::Warnung).size(), 1);
        QVERIFY(fragen(MessageBox::Warnung).constFirst().contains(QLatin1String("<b>Raum 1</b>")));
        QCOMPARE(raum->systemIndex, system);
        QCOMPARE(raum->heizflaechen.size(), flaechen);
    }

    void anzahlRaeumeVerringern()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 5);
        auto* raum4 = static_cast<RaumData*>(w.baum().raeume(etage).at(3)->record());
        raum4->waermebedarf = 800.0f;
        // The name shows as typed in the question.
        raum4->name = QStringLiteral("<b>Raum & 4");
        w.waehle(etage);
        MessageBox::leeren();
        MessageBox::setNextAnswer(1); // "Nein": room 4 stays
        feld<QSpinBox>(w, "SBAnzahlRaeume")->setValue(3);
        w.weiter();
        QCOMPARE(fragen(MessageBox::Warnung),
                 QStringList{QStringLiteral("<p style=\"white-space:pre-wrap\">Sie haben die Daten für das "
                                            "Raum: &lt;b&gt;Raum &amp; 4 geändert.\nWollen "
                                            "Sie das Raum wirklich löschen?</p>")});
        QCOMPARE(w.baum().raeume(etage).size(), 4);
        QCOMPARE(etage->record()->anzahl(), 4);
        QCOMPARE(feld<QSpinBox>(w, "SBAnzahlRaeume")->value(), 4);
    }

    // Lowering the count and then clicking a floor that the lowering removes must not leave
    // the navigator on a deleted item.
    void zielEntfaelltBeimUebernehmen()
    {
        WHMainWidget w;
        w.waehle(w.baum().gebaeudeItem());
        w.neu();
        w.neu();
        WHListItem* zweite = w.baum().etagen().at(1);
        feld<QSpinBox>(w, "SBAnzahlEtagen")->setValue(1);
        w.navigator()->setCurrentIndex(w.model()->indexOf(zweite));
        QCOMPARE(w.baum().etagen().size(), 1);
        QVERIFY(w.currentItem());
        QCOMPARE(w.model()->indexOf(w.currentItem()), w.navigator()->currentIndex());
        QCOMPARE(w.aktuelleSeite(), w.seite(w.currentItem()->type()));
        w.weiter();
        QVERIFY(w.currentItem());
    }

    void kopierenUndEinfuegen()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 2);
        WHListItem* raum1 = w.baum().raeume(etage).at(0);
        w.waehle(raum1);
        w.copy();
        QCOMPARE(w.baum().clipboard(), raum1);
        const QModelIndex index = w.model()->indexOf(raum1);
        QCOMPARE(w.model()->data(index, Qt::DecorationRole).value<QPixmap>().toImage(),
                 ProjektBaumModel::markedPixmap(WHBaseData::TypRaum).toImage());

        // onto the floor: first child, count shown again
        w.waehle(etage);
        w.paste();
        QCOMPARE(etage->childCount(), 3);
        QCOMPARE(etage->child(0)->text(), QStringLiteral("Raum 1"));
        QVERIFY(etage->child(0) != raum1);
        QCOMPARE(etage->record()->anzahl(), 3);
        QCOMPARE(feld<QSpinBox>(w, "SBAnzahlRaeume")->value(), 3);

        // beside a room: right after it
        WHListItem* raum2 = w.baum().raeume(etage).at(2);
        w.waehle(raum2);
        w.paste();
        QCOMPARE(etage->childCount(), 4);
        QCOMPARE(etage->child(3)->text(), QStringLiteral("Raum 1"));
        QCOMPARE(etage->record()->anzahl(), 4);

        // the floor onto the building: first floor, with its rooms
        w.waehle(etage);
        w.copy();
        QCOMPARE(w.model()->data(index, Qt::DecorationRole).value<QPixmap>().toImage(),
                 ProjektBaumModel::pixmap(WHBaseData::TypRaum).toImage());
        w.waehle(w.baum().gebaeudeItem());
        w.paste();
        QCOMPARE(w.baum().etagen().size(), 2);
        QCOMPARE(w.baum().etagen().first()->childCount(), 4);
        QCOMPARE(w.baum().gebaeude()->anzahl(), 2);
        QVERIFY(w.isChanged());
    }

    void ausschneiden()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 2);
        WHListItem* raum1 = w.baum().raeume(etage).at(0);
        WHListItem* raum2 = w.baum().raeume(etage).at(1);
        w.waehle(raum1);
        w.cut();
        QCOMPARE(w.currentItem(), raum2);
        QVERIFY(raum1->cut);
        const QModelIndex index = w.model()->indexOf(raum1);
        QVERIFY(w.navigator()->isRowHidden(index.row(), index.parent()));
        QCOMPARE(etage->record()->anzahl(), 1);

        // the last room cut: its floor becomes current
        w.cut();
        QCOMPARE(w.currentItem(), etage);
        QCOMPARE(etage->record()->anzahl(), 0);

        // paste the cut room twice under a new floor
        w.waehle(w.baum().gebaeudeItem());
        w.neu();
        WHListItem* neueEtage = w.baum().etagen().constLast();
        w.waehle(neueEtage);
        w.paste();
        w.paste();
        QCOMPARE(neueEtage->childCount(), 2);
        QCOMPARE(neueEtage->child(0)->text(), QStringLiteral("Raum 2"));
        QCOMPARE(neueEtage->child(1)->text(), QStringLiteral("Raum 2"));
        QCOMPARE(static_cast<RaumData*>(neueEtage->child(0)->record())->etage, neueEtage->record());
    }

    void raumDataEinfuegen()
    {
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 2);
        auto* quelle = static_cast<RaumData*>(w.baum().raeume(etage).at(0)->record());
        quelle->name = QStringLiteral("Küche");
        quelle->flaeche = 12.5f;
        w.waehle(w.baum().raeume(etage).at(0));
        w.copy();
        WHListItem* ziel = w.baum().raeume(etage).at(1);
        w.waehle(ziel);
        w.pasteData();
        QCOMPARE(ziel->text(), QStringLiteral("Küche"));
        QCOMPARE(static_cast<RaumData*>(ziel->record())->flaeche, 12.5f);
        // The page shows the pasted room, so leaving it keeps the pasted values.
        w.waehle(etage);
        QCOMPARE(static_cast<RaumData*>(ziel->record())->flaeche, 12.5f);
        QCOMPARE(ziel->text(), QStringLiteral("Küche"));
    }

    void kontextMenue_data()
    {
        QTest::addColumn<int>("aktuell"); // 0 project, 1 building, 2 floor, 3 room, 4 other costs
        QTest::addColumn<int>("ablage");  // clipboard: -1 none, 2 floor, 3 room
        QTest::addColumn<QStringList>("eintraege");
        QTest::newRow("Projekt") << 0 << -1 << QStringList();
        QTest::newRow("Sonstige Kosten") << 4 << 3 << QStringList();
        QTest::newRow("Gebäude") << 1 << -1 << QStringList{"Neue Etage"};
        QTest::newRow("Gebäude, Etage in der Ablage")
            << 1 << 2 << QStringList{"Neue Etage", "Etage Einfügen"};
        QTest::newRow("Gebäude, Raum in der Ablage") << 1 << 3 << QStringList{"Neue Etage"};
        QTest::newRow("Etage") << 2 << -1
                               << QStringList{"Neuer Raum", "Etage kopieren", "Etage ausschneiden"};
        QTest::newRow("Etage, Etage in der Ablage")
            << 2 << 2 << QStringList{"Neuer Raum", "Etage kopieren", "Etage Einfügen", "Etage ausschneiden"};
        QTest::newRow("Etage, Raum in der Ablage")
            << 2 << 3 << QStringList{"Neuer Raum", "Etage kopieren", "Raum Einfügen", "Etage ausschneiden"};
        QTest::newRow("Raum") << 3 << -1 << QStringList{"Raum kopieren", "Raum ausschneiden"};
        QTest::newRow("Raum, Etage in der Ablage")
            << 3 << 2 << QStringList{"Raum kopieren", "Raum ausschneiden"};
        QTest::newRow("Raum, Raum in der Ablage")
            << 3 << 3
            << QStringList{"Raum kopieren", "Raum Data Einfügen", "Raum Einfügen", "Raum ausschneiden"};
    }

    void kontextMenue()
    {
        QFETCH(int, aktuell);
        QFETCH(int, ablage);
        QFETCH(QStringList, eintraege);
        WHMainWidget w;
        WHListItem* etage = etageMitRaeumen(w, 1);
        WHListItem* raum = etage->child(0);
        if (ablage >= 0) {
            w.waehle(ablage == 2 ? etage : raum);
            w.copy();
        }
        WHListItem* items[] = {w.baum().root(), w.baum().gebaeudeItem(), etage, raum, w.baum().sonstigItem()};
        w.waehle(items[aktuell]);
        std::unique_ptr<QMenu> menu(w.kontextMenu());
        QCOMPARE(::eintraege(menu.get()), eintraege);
    }

    void einfuegenTasteLegtAn()
    {
        WHMainWidget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.waehle(w.baum().gebaeudeItem());
        w.navigator()->setFocus();
        QTest::keyClick(w.navigator(), Qt::Key_Insert);
        QCOMPARE(w.baum().etagen().size(), 1);
        QCOMPARE(w.baum().etagen().first()->text(), QStringLiteral("Etage 1"));
        QVERIFY(w.navigator()->isExpanded(w.model()->indexOf(w.baum().gebaeudeItem())));
        QCOMPARE(feld<QSpinBox>(w, "SBAnzahlEtagen")->value(), 1);
    }

    void entfTasteSchneidetAus_data()
    {
        QTest::addColumn<int>("aktuell"); // 0 project, 1 building, 2 floor, 3 room
        QTest::addColumn<bool>("imNavigator");
        QTest::addColumn<bool>("ausgeschnitten");
        QTest::newRow("Raum") << 3 << true << true;
        QTest::newRow("Etage") << 2 << true << true;
        QTest::newRow("Gebäude") << 1 << true << false;
        QTest::newRow("Projekt") << 0 << true << false;
        QTest::newRow("Raum, Taste im Namensfeld") << 3 << false << false;
    }

    // Delete on the navigator does what the context menu's cut entry does; typed in a page it
    // stays a key of the text field.
    void entfTasteSchneidetAus()
    {
        QFETCH(int, aktuell);
        QFETCH(bool, imNavigator);
        QFETCH(bool, ausgeschnitten);
        WHMainWidget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        WHListItem* etage = etageMitRaeumen(w, 2);
        WHListItem* items[] = {w.baum().root(), w.baum().gebaeudeItem(), etage, etage->child(0)};
        WHListItem* item = items[aktuell];
        w.waehle(item);
        w.baum().changed = false;
        QWidget* ziel = w.navigator();
        if (!imNavigator) {
            auto* name = feld<QLineEdit>(w, "LERaumBezeichnung");
            name->setCursorPosition(0);
            ziel = name;
        }
        ziel->setFocus();
        QTest::keyClick(ziel, Qt::Key_Delete);
        QCOMPARE(item->cut, ausgeschnitten);
        QCOMPARE(w.baum().clipboard() == item, ausgeschnitten);
        QCOMPARE(w.isChanged(), ausgeschnitten);
        if (ausgeschnitten)
            QVERIFY(w.currentItem() != item);
    }
};

QTEST_MAIN(TestWHMainWidget)
#include "tst_whmainwidget.moc"
