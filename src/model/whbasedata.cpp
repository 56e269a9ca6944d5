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
    QList<QStringView> f;
    f.reserve(std::count(line.begin(), line.end(), trenner) + 1);
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == trenner) {
            f.append(line.mid(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    f.append(line.mid(anfang));
    return f;
}

QString WHBaseData::zeile(int tiefe, const QStringList& felder)
{
    return QString(tiefe, QLatin1Char('\t')) + felder.join(QChar(0x01)) + QLatin1Char('\n');
}

QString WHBaseData::zahl(double x)
{
    return Zahl::kurz(x);
}
