#include "model/projektdatei.h"

#include "app/kataloge.h"
#include "app/programm.h"
#include "app/textcodec.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// A project of the largest allowed size (15 floors of 20 rooms with 30 surfaces each and a
// material list over a large catalogue) stays far below this; anything bigger is not a
// project file, and reading it whole would only tie up memory.
constexpr qint64 maxDateiGroesse = 16 * 1024 * 1024;

// The file name without its folder, ready for a rich-text message.
QString ohneOrdner(const QString& dateiName)
{
    return QFileInfo(dateiName).fileName().toHtmlEscaped();
}

// The line code: the first character as a digit, -1 when the line does not start with one.
int zeilenCode(const QString& zeile)
{
    if (zeile.isEmpty())
        return -1;
    const QChar c = zeile.at(0);
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
}

// The number of children of a building or floor that count: a cut child is on the clipboard.
int gezaehlteKinder(const WHListItem* item)
{
    int n = 0;
    for (int i = 0; i < item->childCount(); ++i) {
        if (!item->child(i)->cut)
            ++n;
    }
    return n;
}

// Versions whose rooms, surfaces and material list the reader converts; a file of one of
// them is announced to the user after loading.
bool istAeltereVersion(const QString& version)
{
    return version == QLatin1String("1.0") || version == QLatin1String("1.1") ||
           version == QLatin1String("1.2") || version == QLatin1String("1.3");
}

// How many lines from position i on carry the code, up to the next line of one of the
// codes that end the section (a floor ends the rooms of the floor before it).
int zaehleZeilen(const QStringList& zeilen, int i, int code, std::initializer_list<int> ende)
{
    int n = 0;
    for (; i < zeilen.size(); ++i) {
        const int c = zeilenCode(zeilen.at(i).trimmed());
        if (c == code)
            ++n;
        else if (std::find(ende.begin(), ende.end(), c) != ende.end())
            break;
    }
    return n;
}

// The messages for a file beyond the program's limits; name and file name are escaped for
// the rich-text box.
QString zuVieleEtagen(const QString& datei, int anzahl)
{
    return QStringLiteral("Datei <b>%1</b>: Das Gebäude hat %2 Etagen, erlaubt sind höchstens %3.")
        .arg(datei)
        .arg(anzahl)
        .arg(Kataloge::maxEtagen);
}

QString zuVieleRaeume(const QString& datei, const QString& etage, int anzahl)
{
    return QStringLiteral("Datei <b>%1</b>: Etage %2 hat %3 Räume, erlaubt sind höchstens %4.")
        .arg(datei, etage.toHtmlEscaped())
        .arg(anzahl)
        .arg(Kataloge::maxRaeume);
}

QString zuVieleFlaechen(const QString& datei, const QString& raum, const QString& etage, int anzahl)
{
    return QStringLiteral(
               "Datei <b>%1</b>: Raum %2 (Etage %3) hat %4 Heizflächen, erlaubt sind höchstens %5.")
        .arg(datei, raum.toHtmlEscaped(), etage.toHtmlEscaped())
        .arg(anzahl)
        .arg(Kataloge::maxFlaechen);
}

