#include "model/projektdata.h"

#include "app/programm.h"
#include "app/zahl.h"

ProjektData::ProjektData() : datum(QDate::currentDate())
{
    name = QStringLiteral("Projekt");
    type = TypProjekt;
}

QString ProjektData::toString() const
{
    return zeile(0, {QStringLiteral("0"), name, projektNr, datum.toString(Qt::ISODate), strasse, ort, plz,
                     QString::number(stand)});
}

namespace {

// The text date of version 1.0 files: day name, month name, day and year ("Mon Jan 15 2007"),
// the names in English or, as German installations wrote them, in German ("Mo Mär 15 2007").
QDate textDatum(const QString& text)
{
    const QDate d = QDate::fromString(text, Qt::TextDate);
    if (d.isValid())
        return d;
    const QStringList teile = text.simplified().split(QLatin1Char(' '));
    if (teile.size() != 4)
        return QDate();
    static const QStringList monate[12] = {
        {QStringLiteral("jan")},
        {QStringLiteral("feb")},
        {QStringLiteral("mar"), QStringLiteral("mär"), QStringLiteral("mrz")},
        {QStringLiteral("apr")},
        {QStringLiteral("may"), QStringLiteral("mai")},
        {QStringLiteral("jun")},
        {QStringLiteral("jul")},
        {QStringLiteral("aug")},
        {QStringLiteral("sep")},
        {QStringLiteral("oct"), QStringLiteral("okt")},
        {QStringLiteral("nov")},
        {QStringLiteral("dec"), QStringLiteral("dez")}};
    const QString monat = teile.at(1).left(3).toLower();
    for (int m = 0; m < 12; ++m) {
        if (monate[m].contains(monat))
            return QDate(Zahl::toInt(teile.at(3)), m + 1, Zahl::toInt(teile.at(2)));
    }
    return QDate();
}

} // namespace

bool ProjektData::fromString(const QString& line, const QString& version)
{
    const QStringList f = felder(line);
    if (f.size() < 8)
        return false;
    name = f.at(1);
    projektNr = f.at(2);
    const QDate d =
        version == QLatin1String("1.0") ? textDatum(f.at(3)) : QDate::fromString(f.at(3), Qt::ISODate);
    // A date that cannot be read leaves the project dated today rather than without a date.
    if (d.isValid())
        datum = d;
    strasse = f.at(4);
    ort = f.at(5);
    plz = f.at(6);
    // Only the two known stages exist; anything else is taken as the cost estimate.
    stand = Zahl::toInt(f.at(7)) == 1 ? 1 : 0;
    Programm::setStand(stand);
    return true;
}

bool ProjektData::fromStringWB(const QString& line)
{
    const QStringList f = felder(line);
    if (f.size() < 3)
        return false;
    name = f.at(2);
    return true;
}
