#include "material/kosten.h"

#include "material/geld.h"
#include "model/artikelliste.h"

#include <algorithm>
#include <cmath>

namespace {

// An amount in cents rounded to a whole cent, a half upwards. The bound lies far beyond any
// document (every value read is bounded) and inside the range of qint64.
qint64 ganzeCent(double c)
{
    constexpr double grenze = 1.0e15;
    if (!std::isfinite(c))
        return 0;
    return static_cast<qint64>(Geld::halbAufwaerts(std::clamp(c, -grenze, grenze)));
}

} // namespace

qint64 Kosten::cent(double euro)
{
    return ganzeCent(euro * 100.0);
}

Kosten Kosten::mitMwst(double netto, float mwstSatz)
{
    const qint64 n = cent(netto);
    const qint64 m = ganzeCent(static_cast<double>(n) * static_cast<double>(mwstSatz));
    Kosten k;
    k.summe = euro(n);
    k.mwst = euro(m);
    k.summeMwst = euro(n + m);
    return k;
}

Kosten Kosten::materialListe(const ArtikelListe& katalog, float mwstSatz)
{
    return mitMwst(summeBedarfGesamt(katalog), mwstSatz);
}

Kosten Kosten::bestellung(const ArtikelListe& katalog, float mwstSatz)
{
    return mitMwst(summeBestellungGesamt(katalog), mwstSatz);
}

namespace {

// The sum in whole cents of the line prices of one quantity (requirement or order), over the
// articles of one group or, with alle, over the whole catalogue.
template <typename Menge>
double katalogSumme(const ArtikelListe& katalog, Menge Artikel::*menge, bool alle, int gruppe = 0)
{
    qint64 cent = 0;
    for (const Artikel& a : katalog.artikel()) {
        if (alle || a.gruppe == gruppe)
            cent += Kosten::zeilenCent(a.*menge, a.preis);
    }
    return Kosten::euro(cent);
}

} // namespace

double Kosten::summeBedarf(const ArtikelListe& katalog, int gruppe)
{
    return katalogSumme(katalog, &Artikel::bedarf, false, gruppe);
}

double Kosten::summeBedarfGesamt(const ArtikelListe& katalog)
{
    return katalogSumme(katalog, &Artikel::bedarf, true);
}

double Kosten::summeBestellung(const ArtikelListe& katalog, int gruppe)
{
    return katalogSumme(katalog, &Artikel::bestellMenge, false, gruppe);
}

double Kosten::summeBestellungGesamt(const ArtikelListe& katalog)
{
    return katalogSumme(katalog, &Artikel::bestellMenge, true);
}
