#pragma once

#include <QMap>

// Quantity per article number, in the article's own unit, for one material run. Looking up
// a number that is not yet present (operator[]) inserts it with 0.
using MaterialBedarf = QMap<qint32, float>;
