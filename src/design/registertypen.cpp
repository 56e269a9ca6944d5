#include "design/registertypen.h"

namespace {

bool istRU(int system)
{
    return system == 3;
}

} // namespace

const QList<RegisterTypen::Typ>& RegisterTypen::typen(int system)
{
    static const QList<Typ> ri{{150030, 625, 2000, 1.25f, 17}, {150031, 1400, 850, 1.25f, 17}};
    static const QList<Typ> ru{
        {150150, 625, 2000, 1.25f, 2000}, {150151, 310, 2000, 0.62f, 2000}, {150152, 625, 1000, 0.62f, 800}};
    return istRU(system) ? ru : ri;
}

QString RegisterTypen::titel(int system)
{
    return istRU(system) ? QStringLiteral("RU-10 Fertigregister") : QStringLiteral("RI-10 Fertigregister");
}

QString RegisterTypen::erklaerung(int system)
{
    return istRU(system) ? QStringLiteral("Stellen Sie hier die benötigten RU-10 Fertigregister zusammen")
                         : QStringLiteral("Stellen Sie hier die benötigten RI-10 Fertigregister zusammen");
}

QStringList RegisterTypen::spaltenKoepfe(int system)
{
    return {QStringLiteral("ArtNr"),
            QStringLiteral("Anzahl"),
            QStringLiteral("Breite (mm)"),
            QStringLiteral("Höhe (mm)"),
            QStringLiteral("Heizfläche (m²)"),
            istRU(system) ? QStringLiteral("Registerhöhe (mm)")
                          : QStringLiteral("Teilkreis-\nRohrlänge (m)")};
}