// Reads the lines of a project file after its header into the (emptied) tree. False on the
// first line that has no place in a project: an unknown code, a record without its parent,
// a record that appears twice or beyond the limits of floors, rooms or surfaces, or a line
// with too few fields. A file beyond the limits also gets grenzText, which names the place
// and the limit.
bool leseProjekt(ProjektBaum& baum, const QStringList& zeilen, const QString& version, const QString& datei,
                 QString& grenzText)
{
    WHListItem* projekt = nullptr;
    WHListItem* gebaeude = nullptr;
    WHListItem* sonstig = nullptr;
    WHListItem* material = nullptr;
    WHListItem* etage = nullptr; // the floor read last
    WHListItem* raum = nullptr;  // the room read last on that floor

    for (int i = 1; i < zeilen.size(); ++i) {
        const QString zeile = zeilen.at(i).trimmed();
        // A line that does not start with a digit reads as code 0.
        const int code = std::max(0, zeilenCode(zeile));
        switch (code) {
        case WHBaseData::TypProjekt: {
            if (projekt)
                return false;
            auto record = std::make_unique<ProjektData>();
            if (!record->fromString(zeile, version))
                return false;
            projekt = baum.setRoot(std::move(record));
            break;
        }
        case WHBaseData::TypGebaeude: {
            if (!projekt || gebaeude)
                return false;
            auto record = std::make_unique<GebaeudeData>();
            if (!record->fromString(zeile, version))
                return false;
            gebaeude = baum.insert(projekt, 0, std::move(record));
            break;
        }
        case WHBaseData::TypEtage: {
            if (!gebaeude)
                return false;
            if (gebaeude->childCount() >= Kataloge::maxEtagen) {
                grenzText = zuVieleEtagen(datei, Kataloge::maxEtagen + zaehleZeilen(zeilen, i, 2, {}));
                return false;
            }
            auto record = std::make_unique<EtageData>(static_cast<GebaeudeData*>(gebaeude->record()));
            if (!record->fromString(zeile, version))
                return false;
            etage = baum.insert(gebaeude, etage ? etage->row() + 1 : 0, std::move(record));
            raum = nullptr;
            break;
        }
        case WHBaseData::TypRaum: {
            if (!etage)
                return false;
            if (etage->childCount() >= Kataloge::maxRaeume) {
                grenzText = zuVieleRaeume(datei, etage->record()->name,
                                          Kataloge::maxRaeume + zaehleZeilen(zeilen, i, 3, {2, 4, 7}));
                return false;
            }
            auto record = std::make_unique<RaumData>(static_cast<EtageData*>(etage->record()));
            if (!record->fromString(zeile, version))
                return false;
            raum = baum.insert(etage, raum ? raum->row() + 1 : 0, std::move(record));
            break;
        }
        case WHBaseData::TypSonstig: {
            if (!projekt || sonstig)
                return false;
            auto record = std::make_unique<SonstigData>();
            if (!record->fromString(zeile, version))
                return false;
            sonstig = baum.insert(projekt, gebaeude ? gebaeude->row() + 1 : 0, std::move(record));
            break;
        }
        case WHBaseData::TypFlaechen:
        case WHBaseData::TypZusammenstellung:
            // Surface lines belong to the room read last before them.
            if (!raum)
                return false;
            if (code == WHBaseData::TypFlaechen) {
                const int n = RaumData::flaechenInZeile(zeile, version);
                if (n > Kataloge::maxFlaechen) {
                    grenzText = zuVieleFlaechen(datei, raum->record()->name, etage->record()->name, n);
                    return false;
                }
            }
            if (!static_cast<RaumData*>(raum->record())->fromStringFlaechen(zeile, version))
                return false;
            break;
        case WHBaseData::TypMaterial: {
            if (!projekt || material)
                return false;
            auto record = std::make_unique<MaterialData>();
            if (!record->fromString(zeile, version))
                return false;
            material = baum.insert(projekt, projekt->childCount(), std::move(record));
            break;
        }
        default:
            return false;
        }
    }
    if (!projekt || !gebaeude || !sonstig)
        return false;

    // The tree is the authority on how many floors and rooms there are: a count field that
    // disagrees with the lines that follow it would let the building and floor pages delete
    // or invent floors and rooms.
    gebaeude->record()->setAnzahl(gezaehlteKinder(gebaeude));
    for (int i = 0; i < gebaeude->childCount(); ++i) {
        WHListItem* e = gebaeude->child(i);
        e->record()->setAnzahl(gezaehlteKinder(e));
    }

    baum.setMaterialItem(material);
    const int stand = static_cast<ProjektData*>(projekt->record())->stand;
    if (material && stand == 0)
        baum.setHidden(material, true);
    Programm::setStand(stand);
    return true;
}

// Line codes of a heat-demand project.
constexpr int wbProjekt = 1;
constexpr int wbEtage = 2;
constexpr int wbRaum = 3;

