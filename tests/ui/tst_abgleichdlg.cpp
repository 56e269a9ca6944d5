#include "app/pfade.h"
#include "clibeispiel.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "testumgebung.h"
#include "ui/dateidialog.h"
#include "ui/messagebox.h"
#include "ui/whabgleichdlg.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The balancing dialog: what it shows of a project, what it tells when it cannot run, that a
// changed design value is stored and recomputed, and that its table is saved as CSV.
class TestAbgleichDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

    bool lade(ProjektBaum& baum, bool fehlerhaft)
    {
        const QString datei =
            CliBeispiel::speichereProjekt(m_tmp.filePath(QStringLiteral("p.bwh")), false, fehlerhaft);
        return ProjektDatei::laden(baum, datei).erfolgreich();
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
        DateiDialog::leeren();
        Pfade::setApplDir(TestUmgebung::shareDir());
        Pfade::setUserDir(m_tmp.filePath(QStringLiteral("user")) + QLatin1Char('/'));
        QFile::remove(Pfade::userDir() + QStringLiteral("data/ventile.txt"));
        QSettings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"))
            .remove(QStringLiteral("Abgleich"));
    }

    void oeffnen_data()
    {
        QTest::addColumn<bool>("fehlerhaft");
        QTest::addColumn<QByteArray>("ventile"); // the user's own table; empty: the shipped one
        QTest::addColumn<QString>("meldung");    // the error box; empty: the dialog opens
        QTest::newRow("Projekt") << false << QByteArray() << "";
        QTest::newRow("Raumprüfung") << true << QByteArray() << "Raum   Bad(EG):";
        QTest::newRow("Ventiltabelle falsch")
            << false << QByteArray("Ventil\tX\n") << "Datei ventile.txt hat ein falsches Format!";
    }
    void oeffnen()
    {
        QFETCH(bool, fehlerhaft);
        QFETCH(QByteArray, ventile);
        QFETCH(QString, meldung);
        if (!ventile.isEmpty())
            QVERIFY(TestUmgebung::schreibe(Pfade::userDir() + QStringLiteral("data/ventile.txt"), ventile));
        ProjektBaum baum;
        QVERIFY(lade(baum, fehlerhaft));
        WHAbgleichDlg dlg(baum);
        QCOMPARE(dlg.berechne(), meldung.isEmpty());
        if (!meldung.isEmpty()) {
            QCOMPARE(MessageBox::gezeigt().size(), 1);
            QCOMPARE(MessageBox::gezeigt().first().titel, QStringLiteral("Fehler"));
            QVERIFY2(MessageBox::gezeigt().first().text.contains(meldung),
                     qPrintable(MessageBox::gezeigt().first().text));
            return;
        }
        QVERIFY(MessageBox::gezeigt().isEmpty());
        auto* tabs = dlg.findChild<QTabWidget*>(QStringLiteral("TWEtagen"));
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("EG"));
        auto* t = qobject_cast<QTableWidget*>(tabs->widget(0));
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 2); // one outlet, the manifold
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("Bad"));
        QCOMPARE(t->item(0, 13)->text(), QStringLiteral("442,88"));
        QCOMPARE(t->item(0, 16)->text(), QStringLiteral("9"));
        // The pressure loss above 250 mbar is highlighted with its message.
        QVERIFY(t->item(0, 13)->toolTip().contains(QStringLiteral("Druckverlust 442,88 mbar über 250 mbar")));
        QVERIFY(t->item(0, 13)->background() != t->item(0, 12)->background());
        QCOMPARE(t->item(1, 17)->text(), QStringLiteral("512,88"));

        // A larger spread: stored for program and batch tool, and the figures follow.
        dlg.findChild<QDoubleSpinBox*>(QStringLiteral("SBSpreizung"))->setValue(10.0);
        QCOMPARE(QSettings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"))
                     .value(QStringLiteral("Abgleich/Spreizung"))
                     .toString(),
                 QStringLiteral("10"));
        t = qobject_cast<QTableWidget*>(tabs->widget(0));
        QCOMPARE(t->item(0, 6)->text(), QStringLiteral("139,29"));

        // "CSV speichern…" writes the table as the batch tool does.
        const QString csv = m_tmp.filePath(QStringLiteral("abgleich"));
        DateiDialog::setNextAnswer(csv);
        dlg.findChild<QPushButton*>(QStringLiteral("PBCsv"))->click();
        const QByteArray inhalt = TestUmgebung::lies(csv + QStringLiteral(".csv"));
        QVERIFY(inhalt.startsWith("\xEF\xBB\xBFSatz;Etage;"));
        QVERIFY(inhalt.contains("Kreis;EG;Bad;Tichelmann;1;1;10,00;1620,0;139,29;"));
    }
};

QTEST_MAIN(TestAbgleichDlg)
#include "tst_abgleichdlg.moc"
