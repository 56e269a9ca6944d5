// The DATANORM 4 reader and import: any bytes as the wholesaler's file against a small
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
    // A small catalogue of every unit, with comments, CR LF, blanks and a number twice, so
    // that a run stays short and the fuzzer goes deep.
    static const QByteArray original = "# Katalog\r\n01.06.2008\t29.4\r\n2\r\nRohre\r\nZubeh\xf6r\r\n"
                                       "150010\tRohr 16x2\tRing 200 m\t330.00\t30.0\t1\t200\t1\t1\r\n"
                                       "  150004\tRohr 10x1,3\t\t56.5\t30\t1\t50\t1\r\n"
                                       "# Platten\n4711\tPlatte\tlang\t12.00\t0\t2\t2.5\t2\n"
                                       "4711\tZweite\t\t1\t0\t2\t0.7\t2\n"
                                       "12345\tGer\xe4t\t\t99.9\t0\t3\t1\t2\t0   \n"
                                       "777\tKleber\t\t5\t0\t4\t0.25\t2\t0\n"
                                       "1\tohne\t\t0\t0\t0\t0\t2\n";
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
