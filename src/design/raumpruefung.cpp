#include "design/raumpruefung.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/etagedata.h"
#include "model/raumdata.h"

#include <algorithm>

namespace {

RaumPruefung::Ergebnis fehler(int code, int flaeche = -1)
{
    RaumPruefung::Ergebnis e;
    e.code = code;
    e.flaeche = flaeche;
    return e;
}

} // namespace

RaumPruefung::Ergebnis RaumPruefung::pruefe(const RaumData& raum)
{
    const int system = raum.systemIndex;
    const QList<Heizflaeche>& flaechen = raum.heizflaechen;

    // The output may fall short of the demand by at most a tenth of it.
    if (0.1 * raum.waermebedarf + raum.differenz < 0.0)
        return fehler(DifferenzZuGross);

    // Every surface of a register system needs its composition.
    const int n = RaumData::zusammenstellungsBreite(system);
    if (n > 0) {
        const QList<int>& z = raum.zusammenstellung;
        for (int i = 0; i < flaechen.size(); ++i) {
            bool vorhanden = z.size() >= (i + 1) * n;
            if (vorhanden) {
                vorhanden = false;
                for (int j = 0; j < n; ++j)
                    vorhanden = vorhanden || z.at(i * n + j) != 0;
            }
            if (!vorhanden)
                return fehler(system == 1 ? RiOhneZusammenst : RuOhneZusammenst, i);
        }
    }

    // Only a shortfall of more than 5 % counts; more surface than needed passes.
    double summe = 0.0;
    for (const Heizflaeche& h : flaechen)
        summe += h.flaeche;
    if (summe < 0.95 * raum.flaecheWH)
        return fehler(Abdeckung);

    const float maxRegister = Auslegung::MaxRegisterFlaeche(system);
    float kreisFlaeche[Kataloge::maxHeizkreise];
    float kleinsteGroesse[Kataloge::maxHeizkreise];
    float groessteGroesse[Kataloge::maxHeizkreise];
    std::fill(std::begin(kreisFlaeche), std::end(kreisFlaeche), 0.0f);
    std::fill(std::begin(kleinsteGroesse), std::end(kleinsteGroesse), 100.0f);
    std::fill(std::begin(groessteGroesse), std::end(groessteGroesse), 0.0f);

    for (int i = 0; i < flaechen.size(); ++i) {
        const Heizflaeche& h = flaechen.at(i);
        if (h.direkt) {
            // A surface on the manifold itself is one register.
            if (h.flaeche > maxRegister)
                return fehler(DirektZuGross, i);
            continue;
        }
        if (h.flaeche > Auslegung::MaxHeizflaeche())
            return fehler(FlaecheZuGross, i);
        const float groesse = static_cast<float>(h.flaeche / std::max(1, h.anzahlRegister));
        if (groesse > maxRegister)
            return fehler(RegisterZuGross, i);
        const int k = h.kreisIndex();
        kreisFlaeche[k] += static_cast<float>(h.flaeche);
        kleinsteGroesse[k] = std::min(kleinsteGroesse[k], groesse);
        groessteGroesse[k] = std::max(groessteGroesse[k], groesse);
    }

    for (int k = 0; k < Kataloge::maxHeizkreise; ++k) {
        if (kreisFlaeche[k] > Auslegung::MaxHeizflaeche())
            return fehler(KreisZuGross);
        if (groessteGroesse[k] - kleinsteGroesse[k] > Auslegung::MaxRegisterDifferenz())
            return fehler(KreisSpreizung);
    }
    return Ergebnis();
}

QString RaumPruefung::meldung(const RaumData& raum, const Ergebnis& ergebnis)
{
    const QString r = raum.name;
    const QString e = raum.etage ? raum.etage->name : QString();
    const QString nr = QString::number(ergebnis.flaeche + 1);
    const QString maxFlaeche = Zahl::kurz(Auslegung::MaxHeizflaeche());
    const QString maxRegister = Zahl::kurz(Auslegung::MaxRegisterFlaeche(raum.systemIndex));

    // One pass of arg() over all place markers, so that a "%" in a name stays as typed.
    switch (ergebnis.code) {
    case Abdeckung:
        return QStringLiteral("Raum   %1(%2):\nDie Differenz errechnete(erwünschte) Heizfläche\n"
                              "zur Summe eingegebenen Heizflächen\nist ausserhalb der Toleranz von 5%.\n"
                              "Eingaben bitte überprüfen!")
            .arg(r, e);
    case FlaecheZuGross:
        return QStringLiteral("Raum   %1(%2):\nDie maximale Heizflächengrösse von %3 m²\n"
                              "ist für die Heizfläche Nr. %4 überschritten.\nEingaben bitte überprüfen!")
            .arg(r, e, maxFlaeche, nr);
    case KreisZuGross:
        return QStringLiteral("Raum   %1(%2):\nDie maximale Heizflächengrösse von %3 m²\n"
                              "für einen Tichelmannkreis überschritten.\nEingaben bitte überprüfen!")
            .arg(r, e, maxFlaeche);
    case KreisSpreizung:
        return QStringLiteral("Raum   %1(%2):\nDie maximal erlaubte Differenz, von %3 m²,\n"
                              "der mittlere Registergrösse für die Flächen\neines Tichelmannkreises "
                              "überschritten.\nEingaben bitte überprüfen!")
            .arg(r, e, Zahl::kurz(Auslegung::MaxRegisterDifferenz()));
    case DirektZuGross:
        return QStringLiteral("Raum   %1(%2):\nDie maximale Heizflächengrösse von %3 m² für eine,\n"
                              "direkt an HKV angeschlossen Heizfläche,\nist für die Fläche Nr. %4 "
                              "überschritten.\nEingaben bitte überprüfen!")
            .arg(r, e, maxRegister, nr);
    case DifferenzZuGross:
        return QStringLiteral("Raum   %1 (%2):\nDie errechnete Differenz(W) laut Ihrer Eingabe\n"
                              "ist zu gross (erlaubt ist max. 10% des Wärmebedarfs)\n"
                              "Eingaben bitte überprüfen!")
            .arg(r, e);
    case RegisterZuGross:
        return QStringLiteral("Raum   %1(%2):\nDie maximale Registergrösse von %3 m² ist überschritten.\n"
                              "Eingaben bitte überprüfen!")
            .arg(r, e, maxRegister);
    case RiOhneZusammenst:
        return QStringLiteral("Raum   %1(%2):\nDie Zusammenstellung (RI-10 Fertigregister) ist\n"
                              "für die Heizfläche Nr. %3 nicht vorhanden.")
            .arg(r, e, nr);
    case RuOhneZusammenst:
        return QStringLiteral("Raum   %1(%2):\nDie Zusammenstellung (RU-10 Fertigregister) ist\n"
                              "für die Heizfläche Nr. %3 nicht vorhanden.")
            .arg(r, e, nr);
    default:
        return QString();
    }
}
