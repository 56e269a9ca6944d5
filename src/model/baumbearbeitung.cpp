#include "model/baumbearbeitung.h"

#include "app/kataloge.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"

#include <algorithm>

namespace {

bool istEtageOderRaum(const WHListItem* item)
{
    return item && (item->type() == WHBaseData::TypEtage || item->type() == WHBaseData::TypRaum);
}

// True when the item or one of its ancestors has been cut: it is hidden and waits on the
// clipboard, so no edit may start from it.
bool istAusgeschnitten(const WHListItem* item)
{
    for (; item; item = item->parent()) {
        if (item->cut)
            return true;
    }
    return false;
}

// The children that count: a cut child is on the clipboard and no longer belongs to its parent.
QList<WHListItem*> gezaehlteKinder(const WHListItem* eltern)
{
    QList<WHListItem*> kinder;
    for (int i = 0; i < eltern->childCount(); ++i) {
        if (!eltern->child(i)->cut)
            kinder.append(eltern->child(i));
    }
    return kinder;
}

int anzahlKinder(const WHListItem* eltern)
{
    return static_cast<int>(gezaehlteKinder(eltern).size());
}

GebaeudeData* gebaeudeVon(const WHListItem* item)
{
    return static_cast<GebaeudeData*>(item->record());
}

EtageData* etageVon(const WHListItem* item)
{
    return static_cast<EtageData*>(item->record());
}

RaumData* raumVon(const WHListItem* item)
{
    return static_cast<RaumData*>(item->record());
}

// Takes the previous item off the clipboard: a cut item is deleted with its record, a copied
// one gets its normal icon back.
void gibClipboardFrei(ProjektBaum& baum)
{
    WHListItem* vorher = baum.clipboard();
    if (!vorher)
        return;
    if (vorher->cut) {
        baum.remove(vorher);
        return;
    }
    baum.setClipboard(nullptr);
    baum.itemGeaendert(vorher);
}

// Appends a new floor "Etage n" to the building or a new room "Raum n" to a floor.
void haengeKindAn(ProjektBaum& baum, WHListItem* eltern, int nummer)
{
    if (eltern->type() == WHBaseData::TypGebaeude) {
        auto etage = std::make_unique<EtageData>(gebaeudeVon(eltern));
        etage->name = QStringLiteral("Etage %1").arg(nummer);
        baum.insert(eltern, eltern->childCount(), std::move(etage));
    } else {
        auto raum = std::make_unique<RaumData>(etageVon(eltern));
        raum->name = QStringLiteral("Raum %1").arg(nummer);
        baum.insert(eltern, eltern->childCount(), std::move(raum));
    }
}

int grenzeFuer(const WHListItem* eltern)
{
    return eltern->type() == WHBaseData::TypGebaeude ? Kataloge::maxEtagen : Kataloge::maxRaeume;
}

} // namespace

bool BaumBearbeitung::neu(ProjektBaum& baum, WHListItem* aktuell)
{
    if (!aktuell || istAusgeschnitten(aktuell))
        return false;
    if (aktuell->type() != WHBaseData::TypGebaeude && aktuell->type() != WHBaseData::TypEtage)
        return false;
    const int n = anzahlKinder(aktuell);
    if (n >= grenzeFuer(aktuell))
        return false;
    haengeKindAn(baum, aktuell, n + 1);
    aktuell->record()->setAnzahl(n + 1);
    return true;
}

bool BaumBearbeitung::copy(ProjektBaum& baum, WHListItem* aktuell)
{
    if (!istEtageOderRaum(aktuell) || istAusgeschnitten(aktuell))
        return false;
    gibClipboardFrei(baum);
    baum.setClipboard(aktuell);
    baum.itemGeaendert(aktuell);
    return true;
}

WHListItem* BaumBearbeitung::cut(ProjektBaum& baum, WHListItem* aktuell)
{
    if (!istEtageOderRaum(aktuell) || istAusgeschnitten(aktuell))
        return nullptr;
    WHListItem* eltern = aktuell->parent();
    gibClipboardFrei(baum);
    aktuell->cut = true;
    baum.setClipboard(aktuell);
    baum.itemGeaendert(aktuell);
    eltern->record()->setAnzahl(anzahlKinder(eltern));

    for (int i = aktuell->row() + 1; i < eltern->childCount(); ++i) {
        if (!eltern->child(i)->isHidden())
            return eltern->child(i);
    }
    return eltern;
}

