#include "reports/csvfeld.h"

#include <algorithm>

void CsvFeld::anhaengen(QString& text, const QString& feld)
{
    const bool schlicht = std::none_of(feld.cbegin(), feld.cend(), [](QChar c) {
        return c == QLatin1Char(';') || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
               c == QLatin1Char('\r');
    });
    if (schlicht) {
        text += feld;
        return;
    }
    text += QLatin1Char('"');
    text += QString(feld).replace(QLatin1Char('"'), QStringLiteral("\"\""));
    text += QLatin1Char('"');
}

QString CsvFeld::text(const QString& feld)
{
    QString t;
    anhaengen(t, feld);
    return t;
}
