#pragma once

#include "model/artikel.h"

#include <QString>
#include <QVector>

#include <functional>

class KatalogDatei;
class QIODevice;

// Prices and descriptions of the wholesaler's DATANORM 4 file taken into the article
// catalogue. An article record ("A") whose number is a catalogue article number (digits
// only, leading zeros ignored; the first article of that number) gives its short and long
// description and its list price; a price record ("P") gives the list prices of up to three
// articles. A price is converted to the catalogue's price per pack: per 1, 10, 100 or 1000
// units (price unit 0 to 3), times the pack content when the record's unit is the article's
// unit, taken as the price of a pack for a unit the catalogue does not know. Nothing else
// changes: articles the catalogue lacks are named, not added, and the file keeps every byte
// that no change touches.
class DatanormImport
{
public:
    enum Status
    {
        Geschrieben = 0,
        Fehler = 1,
        KatalogNichtLesbar = 20
    };

    struct Ergebnis
    {
        Status status = Fehler;
        QString meldung; // what failed, when the catalogue was not written
        int aktualisiert = 0;
        int neu = 0;
        int nichtGefunden = 0;
        int uebergangen = 0;
        int abgelehnt = 0;
        // The changed articles as they are afterwards, in catalogue order.
        QVector<Artikel> geaendert;

        bool abgebrochen = false; // stopped through the progress: nothing was written
        // "3 aktualisiert, 1 neu, 0 nicht gefunden, 2 übergangen, 1 abgelehnt"
        QString zaehlung() const;
    };

    // One line of the report, tab-separated, in the order of the file: "aktualisiert",
    // "neu", "nicht gefunden", "übergangen", "abgelehnt", at the end "Summe".
    using Ausgabe = std::function<void(const QString&)>;
    // The share of the work done, in thousandths, as the file is read (it is read twice);
    // returning false stops the import, which then writes nothing.
    using Fortschritt = std::function<bool(int promille)>;

    // Reads the catalogue katalogPfad and the DATANORM file, reports each record on ausgabe and
    // writes the catalogue with the changes to zielPfad in one step (the same file may be
    // named twice); the last line is the sum, once the file is written. A catalogue that
    // cannot be read, a file that is no DATANORM 4 file or a target that cannot be written
    // leaves every file as it was.
    static Ergebnis einlesen(const QString& katalogPfad, const QString& datanormPfad, const QString& zielPfad,
                             const Ausgabe& ausgabe, const Fortschritt& fortschritt = Fortschritt());

    // The records of an open DATANORM file (a device that can seek back to its start)
    // applied to a catalogue in memory (without the sum line); the status Geschrieben says
    // the file was taken. A refused file changes nothing and reports nothing.
    static Ergebnis anwenden(KatalogDatei& katalog, QIODevice& datanorm, const Ausgabe& ausgabe,
                             const Fortschritt& fortschritt = Fortschritt());
};
