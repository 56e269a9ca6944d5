#include "benchprojekt.h"
#include "messung.h"

#include "app/pfade.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "reports/berichte.h"
#include "ui/htmlviewer.h"
#include "ui/messagebox.h"
#include "ui/projektbaummodel.h"
#include "ui/whapplwindow.h"
#include "ui/whmainwidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

// Measures the batch tool and the program on generated projects of 1, 30 and 300 rooms and
// prints one table. Every figure is the median of several runs and is set against its floor
// measured in the same run: a bare Qt Core process for the batch steps, a bare main window
// with a menu bar for the steps in the program.
namespace {

struct Groesse
{
    int etagen;
    int raeume;
    QString datei;
};

struct Zeile
{
    QString schritt;
    QString ziel;
    QVector<double> ms; // one per size; negative: not measured
    QVector<double> boden;
};

QString zelle(double ms, double boden)
{
    if (ms < 0)
        return QStringLiteral("–");
    const QString zeit = ms < 10 ? QString::number(ms, 'f', 2) : QString::number(ms, 'f', 0);
    return QStringLiteral("%1 ms (%2×)").arg(zeit, QString::number(ms / boden, 'f', 1));
}

class Bench
{
public:
    Bench(const QString& cli, const QString& leer, int laeufe, const QString& ordner)
        : m_cli(cli), m_leer(leer), m_laeufe(laeufe), m_ordner(ordner)
    {
    }

    bool starte(QVector<Groesse>& groessen);
    void drucke(const QVector<Groesse>& groessen) const;

private:
    double prozess(const QString& programm, const QStringList& argumente, bool& ok, int laeufe = 0) const;
    double cli(const QStringList& argumente, bool& ok, int laeufe = 0) const;
    void stapel(const QVector<Groesse>& groessen);
    void programm(const QVector<Groesse>& groessen);
    Zeile& zeile(const QString& schritt, const QString& ziel, int n);

    QString m_cli;
    QString m_leer;
    int m_laeufe;
    QString m_ordner;
    bool m_pdf = false;
    QVector<Zeile> m_zeilen;
};

double Bench::prozess(const QString& programm, const QStringList& argumente, bool& ok, int laeufe) const
{
    return Messung::median(laeufe > 0 ? laeufe : m_laeufe, [&] {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programm, argumente);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            ok = false;
            std::fprintf(stderr, "%s %s: %s\n", qPrintable(programm), qPrintable(argumente.join(' ')),
                         p.readAll().constData());
        }
    });
}

double Bench::cli(const QStringList& argumente, bool& ok, int laeufe) const
{
    return prozess(m_cli,
                   QStringList{QStringLiteral("--appl-dir"), Pfade::applDir(), QStringLiteral("--user-dir"),
                               Pfade::userDir()} +
                       argumente,
                   ok, laeufe);
}

Zeile& Bench::zeile(const QString& schritt, const QString& ziel, int n)
{
    for (Zeile& z : m_zeilen) {
        if (z.schritt == schritt)
            return z;
    }
    m_zeilen.append({schritt, ziel, QVector<double>(n, -1.0), QVector<double>(n, 1.0)});
    return m_zeilen.last();
}

bool Bench::starte(QVector<Groesse>& groessen)
{
    QString fehler;
    for (Groesse& g : groessen) {
        g.datei = m_ordner + QStringLiteral("/projekt-%1.bwh").arg(g.etagen * g.raeume);
        if (!BenchProjekt::schreibe(g.datei, g.etagen, g.raeume, fehler)) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            return false;
        }
    }
    QProcess hilfe;
    hilfe.start(m_cli, {QStringLiteral("--help")});
    hilfe.waitForFinished();
    m_pdf = hilfe.readAll().contains("--pdf");
    stapel(groessen);
    programm(groessen);
    return true;
}

