#pragma once

#include "model/artikel.h"

#include <QStringList>
#include <QVector>

// The article catalogue: one list for the whole run, read once at start-up, in file order.
// It also carries each article's requirement and order quantity of the current project.
class ArtikelListe
{
public:
    static ArtikelListe& global();

    // Empties the list and restores every catalogue-wide default.
    void clear();

    // Reads the catalogue text (header, groups, articles), appending to the list; afterwards
    // the current article is the first one.
    void readCatalogue(const QString& text);
    // Opens and reads the file; false when it cannot be opened or is larger than any catalogue.
    bool load(const QString& path);
    // The canonical text form of the file.
    QString toText() const;

    int size() const { return m_artikel.size(); }
    bool isEmpty() const { return m_artikel.isEmpty(); }
    Artikel& at(int i) { return m_artikel[i]; }
    const Artikel& at(int i) const { return m_artikel.at(i); }
    const QVector<Artikel>& artikel() const { return m_artikel; }
    // Position of the first article with this number at or after start, or -1.
    int indexOf(qint32 artNr, int start = 0) const;

    // The first article at or after start (from the beginning when start is null) with the
    // number, or null.
    Artikel* findArtikel(qint32 artNr, const Artikel* start = nullptr);
    // The first article at or after start whose short description contains the text,
    // regardless of case, or null.
    Artikel* findInBezeichnung(const QString& text, const Artikel* start = nullptr);

    // Stores a requirement in packs with the unit rounding and returns the stored value.
    float setBedarf(Artikel& artikel, float packs);
    void clearBestellMengen();
    void rundeBestellMengen();

    QString sortimentDatum() const { return m_sortimentDatum; }
    // EKR, VOR, UNI8, WKP, UNI10.
    float systemPreis(int i) const { return i >= 0 && i < 5 ? m_systemPreise[i] : 0.0f; }
    // Slot 0 is the empty name; slots 1 … gruppenAnzahl() − 1 the named groups.
    const QStringList& gruppenNamen() const { return m_gruppenNamen; }
    int gruppenAnzahl() const { return m_gruppenNamen.size(); }
    // The group an article is listed under: its own, the last group for a group number that
    // names none (0 or beyond the last), 0 when the catalogue has no named groups.
    int anzeigeGruppe(const Artikel& artikel) const;

    // The current article of the article master, or -1.
    int aktuell() const { return m_aktuell; }
    void setAktuell(int i) { m_aktuell = i; }

    static constexpr int maxGruppen = 29;
    static constexpr qint64 maxDateiGroesse = 64 * 1024 * 1024;

private:
    // Index of an article of this list, 0 for null, the list's size for any other pointer.
    int position(const Artikel* start) const;

    QVector<Artikel> m_artikel;
    QString m_sortimentDatum = QStringLiteral("01.07.2007");
    float m_systemPreise[5] = {28.75f, 44.7f, 55.6f, 67.3f, 60.02f};
    QStringList m_gruppenNamen{QString()};
    int m_aktuell = -1;
};
