#pragma once

#include "ui/doublevalidator.h"

// The validator of WHDoubleEdit; it checks exactly like DoubleValidator.
class WHDoubleValidator : public DoubleValidator
{
    Q_OBJECT
public:
    WHDoubleValidator(double bottom, double top, int decimals, QObject* parent = nullptr);
};
