#include "app/pfade.h"
#include "app/programm.h"
#include "app/textcodec.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "reports/berichte.h"
#include "testumgebung.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Berichte::Art)

namespace {

struct Lauf
{
    int exitCode = -1;
    QString err;
};

// Without a display the tool chooses the offscreen platform itself for PDF output.
Lauf starte(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QLatin1String(name));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(WH_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QString beispiel(const QString& name)
{
    return TestUmgebung::shareDir() + QStringLiteral("projekte/") + name;
}

} // namespace

class TestBerichtBefehl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void wieDasProgramm_data();
    void wieDasProgramm();
    void mehrwertsteuer();
    void fehlendeVorlage();
    void falscherAufruf_data();
    void falscherAufruf();
    void fehlendesProjekt();
    void pdf_data();
    void pdf();

private:
    QString erwartet(Berichte::Art art, const QString& projekt);

    QTemporaryDir m_user;
    QTemporaryDir m_aus;
};

void TestBerichtBefehl::initTestCase()
{
    TestUmgebung::isolieren();
    if (!QFileInfo::exists(beispiel(QStringLiteral("einfamilienhaus-kostenschaetzung.bwh"))))
        QSKIP("sample projects not installed");
}

void TestBerichtBefehl::init()
{
    TestUmgebung::zuruecksetzen();
    QVERIFY(TestUmgebung::ladeKatalog());
    Pfade::setApplDir(TestUmgebung::shareDir());
    Pfade::setUserDir(m_user.path() + QLatin1Char('/'));
}

// The document the program's drivers make of the project.
QString TestBerichtBefehl::erwartet(Berichte::Art art, const QString& projekt)
{
    ProjektBaum baum;
    if (!ProjektDatei::laden(baum, projekt).erfolgreich())
        return QString();
    return Berichte::erstelle(art, baum).html;
}

void TestBerichtBefehl::wieDasProgramm_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("projekt");
    QTest::addColumn<Berichte::Art>("bericht");
    const QString schaetzung = QStringLiteral("einfamilienhaus-kostenschaetzung.bwh");
    const QString ausfuehrung = QStringLiteral("einfamilienhaus-ausfuehrung.bwh");
    // The general kinds follow the project's stage, as the print actions do.
    QTest::newRow("eingaben Kostenschätzung") << "eingaben" << schaetzung << Berichte::Eingaben1;
    QTest::newRow("eingaben Ausführung") << "eingaben" << ausfuehrung << Berichte::Eingaben2;
    QTest::newRow("kosten Kostenschätzung") << "kosten" << schaetzung << Berichte::Kostenvoranschlag;
    QTest::newRow("kosten Ausführung") << "kosten" << ausfuehrung << Berichte::Kostenangebot;
    QTest::newRow("eingaben2 Kostenschätzung") << "eingaben2" << schaetzung << Berichte::Eingaben2;
    QTest::newRow("kostenangebot Kostenschätzung")
        << "kostenangebot" << schaetzung << Berichte::Kostenangebot;
    QTest::newRow("eingaben1 Ausführung") << "eingaben1" << ausfuehrung << Berichte::Eingaben1;
    QTest::newRow("kostenvoranschlag Ausführung")
        << "kostenvoranschlag" << ausfuehrung << Berichte::Kostenvoranschlag;
}

void TestBerichtBefehl::wieDasProgramm()
{
    QFETCH(QString, art);
    QFETCH(QString, projekt);
    QFETCH(Berichte::Art, bericht);
    const QString ziel = m_aus.filePath(art + QStringLiteral(".html"));
    const Lauf l =
        starte({QStringLiteral("--appl-dir"), TestUmgebung::shareDir(), QStringLiteral("--user-dir"),
                m_user.path(), QStringLiteral("report"), art, beispiel(projekt), QStringLiteral("-o"), ziel});
    QVERIFY2(l.exitCode == 0, qPrintable(l.err));
    const QString html = erwartet(bericht, beispiel(projekt));
    QVERIFY(!html.isEmpty());
    QCOMPARE(TestUmgebung::lies(ziel), TextCodec::encode(html));
    // The user's output file of the program is left alone.
    QVERIFY(!QFileInfo::exists(Berichte::ausgabePfad()));
}

