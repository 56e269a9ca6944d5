#include "../reports/beispielprojekt.h"
#include "app/pfade.h"
#include "app/textcodec.h"
#include "druck/pdfausgabe.h"
#include "druck/seitendrucker.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "reports/berichte.h"
#include "reports/vorlage.h"
#include "testumgebung.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(Berichte::Art)

// Every printed document of the sample projects through the page painter the preview prints
// with, into PDF files: in a temporary folder, and in WH_PDF_DIR when that variable names a
// folder (to look at the pages).
class TestBerichtPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void bericht_data();
    void bericht();
    void beispielhaus_data();
    void beispielhaus();
    void bestellfax();

private:
    void drucke(const QString& html, const QString& name, int orientierung, int schrift);

    QTemporaryDir m_user;
    QTemporaryDir m_pdf;
};

void TestBerichtPdf::initTestCase()
{
    TestUmgebung::isolieren();
}

void TestBerichtPdf::init()
{
    TestUmgebung::zuruecksetzen();
    QVERIFY(TestUmgebung::ladeKatalog());
    Pfade::setApplDir(TestUmgebung::shareDir());
    Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
}

void TestBerichtPdf::drucke(const QString& html, const QString& name, int orientierung, int schrift)
{
    QTextDocument doc;
    // Relative images (the spacing image) resolve in the templates' folder.
    doc.setBaseUrl(QUrl::fromLocalFile(Pfade::vorlagenDir()));
    doc.setHtml(html);
    QFont font;
    font.setPointSize(schrift > 0 ? schrift : 10);
    Seitendrucker drucker(html, doc, font, Seitendrucker::MitAnwenderKopf);

    QStringList ziele{m_pdf.filePath(name + QStringLiteral(".pdf"))};
    const QString extra = qEnvironmentVariable("WH_PDF_DIR");
    if (!extra.isEmpty() && QDir().mkpath(extra))
        ziele << QDir(extra).filePath(name + QStringLiteral(".pdf"));
    for (const QString& ziel : ziele) {
        QCOMPARE(PdfAusgabe::schreibe(drucker, ziel, orientierung), PdfAusgabe::Geschrieben);
        QVERIFY2(QFileInfo(ziel).size() > 1000, qPrintable(ziel));
    }
    // Nothing of the template machinery reaches the page.
    const QString text = doc.toPlainText();
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("%[A-Za-z0-9_-]+%"))), qPrintable(name));
    QVERIFY(drucker.seiten() >= 1);
}

void TestBerichtPdf::bericht_data()
{
    QTest::addColumn<QString>("projekt");
    QTest::addColumn<Berichte::Art>("art");
    const QDir dir(TestUmgebung::shareDir() + QStringLiteral("projekte"));
    const struct
    {
        Berichte::Art art;
        const char* name;
    } arten[4] = {{Berichte::Eingaben1, "eingaben1"},
                  {Berichte::Eingaben2, "eingaben2"},
                  {Berichte::Kostenvoranschlag, "kostenvoranschlag"},
                  {Berichte::Kostenangebot, "kostenangebot"}};
    for (const QString& datei : dir.entryList({QStringLiteral("*.bwh")}, QDir::Files)) {
        for (const auto& a : arten)
            QTest::newRow(qPrintable(QFileInfo(datei).completeBaseName() + QLatin1Char('-') + a.name))
                << dir.filePath(datei) << a.art;
    }
}

void TestBerichtPdf::bericht()
{
    QFETCH(QString, projekt);
    QFETCH(Berichte::Art, art);
    ProjektBaum baum;
    QVERIFY(ProjektDatei::laden(baum, projekt).erfolgreich());
    const BerichtErgebnis r = Berichte::erstelle(art, baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    drucke(r.html, QString::fromLatin1(QTest::currentDataTag()), r.orientierung, r.schriftGroesse);
}

void TestBerichtPdf::beispielhaus_data()
{
    QTest::addColumn<int>("stand");
    QTest::addColumn<Berichte::Art>("art");
    QTest::newRow("beispielhaus-eingaben1") << 0 << Berichte::Eingaben1;
    QTest::newRow("beispielhaus-kostenvoranschlag") << 0 << Berichte::Kostenvoranschlag;
    QTest::newRow("beispielhaus-eingaben2") << 1 << Berichte::Eingaben2;
    QTest::newRow("beispielhaus-kostenangebot") << 1 << Berichte::Kostenangebot;
}

// A house with every system, a basement and a deduction of 5 %.
void TestBerichtPdf::beispielhaus()
{
    QFETCH(int, stand);
    QFETCH(Berichte::Art, art);
    ProjektBaum baum;
    Beispiel::haus(baum, stand);
    const BerichtErgebnis r = Berichte::erstelle(art, baum);
    QVERIFY2(r.ok, qPrintable(r.fehlerText));
    drucke(r.html, QString::fromLatin1(QTest::currentDataTag()), r.orientierung, r.schriftGroesse);
}

void TestBerichtPdf::bestellfax()
{
    // The order fax as the order form assembles it: head, one position per article, foot.
    QString kopf;
    QString position;
    QString fuss;
    QString fehler;
    QVERIFY(Vorlage::lade(QStringLiteral("bestellung1"), kopf, fehler));
    QVERIFY(Vorlage::lade(QStringLiteral("bestellung2"), position, fehler));
    QVERIFY(Vorlage::lade(QStringLiteral("bestellung3"), fuss, fehler));
    Vorlage::ersetze(kopf, QStringLiteral("%Date%"), QStringLiteral("12.05.2008"));
    Vorlage::ersetze(kopf, QStringLiteral("%KundeNr%"), QStringLiteral("40817"));
    Vorlage::ersetze(
        kopf, QStringLiteral("%Absender%"),
        Vorlage::html(QStringLiteral("Haustechnik Beispiel GmbH\nMax Muster\nAm Markt 3\n34117 Kassel"),
                      true));
    QString positionen;
    const QStringList artikel{
        "0150003|Mehrschichtverbundrohr 10x1,3|2", "0150010|Mehrschichtverbundrohr 16x2|1",
        "0150212|Schiebehülsen-Kupplung 16/10|14", "0151522|Heizkreisverteiler 4-fach im Schrank|1"};
    for (int i = 0; i < artikel.size(); ++i) {
        const QStringList f = artikel.at(i).split(QLatin1Char('|'));
        QString p = position;
        Vorlage::ersetze(p, QStringLiteral("%Pos%"), QString::number(i + 1));
        Vorlage::ersetze(p, QStringLiteral("%ArtNr%"), f.at(0));
        Vorlage::ersetze(p, QStringLiteral("%Bezeichnung%"), Vorlage::html(f.at(1)));
        Vorlage::ersetze(p, QStringLiteral("%Menge%"), f.at(2));
        positionen += p;
    }
    Vorlage::ersetze(fuss, QStringLiteral("%GesamtWert%"), QStringLiteral("1234.56"));
    Vorlage::ersetze(fuss, QStringLiteral("%Liefer%"), QStringLiteral("Paket"));
    Vorlage::ersetze(
        fuss, QStringLiteral("%Bemerk%"),
        Vorlage::html(QStringLiteral("Bitte bis Freitag liefern.\nAnlieferung über den Hof."), true));
    drucke(kopf + positionen + fuss, QStringLiteral("bestellfax"), BerichtErgebnis::druckerStandard, 0);
}

QTEST_MAIN(TestBerichtPdf)
#include "tst_berichtpdf.moc"
