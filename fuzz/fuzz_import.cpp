// The import of heat-demand projects: the input is the file after its header line. An
// imported project keeps every value finite and saves as a project file that loads again.
#include "fuzzpruefung.h"

#include "app/textcodec.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    FuzzPruefung::installation(true);
    ProjektBaum baum;
    const QByteArray datei = QByteArrayLiteral("# WB Version 1.2\n") + FuzzPruefung::bytes(daten, groesse);
    const LadeErgebnis e = ProjektDatei::lesen(baum, datei, QStringLiteral("f.bwb"));
    FuzzPruefung::endlich(baum);
    if (e.art != LadeErgebnis::Importiert)
        return 0;
    const QString text = ProjektDatei::text(baum);
    FuzzPruefung::ohneUnendlich(text, datei);
    ProjektBaum wieder;
    const LadeErgebnis w = ProjektDatei::lesen(wieder, TextCodec::encode(text), QStringLiteral("f.bwh"));
    FuzzPruefung::pruefe(w.art == LadeErgebnis::Geladen,
                         "importiertes Projekt laedt nach dem Speichern nicht");
    return 0;
}
