#include "model/whbasedata.h"

#include "app/zahl.h"

#include <algorithm>

bool WHBaseData::checkData(int, float) const
{
    return true;
}

QString WHBaseData::bereinigt(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar(0x01) || c == QChar(0x02) || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;
        result += c;
    }
    return result;
}

QStringList WHBaseData::felder(const QString& line)
{
    return line.split(QChar(0x01));
}

QList<QStringView> WHBaseData::felderAnsicht(QStringView line)
{
    const QChar trenner(0x01);
    QList<QStringView> f(anzahlFelder(line));
    QStringView* feld = f.data();
    // Fields are a few characters long: a plain walk beats a search call per field.
    const QChar* const ende = line.data() + line.size();
    const QChar* anfang = line.data();
    for (const QChar* c = anfang; c != ende; ++c) {
        if (*c == trenner) {
            *feld++ = QStringView(anfang, c);
            anfang = c + 1;
        }
    }
    *feld = QStringView(anfang, ende);
    return f;
}

qsizetype WHBaseData::anzahlFelder(QStringView line)
{
    const char16_t* zeichen = line.utf16();
    return std::count(zeichen, zeichen + line.size(), u'\x01') + 1;
}

QString WHBaseData::zeile(int tiefe, const QStringList& felder)
{
    return QString(tiefe, QLatin1Char('\t')) + felder.join(QChar(0x01)) + QLatin1Char('\n');
}

QString WHBaseData::zahl(double x)
{
    return Zahl::kurz(x);
}
