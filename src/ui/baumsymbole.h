#pragma once

// The navigator's icons of the records, 16 x 16 XPM images compiled into the program, each in
// a normal and a marked variant (the record is held by the clipboard).
class BaumSymbole
{
public:
    // The XPM data of a record type's icon; null for a type without icon.
    static const char* const* daten(int typ, bool markiert);
};
