#pragma once

class ArtikelListe;

// The money figures with VAT that the material list, the order form, the batch tool and the cost documents
// show. Sums and the VAT rate are single precision; a product is formatted as it comes out of
// the multiplication, without first being cut back to single precision, so that the rate
// 0.19, which single precision holds slightly below 0.19, gives 1377.50 × 0.19 = 261.72.
// Nothing is rounded to cents before it is shown with 2 decimals.
class Kosten
{
public:
    float summe = 0.0f;     // net ("Summe")
    double mwst = 0.0;      // VAT on the net sum ("zzgl. Mwst")
    double summeMwst = 0.0; // gross ("Summe incl. Mwst")

    static Kosten mitMwst(float netto, float mwstSatz);
    // The material list: the catalogue's requirement × price over all articles.
    static Kosten materialListe(const ArtikelListe& katalog, float mwstSatz);
    // The order form: the catalogue's order quantity × price over all articles.
    static Kosten bestellung(const ArtikelListe& katalog, float mwstSatz);

    // A product of two single-precision figures, kept at full width for showing.
    static double produkt(float a, float b) { return static_cast<double>(a) * static_cast<double>(b); }
};
