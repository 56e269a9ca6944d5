#include "model/sonstigdata.h"

#include "app/grenzen.h"
#include "app/programm.h"
#include "app/zahl.h"

#include <cmath>

SonstigData::SonstigData()
{
    name = QStringLiteral("Sonstige Kosten");
    type = TypSonstig;
}

QString SonstigData::toString() const
{
    return zeile(1, {QStringLiteral("4"), zahl(stundensatz), zahl(montagezeit), QStringLiteral("0"),
                     zahl(montageFaktor), zahl(abschlag)});
}

bool SonstigData::fromString(const QString& line, const QString&)
{
    const QStringList f = felder(line);
    if (f.size() < 5)
        return false;
    stundensatz = Grenzen::lies(f.at(1), Grenzen::stundensatz);
    montagezeit = Grenzen::lies(f.at(2), Grenzen::stunden);
    montageFaktor = Grenzen::lies(f.at(4), Grenzen::faktor);
    if (f.size() >= 6)
        abschlag = Grenzen::lies(f.at(5), Grenzen::abschlag);
    return true;
}

bool SonstigData::abschlagLesen(const QString& text, float& abschlag)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const bool prozent = t.endsWith(QLatin1Char('%'));
    if (prozent)
        t.chop(1);
    t = t.trimmed();
    if (t.isEmpty()) {
        abschlag = 0.0f;
        return true;
    }
    bool ok = false;
    const double wert = t.toDouble(&ok);
    if (!ok || !std::isfinite(wert))
        return false;
    abschlag = Grenzen::halte(prozent ? wert / 100.0 : wert, Grenzen::abschlag);
    return true;
}

QString SonstigData::abschlagText(float abschlag)
{
    if (abschlag > 0.0f && abschlag < 1.0f)
        return QStringLiteral("%1%").arg(Zahl::kurz(abschlag * 100.0f));
    return Zahl::kurz(abschlag);
}

namespace {
// A page value counts as changed from a hundredth on. Single precision leaves the difference
// of two values one hundredth apart a hair below 0.01 (0.11 − 0.1 gives 0.00999999), so the
// bound allows for that noise; otherwise such an edit would never reach the record.
bool weichtAb(float a, float b)
{
    return std::fabs(static_cast<double>(a) - static_cast<double>(b)) >= 0.0095;
}
} // namespace

bool SonstigData::isChanged(float stundensatzFeld, float montagezeitFeld, const QString& abschlagFeld,
                            float mwstProzentFeld) const
{
    float feld = abschlag;
    abschlagLesen(abschlagFeld, feld);
    return weichtAb(stundensatz, stundensatzFeld) || weichtAb(montagezeit, montagezeitFeld) ||
           weichtAb(abschlag, feld) || weichtAb(Programm::mwstSatz() * 100.0f, mwstProzentFeld);
}

void SonstigData::uebernehme(float stundensatzFeld, float montagezeitFeld, const QString& abschlagFeld,
                             float mwstProzentFeld)
{
    stundensatz = stundensatzFeld;
    montagezeit = montagezeitFeld;
    abschlagLesen(abschlagFeld, abschlag);
    Programm::setMwstSatz(mwstProzentFeld / 100.0f);
}
