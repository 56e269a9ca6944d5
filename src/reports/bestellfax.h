#pragma once

#include <QDate>
#include <QString>

class AnwenderDaten;
class ArtikelListe;

// The order fax: one filled copy of the position template "bestellung2" per ordered
// article, between the head "bestellung1" (date, sender, customer number) and the foot
// "bestellung3" (order value, delivery kind, remark). Typed texts print as typed; their line
// breaks become "<br>".
class Bestellfax
{
public:
    struct Angaben
    {
        QString absender;
        QString kundenNr;
        QString lieferart;
        QString bemerkung;
        QString gesamtWert; // the gross order value as the order form shows it
        QDate datum = QDate::currentDate();
    };

    // The delivery kinds the supplier offers, the first one proposed.
    static QStringList lieferarten();
    // The sender the fax proposes: the user data's name lines, street and town, one a line.
    static QString absender(const AnwenderDaten& daten);

    // The filled position rows of every ordered article. When the template cannot be read:
    // false and fehlerText "Datei bestellung.html konnte nicht geöffnet werden!".
    static bool positionen(const ArtikelListe& katalog, QString& html, QString& fehlerText);
    // The whole document: head, the position rows, foot. When head or foot cannot be read:
    // false and the message naming it.
    static bool dokument(const Angaben& angaben, const QString& positionen, QString& html,
                         QString& fehlerText);
    // Builds the document and writes it as the user folder's "ausdrucke/ausdruck.html" for
    // the preview; nothing is written when a template is missing.
    static bool ausgeben(const Angaben& angaben, const QString& positionen, QString& fehlerText);
};
