#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "testumgebung.h"
#include "ui/dateidialog.h"
#include "ui/htmlviewer.h"
#include "ui/messagebox.h"
#include "ui/whapplwindow.h"
#include "ui/whbestellungdlg.h"
#include "ui/whfaxdlg.h"
#include "ui/whmaterialwidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {
// Rohre: the pipe in rolls of 25 m (fractional rolls) and a fitting; Zubehör: a device.
const char* const katalog = "01.06.2008\n2\nRohre\nZubehör\n"
                            "150010\tRohr 16x2\t\t20.00\t0\t1\t25\t1\t1\n"
                            "1234\tHülse\t\t10.00\t0\t3\t10\t1\t1\n"
                            "160000\tPrüfgerät\t\t100.00\t0\t3\t1\t2\t0\n";

QString label(QWidget* w, const char* name)
{
    return w->findChild<QLabel*>(QLatin1String(name))->text();
}

// Column 3 of every article row, in tree order.
QStringList mengen(QWidget* w)
{
    QStringList m;
    for (QTreeWidgetItemIterator it(w->findChild<QTreeWidget*>(QStringLiteral("treeWidget"))); *it; ++it) {
        if ((*it)->parent())
            m.append((*it)->text(3));
    }
    return m;
}

// Runs pruefe on the next modal dialog of type D once it is open, then closes it.
template <class D, class F> void beimOeffnen(F pruefe)
{
    QTimer::singleShot(0, [pruefe]() {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(d);
        pruefe(d);
        d->reject();
    });
}
} // namespace

// The order form: how it opens, how a typed quantity is taken, export and fax.
class TestBestellungDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir m_appl;
    QTemporaryDir m_user;

    QTreeWidgetItem* zeile(WHBestellungDlg& dlg, int gruppe, int kind)
    {
        return dlg.findChild<QTreeWidget*>(QStringLiteral("treeWidget"))->topLevelItem(gruppe)->child(kind);
    }

