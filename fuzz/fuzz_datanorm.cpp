// The DATANORM 4 reader and import: any bytes as the wholesaler's file against the shipped
// catalogue. A refused file changes nothing and reports nothing; an accepted one leaves a
// catalogue file that reads back to exactly the articles the import holds in memory (so only
// the changed fields were replaced, each in its place), with every price inside its range and
// one report line per counted outcome.
#include "fuzzpruefung.h"

#include "model/datanormimport.h"
#include "model/katalogdatei.h"

#include <QBuffer>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    static const QByteArray original = [] {
        KatalogDatei k;
        FuzzPruefung::pruefe(k.laden(QStringLiteral(WH_SHARE_DIR "data/artikel0608.txt")), "Katalog fehlt");
        return k.bytes();
    }();
    KatalogDatei katalog;
    katalog.setzeBytes(original);
    QByteArray bytes = FuzzPruefung::bytes(daten, groesse);
    QBuffer datei(&bytes);
    datei.open(QIODevice::ReadOnly);
    int zeilen = 0;
    const DatanormImport::Ergebnis e =
        DatanormImport::anwenden(katalog, datei, [&zeilen](const QString&) { ++zeilen; });
    const QByteArray neu = katalog.bytes();
    if (e.status != DatanormImport::Geschrieben) {
        FuzzPruefung::pruefe(!e.meldung.isEmpty() && zeilen == 0 && neu == original,
                             "Abgelehnt, aber geaendert");
        return 0;
    }
    FuzzPruefung::pruefe(e.aktualisiert + e.neu + e.nichtGefunden + e.uebergangen + e.abgelehnt == zeilen,
                         "Zaehlung");
    KatalogDatei wieder;
    wieder.setzeBytes(neu);
    FuzzPruefung::pruefe(wieder.liste().toText() == katalog.liste().toText(), "Katalogdatei weicht ab");
    for (int i = 0; i < wieder.liste().size(); ++i) {
        const float preis = wieder.liste().at(i).preis;
        FuzzPruefung::pruefe(std::isfinite(preis) && preis >= 0.0f && preis <= 1.0e6f, "Preis");
    }
    return 0;
}
