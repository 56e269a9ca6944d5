#pragma once

#include <QtGlobal>

class ArtikelListe;

// The money rule of every document that shows money (material page, order form, cost offer,
// cost estimate, batch output), so that what a customer adds up is what the document says:
// a line total is quantity × price, the single-precision factors multiplied at double width,
// rounded half-up to the cent; a group sum is the sum of its rounded lines; net, labour and
// deduction are whole cents; the VAT is net × rate rounded half-up to the cent; the gross is
// net + VAT. Sums are kept in whole cents; the euro figures hold exactly those cents.
class Kosten
{
public:
    double summe = 0.0;     // net ("Summe")
    double mwst = 0.0;      // VAT on the net sum ("zzgl. Mwst")
    double summeMwst = 0.0; // gross ("Summe incl. Mwst")

    // The net is rounded to the cent first. The rate 0.19, which single precision holds
    // slightly below 0.19, gives 1377.50 × 0.19 = 261.72.
    static Kosten mitMwst(double netto, float mwstSatz);
    // The material list: the sum of the rounded lines requirement × price of all articles.
    static Kosten materialListe(const ArtikelListe& katalog, float mwstSatz);
    // The order form: the catalogue's order quantity × price over all articles.
    static Kosten bestellung(const ArtikelListe& katalog, float mwstSatz);

    // An amount in euros as whole cents, a half cent upwards; a non-finite amount is 0.
    static qint64 cent(double euro);
    // The line total quantity × price in whole cents.
    static qint64 zeilenCent(double menge, double preis) { return cent(menge * preis); }
    static double euro(qint64 cent) { return static_cast<double>(cent) / 100.0; }

    // Money of the requirement and of the order in the catalogue, whole cents: each line
    // rounded to the cent, the sums made of the rounded lines.
    static double summeBedarf(const ArtikelListe& katalog, int gruppe);
    static double summeBedarfGesamt(const ArtikelListe& katalog);
    static double summeBestellung(const ArtikelListe& katalog, int gruppe);
    static double summeBestellungGesamt(const ArtikelListe& katalog);
    // A product of two single-precision figures, kept at full width.
    static double produkt(float a, float b) { return static_cast<double>(a) * static_cast<double>(b); }
};
