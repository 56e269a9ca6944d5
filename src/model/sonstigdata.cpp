#include "model/sonstigdata.h"

#include "app/zahl.h"

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
    stundensatz = Zahl::toFloat(f.at(1));
    montagezeit = Zahl::toFloat(f.at(2));
    montageFaktor = Zahl::toFloat(f.at(4));
    if (f.size() >= 6)
        abschlag = Zahl::toFloat(f.at(5));
    return true;
}

// --- report operations ---
void SonstigData::printPE1(QString&) {}
void SonstigData::printPE2(QString&) {}
void SonstigData::printKA(QString&, float) {}
