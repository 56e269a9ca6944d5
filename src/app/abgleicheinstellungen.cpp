#include "app/abgleicheinstellungen.h"

#include "app/zahl.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

const QString spreizungSchluessel = QStringLiteral("Abgleich/Spreizung");
const QString ventilSchluessel = QStringLiteral("Abgleich/Ventildruck");
const QString zuschlagSchluessel = QStringLiteral("Abgleich/Pumpenzuschlag");

double gehalten(double wert, double standard, double lo, double hi)
{
    return std::isfinite(wert) ? std::clamp(wert, lo, hi) : standard;
}

double gelesen(const QSettings& s, const QString& schluessel, double standard)
{
    if (!s.contains(schluessel))
        return standard;
    const QString text = s.value(schluessel).toString().trimmed();
    bool ok = false;
    const double wert = text.toDouble(&ok);
    return ok && std::isfinite(wert) ? wert : standard;
}

} // namespace

AbgleichEinstellungen AbgleichEinstellungen::lese()
{
    const QSettings s(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
    const AbgleichEinstellungen standard;
    AbgleichEinstellungen e;
    e.spreizung = gelesen(s, spreizungSchluessel, standard.spreizung);
    e.ventildruck = gelesen(s, ventilSchluessel, standard.ventildruck);
    e.pumpenzuschlag = gelesen(s, zuschlagSchluessel, standard.pumpenzuschlag);
    return e.begrenzt();
}

void AbgleichEinstellungen::schreibe() const
{
    const AbgleichEinstellungen e = begrenzt();
    QSettings s(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
    s.setValue(spreizungSchluessel, Zahl::kurz(e.spreizung));
    s.setValue(ventilSchluessel, Zahl::kurz(e.ventildruck));
    s.setValue(zuschlagSchluessel, Zahl::kurz(e.pumpenzuschlag));
}

AbgleichEinstellungen AbgleichEinstellungen::begrenzt() const
{
    const AbgleichEinstellungen standard;
    AbgleichEinstellungen e;
    e.spreizung = gehalten(spreizung, standard.spreizung, minSpreizung, maxSpreizung);
    e.ventildruck = gehalten(ventildruck, standard.ventildruck, minVentildruck, maxVentildruck);
    e.pumpenzuschlag = gehalten(pumpenzuschlag, standard.pumpenzuschlag, minZuschlag, maxZuschlag);
    return e;
}
