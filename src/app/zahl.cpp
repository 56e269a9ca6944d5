#include "app/zahl.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Project files hold tens of thousands of plain numbers ("-12.5", "3"). Those are read here
// directly: from_chars rounds exactly as QString::toDouble does, at a fraction of its cost.
// Anything else (spaces, exponents, signs written with "+") is left to Qt.
bool liesSchlicht(QStringView text, double& wert)
{
    constexpr qsizetype maxLaenge = 24;
    const qsizetype n = text.size();
    if (n == 0 || n > maxLaenge)
        return false;
    char zeichen[maxLaenge];
    qsizetype ziffern = 0;
    qsizetype punkt = -1;
    quint64 ganz = 0; // the digits as a whole number, used while there are at most 15
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'0' && c <= u'9') {
            ++ziffern;
            ganz = ganz * 10 + (c - u'0');
        } else if (c == u'.' && punkt < 0)
            punkt = i;
        else if (!(c == u'-' && i == 0))
            return false;
        zeichen[i] = static_cast<char>(c);
    }
    // A point needs a digit on both sides ("5." and ".5" go the long way).
    const qsizetype erste = zeichen[0] == '-' ? 1 : 0;
    if (ziffern == 0 || punkt == erste || punkt == n - 1)
        return false;
    // Up to 15 digits make a whole number that a double holds exactly, and 10^k is exact too:
    // one division then rounds exactly as the full conversion does.
    if (ziffern <= 15) {
        static const double zehner[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double betrag = static_cast<double>(ganz) / zehner[punkt < 0 ? 0 : n - 1 - punkt];
        wert = erste ? -betrag : betrag;
        return true;
    }
    const auto [ende, fehler] = std::from_chars(zeichen, zeichen + n, wert);
    return fehler == std::errc() && ende == zeichen + n;
}

// Whole numbers of up to nine characters, which cannot overflow an int.
bool liesSchlicht(QStringView text, int& wert)
{
    constexpr qsizetype maxLaenge = 9;
    const qsizetype n = text.size();
    if (n == 0 || n > maxLaenge)
        return false;
    const qsizetype erste = text.front() == u'-' ? 1 : 0;
    if (erste == n)
        return false;
    int betrag = 0;
    for (qsizetype i = erste; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        betrag = betrag * 10 + (c - u'0');
    }
    wert = erste ? -betrag : betrag;
    return true;
}

// The short form is six significant digits, trailing zeros dropped, fixed-point while the value
// lies between 1e-4 and 1e6. Project files and reports write tens of thousands of such numbers, and
// the general conversion takes its slow exact path on most values read from single precision. In
// that range the six digits come from one scaling: the product is within half a unit in the last
// place of the exact value, so unless its fraction lies next to one half it rounds as the exact
// value does (half away from zero, as Qt rounds). Everything else is left to Qt.
// 10^e for e from -4 to 5.
double zehnerpotenz(int e)
{
    static const double potenzen[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5};
    return potenzen[e + 4];
}

