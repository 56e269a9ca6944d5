#include "model/sonstigdata.h"

#include "app/grenzen.h"
#include "app/programm.h"
#include "app/zahl.h"
#include "material/kosten.h"

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

// --- report operations ---
void SonstigData::printPE1(QString& vorlage)
{
    vorlage.replace(QStringLiteral("%Stundens%"), Zahl::kurz(stundensatz));
    vorlage.replace(QStringLiteral("%Montagez%"), Zahl::kurz(montagezeit));
}

void SonstigData::printPE2(QString& vorlage)
{
    printPE1(vorlage);
    QString text;
    if (abschlag > 0.0f && abschlag < 1.0f)
        text = QStringLiteral("%1%").arg(Zahl::kurz(abschlag * 100.0f));
    else if (abschlag >= 1.0f)
        text = QStringLiteral("%1 EUR").arg(Zahl::kurz(abschlag));
    vorlage.replace(QStringLiteral("%Abschlag%"), text);
}

void SonstigData::printKA(QString& vorlage, qint64 materialCent)
{
    // Labour, net and deduction are whole cents, so the document adds up as printed.
    const qint64 lohn = Kosten::cent(Kosten::produkt(stundensatz, montagezeit));
    vorlage.replace(QStringLiteral("%AnzahlStunden%"), Zahl::fest(montagezeit, 1));
    vorlage.replace(QStringLiteral("%PreisStunde%"), Zahl::fest(stundensatz, 2));
    vorlage.replace(QStringLiteral("%GesamtLohn%"), Zahl::fest(Kosten::euro(lohn), 2));

    qint64 netto = lohn + materialCent;

    QString block;
    if (abschlag > 0.0f) {
        // Below 1 the deduction is a share of the net sum, from 1 on a lump sum in EUR.
        const bool anteil = abschlag < 1.0f;
        const qint64 betrag = Kosten::cent(anteil ? Kosten::euro(netto) * static_cast<double>(abschlag)
                                                  : static_cast<double>(abschlag));
        block = QStringLiteral("<p><b>Abschlag</b></p>\n");
        block += QStringLiteral("\n<table cols=2 width=\"100%\">");
        block += QStringLiteral("\n<tr>");
        block += QStringLiteral("\n<td align=left> ");
        if (anteil)
            block += QStringLiteral("%1% von %2 <b>EUR</b> ")
                         .arg(Zahl::kurz(abschlag * 100.0f), Zahl::fest(Kosten::euro(netto), 2));
        block += QStringLiteral(" </td>");
        block += QStringLiteral("\n<td align=right><b>");
        block += Zahl::fest(Kosten::euro(betrag), 2);
        block += QStringLiteral(" &nbsp;EUR</b></td>");
        block += QStringLiteral("\n</tr>");
        block += QStringLiteral("\n</table>");
        block += QStringLiteral("\n<p><img src=\"leer.png\" height=10 width=1></p>");
        netto -= betrag;
    }
    vorlage.replace(QStringLiteral("%Abschlag%"), block);

    // VAT on the net sum after the deduction.
    const float satz = Programm::mwstSatz();
    const Kosten k = Kosten::mitMwst(Kosten::euro(netto), satz);
    vorlage.replace(QStringLiteral("%SummeGesamt%"), Zahl::fest(k.summe, 2));
    vorlage.replace(QStringLiteral("%MwstSatz%"), Zahl::fest(satz * 100.0f, 0));
    vorlage.replace(QStringLiteral("%Mwst%"), Zahl::fest(k.mwst, 2));
    vorlage.replace(QStringLiteral("%SummeMwst%"), Zahl::fest(k.summeMwst, 2));
}
