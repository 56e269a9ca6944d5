#pragma once

#include <QString>
#include <QVector>

class ArtikelListe;

// The material list or the order as a table for spreadsheets: a header row; per article group
// in group order a row with the group's name, its articles in catalogue order (an article of
// no named group with the last group, and counted there) and the group's sum; then net, VAT
// and gross. Quantities, prices and totals are those the material list and the order form
// show; positions are numbered 1, 2 … over the articles.
class MaterialTabelle
{
public:
    enum Art
    {
        Materialliste, // the requirement
        Bestellung     // the order quantities
    };

    enum Zeilenart
    {
        Gruppe,
        Artikel,
        GruppenSumme,
        Summe,
        Mwst,
        SummeMwst
    };

    struct Zeile
    {
        Zeilenart art = Artikel;
        int position = 0;
        QString artNr;       // as shown, with the leading "0" of short numbers
        QString bezeichnung; // the description, the group's name or the sum's label
        QString mengeText;   // the quantity as shown
        double menge = 0.0;
        qint64 preisCent = 0;
        qint64 gesamtCent = 0; // the line total or the sum
        int erste = -1;        // sum rows: the first and last row they add up
        int letzte = -1;
    };

    static MaterialTabelle aus(const ArtikelListe& katalog, Art art, float mwstSatz);

    Art art = Materialliste;
    float mwstSatz = 0.0f;
    QVector<Zeile> zeilen;

    // "Materialliste" or "Bestellung".
    QString blattName() const;
    static QStringList spalten();
};
