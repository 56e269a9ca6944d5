#include "model/materialdata.h"

#include "app/grenzen.h"
#include "app/zahl.h"

#include <QHash>

#include <cmath>
#include <utility>

MaterialData::MaterialData()
{
    name = QStringLiteral("Materialbedarf");
    type = TypMaterial;
}

void MaterialData::anpassenAnKatalog(const ArtikelListe& katalog)
{
    const int n = katalog.size();
    if (mengen.size() < n)
        mengen.resize(n, 0.0f);
}

void MaterialData::zeigeImKatalog(ArtikelListe& katalog)
{
    anpassenAnKatalog(katalog);
    for (int i = 0; i < katalog.size(); ++i)
        katalog.setBedarf(katalog.at(i), mengen.at(i));
}

void MaterialData::uebernehmeAusKatalog(const ArtikelListe& katalog)
{
    anpassenAnKatalog(katalog);
    for (int i = 0; i < katalog.size(); ++i)
        mengen[i] = katalog.at(i).bedarf;
}

bool MaterialData::isChanged(const ArtikelListe& katalog) const
{
    // A hundredth counts; single precision leaves the difference of two requirements one
    // hundredth apart a hair below 0.01 (1.24 − 1.23), which must still count as a change.
    for (int i = 0; i < katalog.size(); ++i) {
        const double menge = i < mengen.size() ? mengen.at(i) : 0.0;
        if (std::fabs(menge - static_cast<double>(katalog.at(i).bedarf)) >= 0.0095)
            return true;
    }
    return false;
}

QString MaterialData::toString() const
{
    const ArtikelListe& katalog = ArtikelListe::global();
    QStringList f{QStringLiteral("7")};
    const int n = std::min<int>(mengen.size(), katalog.size());
    for (int i = 0; i < n; ++i) {
        if (mengen.at(i) > 0.0f)
            f << QString::number(katalog.at(i).artNr) << zahl(mengen.at(i));
    }
    return zeile(1, f);
}

bool MaterialData::fromString(const QString& line, const QString&)
{
    const ArtikelListe& katalog = ArtikelListe::global();
    anpassenAnKatalog(katalog);
    // Each number finds the first catalogue article that carries it. Looked up by table,
    // so that a line of any length reads in time proportional to its length.
    QHash<qint32, int> position;
    for (int i = katalog.size() - 1; i >= 0; --i)
        position.insert(katalog.at(i).artNr, i);
    const QStringList f = felder(line);
    for (int i = 1; i + 1 < f.size(); i += 2) {
        const auto pos = position.constFind(Zahl::toInt(f.at(i)));
        if (pos != position.constEnd())
            mengen[pos.value()] = Grenzen::lies(f.at(i + 1), Grenzen::menge);
    }
    return true;
}
