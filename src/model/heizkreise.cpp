#include "model/heizkreise.h"

#include "app/auslegung.h"

#include <algorithm>

namespace {

template <typename Groesse> void gruppiere(QList<Heizflaeche>& flaechen, Groesse groesse)
{
    int kreis = 0;
    double summe = 0.0;
    double minGroesse = 100.0;
    double maxGroesse = -1.0;
    for (Heizflaeche& h : flaechen) {
        if (h.direkt)
            continue;
        summe += h.flaeche;
        const double g = groesse(h);
        minGroesse = std::min(minGroesse, g);
        maxGroesse = std::max(maxGroesse, g);
        if ((summe > Auslegung::MaxHeizflaeche() ||
             maxGroesse - minGroesse > Auslegung::MaxRegisterDifferenz()) &&
            kreis <= 13) {
            ++kreis;
            summe = h.flaeche;
            minGroesse = maxGroesse = g;
        }
        h.heizkreis = kreis;
    }
}

} // namespace

void Heizkreise::bildeHeizkreise(QList<Heizflaeche>& flaechen)
{
    gruppiere(flaechen, [](const Heizflaeche& h) {
        return h.anzahlRegister > 0 ? h.flaeche / h.anzahlRegister : h.flaeche;
    });
}

void Heizkreise::bildeHeizkreiseGespeichert(QList<Heizflaeche>& flaechen, int system)
{
    gruppiere(flaechen, [system](const Heizflaeche& h) {
        const int n = std::max(1, Auslegung::AnzahlRegister(static_cast<float>(h.flaeche), system));
        return static_cast<double>(static_cast<float>(h.flaeche / n));
    });
}
