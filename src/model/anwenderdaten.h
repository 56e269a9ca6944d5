#pragma once

#include <QString>

// The installer's own address block and customer number with the supplier: it heads every
// printed page and fills the sender of the order fax. One set for the whole run, kept in the
// user's "data/anwender.txt" as nine lines.
class AnwenderDaten
{
public:
    static AnwenderDaten& global();

    QString anwender1; // first name line (company), always from the host's "anwender.ini"
    QString anwender2; // second name line
    QString strasse;
    QString plzOrt;
    QString telefon;
    QString fax;
    QString email;
    QString kundenNr;   // customer number with the supplier
    QString reserviert; // a ninth line, kept and written back unchanged

    void clear() { *this = AnwenderDaten(); }

    // Takes the first nine lines of the text, each whole (blanks kept); missing lines leave
    // their values empty.
    void readAnwender(const QString& text);
    // The nine values, each followed by "\n".
    QString writeAnwender() const;

    // Reads the file; false (values unchanged) when it cannot be opened.
    bool load(const QString& path);
    // Writes the file atomically, creating its folder when needed; on failure fehlerText
    // holds the message and the old file is left as it was.
    bool save(const QString& path, QString& fehlerText) const;

    // Takes the address lines over from the host's "anwender.ini" (Einstellungen::anwenderIniPfad)
    // into the user data: the first name line always, the second name line, street, postcode and town,
    // telephone and fax only into lines that are still empty. A file that cannot be opened changes nothing.
    static void uebernehmeAnwenderIni();
    static void uebernehmeAnwenderIni(AnwenderDaten& daten);
    // The same rules on the text of such a file.
    static void uebernehmeAnwenderText(const QString& text, AnwenderDaten& daten);

    static constexpr int zeilen = 9;

private:
    QString* feld(int i);
    const QString* feld(int i) const;
};
