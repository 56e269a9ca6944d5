#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/anwenderdaten.h"
#include "testumgebung.h"
#include "ui/messagebox.h"
#include "ui/whanwenderdlg.h"
#include "ui/whfaxdlg.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

// The user-data dialog: what it writes, what it keeps, and that the values take effect at once.
class TestAnwenderDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir m_user;

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
        Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
        QDir(Pfade::userDir() + QStringLiteral("data")).removeRecursively();
    }

    // The file as read at start-up, the second name line changed in the dialog, the file
    // written: a ninth line survives, blanks and umlauts stay, missing lines are written empty.
    void anwenden_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("geschrieben");
        QTest::newRow("neun Zeilen")
            << "Firma\nalt\n Straße 1 \n12345 Köln\nT\nF\nM\nK-1\nreserviert\n"
            << "Firma\nMüller & Söhne  \n Straße 1 \n12345 Köln\nT\nF\nM\nK-1\nreserviert\n";
        QTest::newRow("drei Zeilen") << "Firma\nalt\nStraße\n"
                                     << "Firma\nMüller & Söhne  \nStraße\n\n\n\n\n\n\n";
        QTest::newRow("keine Datei") << ""
                                     << "\nMüller & Söhne  \n\n\n\n\n\n\n\n";
    }

    void anwenden()
    {
        QFETCH(QString, datei);
        QFETCH(QString, geschrieben);
        if (!datei.isEmpty())
            QVERIFY(TestUmgebung::schreibe(Pfade::anwenderPath(), TextCodec::encode(datei)));
        AnwenderDaten::global().load(Pfade::anwenderPath());

        WHAnwenderDlg dlg;
        QVERIFY(dlg.findChild<QLineEdit*>(QStringLiteral("LEAnwender1"))->isReadOnly());
        dlg.findChild<QLineEdit*>(QStringLiteral("LEAnwender2"))->setText(QStringLiteral("Müller & Söhne  "));
        dlg.findChild<QPushButton*>(QStringLiteral("PBAnwenden"))->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(TestUmgebung::lies(Pfade::anwenderPath()), TextCodec::encode(geschrieben));
        QVERIFY(MessageBox::gezeigt().isEmpty());

        // The next fax proposes the new sender.
        WHFaxDlg fax;
        QVERIFY(fax.findChild<QTextEdit*>(QStringLiteral("TEAbsender"))
                    ->toPlainText()
                    .startsWith(geschrieben.section(QLatin1Char('\n'), 0, 1)));
    }

    void unschreibbar()
    {
        // The data folder is taken by a file: the values still take effect.
        QVERIFY(TestUmgebung::schreibe(Pfade::userDir() + QStringLiteral("data"), "kein Ordner"));
        WHAnwenderDlg dlg;
        dlg.findChild<QLineEdit*>(QStringLiteral("LEKundeNr"))->setText(QStringLiteral("K-2"));
        dlg.anwenden();
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Fehler"));
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(Pfade::anwenderPath()));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(AnwenderDaten::global().kundenNr, QStringLiteral("K-2"));
        QFile::remove(Pfade::userDir() + QStringLiteral("data"));
    }
};

QTEST_MAIN(TestAnwenderDlg)
#include "tst_anwenderdlg.moc"
