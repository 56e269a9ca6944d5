// The project file reader: any bytes as a ".bwh" file. A file that loads must save to a text
// that loads again to the same text, and keep every value finite.
#include "fuzzpruefung.h"

#include "app/textcodec.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    FuzzPruefung::installation(true);
    ProjektBaum baum;
    const LadeErgebnis e =
        ProjektDatei::lesen(baum, FuzzPruefung::bytes(daten, groesse), QStringLiteral("f.bwh"));
    FuzzPruefung::endlich(baum);
    if (e.art != LadeErgebnis::Geladen)
        return 0;
    const QString text = ProjektDatei::text(baum);
    FuzzPruefung::ohneUnendlich(text, FuzzPruefung::bytes(daten, groesse));
    ProjektBaum wieder;
    const LadeErgebnis w = ProjektDatei::lesen(wieder, TextCodec::encode(text), QStringLiteral("f.bwh"));
    FuzzPruefung::pruefe(w.art == LadeErgebnis::Geladen, "gespeichertes Projekt laedt nicht");
    FuzzPruefung::pruefe(ProjektDatei::text(wieder) == text, "gespeichertes Projekt aendert sich beim Laden");
    return 0;
}
