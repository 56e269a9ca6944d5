// The user data "data/anwender.txt" and the host's "anwender.ini": any text read by both
// readers. The user data written back reads to the same values.
#include "fuzzpruefung.h"

#include "app/textcodec.h"
#include "model/anwenderdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    const QString text = TextCodec::decode(FuzzPruefung::bytes(daten, groesse));
    AnwenderDaten a;
    a.readAnwender(text);
    AnwenderDaten::uebernehmeAnwenderText(text, a);
    const QString geschrieben = a.writeAnwender();
    AnwenderDaten b;
    b.readAnwender(geschrieben);
    FuzzPruefung::pruefe(b.writeAnwender() == geschrieben, "Anwenderdaten aendern sich beim Lesen");
    return 0;
}
