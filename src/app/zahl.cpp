#include "app/zahl.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Project files hold tens of thousands of plain numbers ("-12.5", "3"). Those are read here
// directly: from_chars rounds exactly as QString::toDouble does, at a fraction of its cost.
// Anything else (spaces, exponents, signs written with "+") is left to Qt.
bool liesSchlicht(const QString& text, double& wert)
{
    constexpr qsizetype maxLaenge = 24;
    const qsizetype n = text.size();
    if (n == 0 || n > maxLaenge)
        return false;
    char zeichen[maxLaenge];
    qsizetype ziffern = 0;
    qsizetype punkt = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'0' && c <= u'9')
            ++ziffern;
        else if (c == u'.' && punkt < 0)
            punkt = i;
        else if (!(c == u'-' && i == 0))
            return false;
        zeichen[i] = static_cast<char>(c);
    }
    // A point needs a digit on both sides ("5." and ".5" go the long way).
    const qsizetype erste = zeichen[0] == '-' ? 1 : 0;
    if (ziffern == 0 || punkt == erste || punkt == n - 1)
        return false;
    const auto [ende, fehler] = std::from_chars(zeichen, zeichen + n, wert);
    return fehler == std::errc() && ende == zeichen + n;
}

// Whole numbers of up to nine characters, which cannot overflow an int.
bool liesSchlicht(const QString& text, int& wert)
{
    constexpr qsizetype maxLaenge = 9;
    const qsizetype n = text.size();
    if (n == 0 || n > maxLaenge)
        return false;
    char zeichen[maxLaenge];
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c == u'-' && i == 0)))
            return false;
        zeichen[i] = static_cast<char>(c);
    }
    const auto [ende, fehler] = std::from_chars(zeichen, zeichen + n, wert);
    return fehler == std::errc() && ende == zeichen + n;
}

} // namespace

QString Zahl::kurz(double x)
{
    if (x == 0.0)
        x = 0.0; // no "-0"
    // QString::number writes exactly what "%1".arg() would, without parsing a pattern each time:
    // project files and reports format many thousands of numbers.
    return QString::number(x, 'g', -1);
}

QString Zahl::kurz(double x, int stellen)
{
    return QString::number(x, 'g', stellen);
}

QString Zahl::anzeige(double x, int decimals)
{
    if (!std::isfinite(x))
        return kurz(x);
    if (x == 0.0)
        return QStringLiteral("0");
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    QString text = fest(x, std::clamp(5 - exponent, 0, std::max(0, decimals)));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString Zahl::fest(double x, int decimals)
{
    QString text = QString::number(x, 'f', decimals);
    // A value that rounds to zero is zero: "-0.00" would read as a shortfall that is not there.
    if (text.startsWith(QLatin1Char('-')) && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
            return c >= QLatin1Char('1') && c <= QLatin1Char('9');
        }))
        text.remove(0, 1);
    return text;
}

double Zahl::toDouble(const QString& text)
{
    double schlicht = 0.0;
    if (liesSchlicht(text, schlicht))
        return schlicht;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

float Zahl::toFloat(const QString& text)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(v) ? v : 0.0f;
}

int Zahl::toInt(const QString& text)
{
    int schlicht = 0;
    if (liesSchlicht(text, schlicht))
        return schlicht;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

int Zahl::ganz(double x)
{
    if (!(x == x))
        return 0;
    if (x >= 2147483647.0)
        return 2147483647;
    if (x <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(x);
}

QString Zahl::artikelNummer(int artNr)
{
    const QString text = QString::number(artNr);
    return text.size() <= 5 ? QLatin1Char('0') + text : text;
}
