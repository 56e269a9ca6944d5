#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The mechanics every printed document shares: templates are HTML files of the
// installation's "ausdrucke/" folder with placeholders such as "%ProjektBezeichnung%" and
// optional blocks between "%EKR-%" and "%-EKR%"; filling one works on a copy of the file's
// text.
class Vorlage
{
public:
    // Reads the template "ausdrucke/<name>.html" of the installation whole. When it cannot be
    // opened: false, and fehlerText names the file ("Datei kazus.html konnte nicht geöffnet
    // werden!").
    static bool lade(const QString& name, QString& inhalt, QString& fehlerText);
    // Reads a report's templates in the given order; the first one missing stops the reading
    // with its message. inhalte holds the texts in the order of the names.
    static bool ladeAlle(const QStringList& namen, QStringList& inhalte, QString& fehlerText);
    // The message for a file that cannot be opened, naming it without its folder.
    static QString oeffnenFehler(const QString& dateiName);

    // Replaces every occurrence of the placeholder (case-sensitive) by the value, which is
    // inserted exactly as given: "A\1" or "$&" arrive as typed.
    static void ersetze(QString& text, const QString& platzhalter, const QString& wert);
    // The same for a text the user typed (a name, an address, a description): HTML-escaped.
    static void ersetzeText(QString& text, const QString& platzhalter, const QString& wert);

    // An optional block that stays: only its two markers "%TAG-%" and "%-TAG%" disappear.
    static void behalteBlock(QString& text, const QString& tag);
    // An optional block that goes: everything from the first opening marker of the tag to
    // the last closing marker, across lines, disappears with the markers.
    static void entferneBlock(QString& text, const QString& tag);
    static void block(QString& text, const QString& tag, bool behalten);

    // A typed text as HTML: "<", ">", "&", '"' as entities, and "%" as "&#37;" so that a
    // name such as "100%Bad%" can never be taken for a placeholder or block marker by a
    // later fill. Line breaks stay line breaks; mitUmbruch turns them into "<br>" afterwards.
    static QString html(const QString& wert, bool mitUmbruch = false);

    // Dates in printed documents: "dd.MM.yyyy"; an unset date prints nothing.
    static QString datum(const QDate& datum);
};
