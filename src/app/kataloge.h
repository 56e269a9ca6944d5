#pragma once

#include <QString>
#include <QStringList>

// The compiled-in name tables. The index of an entry is what records and project files
// store, so the order is binding. The lists hold only the shown entries: the end mark of
// the tables never reaches a caller.
class Kataloge
{
public:
    static const QStringList& raumTypen();         // 0 "Bad" … 7 "Freie Eingabe"
    static float raumTemperatur(int raumTyp);      // default room temperature of a room type
    static const QStringList& systeme();           // 0 "RI-10" … 3 "RU-10 Register"
    static const QStringList& gebaeudeStandards(); // 0 "bis 1995" … 3 "Passivhaus"
    // Proposals first, the lowest accepted values behind them: entry i + count is the bound of i.
    static const float* gebaeudeWaermebedarf();
    static float vorschlagWB(int standard);
    static float untergrenzeWB(int standard);
    static const QStringList& einheiten(); // 0 " ", 1 "m", 2 "m²", 3 "Stück", 4 "kg"

    // Name of the entry, or "" for an index outside the table.
    static QString name(const QStringList& table, int index);

    static constexpr int freieEingabe = 7;
    static constexpr int maxEtagen = 15;
    static constexpr int maxRaeume = 20;
    static constexpr int maxFlaechen = 30;
    static constexpr int maxHeizkreise = 15;

    // The systems built from prefabricated registers.
    static bool istRegisterSystem(int system) { return system == 1 || system == 3; }
};
