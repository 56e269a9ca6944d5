#include "model/materialdata.h"

#include "app/grenzen.h"
#include "app/zahl.h"
#include "material/kosten.h"

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

namespace {
// Fills the placeholders in one pass: a value is inserted as it stands and is never searched
// for placeholders itself, so that an article called "50%Menge%" or "A\1" prints as typed.
QString fuelle(const QString& vorlage, const QList<std::pair<QString, QString>>& werte)
{
    QString text;
    int pos = 0;
    while (pos < vorlage.size()) {
        int naechste = -1;
        int welcher = -1;
        for (int w = 0; w < werte.size(); ++w) {
            const int i = vorlage.indexOf(werte.at(w).first, pos);
            if (i >= 0 && (naechste < 0 || i < naechste)) {
                naechste = i;
                welcher = w;
            }
        }
        if (naechste < 0)
            break;
        text += QStringView(vorlage).mid(pos, naechste - pos);
        text += werte.at(welcher).second;
        pos = naechste + werte.at(welcher).first.size();
    }
    text += QStringView(vorlage).mid(pos);
    return text;
}
} // namespace

QString MaterialData::materialRows(const QString& vorlage, int gruppe, qint64& summeCent,
                                   const ArtikelListe& katalog) const
{
    QString zeilen;
    const int n = std::min<int>(mengen.size(), katalog.size());
    for (int i = 0; i < n; ++i) {
        const float menge = mengen.at(i);
        const Artikel& a = katalog.at(i);
        if (!(menge > 0.0f) || a.gruppe != gruppe)
            continue;
        const qint64 gesamt = Kosten::zeilenCent(menge, a.preis);
        zeilen += fuelle(vorlage, {{QStringLiteral("%Bezeichnung%"), a.bezeichnung.toHtmlEscaped()},
                                   {QStringLiteral("%BezeichnungLong%"), a.bezeichnungLang.toHtmlEscaped()},
                                   {QStringLiteral("%Menge%"), Zahl::fest(menge, 2)},
                                   {QStringLiteral("%Einzelpreis%"), Zahl::fest(a.preis, 2)},
                                   {QStringLiteral("%Gesamtpreis%"), Zahl::fest(Kosten::euro(gesamt), 2)}});
        summeCent += gesamt;
    }
    return zeilen;
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