void Bench::stapel(const QVector<Groesse>& groessen)
{
    const int n = groessen.size();
    bool ok = true;
    const QString aus = m_ordner + QStringLiteral("/aus");
    for (int i = 0; i < n; ++i) {
        const QString datei = groessen.at(i).datei;
        const double boden = prozess(m_leer, {}, ok);
        // Batch steps are held to three times the bare process; a PDF, which lays out and paints
        // every page, to five seconds. A step and the bare process run in turns, so that a
        // machine whose load changes during the run does not tilt the ratios.
        auto miss = [&](const QString& schritt, const QStringList& argumente) {
            const bool pdf = argumente.contains(QStringLiteral("--pdf"));
            Zeile& z = zeile(schritt, pdf ? QStringLiteral("< 5 s") : QStringLiteral("≤ 3×"), n);
            if (pdf) {
                z.boden[i] = boden;
                z.ms[i] = cli(argumente, ok);
                return;
            }
            QVector<double> leer;
            QVector<double> mit;
            for (int lauf = 0; lauf < m_laeufe; ++lauf) {
                leer.append(prozess(m_leer, {}, ok, 1));
                mit.append(cli(argumente, ok, 1));
            }
            z.boden[i] = Messung::median(leer);
            z.ms[i] = Messung::median(mit);
        };
        Zeile& leer = zeile(QStringLiteral("Qt-Core-Prozess (Boden)"), QString(), n);
        leer.ms[i] = boden;
        leer.boden[i] = boden;
        miss(QStringLiteral("Prozessstart (--help)"), {QStringLiteral("--help")});
        miss(QStringLiteral("Laden + Prüfen (check)"), {QStringLiteral("check"), datei});
        miss(QStringLiteral("Laden + Speichern (convert)"),
             {QStringLiteral("convert"), datei, QStringLiteral("-o"), aus + QStringLiteral(".bwh")});
        miss(QStringLiteral("Materialberechnung (material)"), {QStringLiteral("material"), datei});
        miss(QStringLiteral("Abgleich CSV (abgleich)"),
             {QStringLiteral("abgleich"), datei, QStringLiteral("--csv"), aus + QStringLiteral(".csv")});
        if (m_pdf)
            miss(QStringLiteral("Abgleich PDF (abgleich)"),
                 {QStringLiteral("abgleich"), datei, QStringLiteral("--pdf"), aus + QStringLiteral(".pdf")});
        for (const char* art : {"eingaben1", "eingaben2", "kostenvoranschlag", "kostenangebot"}) {
            const QString kind = QLatin1String(art);
            miss(
                QStringLiteral("Bericht %1 HTML").arg(kind),
                {QStringLiteral("report"), kind, datei, QStringLiteral("-o"), aus + QStringLiteral(".html")});
            if (m_pdf)
                miss(QStringLiteral("Bericht %1 PDF").arg(kind),
                     {QStringLiteral("report"), kind, datei, QStringLiteral("--pdf"),
                      aus + QStringLiteral(".pdf")});
        }
    }
    if (!ok)
        std::fprintf(stderr, "Mindestens ein Aufruf des Stapelprogramms ist fehlgeschlagen.\n");
}

