#pragma once

#include "model/artikelliste.h"

#include <QByteArray>
#include <QMap>
#include <QVector>

#include <array>

// The catalogue file as it lies on disk, together with the articles it holds as the program
// reads them. It knows where each article line keeps its number, descriptions and price, so
// that a changed description or price replaces just those bytes: comments, spacing, the other
// columns, line ends and any byte the program does not read stay exactly as they were.
class KatalogDatei
{
public:
    enum Feld
    {
        Nummer,
        Bezeichnung,
        BezeichnungLang,
        Preis
    };

    // Reads the file with the limits of the program's own reading; false when it cannot be
    // opened or is larger than any catalogue.
    bool laden(const QString& pfad);
    // The file's bytes (Windows-1252), read by the rules of the program's catalogue reader.
    void setzeBytes(const QByteArray& bytes);

    // The articles in file order, with the changes made so far.
    const ArtikelListe& liste() const { return m_liste; }
    // Position of the first article with the number, or -1.
    int indexOf(qint32 artNr) const { return m_liste.indexOf(artNr); }

    // New short or long description of article i; its bytes in the file are replaced.
    void setzeText(int i, Feld feld, const QString& text);
    // New price of article i in whole cents, written with two decimals.
    void setzePreisCent(int i, qint64 cent);

    // The file with every change.
    QByteArray bytes() const;

private:
    struct Stelle
    {
        qsizetype anfang = 0;
        qsizetype ende = 0;
    };
    void ersetze(int i, Feld feld, const QByteArray& neu);

    QByteArray m_bytes;
    ArtikelListe m_liste;
    // Per article, the places of its first four fields in m_bytes.
    QVector<std::array<Stelle, 4>> m_stellen;
    // Replacements by the start of the replaced bytes: their end and the new bytes.
    QMap<qsizetype, QPair<qsizetype, QByteArray>> m_ersetzt;
};
