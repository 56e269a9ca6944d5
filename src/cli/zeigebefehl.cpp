#include "cli/zeigebefehl.h"

#include "app/kataloge.h"
#include "app/zahl.h"
#include "cli/clikontext.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

namespace {

QString anzahl(int n, const char* einzahl, const char* mehrzahl)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

QString systemName(int system)
{
    const QString name = Kataloge::name(Kataloge::systeme(), system);
    return name.isEmpty() ? QStringLiteral("System %1").arg(system) : name;
}

QString projektZeile(const ProjektData& p)
{
    QStringList teile;
    if (!p.projektNr.isEmpty())
        teile << QStringLiteral("Nr. ") + p.projektNr;
    teile << p.datum.toString(QStringLiteral("dd.MM.yyyy"));
    teile << (p.stand == 1 ? QStringLiteral("Ausführungsplanung") : QStringLiteral("Kostenschätzung"));
    if (!p.strasse.isEmpty())
        teile << p.strasse;
    const QString ort = QStringList{p.plz, p.ort}.join(QLatin1Char(' ')).trimmed();
    if (!ort.isEmpty())
        teile << ort;
    return QStringLiteral("Projekt ") + p.name + QStringLiteral(": ") + teile.join(QStringLiteral(", "));
}

QString gebaeudeZeile(const GebaeudeData& g)
{
    return QStringLiteral(
               "Gebäude: %1, mittlere Vorlauftemperatur %2 °C, %3, übersch. Wärmebedarf %4 W/m², %5")
        .arg(systemName(g.systemIndex), Zahl::kurz(g.vorlauftemperatur),
             Kataloge::name(Kataloge::gebaeudeStandards(), g.gebaeudeAlter), Zahl::kurz(g.ueberWB),
             anzahl(g.anzahlEtagen, "Etage", "Etagen"));
}

QString etageZeile(const EtageData& e)
{
    QString text = QStringLiteral("Etage %1: %2, %3")
                       .arg(e.name, systemName(e.systemIndex), anzahl(e.anzahlRaeume, "Raum", "Räume"));
    if (e.istKeller())
        text += QStringLiteral(", Keller");
    return text;
}

QString raumZeile(const RaumData& r)
{
    QString text = QStringLiteral("Raum %1 (%2, %3 °C): %4 m², %5 W, %6, Wandfläche %7 m²")
                       .arg(r.name, Kataloge::name(Kataloge::raumTypen(), r.raumTyp),
                            Zahl::kurz(r.raumTemperatur), Zahl::kurz(r.flaeche), Zahl::kurz(r.waermebedarf),
                            systemName(r.systemIndex), Zahl::kurz(r.flaecheWH));
    if (r.flaecheFBH > 0.0f) {
        text += QStringLiteral(", Fußbodenheizung %1 m²").arg(Zahl::kurz(r.flaecheFBH));
        if (r.fbhDirekt)
            text += QStringLiteral(" direkt an HKV");
    }
    text += QStringLiteral(", Differenz %1 W, %2")
                .arg(Zahl::fest(r.differenz, 1), anzahl(r.heizflaechen.size(), "Fläche", "Flächen"));
    return text;
}

// The composition of surface i in a register system: its counts joined by "-", "n.v." when
// it has none.
QString zusammenstellung(const RaumData& r, int i)
{
    const int n = RaumData::zusammenstellungsBreite(r.systemIndex);
    if (n == 0)
        return QString();
    QStringList zahlen;
    bool vorhanden = false;
    for (int j = 0; j < n; ++j) {
        const int wert = r.zusammenstellung.value(i * n + j, -1);
        if (wert < 0)
            return QStringLiteral("n.v.");
        vorhanden = vorhanden || wert > 0;
        zahlen << QString::number(wert);
    }
    return vorhanden ? zahlen.join(QLatin1Char('-')) : QStringLiteral("n.v.");
}

QString flaechenZeile(const RaumData& r, int i)
{
    const Heizflaeche& h = r.heizflaechen.at(i);
    QString text = QStringLiteral("Fläche %1: %2 m², %3, %4 m, ")
                       .arg(i + 1)
                       .arg(Zahl::kurz(h.flaeche), anzahl(h.anzahlRegister, "Register", "Register"),
                            Zahl::kurz(h.entfernung));
    text += h.direkt ? QStringLiteral("direkt an HKV") : QStringLiteral("Heizkreis %1").arg(h.heizkreis + 1);
    const QString z = zusammenstellung(r, i);
    if (!z.isEmpty())
        text += QStringLiteral(", Zusammenst. ") + z;
    return text;
}

QString sonstigZeile(const SonstigData& s)
{
    return QStringLiteral("Sonstige Kosten: Stundensatz %1 €/h, Montagezeit %2 h, Abschlag %3")
        .arg(Zahl::fest(s.stundensatz, 2), Zahl::kurz(s.montagezeit), SonstigData::abschlagText(s.abschlag));
}

QString materialZeile(const MaterialData& m)
{
    int positionen = 0;
    for (float menge : m.mengen) {
        if (menge > 0.0f)
            ++positionen;
    }
    return QStringLiteral("Materialbedarf: ") + anzahl(positionen, "Position", "Positionen");
}

} // namespace

QString ZeigeBefehl::zeile(const WHBaseData& record)
{
    switch (record.type) {
    case WHBaseData::TypProjekt:
        return projektZeile(static_cast<const ProjektData&>(record));
    case WHBaseData::TypGebaeude:
        return gebaeudeZeile(static_cast<const GebaeudeData&>(record));
    case WHBaseData::TypEtage:
        return etageZeile(static_cast<const EtageData&>(record));
    case WHBaseData::TypRaum:
        return raumZeile(static_cast<const RaumData&>(record));
    case WHBaseData::TypSonstig:
        return sonstigZeile(static_cast<const SonstigData&>(record));
    case WHBaseData::TypMaterial:
        return materialZeile(static_cast<const MaterialData&>(record));
    default:
        return record.name;
    }
}

QString ZeigeBefehl::baumText(const ProjektBaum& baum)
{
    QString text;
    for (const WHListItem* item : baum.alle()) {
        int tiefe = 0;
        for (const WHListItem* p = item->parent(); p; p = p->parent())
            ++tiefe;
        const QString einzug(2 * tiefe, QLatin1Char(' '));
        text += einzug + zeile(*item->record());
        if (item->isHidden())
            text += QStringLiteral(" (ausgeblendet)");
        text += QLatin1Char('\n');
        if (item->type() == WHBaseData::TypRaum) {
            const auto& raum = static_cast<const RaumData&>(*item->record());
            for (int i = 0; i < raum.heizflaechen.size(); ++i)
                text += einzug + QStringLiteral("  ") + flaechenZeile(raum, i) + QLatin1Char('\n');
        }
    }
    return text;
}

int ZeigeBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    ProjektBaum baum;
    if (const int code = k.ladeEinProjekt(args, benutzung(), baum))
        return code;
    k.out() << baumText(baum);
    k.out().flush();
    return 0;
}