void TestBerichtBefehl::mehrwertsteuer()
{
    const QString ziel = m_aus.filePath(QStringLiteral("mwst.html"));
    const QString projekt = beispiel(QStringLiteral("einfamilienhaus-kostenschaetzung.bwh"));
    const Lauf l = starte({QStringLiteral("--appl-dir"), TestUmgebung::shareDir(), QStringLiteral("report"),
                           QStringLiteral("kostenvoranschlag"), projekt, QStringLiteral("--mwst"),
                           QStringLiteral("7"), QStringLiteral("-o"), ziel});
    QVERIFY2(l.exitCode == 0, qPrintable(l.err));
    Programm::setMwstSatz(0.07f);
    const QString html = erwartet(Berichte::Kostenvoranschlag, projekt);
    QCOMPARE(TestUmgebung::lies(ziel), TextCodec::encode(html));
    QVERIFY(html.contains(QLatin1String("zzgl. 7 % MwSt.")));
}

void TestBerichtBefehl::fehlendeVorlage()
{
    QTemporaryDir appl;
    const QDir share(TestUmgebung::shareDir());
    QDir().mkpath(appl.filePath(QStringLiteral("ausdrucke")));
    QDir().mkpath(appl.filePath(QStringLiteral("data")));
    QVERIFY(QFile::copy(share.filePath(QStringLiteral("data/artikel0608.txt")),
                        appl.filePath(QStringLiteral("data/artikel0608.txt"))));
    const QDir vorlagen(share.filePath(QStringLiteral("ausdrucke")));
    for (const QString& f : vorlagen.entryList(QDir::Files)) {
        if (f != QLatin1String("kazus.html"))
            QVERIFY(QFile::copy(vorlagen.filePath(f), appl.filePath(QStringLiteral("ausdrucke/") + f)));
    }
    const QString ziel = m_aus.filePath(QStringLiteral("fehlt.html"));
    const QString pdfZiel = m_aus.filePath(QStringLiteral("fehlt.pdf"));
    const Lauf l =
        starte({QStringLiteral("--appl-dir"), appl.path(), QStringLiteral("report"), QStringLiteral("kosten"),
                beispiel(QStringLiteral("einfamilienhaus-ausfuehrung.bwh")), QStringLiteral("-o"), ziel,
                QStringLiteral("--pdf"), pdfZiel});
    QCOMPARE(l.exitCode, 1);
    QVERIFY2(l.err.contains(QStringLiteral("Datei kazus.html konnte nicht geöffnet werden!")),
             qPrintable(l.err));
    QVERIFY(!QFileInfo::exists(ziel));
    QVERIFY(!QFileInfo::exists(pdfZiel));
}

void TestBerichtBefehl::falscherAufruf_data()
{
    QTest::addColumn<QStringList>("args");
    const QString p = beispiel(QStringLiteral("einfamilienhaus-kostenschaetzung.bwh"));
    QTest::newRow("unbekannte Art") << QStringList{"report", "angebot", p, "-o", "x.html"};
    QTest::newRow("ohne Ziel") << QStringList{"report", "eingaben", p};
    QTest::newRow("ohne Datei") << QStringList{"report", "eingaben", "-o", "x.html"};
    QTest::newRow("Steuersatz kein Wert")
        << QStringList{"report", "kosten", p, "-o", "x.html", "--mwst", "neunzehn"};
    QTest::newRow("Steuersatz zu hoch")
        << QStringList{"report", "kosten", p, "-o", "x.html", "--mwst", "120"};
}

void TestBerichtBefehl::falscherAufruf()
{
    QFETCH(QStringList, args);
    const Lauf l = starte(QStringList{QStringLiteral("--appl-dir"), TestUmgebung::shareDir()} + args);
    QCOMPARE(l.exitCode, 2);
    QVERIFY(l.err.contains(QLatin1String("report eingaben|kosten")));
}

