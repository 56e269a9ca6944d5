#include "benchprojekt.h"

#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/baumbearbeitung.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"

namespace {
constexpr int flaechenProRaum = 30;
}

bool BenchProjekt::erzeuge(ProjektBaum& baum, int etagen, int raeume, QString& fehler)
{
    baum.newProjekt();
    baum.projekt()->name = QStringLiteral("Wohnanlage %1 Räume").arg(etagen * raeume);
    baum.projekt()->stand = 1;
    baum.gebaeude()->setAnzahl(etagen);
    for (int e = 0; e < etagen; ++e)
        BaumBearbeitung::neu(baum, baum.gebaeudeItem());
    for (WHListItem* etage : baum.etagen()) {
        etage->record()->setAnzahl(raeume);
        for (int r = 0; r < raeume; ++r)
            BaumBearbeitung::neu(baum, etage);
        for (WHListItem* item : baum.raeume(etage)) {
            auto* raum = static_cast<RaumData*>(item->record());
            // 80 m² at 50 W/m² need 25 m² of RI-10 at 45 °C; 30 surfaces of 1 m² cover them.
            raum->flaeche = 80.0f;
            raum->waermebedarfProM2 = 50.0f;
            raum->waermebedarf = 4000.0f;
            raum->berechneWaermebilanz();
            for (int f = 0; f < flaechenProRaum; ++f)
                raum->heizflaechen.append({1.0, 1, 8.0 + f % 7, f / 2, false});
        }
    }
    WHListItem* root = baum.root();
    WHListItem* material = baum.insert(root, root->childCount(), std::make_unique<MaterialData>());
    baum.setMaterialItem(material);
    ArtikelListe& katalog = ArtikelListe::global();
    if (!MaterialBerechnung::berechne(baum, katalog, fehler))
        return false;
    static_cast<MaterialData*>(material->record())->uebernehmeAusKatalog(katalog);
    return true;
}

bool BenchProjekt::schreibe(const QString& pfad, int etagen, int raeume, QString& fehler)
{
    ProjektBaum baum;
    return erzeuge(baum, etagen, raeume, fehler) && ProjektDatei::speichern(baum, pfad, fehler);
}
