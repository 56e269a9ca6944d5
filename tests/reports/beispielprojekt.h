#pragma once

#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

#include <memory>

// Projects for the report tests, built through the records and the tree as the pages and
// the navigator build them.
namespace Beispiel {

inline WHListItem* etage(ProjektBaum& baum, const QString& name, int system)
{
    WHListItem* g = baum.gebaeudeItem();
    auto e = std::make_unique<EtageData>(baum.gebaeude());
    e->name = name;
    e->systemIndex = system;
    WHListItem* item = baum.insert(g, g->childCount(), std::move(e));
    baum.gebaeude()->anzahlEtagen = g->childCount();
    return item;
}

// A room with its heat balance computed from area and specific demand.
inline RaumData* raum(ProjektBaum& baum, WHListItem* etage, const QString& name, int system, float flaeche,
                      float proM2, float fbh = 0.0f, float temperatur = 20.0f)
{
    auto* e = static_cast<EtageData*>(etage->record());
    auto r = std::make_unique<RaumData>(e);
    r->name = name;
    r->systemIndex = system;
    r->flaeche = flaeche;
    r->raumTemperatur = temperatur;
    r->waermebedarfProM2 = proM2;
    r->waermebedarf = flaeche * proM2;
    r->flaecheFBH = fbh;
    r->berechneWaermebilanz();
    RaumData* zeiger = r.get();
    baum.insert(etage, etage->childCount(), std::move(r));
    e->anzahlRaeume = etage->childCount();
    return zeiger;
}

inline Heizflaeche flaeche(double m2, int register_, int kreis, double entfernung = 8.0, bool direkt = false)
{
    Heizflaeche h;
    h.flaeche = m2;
    h.anzahlRegister = register_;
    h.heizkreis = kreis;
    h.entfernung = entfernung;
    h.direkt = direkt;
    return h;
}

// The project's material list, behind the other costs.
inline MaterialData* materialListe(ProjektBaum& baum)
{
    WHListItem* root = baum.root();
    WHListItem* item = baum.insert(root, root->childCount(), std::make_unique<MaterialData>());
    baum.setMaterialItem(item);
    baum.material()->anpassenAnKatalog();
    return baum.material();
}

inline void setzeMenge(MaterialData& m, qint32 artNr, float packs)
{
    const int i = ArtikelListe::global().indexOf(artNr);
    if (i >= 0)
        m.mengen[i] = packs;
}

// A detached house over three floors with every system, floor heating and a basement.
// Stage 1 adds heating surfaces, register compositions and a material list.
inline void haus(ProjektBaum& baum, int stand)
{
    baum.newProjekt();
    ProjektData* p = baum.projekt();
    p->name = QStringLiteral("Einfamilienhaus Meyer");
    p->projektNr = QStringLiteral("2008-014");
    p->strasse = QStringLiteral("Lindenweg 5");
    p->plz = QStringLiteral("34117");
    p->ort = QStringLiteral("Kassel");
    p->datum = QDate(2008, 3, 7);
    p->stand = stand;

    GebaeudeData* g = baum.gebaeude();
    g->vorlauftemperatur = 40.0f;
    g->systemIndex = 0;
    g->gebaeudeAlter = 2;
    g->ueberWB = 50.0f;

    WHListItem* kg = etage(baum, QStringLiteral("Kellergeschoss"), 0);
    RaumData* hobby = raum(baum, kg, QStringLiteral("Hobbyraum"), 0, 24.0f, 60.0f);
    RaumData* technik = raum(baum, kg, QStringLiteral("Technik"), 0, 8.0f, 40.0f, 8.0f, 18.0f);

    WHListItem* eg = etage(baum, QStringLiteral("Erdgeschoss"), 1);
    RaumData* wohnen = raum(baum, eg, QStringLiteral("Wohnen/Essen"), 1, 32.0f, 55.0f);
    RaumData* kueche = raum(baum, eg, QStringLiteral("Küche"), 0, 14.0f, 50.0f);
    RaumData* bad = raum(baum, eg, QStringLiteral("Bad"), 3, 8.0f, 90.0f, 4.0f, 24.0f);

    WHListItem* og = etage(baum, QStringLiteral("Obergeschoss"), 2);
    RaumData* kind = raum(baum, og, QStringLiteral("Kind"), 2, 14.0f, 50.0f);
    RaumData* schlafen = raum(baum, og, QStringLiteral("Schlafen"), 2, 16.0f, 45.0f, 22.0f);

    SonstigData* s = baum.sonstig();
    s->stundensatz = 45.0f;
    s->abschlag = 0.05f;

    if (stand != 1)
        return;

    hobby->heizflaechen = {flaeche(5.0, 2, 0, 6.0), flaeche(4.5, 2, 0, 9.0), flaeche(2.0, 1, 1, 12.0, true)};
    technik->fbhDirekt = true;
    // Register systems: the composition fixes each surface's area.
    wohnen->heizflaechen = {flaeche(5.0, 4, 0, 7.0), flaeche(3.75, 3, 0, 10.0), flaeche(2.5, 2, 1, 14.0)};
    wohnen->zusammenstellung = {2, 2, 3, 0, 0, 2};
    kueche->heizflaechen = {flaeche(3.5, 2, 0, 5.0)};
    bad->heizflaechen = {flaeche(2.49, 2, 0, 4.0)};
    bad->zusammenstellung = {1, 2, 0};
    kind->heizflaechen = {flaeche(6.0, 3, 0, 11.0), flaeche(2.0, 1, 0, 13.0)};
    schlafen->heizflaechen = {};

    MaterialData* m = materialListe(baum);
    setzeMenge(*m, 150003, 1.5f);
    setzeMenge(*m, 150010, 0.75f);
    setzeMenge(*m, 150212, 14.0f);
    setzeMenge(*m, 151522, 1.0f);
    setzeMenge(*m, 151570, 7.0f);
    setzeMenge(*m, 150801, 1.0f);
    setzeMenge(*m, 150811, 1.0f);
}

} // namespace Beispiel
