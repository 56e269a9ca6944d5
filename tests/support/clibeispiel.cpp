#include "clibeispiel.h"

#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"

#include <QDebug>
#include <QProcess>

QString CliBeispiel::katalogText()
{
    return QStringLiteral("01.06.2008\n2\nRohre\nZubehör\n"
                          "150010\tVerbundrohr 16x2\tVerbundrohr in Rollen\t300.00\t0\t1\t200\t1\t1\n"
                          "12345\tPrüfgerät\t\t10.00\t0\t3\t1\t2\t0\n"
                          "150215\tSchiebehülse\t\t12.50\t0\t3\t10\t1\t1\n"
                          "150900\tWandhaken\t\t0.35\t0\t3\t1\t2\t1\n"
                          "151520\tVerteiler 2fach\t\t150.00\t0\t3\t1\t2\t1\n"
                          "150801\tEntlüfter\t\t5.00\t0\t3\t1\t2\t1\n"
                          "999999\tWerkzeug\t\t99.00\t0\t3\t1\t2\t0\n");
}

QString CliBeispiel::speichereProjekt(const QString& datei, bool mitListe, bool fehlerhaft)
{
    ProjektBaum baum;
    baum.newProjekt();
    auto e = std::make_unique<EtageData>(baum.gebaeude());
    e->name = QStringLiteral("EG");
    WHListItem* eg = baum.insert(baum.gebaeudeItem(), 0, std::move(e));
    auto r = std::make_unique<RaumData>(static_cast<EtageData*>(eg->record()));
    r->name = QStringLiteral("Bad");
    for (double entfernung : {15.0, 18.0}) {
        Heizflaeche h;
        h.flaeche = 5;
        h.anzahlRegister = 2;
        h.entfernung = entfernung;
        r->heizflaechen.append(h);
    }
    if (fehlerhaft)
        r->flaecheWH = 20.0f;
    baum.insert(eg, 0, std::move(r));
    if (mitListe) {
        auto m = std::make_unique<MaterialData>();
        m->mengen = {5.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        WHListItem* root = baum.root();
        baum.setMaterialItem(baum.insert(root, root->childCount(), std::move(m)));
    }
    QString fehler;
    if (!ProjektDatei::speichern(baum, datei, fehler))
        qWarning() << fehler;
    return datei;
}

CliBeispiel::Lauf CliBeispiel::starte(const QString& applDir, const QString& userDir, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(WH_CLI_PATH),
            QStringList{QStringLiteral("--appl-dir"), applDir, QStringLiteral("--user-dir"), userDir} + args);
    Lauf lauf;
    if (!p.waitForFinished(60000))
        return lauf;
    lauf.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    lauf.out = QString::fromUtf8(p.readAllStandardOutput());
    lauf.err = QString::fromUtf8(p.readAllStandardError());
    return lauf;
}
