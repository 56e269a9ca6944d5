#include "ui/whdoublevalidator.h"

WHDoubleValidator::WHDoubleValidator(double bottom, double top, int decimals, QObject* parent)
    : DoubleValidator(bottom, top, decimals, parent)
{
}
