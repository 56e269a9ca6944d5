#include "app/pfade.h"
#include "model/anwenderdaten.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/sonstigdata.h"
#include "testumgebung.h"
#include "ui/dateidialog.h"
#include "ui/messagebox.h"
#include "ui/programmstart.h"
#include "ui/whapplwindow.h"
#include "ui/whmainwidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
QList<MessageBox::Eintrag> boxen()
{
    return MessageBox::gezeigt();
}

// A project file of its own: name, stage, written by the program's writer.
bool schreibeProjekt(const QString& datei, const QString& name, int stand)
{
    ProjektBaum baum;
    baum.newProjekt();
    baum.projekt()->name = name;
    baum.projekt()->stand = stand;
    QString fehler;
    return ProjektDatei::speichern(baum, datei, fehler);
}
} // namespace

class TestWHApplWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_appl;
    QTemporaryDir m_user;

    // A project that needs saving: its name typed on the project page and taken over.
    static void aendere(WHApplWindow& w, const QString& name = QStringLiteral("Geändert"))
    {
        WHMainWidget* m = w.mainWidget();
        m->findChild<QLineEdit*>(QStringLiteral("LEProjektName"))->setText(name);
        m->waehle(m->baum().gebaeudeItem());
        QVERIFY(m->isChanged());
    }

    QString datei(const QString& name) const { return m_user.filePath(QStringLiteral("projekte/") + name); }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
        QVERIFY(TestUmgebung::schreibe(m_appl.filePath(QStringLiteral("data/artikel0608.txt")),
                                       "01.03.2024\n0\n"));
        QVERIFY(QDir().mkpath(m_user.filePath(QStringLiteral("projekte"))));
    }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        Pfade::setApplDir(m_appl.path() + QLatin1Char('/'));
        Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
        MessageBox::leeren();
        DateiDialog::leeren();
    }

    void start()
    {
        WHApplWindow w;
        QVERIFY(!w.startFailed());
        QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: Unbenannt"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Neues Projekt"));
        QVERIFY(boxen().isEmpty());
        QVERIFY(!w.windowIcon().isNull());
        const QIcon speichern = w.findChild<QAction*>(QStringLiteral("fileSaveAction"))->icon();
        QVERIFY(speichern.pixmap(24, QIcon::Normal).toImage() !=
                speichern.pixmap(24, QIcon::Disabled).toImage());
    }

    void katalogFehlt()
    {
        Pfade::setApplDir(m_user.path() + QStringLiteral("/nichts/"));
        WHApplWindow w;
        QVERIFY(w.startFailed());
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen().at(0).art, MessageBox::Kritisch);
        QCOMPARE(boxen().at(0).titel, QStringLiteral("Fehler"));
        QCOMPARE(boxen().at(0).text,
                 QStringLiteral("Datei ") + m_user.path() +
                     QStringLiteral("/nichts/data/artikel0608.txt konnte nicht geöffnet werden!"));
    }

    void anwenderDatenNachDemKatalog_data()
    {
        QTest::addColumn<bool>("katalog");
        QTest::newRow("Katalog gelesen") << true;
        QTest::newRow("Katalog fehlt") << false;
    }

    // The user data are read only after the catalogue could be read.
    void anwenderDatenNachDemKatalog()
    {
        QFETCH(bool, katalog);
        QVERIFY(TestUmgebung::schreibe(m_user.filePath(QStringLiteral("data/anwender.txt")),
                                       "Heizungsbau Krause\nMeisterbetrieb\n"));
        AnwenderDaten::global().clear();
        if (!katalog)
            Pfade::setApplDir(m_user.path() + QStringLiteral("/nichts/"));
        WHApplWindow w;
        QCOMPARE(w.startFailed(), !katalog);
        QCOMPARE(AnwenderDaten::global().anwender1,
                 katalog ? QStringLiteral("Heizungsbau Krause") : QString());
        AnwenderDaten::global().clear();
        QFile::remove(m_user.filePath(QStringLiteral("data/anwender.txt")));
    }

    void startOhneKatalogEndetMit20()
    {
        QVERIFY(
            TestUmgebung::schreibe(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"),
                                   "[Einstellungen]\nApplDir=" + m_user.path().toLocal8Bit() + "/nichts\n"));
        QTranslator uebersetzer;
        const auto fenster = ProgrammStart::starte({QStringLiteral("wandheizung")}, uebersetzer);
        QVERIFY(!fenster);
        QCOMPARE(ProgrammStart::startFehler, 20);
        QCOMPARE(boxen().size(), 1);
        QVERIFY(boxen().at(0).text.contains(QStringLiteral("/nichts/data/artikel0608.txt")));
        QFile::remove(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"));
    }

    void startOeffnetProjektDerBefehlszeile()
    {
        QVERIFY(TestUmgebung::schreibe(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"),
                                       "[Einstellungen]\nApplDir=" + m_appl.path().toLocal8Bit() + "\n"));
        const QString projekt = datei(QStringLiteral("start.bwh"));
        QVERIFY(schreibeProjekt(projekt, QStringLiteral("Schule"), 1));
        QTranslator uebersetzer;
        const auto fenster = ProgrammStart::starte({QStringLiteral("wandheizung"), projekt}, uebersetzer);
        QVERIFY(fenster);
        QVERIFY(!fenster->isVisible());
        QCOMPARE(fenster->projectFile(), projekt);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Wandheizung: start.bwh"));
        QCOMPARE(fenster->mainWidget()->baum().projekt()->name, QStringLiteral("Schule"));
        QCOMPARE(fenster->findChild<QAction*>(QStringLiteral("actionKosten"))->text(),
                 QStringLiteral("Kostenangebot"));
        // Qt's own German texts are in place for the standard buttons.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCoreApplication::removeTranslator(&uebersetzer);
        QFile::remove(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"));
    }

    void startLegtBenutzerordnerAn_data()
    {
        QTest::addColumn<QString>("userDir");    // below the test's user folder
        QTest::addColumn<QString>("dateiStatt"); // a file in the way, or empty
        QTest::addColumn<QString>("fehlt");      // the folder the message names, or empty
        QTest::newRow("neues Konto") << "konto/Wandheizung/" << QString() << QString();
        QTest::newRow("Unterordner fehlen") << "teil/" << QString() << QString();
        QTest::newRow("Datei statt Benutzerordner") << "blockiert/"
                                                    << "blockiert"
                                                    << "blockiert";
        QTest::newRow("Datei statt projekte") << "halb/"
                                              << "halb/projekte"
                                              << "halb/projekte";
    }

    // An installed program's first start on a new account: the user folder and its
    // sub-folders are created silently; a folder that cannot be made is named in an error box
    // and the window still opens.
    void startLegtBenutzerordnerAn()
    {
        QFETCH(QString, userDir);
        QFETCH(QString, dateiStatt);
        QFETCH(QString, fehlt);
        QTemporaryDir home;
        if (!dateiStatt.isEmpty())
            QVERIFY(TestUmgebung::schreibe(home.filePath(dateiStatt), "x"));
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("teil/projekte"))));
        QVERIFY(TestUmgebung::schreibe(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"),
                                       "[Einstellungen]\nApplDir=" + m_appl.path().toLocal8Bit() +
                                           "\nUserDir=" + home.filePath(userDir).toLocal8Bit() + "\n"));
        QTranslator uebersetzer;
        const auto fenster = ProgrammStart::starte({QStringLiteral("wandheizung")}, uebersetzer);
        QCoreApplication::removeTranslator(&uebersetzer);
        QFile::remove(TestUmgebung::systemConfigDir() + QStringLiteral("/Belvoro/wh.conf"));
        QVERIFY(fenster);
        if (fehlt.isEmpty()) {
            QVERIFY(boxen().isEmpty());
            for (const char* ordner : {"", "projekte", "ausdrucke", "data"})
                QVERIFY(QFileInfo(home.filePath(userDir) + QLatin1String(ordner)).isDir());
        } else {
            QCOMPARE(boxen().size(), 1);
            QCOMPARE(boxen().at(0).titel, QStringLiteral("Fehler"));
            QCOMPARE(
                boxen().at(0).text,
                QStringLiteral("Ordner <b>%1</b> konnte nicht angelegt werden!").arg(home.filePath(fehlt)));
        }
    }

    void speichernOhneName_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("ohne Endung") << "haus"
                                     << "haus.bwh";
        QTest::newRow("mit Endung") << "haus2.bwh"
                                    << "haus2.bwh";
        QTest::newRow("andere Endung") << "haus3.txt"
                                       << "haus3.txt.bwh";
    }

    void speichernOhneName()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, gespeichert);
        WHApplWindow w;
        aendere(w);
        DateiDialog::setNextAnswer(datei(gewaehlt));
        w.save();
        QCOMPARE(DateiDialog::gefragt().size(), 1);
        QVERIFY(DateiDialog::gefragt().at(0).endsWith(m_user.path() +
                                                      QStringLiteral("/projekte|WH Projekt (*.bwh)")));
        QVERIFY(QFile::exists(datei(gespeichert)));
        QCOMPARE(w.projectFile(), datei(gespeichert));
        QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: ") + gespeichert);
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Projekt %1 gespeichert").arg(datei(gespeichert)));
        QVERIFY(!w.mainWidget()->isChanged());
        QFile::remove(datei(gespeichert));
    }

    void ueberschreiben_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("ueberschrieben");
        QTest::newRow("Ok") << 0 << true;
        QTest::newRow("Abbruch") << 1 << false;
    }

    void ueberschreiben()
    {
        QFETCH(int, antwort);
        QFETCH(bool, ueberschrieben);
        const QString name = datei(QStringLiteral("alt.bwh"));
        QVERIFY(TestUmgebung::schreibe(name, "alter Inhalt"));
        WHApplWindow w;
        aendere(w);
        DateiDialog::setNextAnswer(name);
        MessageBox::setNextAnswer(antwort);
        w.saveAs();
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen().at(0).titel, QStringLiteral("Speichern"));
        QCOMPARE(
            boxen().at(0).text,
            QStringLiteral("Datei <b>%1</b> existiert bereits.<br>Soll es überschrieben werden?").arg(name));
        QCOMPARE(boxen().at(0).knoepfe, QStringList({"Ok", "Abbruch"}));
        QCOMPARE(TestUmgebung::lies(name) != "alter Inhalt", ueberschrieben);
        QCOMPARE(w.mainWidget()->isChanged(), !ueberschrieben);
        if (!ueberschrieben) {
            QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Speichern abgebrochen"));
            QVERIFY(w.projectFile().isEmpty());
        }
        QFile::remove(name);
    }

    void speichernAbgebrochen()
    {
        WHApplWindow w;
        DateiDialog::setNextAnswer(QString());
        w.saveAs();
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Speichern abgebrochen"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: Unbenannt"));
    }

    void speichernScheitert()
    {
        WHApplWindow w;
        aendere(w);
        const QString name = m_user.path() + QStringLiteral("/fehlt/x.bwh");
        DateiDialog::setNextAnswer(name);
        w.save();
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Fehler beim Speichern des Projekts %1").arg(name));
        QCOMPARE(boxen().constLast().art, MessageBox::Kritisch);
        QCOMPARE(boxen().constLast().titel, QStringLiteral("Fehler"));
        QVERIFY(w.mainWidget()->isChanged());
        QVERIFY(w.projectFile().isEmpty());

        // "Jetzt speichern" on a new project that then cannot be written keeps the project.
        MessageBox::leeren();
        MessageBox::setNextAnswer(0);
        DateiDialog::setNextAnswer(name);
        w.neu();
        QCOMPARE(w.mainWidget()->baum().projekt()->name, QStringLiteral("Geändert"));
        QVERIFY(w.mainWidget()->isChanged());
    }

    void neuFragt_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("neuesProjekt");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("Jetzt speichern") << 0 << "neu1.bwh" << true << true;
        QTest::newRow("Jetzt speichern, Dialog abgebrochen") << 0 << "" << true << false;
        QTest::newRow("Abbrechen") << 1 << "" << false << false;
        QTest::newRow("Weiter") << 2 << "" << true << false;
    }

    void neuFragt()
    {
        QFETCH(int, antwort);
        QFETCH(QString, dialog);
        QFETCH(bool, neuesProjekt);
        QFETCH(bool, gespeichert);
        WHApplWindow w;
        aendere(w);
        MessageBox::setNextAnswer(antwort);
        if (antwort == 0)
            DateiDialog::setNextAnswer(dialog.isEmpty() ? QString() : datei(dialog));
        w.neu();
        const MessageBox::Eintrag frage = boxen().at(0);
        QCOMPARE(frage.art, MessageBox::Information);
        QCOMPARE(frage.titel, QStringLiteral("Neues Projekt"));
        QCOMPARE(frage.text, QStringLiteral("Projekt <b>Unbenannt</b> wurde geändert"));
        QCOMPARE(frage.knoepfe, QStringList({"Jetzt speichern", "Abbrechen", "Weiter"}));
        QCOMPARE(w.mainWidget()->baum().projekt()->name,
                 neuesProjekt ? QStringLiteral("Projekt") : QStringLiteral("Geändert"));
        QCOMPARE(w.mainWidget()->isChanged(), !neuesProjekt);
        QCOMPARE(!dialog.isEmpty() && QFile::exists(datei(dialog)), gespeichert);
        if (neuesProjekt) {
            QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: Unbenannt"));
            QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Neues Projekt"));
            QVERIFY(w.projectFile().isEmpty());
        }
        if (gespeichert)
            QFile::remove(datei(dialog));
    }

    void unveraendertFragtNicht()
    {
        WHApplWindow w;
        w.neu();
        QVERIFY(boxen().isEmpty());
        QVERIFY(w.close());
        QVERIFY(boxen().isEmpty());
    }

    void schliessen_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geschlossen");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("Jetzt speichern") << 0 << true << true;
        QTest::newRow("Abbrechen") << 1 << false << false;
        QTest::newRow("Trotzdem beenden") << 2 << true << false;
    }

    void schliessen()
    {
        QFETCH(int, antwort);
        QFETCH(bool, geschlossen);
        QFETCH(bool, gespeichert);
        const QString name = datei(QStringLiteral("ende.bwh"));
        QVERIFY(schreibeProjekt(name, QStringLiteral("Ende"), 0));
        const QByteArray vorher = TestUmgebung::lies(name);
        WHApplWindow w;
        w.ladeDatei(name);
        // An edit still on the page counts as a change when the window closes.
        w.mainWidget()
            ->findChild<QLineEdit*>(QStringLiteral("LEProjektName"))
            ->setText(QStringLiteral("Ende 2"));
        MessageBox::leeren();
        MessageBox::setNextAnswer(antwort);
        QCOMPARE(w.close(), geschlossen);
        QCOMPARE(boxen().at(0).titel, QStringLiteral("Verlassen"));
        QCOMPARE(boxen().at(0).text, QStringLiteral("Projekt <b>ende.bwh</b> wurde geändert"));
        QCOMPARE(boxen().at(0).knoepfe, QStringList({"Jetzt speichern", "Abbrechen", "Trotzdem beenden"}));
        QCOMPARE(TestUmgebung::lies(name) != vorher, gespeichert);
        QFile::remove(name);
    }

    void oeffnen()
    {
        const QString name = datei(QStringLiteral("offen.bwh"));
        QVERIFY(schreibeProjekt(name, QStringLiteral("Offen"), 0));
        WHApplWindow w;
        aendere(w);
        MessageBox::setNextAnswer(2);
        DateiDialog::setNextAnswer(name);
        w.open();
        QCOMPARE(boxen().at(0).titel, QStringLiteral("Projekt laden"));
        QCOMPARE(DateiDialog::gefragt().size(), 1);
        QVERIFY(DateiDialog::gefragt().at(0).endsWith(
            QStringLiteral("|WH Projekt (*.bwh)\nWB Projekt (*.bwb)\nAlle Dateien (*.*)")));
        QCOMPARE(w.mainWidget()->baum().projekt()->name, QStringLiteral("Offen"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: offen.bwh"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Projekt %1 geladen").arg(name));
        QVERIFY(!w.mainWidget()->isChanged());
        QCOMPARE(w.mainWidget()->currentItem(), w.mainWidget()->baum().root());

        // a cancelled dialog changes nothing
        DateiDialog::setNextAnswer(QString());
        w.open();
        QCOMPARE(w.projectFile(), name);
        QFile::remove(name);
    }

    void ladenScheitert()
    {
        const QString name = datei(QStringLiteral("kaputt.bwh"));
        QVERIFY(TestUmgebung::schreibe(name, "# WH Version 1.6\n\t\t\t3\x01Raum\n"));
        WHApplWindow w;
        w.ladeDatei(name);
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen().at(0).art, MessageBox::Kritisch);
        QCOMPARE(boxen().at(0).text, QStringLiteral("Datei <b>kaputt.bwh</b> hat ein falsches Format!"));
        // a new, unnamed project follows
        QVERIFY(w.projectFile().isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Wandheizung: Unbenannt"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Neues Projekt"));
        QVERIFY(!w.mainWidget()->isChanged());
        QCOMPARE(w.mainWidget()->currentItem(), w.mainWidget()->baum().root());
        QFile::remove(name);
    }

    void kostenTextFolgtStand()
    {
        WHApplWindow w;
        QAction* kosten = w.findChild<QAction*>(QStringLiteral("actionKosten"));
        QCOMPARE(kosten->text(), QStringLiteral("Kostenvoranschlag"));
        QCOMPARE(kosten->toolTip(), QStringLiteral("Ausdruck des Kostenvoranschlags"));
        w.mainWidget()->findChild<QRadioButton*>(QStringLiteral("RBAusfuerungsplannung"))->setChecked(true);
        w.mainWidget()->weiter();
        QCOMPARE(kosten->text(), QStringLiteral("Kostenangebot"));
        QCOMPARE(kosten->toolTip(), QStringLiteral("Ausdruck des Kostenangebots"));
        MessageBox::setNextAnswer(2);
        w.neu();
        QCOMPARE(kosten->text(), QStringLiteral("Kostenvoranschlag"));
    }

    void gaeb_data()
    {
        QTest::addColumn<bool>("mitStunden");
        QTest::addColumn<int>("antwort"); // the phase button, 3 "Abbrechen"
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("datei"); // written; empty: none
        QTest::addColumn<QString>("fehler");
        QTest::newRow("X83") << true << 0 << "lv"
                             << "GAEB DA XML (*.x83)"
                             << "lv.x83"
                             << "";
        QTest::newRow("X84 Endung gross") << true << 1 << "lv.X84"
                                          << "GAEB DA XML (*.x84)"
                                          << "lv.X84.x84"
                                          << "";
        QTest::newRow("X82") << true << 2 << "lv.x82"
                             << "GAEB DA XML (*.x82)"
                             << "lv.x82"
                             << "";
        QTest::newRow("abgebrochen") << true << 3 << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("ohne Positionen") << false << 2 << "leer"
                                         << "GAEB DA XML (*.x82)"
                                         << ""
                                         << "Das Projekt hat keine Position mit einer Menge über 0; es wurde "
                                            "keine GAEB-Datei geschrieben.";
    }

    // "Exportieren als GAEB...": the exchange phase, the save dialog for its suffix, the file
    // of the project in its stage; a project without positions leaves a message and no file.
    void gaeb()
    {
        QFETCH(bool, mitStunden);
        QFETCH(int, antwort);
        QFETCH(QString, gewaehlt);
        QFETCH(QString, filter);
        QFETCH(QString, datei);
        QFETCH(QString, fehler);
        ProjektBaum baum;
        baum.newProjekt();
        baum.projekt()->stand = 1;
        baum.sonstig()->montagezeit = mitStunden ? 6.0f : 0.0f;
        baum.sonstig()->stundensatz = 52.5f;
        const QString projekt = this->datei(QStringLiteral("gaeb.bwh"));
        QString meldung;
        QVERIFY(ProjektDatei::speichern(baum, projekt, meldung));
        WHApplWindow w;
        w.ladeDatei(projekt);
        MessageBox::leeren();

        QMenu* menu = w.findChild<QMenu*>(QStringLiteral("fileMenu"));
        QAction* aktion = w.findChild<QAction*>(QStringLiteral("actionGaeb"));
        QCOMPARE(aktion->text(), QStringLiteral("Exportieren als &GAEB..."));
        QCOMPARE(menu->actions().indexOf(aktion),
                 menu->actions().indexOf(w.findChild<QAction*>(QStringLiteral("actionKosten"))) + 1);
        MessageBox::setNextAnswer(antwort);
        if (!gewaehlt.isEmpty())
            DateiDialog::setNextAnswer(m_user.filePath(gewaehlt));
        aktion->trigger();
        QCOMPARE(boxen().at(0).titel, QStringLiteral("Exportieren als GAEB"));
        QCOMPARE(boxen().at(0).knoepfe, (QStringList{"X83 Angebotsaufforderung", "X84 Angebotsabgabe",
                                                     "X82 Kostenanschlag", "Abbrechen"}));
        QCOMPARE(DateiDialog::gefragt(),
                 filter.isEmpty()
                     ? QStringList()
                     : QStringList{QStringLiteral("Wandheizung: GAEB exportieren als...|%1projekte|%2")
                                       .arg(Pfade::userDir(), filter)});
        if (!datei.isEmpty()) {
            const QByteArray xml = TestUmgebung::lies(m_user.filePath(datei));
            QVERIFY(xml.contains("<DP>" + filter.right(3).left(2).toLatin1() + "</DP>"));
            QVERIFY(xml.contains("<BoQCtgy ID=\"B90\" RNoPart=\"90\">"));
            QCOMPARE(w.statusBar()->currentMessage(),
                     QStringLiteral("GAEB-Datei %1 geschrieben").arg(m_user.filePath(datei)));
            QFile::remove(m_user.filePath(datei));
        }
        QCOMPARE(boxen().size(), fehler.isEmpty() ? 1 : 2);
        if (!fehler.isEmpty()) {
            QCOMPARE(boxen().at(1).art, MessageBox::Kritisch);
            QVERIFY(boxen().at(1).text.contains(fehler));
            QVERIFY(!QFile::exists(m_user.filePath(gewaehlt + QStringLiteral(".x82"))));
        }
        QFile::remove(projekt);
    }

    void ueber()
    {
        WHApplWindow w;
        w.about();
        QCOMPARE(boxen().size(), 1);
        QVERIFY(boxen().at(0).text.startsWith(
            QStringLiteral("Programm zur Berechnung des Materialbedarfes<br>für Wandheizungs Systeme<br>"
                           "Version 1.6 <br><b>Produktsortiment ab 01.03.2024</b><br>")));
    }

    void ausgeschnittenerRaumEntfaelltBeimSpeichern()
    {
        WHApplWindow w;
        WHMainWidget* m = w.mainWidget();
        m->waehle(m->baum().gebaeudeItem());
        m->neu();
        WHListItem* etage = m->baum().etagen().first();
        m->waehle(etage);
        m->neu();
        m->neu();
        m->waehle(etage->child(0));
        m->cut();
        const QString name = datei(QStringLiteral("schnitt.bwh"));
        DateiDialog::setNextAnswer(name);
        w.save();
        QCOMPARE(etage->childCount(), 1);
        QVERIFY(!m->baum().clipboard());
        const QByteArray text = TestUmgebung::lies(name);
        QVERIFY(!text.contains("Raum 1"));
        QVERIFY(text.contains("Raum 2"));
        QFile::remove(name);
    }
};

QTEST_MAIN(TestWHApplWindow)
#include "tst_whapplwindow.moc"
