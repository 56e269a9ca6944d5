#pragma once

#include <QByteArray>
#include <QString>

class ProjektBaum;

// What every fuzz target checks beyond the sanitizers: values that must stay finite, and the
// set-up of the installation folders the readers need.
namespace FuzzPruefung {
// The bytes of a fuzz input.
QByteArray bytes(const unsigned char* daten, size_t groesse);
// Ends the run with a message when the condition does not hold (libFuzzer records a crash).
void pruefe(bool bedingung, const char* was);
// Every number of every record and of the working totals is finite.
void endlich(const ProjektBaum& baum);
// A document or file text carries no "inf" or "nan" that a number could have produced; an
// input that holds these letters itself (in a name or another text) is left out of the check.
void ohneUnendlich(const QString& text, const QByteArray& eingabe);
// The installation folder of the source tree, a temporary user folder, the real catalogue.
void installation(bool mitKatalog);
} // namespace FuzzPruefung
