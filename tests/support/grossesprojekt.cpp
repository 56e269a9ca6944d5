#include "grossesprojekt.h"

#include "app/kataloge.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/raumdata.h"

#include <memory>

void GrossesProjekt::erstelle(ProjektBaum& baum)
{
    baum.newProjekt();
    ProjektData* p = baum.projekt();
    p->name = QStringLiteral("Wohnanlage Am Südhang");
    p->stand = 1;
    baum.gebaeude()->vorlauftemperatur = 40.0f;

    WHListItem* gebaeude = baum.gebaeudeItem();
    for (int e = 0; e < Kataloge::maxEtagen; ++e) {
        auto etage = std::make_unique<EtageData>(baum.gebaeude());
        etage->name = QStringLiteral("Etage %1").arg(e + 1);
        EtageData* etageZeiger = etage.get();
        WHListItem* etageItem = baum.insert(gebaeude, e, std::move(etage));
        for (int r = 0; r < Kataloge::maxRaeume; ++r) {
            auto raum = std::make_unique<RaumData>(etageZeiger);
            raum->name = QStringLiteral("Wohnung %1 Zimmer %2").arg(e + 1).arg(r + 1);
            raum->flaeche = 60.0f;
            raum->waermebedarfProM2 = 50.0f;
            raum->waermebedarf = 3000.0f;
            raum->berechneWaermebilanz();
            for (int f = 0; f < Kataloge::maxFlaechen; ++f) {
                Heizflaeche h;
                h.flaeche = 2.0;
                h.anzahlRegister = 1;
                h.heizkreis = f / 5;
                h.entfernung = 5.0 + f;
                raum->heizflaechen.append(h);
            }
            baum.insert(etageItem, r, std::move(raum));
        }
        etageZeiger->anzahlRaeume = Kataloge::maxRaeume;
    }
    baum.gebaeude()->anzahlEtagen = Kataloge::maxEtagen;
}
