#include "reports/bestellfax.h"

#include "app/pfade.h"
#include "material/bestellung.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"
#include "reports/berichte.h"
#include "reports/vorlage.h"

#include <QDir>

QStringList Bestellfax::lieferarten()
{
    return {QStringLiteral("BELVORO-LKW"), QStringLiteral("Paket"), QStringLiteral("Express"),
            QStringLiteral("Abholung"), QStringLiteral("Direkt")};
}

QString Bestellfax::absender(const AnwenderDaten& daten)
{
    return QStringList{daten.anwender1, daten.anwender2, daten.strasse, daten.plzOrt}.join(QLatin1Char('\n'));
}

bool Bestellfax::positionen(const ArtikelListe& katalog, QString& html, QString& fehlerText)
{
    html.clear();
    QString vorlage;
    if (!Vorlage::lade(QStringLiteral("bestellung2"), vorlage, fehlerText)) {
        // The message the installer knows names the position template by its old name.
        fehlerText = Vorlage::oeffnenFehler(QStringLiteral("bestellung.html"));
        return false;
    }
    for (const Bestellung::Position& p : Bestellung::positionen(katalog)) {
        QString zeile = vorlage;
        Vorlage::ersetze(zeile, QStringLiteral("%Pos%"), QString::number(p.nummer));
        Vorlage::ersetze(zeile, QStringLiteral("%ArtNr%"), p.artNr);
        Vorlage::ersetzeText(zeile, QStringLiteral("%Bezeichnung%"), p.bezeichnung);
        Vorlage::ersetze(zeile, QStringLiteral("%Menge%"), QString::number(p.menge));
        html += zeile;
    }
    return true;
}

bool Bestellfax::dokument(const Angaben& angaben, const QString& positionen, QString& html,
                          QString& fehlerText)
{
    html.clear();
    QString kopf;
    QString fuss;
    if (!Vorlage::lade(QStringLiteral("bestellung1"), kopf, fehlerText) ||
        !Vorlage::lade(QStringLiteral("bestellung3"), fuss, fehlerText))
        return false;
    Vorlage::ersetze(kopf, QStringLiteral("%Date%"), Vorlage::datum(angaben.datum));
    Vorlage::ersetzeText(kopf, QStringLiteral("%KundeNr%"), angaben.kundenNr);
    Vorlage::ersetze(kopf, QStringLiteral("%Absender%"), Vorlage::html(angaben.absender, true));
    Vorlage::ersetzeText(fuss, QStringLiteral("%GesamtWert%"), angaben.gesamtWert);
    Vorlage::ersetzeText(fuss, QStringLiteral("%Liefer%"), angaben.lieferart);
    Vorlage::ersetze(fuss, QStringLiteral("%Bemerk%"), Vorlage::html(angaben.bemerkung, true));
    html = kopf + positionen + fuss;
    return true;
}

bool Bestellfax::ausgeben(const Angaben& angaben, const QString& positionen, QString& fehlerText)
{
    QString html;
    if (!dokument(angaben, positionen, html, fehlerText))
        return false;
    QDir().mkpath(Pfade::ausgabeDir());
    return Berichte::schreibeAusgabe(html, Berichte::ausgabePfad(), fehlerText);
}
