#include "material/bestellung.h"

#include "app/textcodec.h"
#include "app/zahl.h"
#include "model/artikelliste.h"

#include <algorithm>

QVector<Bestellung::Position> Bestellung::positionen(const ArtikelListe& katalog)
{
    QVector<int> bestellt;
    for (int i = 0; i < katalog.size(); ++i) {
        if (katalog.at(i).bestellMenge > 0)
            bestellt.append(i);
    }
    std::stable_sort(bestellt.begin(), bestellt.end(), [&katalog](int a, int b) {
        return katalog.anzeigeGruppe(katalog.at(a)) < katalog.anzeigeGruppe(katalog.at(b));
    });

    QVector<Position> liste;
    for (int i : bestellt) {
        const Artikel& a = katalog.at(i);
        Position p;
        p.nummer = liste.size() + 1;
        p.index = i;
        p.artNr = Zahl::artikelNummer(a.artNr);
        p.bezeichnung = a.bezeichnung;
        p.preis = Zahl::fest(a.preis, 2);
        p.menge = a.bestellMenge;
        liste.append(p);
    }
    return liste;
}

QString Bestellung::exportText(const ArtikelListe& katalog)
{
    QString text = QStringLiteral("Pos.\tArt.-Nr.\tBezeichnung\tPreis\tMenge\n");
    for (const Position& p : positionen(katalog)) {
        QString preis = p.preis;
        preis.replace(QLatin1Char('.'), QLatin1Char(','));
        text +=
            QStringList{QString::number(p.nummer), p.artNr, p.bezeichnung, preis, QString::number(p.menge)}
                .join(QLatin1Char('\t')) +
            QLatin1Char('\n');
    }
    return text;
}

bool Bestellung::exportieren(const ArtikelListe& katalog, const QString& pfad, QString& fehlerText)
{
    if (!TextCodec::writeFileAtomic(pfad, exportText(katalog))) {
        fehlerText = QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(pfad);
        return false;
    }
    return true;
}

int Bestellung::mengeAusText(const QString& text)
{
    bool ok = false;
    const int menge = text.trimmed().toInt(&ok);
    return ok && menge > 0 ? menge : 0;
}
