#pragma once

#include <QString>
#include <QVector>

class ArtikelListe;

// The order to the supplier: every catalogue article with an order quantity above 0, visited
// group by group as the order form lists them and numbered 1, 2, 3 … in that order, and the
// tab-separated text file it is exported as.
class Bestellung
{
public:
    struct Position
    {
        int nummer = 0; // position number
        int index = -1; // catalogue position
        QString artNr;  // as shown, with the leading "0" of short numbers
        QString bezeichnung;
        QString preis; // as shown: two decimals, decimal point
        int menge = 0; // packs
    };

    // The ordered articles: groups 1 … last in order (an article of no named group with the
    // last group), within a group in catalogue order.
    static QVector<Position> positionen(const ArtikelListe& katalog);

    // The export file's text: the header line, then one line per position with position
    // number, article number, description, price with a decimal comma and quantity.
    static QString exportText(const ArtikelListe& katalog);
    // Writes the export file (Windows-1252, atomically); on failure fehlerText holds
    // "Datei <path> konnte nicht geöffnet werden!" and an existing file is left as it was.
    static bool exportieren(const ArtikelListe& katalog, const QString& pfad, QString& fehlerText);

    // An order quantity typed as text: a whole number of 0 or more; anything else (2.5, -3,
    // a word, a number beyond any count) orders nothing.
    static int mengeAusText(const QString& text);
};
