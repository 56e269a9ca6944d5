// The article catalogue reader: any text as "data/artikel0608.txt". Its canonical text reads
// back to the same text, and every sum stays finite.
#include "fuzzpruefung.h"

#include "app/textcodec.h"
#include "material/kosten.h"
#include "model/artikelliste.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    ArtikelListe liste;
    liste.readCatalogue(TextCodec::decode(FuzzPruefung::bytes(daten, groesse)));
    for (int i = 0; i < liste.size(); ++i)
        liste.setBedarf(liste.at(i), static_cast<float>(i % 7) * 12.5f);
    liste.rundeBestellMengen();
    const Kosten k = Kosten::materialListe(liste, 0.19f);
    FuzzPruefung::pruefe(std::isfinite(static_cast<double>(k.summe)) && std::isfinite(k.summeMwst), "Summe");
    for (int g = 0; g < liste.gruppenAnzahl(); ++g)
        FuzzPruefung::pruefe(std::isfinite(static_cast<double>(Kosten::summeBestellung(liste, g))),
                             "Gruppensumme");
    const QString text = liste.toText();
    ArtikelListe wieder;
    wieder.readCatalogue(text);
    FuzzPruefung::pruefe(wieder.toText() == text, "Katalogtext aendert sich beim Lesen");
    return 0;
}
