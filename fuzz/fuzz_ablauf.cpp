// A fuzzed project through everything the program does with it: the checks of every room,
// the material run, the circuit estimate and all four reports. Every value stays finite and
// no document shows "inf" or "nan".
#include "fuzzpruefung.h"

#include "design/raumpruefung.h"
#include "design/schaetzung.h"
#include "material/kosten.h"
#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "model/raumdata.h"
#include "reports/berichte.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    FuzzPruefung::installation(true);
    static const ArtikelListe katalog = ArtikelListe::global();
    ArtikelListe::global() = katalog;

    ProjektBaum baum;
    if (!ProjektDatei::lesen(baum, FuzzPruefung::bytes(daten, groesse), QStringLiteral("f.bwh"))
             .erfolgreich())
        return 0;

    for (WHListItem* etage : baum.etagen()) {
        for (WHListItem* item : baum.raeume(etage)) {
            const auto* raum = static_cast<const RaumData*>(item->record());
            RaumPruefung::meldung(*raum, RaumPruefung::pruefe(*raum));
        }
    }
    if (MaterialData* m = baum.material())
        m->zeigeImKatalog(ArtikelListe::global());
    QString fehler;
    MaterialBerechnung::berechne(baum, ArtikelListe::global(), fehler);
    ArtikelListe::global().rundeBestellMengen();
    const Kosten k = Kosten::materialListe(ArtikelListe::global(), 0.19f);
    FuzzPruefung::pruefe(std::isfinite(static_cast<double>(k.summe)) && std::isfinite(k.summeMwst), "Summe");
    Schaetzung::mrzBerechnung(baum);
    FuzzPruefung::endlich(baum);

    for (Berichte::Art art :
         {Berichte::Eingaben1, Berichte::Eingaben2, Berichte::Kostenvoranschlag, Berichte::Kostenangebot}) {
        const BerichtErgebnis b = Berichte::erstelle(art, baum);
        FuzzPruefung::pruefe(b.ok, "Bericht");
        FuzzPruefung::ohneUnendlich(b.html, baum);
    }
    FuzzPruefung::endlich(baum);
    return 0;
}
