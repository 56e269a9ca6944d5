#pragma once

#include "model/materialbedarf.h"

class EtageData;
class GebaeudeData;
class RaumData;

// The material rules per record: what a room, a floor and the building add to the bill of
// materials. The material run calls them room by room, then per floor, then for the building.

// A room's surfaces, fittings, pipe and registers; counts the room's circuit outlets and, for a
// heated room, the room itself into its floor's totals.
void materialBedarf(const RaumData& raum, MaterialBedarf& bedarf);
// A floor's manifolds and wiring boxes, from the outlets its rooms counted.
void materialBedarf(const EtageData& etage, MaterialBedarf& bedarf);
// The building's quantities derived from what rooms and floors added.
void materialBedarf(const GebaeudeData& gebaeude, MaterialBedarf& bedarf);
