#pragma once

#include <QString>

// The two number forms of the program and the locale-independent reading of numbers.
// The decimal separator is always "."; there is no digit grouping.
class Zahl
{
public:
    // Short form: six significant digits without trailing zeros (1.5, 20, 0.333333, 1.23457e+06).
    static QString kurz(double x);
    // The short form as characters into ziel, for files that write thousands of numbers;
    // returns how many.
    static int kurzNach(char (&ziel)[24], double x);
    // The same general form with fewer significant digits (3 gives 0.833 for 2.5 / 3).
    static QString kurz(double x, int stellen);
    // The form of a value in a field: the short form's six significant digits, but never an
    // exponent and at most the field's decimals, without trailing zeros (6.59998 with
    // 2 decimals gives 6.6, 1e+06 gives 1000000, 0.333333 with 10 decimals stays 0.333333).
    // Without decimals it is the short form written without exponent.
    static QString anzeige(double x, int decimals = 10);
    // Fixed form with the given number of decimals (20 with 1 decimal gives 20.0).
    static QString fest(double x, int decimals);
    // The fixed form as characters into ziel, for documents of thousands of rows; returns how
    // many, or 0 for a value only fest() can write (ties, very large values, inf and nan).
    static int festNach(char (&ziel)[24], double x, int decimals);

    // Text as number; an empty, unreadable or non-finite text ("nan", "inf", out of range) gives 0.
    static double toDouble(QStringView text);
    static float toFloat(QStringView text);
    static int toInt(QStringView text);

    // Float to int, truncated toward zero and kept inside the int range; NaN gives 0. Every
    // conversion of a computed or read float into a count goes through here.
    static int ganz(double x);

    // Article numbers of five digits or fewer are shown with one leading "0".
    static QString artikelNummer(int artNr);
};
