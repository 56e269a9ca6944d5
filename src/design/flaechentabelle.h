#pragma once

#include "model/heizflaeche.h"

#include <QList>
#include <QString>
#include <QVariant>

class RaumData;

// What the heating surfaces page of a room holds and every rule of its table: the surfaces,
// the working copy of the register compositions, the system, the needed wall area, the
// circuit lock and the register count last chosen in the composition dialog. The item model
// of the page serves these texts and writes, and forwards the ranges a write changed.
class FlaechenTabelle
{
public:
    enum Spalte
    {
        SpalteFlaeche = 0,
        SpalteAnzahlRegister = 1,
        SpalteRegistergroesse = 2,
        SpalteEntfernung = 3,
        SpalteDirekt = 4,
        SpalteHeizkreis = 5,
        SpalteZusammenstellung = 6,
        Spalten = 7
    };

    // A block of cells, both corners included.
    struct Bereich
    {
        int ersteZeile;
        int ersteSpalte;
        int letzteZeile;
        int letzteSpalte;
        bool operator==(const Bereich& o) const
        {
            return ersteZeile == o.ersteZeile && ersteSpalte == o.ersteSpalte &&
                   letzteZeile == o.letzteZeile && letzteSpalte == o.letzteSpalte;
        }
    };

    // What a write changed: the cells to refresh and whether sum and difference changed.
    // An empty list means the write was refused.
    struct Aenderung
    {
        QList<Bereich> bereiche;
        bool summen = false;
        bool geschrieben() const { return !bereiche.isEmpty(); }
    };

    // The editors of the table's columns.
    struct Editor
    {
        enum Art
        {
            Keiner,        // not editable by an editor
            Zahleneingabe, // numeric combo-spin input
            Zaehler,       // spin box
            Haekchen       // check box
        };
        Art art = Keiner;
        QString stufen;       // value list of the numeric input
        double schritt = 1.0; // spin step
        double minimum = 0.0;
        double maximum = 0.0;
        int dezimalen = 0;
    };

    // --- column headers and cells ---------------------------------------------------------
    static QString kopfText(int spalte);
    static Editor editor(int spalte);
    int zeilen() const { return m_flaechen.size(); }
    // Display text: areas and distances in the general form (6 significant digits), the mean
    // register size with 3, the circuit 1-based (empty for a direct row), the composition
    // text; the direct column shows only its check box.
    QString text(int zeile, int spalte) const;
    // The value an editor starts with: area, register count, distance, circuit (1-based).
    QVariant bearbeitungsWert(int zeile, int spalte) const;
    bool editierbar(int zeile, int spalte) const;
    bool istDirekt(int zeile) const;
    // The tick in the composition column.
    bool hatZusammenstellung(int zeile) const { return !keineZusammenstellung(zeile); }
    // The row has no register composition: systems 0 and 2, a composition list too short for
    // the row, or all its counts 0.
    bool keineZusammenstellung(int zeile) const;
    // "2-1", "0-3-1"; "n.v." without composition; empty for systems 0 and 2.
    QString zusammenstellungsText(int zeile) const;

    // --- writes ---------------------------------------------------------------------------
    // A value entered into a cell (the direct column takes a check state, 2 meaning checked).
    Aenderung schreibe(int zeile, int spalte, const QVariant& wert);

    // --- page operations -------------------------------------------------------------------
    // "&Neue Fläche": a surface of 0 m² at 15 m in the last row's circuit. Refused with its
    // message once the room holds 30 surfaces.
    bool neueFlaeche(QString& meldung);
    // "Fläche &löschen": removes the row and, for the register systems, its composition.
    bool loescheFlaeche(int zeile);
    // "&Vorschlag": full 10 m² surfaces of 4 registers and one for the rest, each in its own
    // circuit, in place of all surfaces; at most 30 surfaces.
    void vorschlag();
    // Proposals are offered for "RI-10" and "DID-10" only.
    bool vorschlagMoeglich() const { return m_system == 0 || m_system == 2; }
    // Automatic circuit grouping; nothing while the circuit column is unlocked.
    void bildeHeizkreise();
    // A click on a column header: the circuit column toggles its lock, locking regroups.
    // True when the lock changed (the header's icon with it).
    bool headerClicked(int section);
    bool heizkreisFrei() const { return m_heizkreisFrei; }
    // System and needed area from the room's heat balance. A new system converts the
    // surfaces: leaving a register system clears the compositions, entering one clears the
    // surfaces. True when the system changed (rows and texts may all have changed).
    bool test4Changes(int system, float flaeche);

    // --- the composition dialog ------------------------------------------------------------
    // Compositions are kept for the register systems only.
    bool zusammenstellungMoeglich(int zeile) const;
    int zusammenstellungsBreite() const;
    // The row's counts (0 where the list is short), its area and the register count to
    // preselect, as the dialog starts.
    QList<int> zusammenstellung(int zeile) const;
    double flaeche(int zeile) const;
    int registerAnzahl() const { return m_registerAnzahl; }
    // The dialog was applied: the counts go into the row's block, the row takes the composed
    // area and register count, and the circuits are regrouped.
    Aenderung uebernimmZusammenstellung(int zeile, const QList<int>& anzahlen, double flaeche,
                                        int registerAnzahl);

    // --- sums -----------------------------------------------------------------------------
    double summe() const { return m_summe; }
    double differenz() const { return m_summe - m_soll; }
    QString summeText() const;
    QString differenzText() const;
    bool differenzRot() const { return differenz() < -0.005; }
    double sollFlaeche() const { return m_soll; }
    int system() const { return m_system; }

    // --- the room ---------------------------------------------------------------------------
    // Shows a room: needed area, system, compositions, lock and surfaces.
    void laden(const RaumData& raum);
    // Takes surfaces, compositions and lock back into the room.
    void speichern(RaumData& raum) const;
    // The page differs from the room in its surfaces, compositions or lock.
    bool geaendert(const RaumData& raum) const;

    const QList<Heizflaeche>& flaechen() const { return m_flaechen; }
    const QList<int>& zusammenstellungen() const { return m_zusammenstellung; }

private:
    void summenNeu();
    Bereich alles() const;

    QList<Heizflaeche> m_flaechen;
    QList<int> m_zusammenstellung;
    int m_system = 0;
    double m_soll = 0.0;
    double m_summe = 0.0;
    bool m_heizkreisFrei = false;
    int m_registerAnzahl = 0;
};
