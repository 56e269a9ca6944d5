#include "material/materialberechnung.h"
#include "material/materialregeln.h"

#include "design/raumpruefung.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"

#include <QtDebug>

bool MaterialBerechnung::berechne(ProjektBaum& baum, ArtikelListe& katalog, QString& fehlerText,
                                  MaterialBedarf* einheiten)
{
    fehlerText.clear();
    GebaeudeData* gebaeude = baum.gebaeude();
    if (!gebaeude)
        return true;

    // Every article the program computes starts at 0, so a run clears what an earlier run
    // left; the others keep what the planner entered.
    MaterialBedarf bedarf;
    for (int i = 0; i < katalog.size(); ++i) {
        if (katalog.at(i).bedarfBerechnen)
            bedarf.insert(katalog.at(i).artNr, 0.0f);
    }

    for (WHListItem* etageItem : baum.etagen()) {
        auto* etage = static_cast<EtageData*>(etageItem->record());
        etage->summen.reset();
        for (WHListItem* raumItem : baum.raeume(etageItem)) {
            auto* raum = static_cast<RaumData*>(raumItem->record());
            const RaumPruefung::Ergebnis ergebnis = RaumPruefung::pruefe(*raum);
            if (ergebnis.code != 0) {
                fehlerText = RaumPruefung::meldung(*raum, ergebnis);
                return false;
            }
            materialBedarf(*raum, bedarf);
        }
        materialBedarf(*etage, bedarf);
    }
    materialBedarf(*gebaeude, bedarf);

    if (einheiten)
        *einheiten = bedarf;

    if (!baum.materialListItem()) {
        qWarning("Material typ erwartet!!!");
        return true;
    }
    for (auto it = bedarf.cbegin(); it != bedarf.cend(); ++it) {
        if (Artikel* a = katalog.findArtikel(it.key()))
            katalog.setBedarf(*a, packungen(it.value(), a->menge));
    }
    return true;
}

float MaterialBerechnung::packungen(float menge, float packungsInhalt)
{
    return packungsInhalt > 0.0f ? menge / packungsInhalt : menge;
}
