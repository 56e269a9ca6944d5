#include "material/kosten.h"

#include "material/artikelliste.h"

Kosten Kosten::mitMwst(float netto, float mwstSatz)
{
    Kosten k;
    k.summe = netto;
    k.mwst = produkt(netto, mwstSatz);
    k.summeMwst = static_cast<double>(netto) + k.mwst;
    return k;
}

Kosten Kosten::materialListe(const ArtikelListe& katalog, float mwstSatz)
{
    return mitMwst(katalog.summeBedarfGesamt(), mwstSatz);
}

Kosten Kosten::bestellung(const ArtikelListe& katalog, float mwstSatz)
{
    return mitMwst(katalog.summeBestellungGesamt(), mwstSatz);
}