// Imports the lines of a heat-demand project after its header into the (emptied) tree.
// Floors and rooms are each put first, so they appear in the reverse of the file's order.
bool leseImport(ProjektBaum& baum, const QStringList& zeilen, const QString& datei, QString& grenzText)
{
    WHListItem* projekt = nullptr;
    WHListItem* gebaeude = nullptr;
    WHListItem* etage = nullptr; // the floor read last

    for (int i = 1; i < zeilen.size(); ++i) {
        const QString zeile = zeilen.at(i).trimmed();
        switch (zeilenCode(zeile)) {
        case wbProjekt: {
            // A file holds one project; a second project line has no place in it.
            if (projekt)
                return false;
            auto record = std::make_unique<ProjektData>();
            if (!record->fromStringWB(zeile))
                return false;
            projekt = baum.setRoot(std::move(record));
            gebaeude = baum.insert(projekt, 0, std::make_unique<GebaeudeData>());
            baum.insert(projekt, 1, std::make_unique<SonstigData>());
            break;
        }
        case wbEtage: {
            if (!gebaeude)
                return false;
            if (gebaeude->childCount() >= Kataloge::maxEtagen) {
                grenzText = zuVieleEtagen(datei, Kataloge::maxEtagen + zaehleZeilen(zeilen, i, wbEtage, {}));
                return false;
            }
            auto* g = static_cast<GebaeudeData*>(gebaeude->record());
            auto record = std::make_unique<EtageData>(g);
            if (!record->fromStringWB(zeile))
                return false;
            g->setAnzahl(g->anzahl() + 1);
            etage = baum.insert(gebaeude, 0, std::move(record));
            break;
        }
        case wbRaum: {
            if (!etage)
                return false;
            if (etage->childCount() >= Kataloge::maxRaeume) {
                grenzText = zuVieleRaeume(datei, etage->record()->name,
                                          Kataloge::maxRaeume + zaehleZeilen(zeilen, i, wbRaum, {wbEtage}));
                return false;
            }
            auto* e = static_cast<EtageData*>(etage->record());
            auto record = std::make_unique<RaumData>(e);
            if (!record->fromStringWB(zeile))
                return false;
            e->setAnzahl(e->anzahl() + 1);
            baum.insert(etage, 0, std::move(record));
            break;
        }
        default:
            // The heat-demand program's other lines carry nothing the wall heating needs.
            break;
        }
    }
    if (!projekt)
        return false;
    baum.setMaterialItem(nullptr);
    Programm::setStand(static_cast<ProjektData*>(projekt->record())->stand);
    return true;
}

// After a failed read the tree must hold nothing that could be saved over the file: a new,
// empty project that is not marked as changed.
void neuesProjekt(ProjektBaum& baum)
{
    baum.newProjekt();
    baum.changed = false;
    Programm::setStand(0);
}

bool istAusgeschnitten(const WHListItem* item)
{
    for (; item; item = item->parent()) {
        if (item->cut)
            return true;
    }
    return false;
}

// The file text of every item that is not cut, in pre-order, hidden items included.
QString dateiText(const ProjektBaum& baum)
{
    QString text = QStringLiteral("# WH Version %1\n").arg(Programm::version());
    for (const WHListItem* item : baum.alle()) {
        if (!istAusgeschnitten(item))
            text += item->record()->toString();
    }
    return text;
}

void loescheAusgeschnittenes(ProjektBaum& baum)
{
    WHListItem* c = baum.clipboard();
    if (c && c->cut)
        baum.remove(c);
}

} // namespace