void Bench::programm(const QVector<Groesse>& groessen)
{
    const int n = groessen.size();
    MessageBox::setNichtAnzeigen(true);
    bool ok = true;
    const QString selbst = QCoreApplication::applicationFilePath();
    const QStringList ordner{QStringLiteral("--share"), Pfade::applDir(), QStringLiteral("--cli"), m_cli};
    for (int i = 0; i < n; ++i) {
        // Start-up as a process of its own: this program showing a bare main window with a menu
        // bar, against this program showing the window of the program.
        const double boden = prozess(selbst, QStringList{QStringLiteral("--leeres-fenster")} + ordner, ok);
        Zeile& leer = zeile(QStringLiteral("Leeres Hauptfenster (Boden)"), QString(), n);
        leer.ms[i] = boden;
        leer.boden[i] = boden;
        Zeile& start = zeile(QStringLiteral("Programmstart (Fenster)"), QString(), n);
        start.ms[i] = prozess(selbst, QStringList{QStringLiteral("--programm-fenster")} + ordner, ok);
        start.boden[i] = boden;
        auto setze = [&](const QString& schritt, const QString& ziel, double ms) {
            Zeile& z = zeile(schritt, ziel, n);
            z.ms[i] = ms;
            z.boden[i] = boden;
        };

        WHApplWindow fenster;
        fenster.show();
        fenster.ladeDatei(groessen.at(i).datei);
        QCoreApplication::processEvents();
        WHMainWidget* mw = fenster.mainWidget();
        QList<WHListItem*> raeume;
        for (WHListItem* e : mw->baum().etagen())
            raeume += mw->baum().raeume(e);
        // Every room page in turn, alternating with the floor, as walking the tree does.
        double summe = 0.0;
        int schritte = 0;
        for (int lauf = 0; lauf < m_laeufe; ++lauf) {
            for (WHListItem* r : raeume) {
                summe += Messung::median(1, [&] {
                    mw->waehle(r);
                    QCoreApplication::processEvents();
                });
                ++schritte;
            }
        }
        setze(QStringLiteral("Seitenwechsel Raum (Mittel)"), QStringLiteral("< 30 ms"), summe / schritte);
        setze(QStringLiteral("Materialseite berechnen"), QString(), Messung::median(m_laeufe, [&] {
                  mw->waehle(mw->baum().materialItem());
                  mw->BerechnungMaterialBedarf();
                  QCoreApplication::processEvents();
              }));
        // The preview shows the first pages, then reads the whole report in the background:
        // both times count from the click.
        QVector<double> erste;
        QVector<double> ganz;
        for (int lauf = 0; lauf < m_laeufe; ++lauf) {
            QElapsedTimer uhr;
            uhr.start();
            const BerichtErgebnis r = Berichte::ausgeben(Berichte::Eingaben2, mw->baum());
            HtmlViewer* v = HtmlViewer::zeigeAusdruck(r.orientierung, r.schriftGroesse);
            QCoreApplication::processEvents();
            erste.append(uhr.nsecsElapsed() / 1e6);
            while (!v->vollstaendig())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            ganz.append(uhr.nsecsElapsed() / 1e6);
        }
        setze(QStringLiteral("Vorschau Projekteingaben"), QStringLiteral("< 1 s"), Messung::median(erste));
        setze(QStringLiteral("Vorschau ganz gelesen"), QString(), Messung::median(ganz));
        if (HtmlViewer* v = HtmlViewer::instanz())
            delete v;
        mw->baum().changed = false;
        for (const MessageBox::Eintrag& e : MessageBox::gezeigt())
            std::fprintf(stderr, "Meldung %s: %s\n", qPrintable(e.titel), qPrintable(e.text));
        MessageBox::leeren();
    }
    if (!ok)
        std::fprintf(stderr, "Mindestens ein Fensterstart ist fehlgeschlagen.\n");
}

// Hidden modes for the start-up figures: show a window, let it paint once, end.
int fensterStart(bool programm)
{
    if (!programm) {
        QMainWindow w;
        w.menuBar()->addMenu(QStringLiteral("&Datei"));
        w.show();
        QCoreApplication::processEvents();
        return 0;
    }
    WHApplWindow w;
    if (w.startFailed())
        return 20;
    w.show();
    QCoreApplication::processEvents();
    return 0;
}

