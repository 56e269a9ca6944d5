#pragma once

#include <QStringView>
#include <QVarLengthArray>

// The values of one row of a Zeilenvorlage, written as characters into one buffer in the
// order of the row's placeholders. A document of thousands of rows then needs no string per
// value; the numbers come out exactly as Zahl and QString::number write them.
class Zeilenwerte
{
public:
    Zeilenwerte& text(QStringView wert);
    Zeilenwerte& zahl(qint64 wert);
    Zeilenwerte& kurz(double wert);
    Zeilenwerte& fest(double wert, int decimals);

    qsizetype anzahl() const { return m_ende.size(); }
    QStringView wert(qsizetype i) const;
    bool enthaeltProzent() const;

private:
    Zeilenwerte& zeichen(const char* von, int laenge);

    QVarLengthArray<char16_t, 256> m_zeichen;
    QVarLengthArray<qsizetype, 16> m_ende;
};