LadeErgebnis ProjektDatei::laden(ProjektBaum& baum, const QString& dateiName)
{
    LadeErgebnis e;
    const QString kurzName = ohneOrdner(dateiName);

    QFile file(dateiName);
    if (!file.open(QIODevice::ReadOnly)) {
        e.art = LadeErgebnis::NichtGeoeffnet;
        e.statusText = QStringLiteral("Fehler beim laden des Projekts %1").arg(dateiName);
        e.meldungTitel = QStringLiteral("Fehler");
        e.meldungText = QStringLiteral("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(kurzName);
        return e;
    }
    const QByteArray bytes = file.read(maxDateiGroesse + 1);
    file.close();
    return lesen(baum, bytes, dateiName);
}

LadeErgebnis ProjektDatei::lesen(ProjektBaum& baum, const QByteArray& bytes, const QString& dateiName)
{
    LadeErgebnis e;
    const QString kurzName = ohneOrdner(dateiName);
    const bool zuGross = bytes.size() > maxDateiGroesse;
    const QStringList zeilen = TextCodec::lines(TextCodec::decode(bytes));
    const QString kopf = zeilen.value(0).trimmed();

    if (kopf.startsWith(QLatin1String("# WH"))) {
        QString version = kopf.split(QStringLiteral("Version")).value(1).trimmed();
        if (version == QLatin1String("1.4") || version == QLatin1String("1.41"))
            version = QStringLiteral("1.3");
        baum.clear();
        QString grenzText;
        if (zuGross || !leseProjekt(baum, zeilen, version, kurzName, grenzText)) {
            neuesProjekt(baum);
            e.art = LadeErgebnis::Fehlgeschlagen;
            e.statusText = QStringLiteral("Fehler beim laden des Projekts %1").arg(dateiName);
            e.meldungTitel = QStringLiteral("Fehler");
            e.meldungText = grenzText.isEmpty()
                                ? QStringLiteral("Datei <b>%1</b> hat ein falsches Format!").arg(kurzName)
                                : grenzText;
            return e;
        }
        baum.changed = false;
        e.art = LadeErgebnis::Geladen;
        if (istAeltereVersion(version)) {
            const QString datum = ArtikelListe::global().sortimentDatum();
            if (baum.projekt()->stand == 1)
                e.hinweisText =
                    QStringLiteral(
                        "Datei <b>%1</b> ist mit einer früheren Version vom "
                        "Wandheizungs-Berechnungsprogramm erstellt.<br>Diese Version beinhaltet das "
                        "Produktsortiment ab %2.<br><b>Aufgrund diverser Materialänderungen müssen "
                        "Sie die Berechnung Materialbedarf erneut durchführen!</b>")
                        .arg(kurzName, datum);
            else
                e.hinweisText =
                    QStringLiteral("Datei <b>%1</b> ist mit einer früheren Version vom "
                                   "Wandheizungs-Berechnungsprogramm erstellt.<br><br>Diese Version "
                                   "beinhaltet das Produktsortiment ab %2.<br><b>Die Kostenschätzung "
                                   "erfolgt für dieses Produktsortiment!</b>")
                        .arg(kurzName, datum);
        }
        e.statusText = QStringLiteral("Projekt %1 geladen").arg(dateiName);
        e.fensterTitel = QStringLiteral("Wandheizung: %1").arg(QFileInfo(dateiName).fileName());
        e.dateiName = dateiName;
        return e;
    }

    if (kopf.startsWith(QLatin1String("# WB"))) {
        if (kopf == QLatin1String("# WB Version 1.2")) {
            baum.clear();
            QString grenzText;
            if (zuGross || !leseImport(baum, zeilen, kurzName, grenzText)) {
                neuesProjekt(baum);
                e.art = LadeErgebnis::Fehlgeschlagen;
                e.statusText = QStringLiteral("Fehler beim importieren des Projekts %1").arg(dateiName);
                e.meldungTitel = QStringLiteral("Fehler");
                e.meldungText = grenzText.isEmpty()
                                    ? QStringLiteral("Datei <b>%1</b> hat ein falsches Format!").arg(kurzName)
                                    : grenzText;
                return e;
            }
            // An imported project has not been saved yet: the next save asks for a name.
            baum.changed = true;
            e.art = LadeErgebnis::Importiert;
            e.statusText = QStringLiteral("Wärmebedarf Projekt %1 importiert").arg(dateiName);
            e.fensterTitel = QStringLiteral("Wandheizung: Unbenannt");
            e.dateiName.clear();
            return e;
        }
        e.art = LadeErgebnis::Abgelehnt;
        e.meldungTitel = QStringLiteral("Fehler");
        if (kopf == QLatin1String("# WB Version 1.1") || kopf == QLatin1String("# WB Version 1.0")) {
            e.meldungKritisch = false;
            e.meldungText =
                QStringLiteral("Datei <b>%1</b> ist in einer früheren Version vom "
                               "Wärmebedarfs-Berechnungsprogramm erstellt.<br>Bitte Datei unter neuer "
                               "Version öffnen und speichern, damit das Importieren möglich wird!")
                    .arg(kurzName);
        } else {
            e.meldungText = QStringLiteral("Datei <b>%1</b> hat ein falshes Format!").arg(kurzName);
        }
        return e;
    }

    e.art = LadeErgebnis::Abgelehnt;
    e.meldungTitel = QStringLiteral("Fehler");
    e.meldungText = QStringLiteral("Datei <b>%1</b> hat ein falshes Format!").arg(kurzName);
    return e;
}

QString ProjektDatei::text(ProjektBaum& baum)
{
    loescheAusgeschnittenes(baum);
    return dateiText(baum);
}

bool ProjektDatei::speichern(ProjektBaum& baum, const QString& dateiName, QString& fehlerText)
{
    if (!TextCodec::writeFileAtomic(dateiName, dateiText(baum))) {
        fehlerText =
            QStringLiteral("Datei <b>%1</b> konnte nicht geöffnet werden!").arg(dateiName.toHtmlEscaped());
        return false;
    }
    // The file no longer holds the cut item, so the tree lets it go too.
    loescheAusgeschnittenes(baum);
    baum.changed = false;
    fehlerText.clear();
    return true;
}
