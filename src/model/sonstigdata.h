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

    void printPE1(QString& vorlage) override;
    void printPE2(QString& vorlage) override;
    // Fills the closing part of the cost documents; materialSumme is the material total.
    void printKA(QString& vorlage, float materialSumme);

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
};
