#pragma once

#include <QList>
#include <QString>

// The help pages as files: reading one with the right character set, and finding the pages
// that contain a word.
class HilfeSeiten
{
public:
    struct Treffer
    {
        QString datei;  // full path of the page
        QString titel;  // the page's title, or its file name when it has none
        int anzahl = 0; // how often the word occurs in the page's visible text
        QString auszug; // a short piece of text around the first occurrence
    };

    // The page's text as the browser needs it: a page that declares its character set is read
    // in it, any other page as Windows-1252 like every file of the program (UTF-8 is accepted
    // when the bytes are valid UTF-8). False when the file cannot be read.
    static bool lade(const QString& datei, QString& html);

    // Every page (*.html) of the folder whose visible text contains the word, whatever the
    // letter case (umlauts included); the pages with the most occurrences first, then by title.
    // Leading and trailing blanks of the word are ignored; an empty word finds nothing.
    static QList<Treffer> suche(const QString& ordner, const QString& wort);
};
