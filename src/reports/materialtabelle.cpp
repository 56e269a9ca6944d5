#include "reports/materialtabelle.h"

#include "app/zahl.h"
#include "material/kosten.h"
#include "model/artikelliste.h"

#include <QStringList>

#include <algorithm>

namespace {

// Descriptions go into cells as text: control characters have no place there.
QString ohneSteuerzeichen(const QString& text)
{
    QString t;
    t.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            t += c;
    }
    return t;
}

} // namespace

MaterialTabelle MaterialTabelle::aus(const ArtikelListe& katalog, Art art, float mwstSatz)
{
    MaterialTabelle t;
    t.art = art;
    t.mwstSatz = mwstSatz;
    const bool bestellung = art == Bestellung;

    // Articles by the group they are listed under, in catalogue order.
    const int gruppen = std::max(1, katalog.gruppenAnzahl());
    QVector<QVector<int>> proGruppe(gruppen);
    for (int i = 0; i < katalog.size(); ++i) {
        const ::Artikel& a = katalog.at(i);
        const bool gelistet = bestellung ? a.bestellMenge > 0 : a.bedarf > 0.0f;
        if (gelistet)
            proGruppe[katalog.anzeigeGruppe(a)].append(i);
    }

    int position = 0;
    qint64 netto = 0;
    QVector<int> summenZeilen;
    for (int g = 0; g < gruppen; ++g) {
        if (proGruppe.at(g).isEmpty())
            continue;
        const QString name = g > 0 ? ohneSteuerzeichen(katalog.gruppenNamen().at(g)) : QString();
        Zeile kopf;
        kopf.art = Gruppe;
        kopf.bezeichnung = name;
        t.zeilen.append(kopf);
        const int erste = t.zeilen.size();
        qint64 summe = 0;
        for (int i : proGruppe.at(g)) {
            const ::Artikel& a = katalog.at(i);
            Zeile z;
            z.position = ++position;
            z.artNr = Zahl::artikelNummer(a.artNr);
            z.bezeichnung = ohneSteuerzeichen(a.bezeichnung);
            z.menge = bestellung ? static_cast<double>(a.bestellMenge) : static_cast<double>(a.bedarf);
            z.mengeText = bestellung ? QString::number(a.bestellMenge) : Zahl::kurz(a.bedarf);
            z.preisCent = Kosten::cent(a.preis);
            z.gesamtCent = Kosten::zeilenCent(z.menge, a.preis);
            summe += z.gesamtCent;
            t.zeilen.append(z);
        }
        Zeile s;
        s.art = GruppenSumme;
        s.bezeichnung = name.isEmpty() ? QStringLiteral("Summe") : QStringLiteral("Summe ") + name;
        s.gesamtCent = summe;
        s.erste = erste;
        s.letzte = t.zeilen.size() - 1;
        summenZeilen.append(t.zeilen.size());
        t.zeilen.append(s);
        netto += summe;
    }

    const Kosten k = Kosten::mitMwst(Kosten::euro(netto), mwstSatz);
    Zeile summe;
    summe.art = Summe;
    summe.bezeichnung = QStringLiteral("Summe");
    summe.gesamtCent = Kosten::cent(k.summe);
    if (!summenZeilen.isEmpty()) {
        summe.erste = summenZeilen.first();
        summe.letzte = summenZeilen.last();
    }
    t.zeilen.append(summe);
    Zeile mwst;
    mwst.art = Mwst;
    mwst.bezeichnung = QStringLiteral("zzgl. Mwst");
    mwst.gesamtCent = Kosten::cent(k.mwst);
    t.zeilen.append(mwst);
    Zeile brutto;
    brutto.art = SummeMwst;
    brutto.bezeichnung = QStringLiteral("Summe incl. Mwst");
    brutto.gesamtCent = Kosten::cent(k.summeMwst);
    t.zeilen.append(brutto);
    return t;
}

QString MaterialTabelle::blattName() const
{
    return art == Bestellung ? QStringLiteral("Bestellung") : QStringLiteral("Materialliste");
}

QStringList MaterialTabelle::spalten()
{
    return {QStringLiteral("Pos."),  QStringLiteral("Art.-Nr."),    QStringLiteral("Bezeichnung"),
            QStringLiteral("Menge"), QStringLiteral("Preis (EUR)"), QStringLiteral("Gesamt (EUR)")};
}