bool BaumBearbeitung::paste(ProjektBaum& baum, WHListItem* aktuell)
{
    WHListItem* quelle = baum.clipboard();
    if (!aktuell || !quelle || istAusgeschnitten(aktuell))
        return false;

    if (quelle->type() == WHBaseData::TypRaum) {
        WHListItem* etage = nullptr;
        int pos = 0;
        if (aktuell->type() == WHBaseData::TypEtage) {
            etage = aktuell;
        } else if (aktuell->type() == WHBaseData::TypRaum) {
            etage = aktuell->parent();
            pos = aktuell->row() + 1;
        } else {
            return false;
        }
        if (anzahlKinder(etage) >= Kataloge::maxRaeume)
            return false;
        baum.insert(etage, pos, std::make_unique<RaumData>(*raumVon(quelle), etageVon(etage)));
        etage->record()->setAnzahl(anzahlKinder(etage));
        return true;
    }

    if (quelle->type() == WHBaseData::TypEtage) {
        WHListItem* gebaeude = nullptr;
        int pos = 0;
        if (aktuell->type() == WHBaseData::TypGebaeude) {
            gebaeude = aktuell;
        } else if (aktuell->type() == WHBaseData::TypEtage) {
            gebaeude = aktuell->parent();
            pos = aktuell->row() + 1;
        } else {
            return false;
        }
        if (anzahlKinder(gebaeude) >= Kataloge::maxEtagen)
            return false;
        const QList<WHListItem*> raeume = gezaehlteKinder(quelle);
        auto kopie = std::make_unique<EtageData>(*etageVon(quelle));
        kopie->gebaeude = gebaeudeVon(gebaeude);
        kopie->setAnzahl(static_cast<int>(raeume.size()));
        WHListItem* neueEtage = baum.insert(gebaeude, pos, std::move(kopie));
        for (int i = 0; i < raeume.size(); ++i)
            baum.insert(neueEtage, i,
                        std::make_unique<RaumData>(*raumVon(raeume.at(i)), etageVon(neueEtage)));
        gebaeude->record()->setAnzahl(anzahlKinder(gebaeude));
        return true;
    }
    return false;
}

bool BaumBearbeitung::pasteData(ProjektBaum& baum, WHListItem* aktuell)
{
    WHListItem* quelle = baum.clipboard();
    if (!aktuell || !quelle || quelle->type() != WHBaseData::TypRaum ||
        aktuell->type() != WHBaseData::TypRaum || istAusgeschnitten(aktuell))
        return false;
    // The room on the clipboard already holds its own data.
    if (quelle == aktuell)
        return false;
    RaumData* ziel = raumVon(aktuell);
    *ziel = RaumData(*raumVon(quelle), ziel->etage);
    baum.itemGeaendert(aktuell);
    return true;
}

int BaumBearbeitung::anzahlAnpassen(ProjektBaum& baum, WHListItem* eltern, int alt, int neu,
                                    const Frage& frage)
{
    if (!eltern || (eltern->type() != WHBaseData::TypGebaeude && eltern->type() != WHBaseData::TypEtage))
        return 0;
    const int grenze = grenzeFuer(eltern);
    neu = std::clamp(neu, 0, grenze);
    alt = std::max(alt, 0);
    if (neu == alt)
        return 0;

    if (neu > alt) {
        for (int n = alt + 1; n <= neu && anzahlKinder(eltern) < grenze; ++n)
            haengeKindAn(baum, eltern, n);
        eltern->record()->setAnzahl(neu);
        return 0;
    }

    const bool istGebaeude = eltern->type() == WHBaseData::TypGebaeude;
    const QList<WHListItem*> kinder = gezaehlteKinder(eltern);
    int behalten = 0;
    for (int i = neu; i < kinder.size(); ++i) {
        WHListItem* kind = kinder.at(i);
        if (kind->record()->hasData()) {
            const QString text =
                istGebaeude
                    ? QStringLiteral("Sie haben die Daten für die Etage: %1 geändert.\nWollen Sie die "
                                     "Etage wirklich löschen?")
                          .arg(kind->text())
                    : QStringLiteral("Sie haben die Daten für das Raum: %1 geändert.\nWollen Sie das "
                                     "Raum wirklich löschen?")
                          .arg(kind->text());
            // Without anyone to ask, entered data is kept.
            if (!frage || !frage(text)) {
                ++behalten;
                continue;
            }
        }
        baum.remove(kind);
    }
    eltern->record()->setAnzahl(neu);
    return behalten;
}

bool BaumBearbeitung::markiert(const ProjektBaum& baum, const WHListItem* item)
{
    return item && item == baum.clipboard() && !item->cut;
}
