#pragma once

#include <QDoubleValidator>

// A number validator that takes a comma for the decimal point while typing: every "," is
// turned into "." (and the edit shows the replaced text) before the range and decimals are
// checked. Numbers always use "." whatever the desktop's language.
class DoubleValidator : public QDoubleValidator
{
    Q_OBJECT
public:
    DoubleValidator(double bottom, double top, int decimals, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