int kurzSchnell(double x, char (&puffer)[24])
{
    const double betrag = std::fabs(x);
    if (!(betrag >= 1e-4 && betrag < 999999.5))
        return 0;
    // The decimal exponent by comparison; a value next to a power of ten may land one off,
    // which the digit check below sends to Qt.
    int exponent = 5;
    while (exponent > -4 && betrag < zehnerpotenz(exponent))
        --exponent;
    static const double zehner[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const int stellen = 5 - exponent; // decimals of the rounded value, 0 to 9
    if (stellen < 0 || stellen > 9)
        return 0;
    const double skaliert = betrag * zehner[stellen];
    const double ganz = std::floor(skaliert);
    const double rest = skaliert - ganz;
    if (std::fabs(rest - 0.5) < 1e-6)
        return 0;
    const qint64 wert = static_cast<qint64>(ganz) + (rest > 0.5 ? 1 : 0);
    if (wert < 100000 || wert > 999999)
        return 0;
    char ziffern[6];
    qint64 n = wert;
    for (int i = 5; i >= 0; --i) {
        ziffern[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    int letzte = 5; // the last digit that is kept: trailing zeros after the point go
    while (letzte >= 6 - stellen && ziffern[letzte] == '0')
        --letzte;
    int laenge = 0;
    if (x < 0)
        puffer[laenge++] = '-';
    const int vorPunkt = 6 - stellen; // digits before the point; zero or less below one
    if (vorPunkt <= 0) {
        puffer[laenge++] = '0';
        puffer[laenge++] = '.';
        for (int i = vorPunkt; i < 0; ++i)
            puffer[laenge++] = '0';
        for (int i = 0; i <= letzte; ++i)
            puffer[laenge++] = ziffern[i];
    } else {
        for (int i = 0; i <= letzte; ++i) {
            if (i == vorPunkt)
                puffer[laenge++] = '.';
            puffer[laenge++] = ziffern[i];
        }
    }
    return laenge;
}

// A fixed number of decimals, taken the same way as the short form: one scaling is exact
// enough below 1e9 units of the last decimal unless the value lies next to a tie. Returns the
// number of characters, 0 when the value is left to Qt. A value that rounds to zero is written
// without its sign.
int festSchnell(double x, int decimals, char (&puffer)[24])
{
    static const double zehner[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (decimals < 0 || decimals > 9 || !std::isfinite(x))
        return 0;
    const double skaliert = std::fabs(x) * zehner[decimals];
    if (!(skaliert < 1e9))
        return 0;
    const double ganz = std::floor(skaliert);
    const double rest = skaliert - ganz;
    if (std::fabs(rest - 0.5) < 1e-6)
        return 0;
    qint64 wert = static_cast<qint64>(ganz) + (rest > 0.5 ? 1 : 0);
    // The digits from the last: at least one before the point, the point after the decimals.
    char ziffern[24];
    char* anfang = ziffern + sizeof ziffern;
    const bool negativ = std::signbit(x) && wert > 0;
    int stelle = 0;
    do {
        if (stelle == decimals && decimals > 0)
            *--anfang = '.';
        *--anfang = static_cast<char>('0' + wert % 10);
        wert /= 10;
        ++stelle;
    } while (wert > 0 || stelle <= decimals);
    if (negativ)
        *--anfang = '-';
    const int laenge = static_cast<int>(ziffern + sizeof ziffern - anfang);
    std::copy_n(anfang, laenge, puffer);
    return laenge;
}

} // namespace

QString Zahl::kurz(double x)
{
    if (x == 0.0)
        return QStringLiteral("0"); // no "-0"
    char puffer[24];
    if (const int laenge = kurzSchnell(x, puffer))
        return QString::fromLatin1(puffer, laenge);
    // QString::number writes exactly what "%1".arg() would, without parsing a pattern each time.
    return QString::number(x, 'g', -1);
}

int Zahl::kurzNach(char (&ziel)[24], double x)
{
    if (x == 0.0) {
        ziel[0] = '0';
        return 1;
    }
    if (const int laenge = kurzSchnell(x, ziel))
        return laenge;
    // The general form is at most "-d.ddddde-ddd" or "inf"/"nan".
    const QByteArray text = QString::number(x, 'g', -1).toLatin1();
    const int laenge = static_cast<int>(std::min<qsizetype>(text.size(), sizeof ziel));
    std::copy_n(text.constData(), laenge, ziel);
    return laenge;
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
    char puffer[24] = {};
    if (const int laenge = festSchnell(x, decimals, puffer))
        return QString::fromLatin1(puffer, laenge);
    QString text = QString::number(x, 'f', decimals);
    // A value that rounds to zero is zero: "-0.00" would read as a shortfall that is not there.
    if (text.startsWith(QLatin1Char('-')) && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
            return c >= QLatin1Char('1') && c <= QLatin1Char('9');
        }))
        text.remove(0, 1);
    return text;
}

int Zahl::festNach(char (&ziel)[24], double x, int decimals)
{
    return festSchnell(x, decimals, ziel);
}

double Zahl::toDouble(QStringView text)
{
    double schlicht = 0.0;
    if (liesSchlicht(text, schlicht))
        return schlicht;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

float Zahl::toFloat(QStringView text)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(v) ? v : 0.0f;
}

int Zahl::toInt(QStringView text)
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
