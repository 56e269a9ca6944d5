#pragma once

#include "model/whbasedata.h"

// Other costs: hourly rate, installation hours, their proposal and the deduction.
class SonstigData : public WHBaseData
{
public:
    SonstigData();

    float stundensatz = 0.0f;  // EUR per hour
    float montagezeit = 0.0f;  // hours
    float mrzVorschlag = 0.0f; // proposed hours; not saved
    // A value strictly between 0 and 1 is a fraction of the net sum, 1 or more a lump sum
    // in EUR, 0 or less no deduction.
    float abschlag = 0.0f;
    float montageFaktor = 0.5f; // carried in the file and copied to the building

    // The deduction as typed on the page: a text ending in "%" is a percentage ("10%" gives
    // the fraction 0.1, "150%" gives 1.5, a lump sum of 1.50 EUR), any other text the number
    // itself ("10" is a lump sum of 10 EUR); "," reads as "." as in every number field, an
    // empty text is no deduction. False, and abschlag unchanged, for a text that is no number.
    static bool abschlagLesen(const QString& text, float& abschlag);
    // The deduction as the page shows it: "5%" for a fraction, otherwise the plain number.
    static QString abschlagText(float abschlag);
    // The page's values against the record and the program's VAT rate (the page shows it in
    // percent): true when one of them differs by a hundredth or more. A deduction that is no
    // number is no change: the page refuses it.
    bool isChanged(float stundensatzFeld, float montagezeitFeld, const QString& abschlagFeld,
                   float mwstProzentFeld) const;
    // Takes the page's values into the record and the VAT percentage into the program's rate;
    // a deduction that is no number leaves the record's deduction as it was.
    void uebernehme(float stundensatzFeld, float montagezeitFeld, const QString& abschlagFeld,
                    float mwstProzentFeld);

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
};
