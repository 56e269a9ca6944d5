#include "model/materialdata.h"

#include "app/zahl.h"
#include "material/artikelliste.h"

MaterialData::MaterialData()
{
    name = QStringLiteral("Materialbedarf");
    type = TypMaterial;
}

void MaterialData::anpassenAnKatalog()
{
    const int n = ArtikelListe::global().size();
    if (mengen.size() < n)
        mengen.resize(n, 0.0f);
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
    anpassenAnKatalog();
    const QStringList f = felder(line);
    for (int i = 1; i + 1 < f.size(); i += 2) {
        const int pos = katalog.indexOf(Zahl::toInt(f.at(i)));
        if (pos >= 0)
            mengen[pos] = Zahl::toFloat(f.at(i + 1));
    }
    return true;
}
