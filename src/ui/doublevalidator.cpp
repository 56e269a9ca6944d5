#include "ui/doublevalidator.h"

DoubleValidator::DoubleValidator(double bottom, double top, int decimals, QObject* parent)
    : QDoubleValidator(bottom, top, decimals, parent)
{
    setLocale(QLocale::c());
    // Plain decimals only: an exponent ("6e12") would let a value past the field's range in.
    setNotation(QDoubleValidator::StandardNotation);
}

QValidator::State DoubleValidator::validate(QString& input, int& pos) const
{
    if (!input.isEmpty())
        input.replace(QLatin1Char(','), QLatin1Char('.'));
    return QDoubleValidator::validate(input, pos);
}