void TestBerichtBefehl::fehlendesProjekt()
{
    const QString ziel = m_aus.filePath(QStringLiteral("keins.html"));
    const Lauf l = starte({QStringLiteral("--appl-dir"), TestUmgebung::shareDir(), QStringLiteral("report"),
                           QStringLiteral("eingaben"), m_aus.filePath(QStringLiteral("gibtsnicht.bwh")),
                           QStringLiteral("-o"), ziel});
    QCOMPARE(l.exitCode, 1);
    QVERIFY(!QFileInfo::exists(ziel));
}

void TestBerichtBefehl::pdf_data()
{
    QTest::addColumn<QStringList>("ausgabe");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("PDF allein") << QStringList{"--pdf", "bericht.pdf"} << 0 << "";
    QTest::newRow("PDF und HTML") << QStringList{"--pdf", "bericht.pdf", "-o", "bericht.html"} << 0 << "";
    QTest::newRow("PDF-Ziel nicht schreibbar") << QStringList{"--pdf", "fehlt/bericht.pdf"} << 1
                                               << "Datei %1fehlt/bericht.pdf konnte nicht geöffnet werden!";
    QTest::newRow("PDF ohne Namen") << QStringList{"--pdf"} << 2 << "report eingaben|kosten";
}

// The pages of the preview, with the header from the user folder's data and the host's
// "anwender.ini" as the program takes them over at start.
void TestBerichtBefehl::pdf()
{
    QFETCH(QStringList, ausgabe);
    QFETCH(int, exitCode);
    QFETCH(QString, meldung);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir ordner;
    const QString aus = ordner.path() + QLatin1Char('/');
    QVERIFY(TestUmgebung::schreibe(m_user.filePath(QStringLiteral("data/anwender.txt")),
                                   TextCodec::encode(QStringLiteral("alter Name\n\nAm Markt 3\n34117 Kassel\n"
                                                                    "0561 12345\n0561 12346\n\n\n\n"))));
    QTemporaryDir host;
    QVERIFY(TestUmgebung::schreibe(host.filePath(QStringLiteral("ini/anwender.ini")),
                                   TextCodec::encode(QStringLiteral("Anwender1=Haustechnik Müller GmbH\n"))));
    {
        QSettings quintel(QSettings::SystemScope, QStringLiteral("Belvoro"), QStringLiteral("Quintel"));
        quintel.setValue(QStringLiteral("Pfad"), host.path());
    }
    QStringList args{QStringLiteral("--appl-dir"),
                     TestUmgebung::shareDir(),
                     QStringLiteral("--user-dir"),
                     m_user.path(),
                     QStringLiteral("report"),
                     QStringLiteral("eingaben"),
                     beispiel(QStringLiteral("einfamilienhaus-ausfuehrung.bwh"))};
    for (const QString& a : ausgabe)
        args << (a.startsWith(QLatin1Char('-')) ? a : aus + a);
    const Lauf l = starte(args);
    QSettings(QSettings::SystemScope, QStringLiteral("Belvoro"), QStringLiteral("Quintel")).clear();

    QVERIFY2(l.exitCode == exitCode, qPrintable(l.err));
    if (exitCode != 0) {
        QVERIFY2(l.err.contains(meldung.replace(QStringLiteral("%1"), aus)), qPrintable(l.err));
        QCOMPARE(QDir(aus).entryList(QDir::Files), QStringList());
        return;
    }
    QCOMPARE(QFileInfo::exists(aus + QStringLiteral("bericht.html")), ausgabe.contains(QStringLiteral("-o")));
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), aus + QStringLiteral("bericht.pdf"), QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString seiten = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(seiten.contains(QRegularExpression(QStringLiteral("Haustechnik Müller GmbH +Am Markt 3"))),
             qPrintable(seiten));
    QVERIFY(seiten.contains(
        QRegularExpression(QStringLiteral("Tel.: 0561 12345 Fax: 0561 12346 +34117 Kassel"))));
    QVERIFY(seiten.contains(QStringLiteral("Einfamilienhaus")));
    QVERIFY(seiten.contains(QRegularExpression(QStringLiteral("Wandheizung Version 1.6 +Seite 2"))));
}

QTEST_GUILESS_MAIN(TestBerichtBefehl)
#include "tst_berichtbefehl.moc"
