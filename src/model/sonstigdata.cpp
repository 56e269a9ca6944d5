#include "model/sonstigdata.h"

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
    stundensatz = Zahl::toFloat(f.at(1));
    montagezeit = Zahl::toFloat(f.at(2));
    montageFaktor = Zahl::toFloat(f.at(4));
    if (f.size() >= 6)
        abschlag = Zahl::toFloat(f.at(5));
    return true;
}

float SonstigData::abschlagAusText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('%')))
        return Zahl::toFloat(t.chopped(1)) / 100.0f;
    return Zahl::toFloat(t);
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
    return weichtAb(stundensatz, stundensatzFeld) || weichtAb(montagezeit, montagezeitFeld) ||
           weichtAb(abschlag, abschlagAusText(abschlagFeld)) ||
           weichtAb(Programm::mwstSatz() * 100.0f, mwstProzentFeld);
}

void SonstigData::uebernehme(float stundensatzFeld, float montagezeitFeld, const QString& abschlagFeld,
                             float mwstProzentFeld)
{
    stundensatz = stundensatzFeld;
    montagezeit = montagezeitFeld;
    abschlag = abschlagAusText(abschlagFeld);
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

void SonstigData::printKA(QString& vorlage, float materialSumme)
{
    // Every figure is single precision and rounded to cents only where it is written.
    vorlage.replace(QStringLiteral("%AnzahlStunden%"), Zahl::fest(montagezeit, 1));
    vorlage.replace(QStringLiteral("%PreisStunde%"), Zahl::fest(stundensatz, 2));
    vorlage.replace(QStringLiteral("%GesamtLohn%"), Zahl::fest(Kosten::produkt(stundensatz, montagezeit), 2));

    float netto = stundensatz * montagezeit + materialSumme;

    QString block;
    if (abschlag > 0.0f) {
        // Below 1 the deduction is a share of the net sum, from 1 on a lump sum in EUR.
        const bool anteil = abschlag < 1.0f;
        const double betrag = anteil ? Kosten::produkt(netto, abschlag) : static_cast<double>(abschlag);
        block = QStringLiteral("<p><b>Abschlag</b></p>\n");
        block += QStringLiteral("\n<table cols=2 width=\"100%\">");
        block += QStringLiteral("\n<tr>");
        block += QStringLiteral("\n<td align=left> ");
        if (anteil)
            block += QStringLiteral("%1% von %2 <b>EUR</b> ")
                         .arg(Zahl::kurz(abschlag * 100.0f), Zahl::fest(netto, 2));
        block += QStringLiteral(" </td>");
        block += QStringLiteral("\n<td align=right><b>");
        block += Zahl::fest(betrag, 2);
        block += QStringLiteral(" &nbsp;EUR</b></td>");
        block += QStringLiteral("\n</tr>");
        block += QStringLiteral("\n</table>");
        block += QStringLiteral("\n<p><img src=\"leer.png\" height=10 width=1></p>");
        netto = static_cast<float>(static_cast<double>(netto) - betrag);
    }
    vorlage.replace(QStringLiteral("%Abschlag%"), block);

    // VAT on the net sum after the deduction.
    const float satz = Programm::mwstSatz();
    const Kosten k = Kosten::mitMwst(netto, satz);
    vorlage.replace(QStringLiteral("%SummeGesamt%"), Zahl::fest(k.summe, 2));
    vorlage.replace(QStringLiteral("%MwstSatz%"), Zahl::fest(satz * 100.0f, 0));
    vorlage.replace(QStringLiteral("%Mwst%"), Zahl::fest(k.mwst, 2));
    vorlage.replace(QStringLiteral("%SummeMwst%"), Zahl::fest(k.summeMwst, 2));
}
