#include "app/pfade.h"
#include "app/zahl.h"
#include "model/artikelliste.h"
#include "testumgebung.h"
#include "ui/dateidialog.h"
#include "ui/messagebox.h"
#include "ui/whapplwindow.h"
#include "ui/whartikeldlg.h"
#include "ui/whmainwidget.h"
#include "ui/whmaterialwidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
const QByteArray katalog = "01.06.2008\n1\nRohre\n"
                           "150010\tVerbundrohr 16x2\tRolle\t300.00\t0\t1\t200\t1\t1\n"
                           "12345\tPr\xfc"
                           "fger\xe4t\t\t10.00\t0\t3\t1\t1\t0\n";
const QByteArray kopf = "V 081226Lieferant Preise" + QByteArray(91, ' ') + "04EUR\r\n";
} // namespace

// "&DATANORM einlesen..." in the article master: the user's catalogue, the catalogue in
// memory, the fields, the material page and the summary.
class TestDatanormEinlesen : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_appl;
    QTemporaryDir m_user;

    QString eigenerKatalog() const { return m_user.filePath(QStringLiteral("data/artikel0608.txt")); }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
        QVERIFY(TestUmgebung::schreibe(m_appl.filePath(QStringLiteral("data/artikel0608.txt")), katalog));
        QVERIFY(TestUmgebung::schreibe(m_user.filePath("preise.001"),
                                       kopf + "A;N;150010;00;Verbundrohr 16x2;;1;0;m;175;R;W;;\r\n"
                                              "A;N;4242;00;Neu <b>;;1;0;Stk;100;R;W;;\r\n"));
        QVERIFY(TestUmgebung::schreibe(m_user.filePath("falsch.001"),
                                       kopf + "A;N;150010;00;R\xe4;;1;0;m;1;R;W;;"));
    }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        Pfade::setApplDir(m_appl.path() + QLatin1Char('/'));
        Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
        QFile::remove(eigenerKatalog());
        MessageBox::leeren();
        DateiDialog::leeren();
        QVERIFY(ArtikelListe::global().load(Pfade::artikelPath()));
    }

    void einlesen_data()
    {
        QTest::addColumn<QString>("datei"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("titel"); // of the box shown, empty for none
        QTest::addColumn<QString>("text");  // a piece of its text
        QTest::addColumn<QString>("preis"); // in the master afterwards
        QTest::newRow("Preis") << "preise.001"
                               << "DATANORM-Import"
                               << "1 aktualisiert, 1 neu, 0 nicht gefunden, 0 übergangen, 0 abgelehnt"
                               << "350.00";
        QTest::newRow("Codepage") << "falsch.001"
                                  << "Fehler"
                                  << "Zeile 2, Byte 16 (0xE4) ist in Codepage 850 nicht erlaubt."
                                  << "300.00";
        QTest::newRow("abgebrochen") << QString() << QString() << QString() << "300.00";
    }

    // A read file updates the user's catalogue (the installation's stays), the catalogue in
    // memory and the shown article, and says what it took; a refused or cancelled one changes
    // nothing.
    void einlesen()
    {
        QFETCH(QString, datei);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        QFETCH(QString, preis);
        WHArtikelDlg dlg;
        QSignalSpy geaendert(&dlg, &WHArtikelDlg::katalogGeaendert);
        DateiDialog::setNextAnswer(datei.isEmpty() ? QString() : m_user.filePath(datei));
        dlg.findChild<QPushButton*>(QStringLiteral("PBDatanorm"))->click();

        const QList<MessageBox::Eintrag> boxen = MessageBox::gezeigt();
        QCOMPARE(boxen.size(), titel.isEmpty() ? 0 : 1);
        if (!titel.isEmpty()) {
            QVERIFY2(boxen.at(0).titel == titel, qPrintable(boxen.at(0).text));
            QVERIFY2(boxen.at(0).text.contains(text), qPrintable(boxen.at(0).text));
        }
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("LEPreisEuro"))->text(), preis);
        QCOMPARE(Zahl::fest(ArtikelListe::global().at(0).preis, 2), preis);
        QCOMPARE(geaendert.count(), titel == QLatin1String("DATANORM-Import") ? 1 : 0);
        QCOMPARE(QFile::exists(eigenerKatalog()), titel == QLatin1String("DATANORM-Import"));
        QCOMPARE(TestUmgebung::lies(m_appl.filePath(QStringLiteral("data/artikel0608.txt"))), katalog);
        if (QFile::exists(eigenerKatalog()))
            QCOMPARE(TestUmgebung::lies(eigenerKatalog()), QByteArray(katalog).replace("300.00", "350.00"));
    }

    // The material page shows the new price as soon as the import is done, with the master
    // still open.
    void materialSeiteFolgt()
    {
        WHApplWindow w;
        QVERIFY(!w.startFailed());
        auto* baum = w.mainWidget()->seite(7)->findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
        QVERIFY(baum);
        qobject_cast<WHMaterialWidget*>(w.mainWidget()->seite(7))->updateLVArtikel();
        const auto preisZeile = [baum] {
            const QList<QTreeWidgetItem*> z = baum->findItems(QStringLiteral("150010"), Qt::MatchRecursive);
            return z.isEmpty() ? QString() : z.first()->text(2);
        };
        QCOMPARE(preisZeile(), QStringLiteral("300.00"));
        QString waehrenddessen;
        QTimer::singleShot(0, this, [&] {
            auto* dlg = qobject_cast<WHArtikelDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            DateiDialog::setNextAnswer(m_user.filePath(QStringLiteral("preise.001")));
            dlg->datanormEinlesen();
            waehrenddessen = preisZeile();
            dlg->accept();
        });
        w.showArtikelDlg();
        QCOMPARE(waehrenddessen, QStringLiteral("350.00"));
    }
};

QTEST_MAIN(TestDatanormEinlesen)
#include "tst_datanormeinlesen.moc"