// Only what would stop a measurement reaches the terminal, not the offscreen platform's notes.
void meldungen(QtMsgType typ, const QMessageLogContext&, const QString& text)
{
    if (typ == QtCriticalMsg || typ == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

void Bench::drucke(const QVector<Groesse>& groessen) const
{
    QTextStream out(stdout);
    out << "Rechner: " << QSysInfo::prettyProductName() << ", " << QSysInfo::currentCpuArchitecture() << ", "
        << QThread::idealThreadCount() << " Kerne; Median aus " << m_laeufe << " Läufen\n\n";
    out << "| Schritt |";
    for (const Groesse& g : groessen)
        out << ' ' << g.etagen * g.raeume << (g.etagen * g.raeume == 1 ? " Raum |" : " Räume |");
    out << " Ziel |\n|---|";
    for (int i = 0; i < groessen.size(); ++i)
        out << "---|";
    out << "---|\n";
    for (const Zeile& z : m_zeilen) {
        out << "| " << z.schritt << " |";
        for (int i = 0; i < z.ms.size(); ++i)
            out << ' ' << zelle(z.ms.at(i), z.boden.at(i)) << " |";
        out << ' ' << z.ziel << " |\n";
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir einstellungen;
    QDir().mkpath(einstellungen.filePath(QStringLiteral("laufzeit")));
    QFile::setPermissions(einstellungen.filePath(QStringLiteral("laufzeit")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", einstellungen.filePath(QStringLiteral("laufzeit")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", einstellungen.filePath(QStringLiteral("user")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", einstellungen.filePath(QStringLiteral("system")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Misst Stapelprogramm und Programm an erzeugten Projekten."));
    parser.addHelpOption();
    const QCommandLineOption groessenOpt(QStringLiteral("groessen"),
                                         QStringLiteral("Projektgrößen in Räumen: 1, 30, 300."),
                                         QStringLiteral("LISTE"), QStringLiteral("1,30,300"));
    const QCommandLineOption laeufeOpt(QStringLiteral("laeufe"), QStringLiteral("Läufe je Messung."),
                                       QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption cliOpt(QStringLiteral("cli"), QStringLiteral("Pfad des Stapelprogramms."),
                                    QStringLiteral("PFAD"));
    QCommandLineOption leerOpt(QStringLiteral("leeres-fenster"));
    leerOpt.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption fensterOpt(QStringLiteral("programm-fenster"));
    fensterOpt.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption shareOpt(QStringLiteral("share"), QStringLiteral("Installationsordner."),
                                      QStringLiteral("ORDNER"));
    parser.addOptions({groessenOpt, laeufeOpt, cliOpt, shareOpt, leerOpt, fensterOpt});
    parser.process(app);
    qInstallMessageHandler(meldungen);

    const QString bin = QCoreApplication::applicationDirPath();
    const QString cli =
        parser.isSet(cliOpt) ? parser.value(cliOpt) : bin + QStringLiteral("/../src/wandheizung-cli");
    const QString leer = bin + QStringLiteral("/wandheizung-bench-leer");
    if (!parser.isSet(shareOpt) || !QFileInfo::exists(cli)) {
        std::fprintf(stderr, "Aufruf: wandheizung-bench --share ORDNER [--cli PFAD] [--groessen 1,30,300]\n");
        return 2;
    }
    QTemporaryDir arbeit;
    Pfade::setApplDir(QDir(parser.value(shareOpt)).absolutePath() + QLatin1Char('/'));
    Pfade::setUserDir(arbeit.path() + QLatin1Char('/'));
    QDir().mkpath(arbeit.filePath(QStringLiteral("ausdrucke")));

    if (parser.isSet(leerOpt) || parser.isSet(fensterOpt))
        return fensterStart(parser.isSet(fensterOpt));

    QVector<Groesse> groessen;
    for (const QString& teil : parser.value(groessenOpt).split(QLatin1Char(','))) {
        const int raeume = teil.toInt();
        if (raeume == 1)
            groessen.append({1, 1, {}});
        else if (raeume == 30)
            groessen.append({3, 10, {}});
        else if (raeume == 300)
            groessen.append({15, 20, {}});
        else {
            std::fprintf(stderr, "Größe %s: erlaubt sind 1, 30 und 300.\n", qPrintable(teil));
            return 2;
        }
    }
    Bench bench(QFileInfo(cli).absoluteFilePath(), leer, qMax(1, parser.value(laeufeOpt).toInt()),
                arbeit.path());
    if (!bench.starte(groessen))
        return 1;
    bench.drucke(groessen);
    return 0;
}
