#pragma once

#include <QString>
#include <QVector>

class ArtikelListe;
class ProjektBaum;

// The priced bill of quantities of a project as it is handed to other trade software: levels
// of positions with quantity, unit, unit price and texts. In the stage "Ausführungsplanung" it
// holds the lines of the cost offer, one level per article group and the labour; in the stage
// "Kostenschätzung" the positions of the tender text in five levels. Quantities are kept in
// thousandths and prices in cents, as they are written, so that every line total and sum
// can be recomputed by the receiver from the written figures.
class Leistungsverzeichnis
{
public:
    struct Position
    {
        QString kurztext;
        QString langtext;
        QString einheit;             // m, m2, Stck, kg, VE, h
        qint64 mengeTausendstel = 0; // quantity × 1000, half-up
        qint64 preisCent = 0;        // unit price in cents, half-up

        // Quantity × unit price as written, rounded half-up to the cent.
        qint64 gesamtCent() const;
    };

    struct Bereich
    {
        int nummer = 0; // two digits in the output
        QString name;
        QVector<Position> positionen;

        qint64 summeCent() const;
    };

    enum Abschlag
    {
        KeinAbschlag,
        Prozent, // a share of the total
        Betrag   // a lump sum
    };

    int stand = 0;
    QVector<Bereich> bereiche;
    Abschlag abschlag = KeinAbschlag;
    qint64 abschlagTausendstelProzent = 0; // Prozent: the percentage × 1000
    qint64 abschlagCent = 0;               // Betrag: the amount

    // The project's bill of quantities by its stage (for the stage "Kostenschätzung" after the
    // circuit and manifold estimate). Positions and levels without a quantity are left out.
    static Leistungsverzeichnis ausProjekt(ProjektBaum& baum, const ArtikelListe& katalog);

    // The document the bill comes from: "Kostenangebot" or "Kostenvoranschlag".
    QString bezeichnung() const;
    qint64 summeCent() const;
    // The deduction in cents: a percentage of the total rounded half-up, or the lump sum.
    qint64 abschlagBetragCent() const;
    // The percentage as written, e.g. "5" or "12.5".
    QString prozentText() const;

    // A figure in thousandths or cents, rounded half-up from the value.
    static qint64 tausendstel(double wert);
    static qint64 cent(double euro);
};
