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
    QStringView wert(qsizetype i) const
    {
        const qsizetype von = i == 0 ? 0 : m_ende[i - 1];
        return QStringView(m_zeichen.constData() + von, m_ende[i] - von);
    }
    // Only a text can hold a "%"; numbers never do.
    bool enthaeltProzent() const { return m_prozent; }

private:
    // Room for laenge more characters; returns where they go.
    char16_t* platz(qsizetype laenge);
    Zeilenwerte& zeichen(const char* von, int laenge);

    // Used up to m_laenge; its size is the room there is.
    QVarLengthArray<char16_t, 256> m_zeichen = QVarLengthArray<char16_t, 256>(256);
    qsizetype m_laenge = 0;
    QVarLengthArray<qsizetype, 16> m_ende;
    bool m_prozent = false;
};
