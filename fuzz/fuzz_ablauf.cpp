// A fuzzed project through everything the program does with it: the checks of every room,
// the material run, the circuit estimate, all four reports and the hydraulic balancing with its
// CSV. Every value stays finite and no document shows "inf" or "nan".
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
#include "model/ventiltabelle.h"
#include "reports/abgleichbericht.h"
#include "reports/berichte.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    FuzzPruefung::installation(true);
    static const ArtikelListe katalog = ArtikelListe::global();
    ArtikelListe::global() = katalog;

    ProjektBaum baum;
    const QByteArray eingabe = FuzzPruefung::bytes(daten, groesse);
    if (!ProjektDatei::lesen(baum, eingabe, QStringLiteral("f.bwh")).erfolgreich())
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
        FuzzPruefung::ohneUnendlich(b.html, eingabe);
    }
    FuzzPruefung::endlich(baum);

    // The balancing stops at a failing room like the material run; otherwise every figure is a
    // number.
    const BerichtErgebnis abgleich = Berichte::erstelle(Berichte::HydraulischerAbgleich, baum);
    if (abgleich.ok) {
        FuzzPruefung::ohneUnendlich(abgleich.html, eingabe);
        VentilTabelle tabelle;
        QString hinweis;
        tabelle.lade(hinweis);
        const Abgleich::Ergebnis e = Abgleich::berechne(baum, AbgleichEinstellungen(), tabelle);
        FuzzPruefung::pruefe(e.ok, "Abgleich");
        FuzzPruefung::ohneUnendlich(QString::fromUtf8(AbgleichBericht::csv(e)), eingabe);
    }
    return 0;
}
