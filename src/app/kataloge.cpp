#include "app/kataloge.h"

const QStringList& Kataloge::raumTypen()
{
    static const QStringList t{QStringLiteral("Bad"),        QStringLiteral("Wohnen"),
                               QStringLiteral("Essen"),      QStringLiteral("Kind"),
                               QStringLiteral("Diele/Flur"), QStringLiteral("Schlafen"),
                               QStringLiteral("Küche"),      QStringLiteral("Freie Eingabe")};
    return t;
}

float Kataloge::raumTemperatur(int raumTyp)
{
    static const char* const temperaturen[] = {"24", "20", "20", "20", "15", "20", "20", "20"};
    if (raumTyp < 0 || raumTyp >= 8)
        return 20.0f;
    return QString::fromLatin1(temperaturen[raumTyp]).toFloat();
}

const QStringList& Kataloge::systeme()
{
    static const QStringList t{QStringLiteral("RI-10"), QStringLiteral("RI-10 Register"),
                               QStringLiteral("DID-10"), QStringLiteral("RU-10 Register")};
    return t;
}

const QStringList& Kataloge::gebaeudeStandards()
{
    static const QStringList t{QStringLiteral("bis 1995"), QStringLiteral("1995 bis 2000"),
                               QStringLiteral("Niedrigenergiehausstandard"), QStringLiteral("Passivhaus")};
    return t;
}

const float* Kataloge::gebaeudeWaermebedarf()
{
    static const float werte[8] = {80.0f, 40.0f, 30.0f, 15.0f, 40.0f, 30.0f, 16.0f, 5.0f};
    return werte;
}

float Kataloge::vorschlagWB(int standard)
{
    if (standard < 0 || standard >= 4)
        return 0.0f;
    return gebaeudeWaermebedarf()[standard];
}

float Kataloge::untergrenzeWB(int standard)
{
    if (standard < 0 || standard >= 4)
        return 0.0f;
    return gebaeudeWaermebedarf()[standard + 4];
}

const QStringList& Kataloge::einheiten()
{
    static const QStringList t{QStringLiteral(" "), QStringLiteral("m"), QStringLiteral("m²"),
                               QStringLiteral("Stück"), QStringLiteral("kg")};
    return t;
}

QString Kataloge::name(const QStringList& table, int index)
{
    return index >= 0 && index < table.size() ? table.at(index) : QString();
}