private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        MessageBox::setNichtAnzeigen(true);
        QVERIFY(TestUmgebung::schreibe(m_appl.filePath(QStringLiteral("data/artikel0608.txt")), katalog));
        for (const char* v : {"bestellung1.html", "bestellung2.html", "bestellung3.html"}) {
            const QString name = QStringLiteral("ausdrucke/") + QLatin1String(v);
            QVERIFY(TestUmgebung::schreibe(m_appl.filePath(name),
                                           TestUmgebung::lies(TestUmgebung::shareDir() + name)));
        }
    }

    void init()
    {
        TestUmgebung::zuruecksetzen();
        Pfade::setApplDir(m_appl.path() + QLatin1Char('/'));
        Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
        ArtikelListe::global().readCatalogue(QString::fromUtf8(katalog));
        MessageBox::leeren();
        DateiDialog::leeren();
    }

    void cleanup()
    {
        if (HtmlViewer* v = HtmlViewer::instanz())
            delete v;
    }

    // From the material page the requirement is rounded to whole packs (1.04 rolls order 1,
    // 1.3 packs 2); from the main window every quantity starts at 0.
    void oeffnen_data()
    {
        QTest::addColumn<bool>("vomMaterial");
        QTest::addColumn<QStringList>("mengen");
        QTest::addColumn<QString>("summe");
        QTest::newRow("Materialliste") << true << QStringList{"1", "2", "1"} << "140.00";
        QTest::newRow("Hauptfenster") << false << QStringList{"0", "0", "0"} << "0.00";
    }

    void oeffnen()
    {
        QFETCH(bool, vomMaterial);
        QFETCH(QStringList, mengen);
        QFETCH(QString, summe);
        QStringList gezeigt;
        QString gezeigtSumme;
        beimOeffnen<WHBestellungDlg>([&](WHBestellungDlg* d) {
            gezeigt = ::mengen(d);
            gezeigtSumme = label(d, "LSumme");
        });
        if (vomMaterial) {
            WHMaterialWidget seite;
            MaterialData m;
            m.mengen = {1.04f, 1.3f, 1.0f};
            seite.showData(m);
            seite.findChild<QPushButton*>(QStringLiteral("PBBestellDlg"))->click();
        } else {
            WHApplWindow w;
            for (int i = 0; i < ArtikelListe::global().size(); ++i)
                ArtikelListe::global().at(i).bestellMenge = 5; // left from an earlier order
            w.findChild<QAction*>(QStringLiteral("stdtBestellung"))->trigger();
        }
        QCOMPARE(gezeigt, mengen);
        QCOMPARE(gezeigtSumme, summe);
    }

    // Only whole packs are ordered; what the order holds is what the cell shows, and the
    // sums follow at once.
    void menge_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("menge");
        QTest::addColumn<QString>("gruppe");
        QTest::addColumn<QString>("summe");
        QTest::addColumn<QString>("brutto");
        QTest::newRow("ganz") << "3" << 3 << "30.00"
                              << "130.00"
                              << "154.70";
        QTest::newRow("Bruch") << "2.5" << 0 << "0.00"
                               << "100.00"
                               << "119.00";
        QTest::newRow("negativ") << "-4" << 0 << "0.00"
                                 << "100.00"
                                 << "119.00";
        QTest::newRow("Text") << "viel" << 0 << "0.00"
                              << "100.00"
                              << "119.00";
    }

    void menge()
    {
        QFETCH(QString, eingabe);
        QFETCH(int, menge);
        QFETCH(QString, gruppe);
        QFETCH(QString, summe);
        QFETCH(QString, brutto);
        ArtikelListe::global().at(2).bestellMenge = 1;
        WHBestellungDlg dlg;
        dlg.updateLVArtikel();
        QTreeWidgetItem* huelse = zeile(dlg, 0, 1);
        huelse->setText(3, eingabe);
        QCOMPARE(ArtikelListe::global().at(1).bestellMenge, menge);
        QCOMPARE(huelse->text(3), QString::number(menge));
        QCOMPARE(huelse->parent()->text(2), gruppe);
        QCOMPARE(label(&dlg, "LSumme"), summe);
        QCOMPARE(label(&dlg, "LSummeMwst"), brutto);
    }

    void exportieren()
    {
        ArtikelListe::global().at(1).bestellMenge = 4;
        WHBestellungDlg dlg;
        dlg.updateLVArtikel();
        const QString gewaehlt = m_user.filePath(QStringLiteral("bestellung.TXT"));
        const QString datei = gewaehlt + QStringLiteral(".txt");
        const QByteArray inhalt = TextCodec::encode(
            QStringLiteral("Pos.\tArt.-Nr.\tBezeichnung\tPreis\tMenge\n1\t01234\tHülse\t10,00\t4\n"));

        DateiDialog::setNextAnswer(gewaehlt);
        dlg.findChild<QPushButton*>(QStringLiteral("PBExport"))->click();
        QCOMPARE(DateiDialog::gefragt(),
                 QStringList{QStringLiteral(
                                 "Wandheizung: Bestellung exportieren als...|%1projekte|Textdatei (*.txt);;"
                                 "XLSX-Arbeitsmappe (*.xlsx);;CSV, Semikolon (*.csv)")
                                 .arg(Pfade::userDir())});
        QCOMPARE(TestUmgebung::lies(datei), inhalt);
        QVERIFY(MessageBox::gezeigt().isEmpty());

        // An existing file is replaced only after "Ok".
        ArtikelListe::global().at(1).bestellMenge = 6;
        MessageBox::setNextAnswer(1);
        DateiDialog::setNextAnswer(gewaehlt);
        dlg.exportieren();
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Exportieren"));
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("%1 existiert bereits.\nSoll es überschrieben werden?").arg(datei));
        QCOMPARE(MessageBox::gezeigt().at(0).knoepfe, (QStringList{"Ok", "Abbruch"}));
        QCOMPARE(TestUmgebung::lies(datei), inhalt);

        DateiDialog::setNextAnswer(QString());
        dlg.exportieren();
        QCOMPARE(MessageBox::gezeigt().size(), 1);
    }

    void exportFormat_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("filter"); // chosen in the dialog; empty: the first
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("anfang");
        QTest::newRow("Textdatei") << "b"
                                   << ""
                                   << "b.txt" << QByteArray("Pos.\tArt.-Nr.");
        QTest::newRow("XLSX nach Endung") << "b.xlsx"
                                          << ""
                                          << "b.xlsx" << QByteArray("PK");
        QTest::newRow("CSV nach Filter")
            << "b"
            << "CSV, Semikolon (*.csv)"
            << "b.csv"
            << QByteArray("\xEF\xBB\xBFPos.;Art.-Nr.;Bezeichnung;Menge;Preis (EUR);"
                          "Gesamt (EUR)\r\n;;Rohre;;;\r\n1;01234;Hülse;4;10,00;40,00");
        QTest::newRow("Endung gross nach Filter") << "b.CSV"
                                                  << "XLSX-Arbeitsmappe (*.xlsx)"
                                                  << "b.CSV.xlsx" << QByteArray("PK");
    }

    // The order is saved as text file, workbook or CSV by the suffix typed, else by the filter.
    void exportFormat()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, filter);
        QFETCH(QString, datei);
        QFETCH(QByteArray, anfang);
        QTemporaryDir ordner;
        ArtikelListe::global().at(1).bestellMenge = 4;
        WHBestellungDlg dlg;
        dlg.updateLVArtikel();
        DateiDialog::setNextAnswer(ordner.filePath(gewaehlt), filter);
        dlg.exportieren();
        QVERIFY(TestUmgebung::lies(ordner.filePath(datei)).startsWith(anfang));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(MessageBox::gezeigt().isEmpty());
    }

    void fax()
    {
        AnwenderDaten::global().readAnwender(
            QStringLiteral("Müller GmbH\nHeizungsbau\nWeg 1\n12345 Ort\n0123\n0124\nm@x.de\nK-9\n"));
        ArtikelListe::global().at(2).bestellMenge = 1;
        WHBestellungDlg dlg;
        dlg.updateLVArtikel();
        QString absender;
        QString kundenNr;
        QStringList lieferarten;
        beimOeffnen<WHFaxDlg>([&](WHFaxDlg* f) {
            absender = f->findChild<QTextEdit*>(QStringLiteral("TEAbsender"))->toPlainText();
            kundenNr = f->findChild<QLineEdit*>(QStringLiteral("LEKundenNr"))->text();
            auto* art = f->findChild<QComboBox*>(QStringLiteral("CBLieferart"));
            for (int i = 0; i < art->count(); ++i)
                lieferarten.append(art->itemText(i));
            art->setCurrentIndex(2);
            f->findChild<QTextEdit*>(QStringLiteral("TEBemerkung"))
                ->setPlainText(QStringLiteral("Tor <2>\nbis 9 Uhr"));
            f->drucken();
        });
        dlg.findChild<QPushButton*>(QStringLiteral("PBDrucken"))->click();
        QCOMPARE(absender, QStringLiteral("Müller GmbH\nHeizungsbau\nWeg 1\n12345 Ort"));
        QCOMPARE(kundenNr, QStringLiteral("K-9"));
        QCOMPARE(lieferarten, (QStringList{"BELVORO-LKW", "Paket", "Express", "Abholung", "Direkt"}));
        const QString html =
            TextCodec::decode(TestUmgebung::lies(Pfade::ausgabeDir() + QStringLiteral("ausdruck.html")));
        QVERIFY(html.contains(QStringLiteral("Müller GmbH<br>Heizungsbau<br>Weg 1<br>12345 Ort")));
        QVERIFY(html.contains(QStringLiteral(">Express</td>")));
        QVERIFY(html.contains(QStringLiteral("Tor &lt;2&gt;<br>bis 9 Uhr")));
        QVERIFY(html.contains(QStringLiteral("119.00 EUR")));
        QVERIFY(html.contains(QStringLiteral("<td>160000</td>\n<td>Prüfgerät</td>")));
        QVERIFY(HtmlViewer::instanz());
    }

    void faxOhnePositionsvorlage()
    {
        Pfade::setApplDir(m_user.filePath(QStringLiteral("leer")) + QLatin1Char('/'));
        WHBestellungDlg dlg;
        dlg.updateLVArtikel();
        dlg.print();
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("Datei bestellung.html konnte nicht geöffnet werden!"));
        QVERIFY(!HtmlViewer::instanz());
    }
};

QTEST_MAIN(TestBestellungDlg)
#include "tst_bestellungdlg.moc"
