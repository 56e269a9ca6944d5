#include "benchprojekt.h"

#include "app/pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

// Writes the benchmark's projects of 1, 30 and 300 rooms into a folder, so that the batch tool's
// output on them can be compared between two builds.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 3) {
        std::fprintf(stderr, "Aufruf: wandheizung-bench-projekte INSTALLATIONSORDNER ZIELORDNER\n");
        return 2;
    }
    QTemporaryDir benutzer;
    Pfade::setApplDir(QDir(argumente.at(1)).absolutePath() + QLatin1Char('/'));
    Pfade::setUserDir(benutzer.path() + QLatin1Char('/'));
    const QDir ziel(argumente.at(2));
    struct Groesse
    {
        int etagen;
        int raeume;
    };
    for (const Groesse g : {Groesse{1, 1}, Groesse{3, 10}, Groesse{15, 20}}) {
        QString fehler;
        const QString datei = ziel.filePath(QStringLiteral("projekt-%1.bwh").arg(g.etagen * g.raeume));
        if (!BenchProjekt::schreibe(datei, g.etagen, g.raeume, fehler)) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            return 1;
        }
    }
    return 0;
}
