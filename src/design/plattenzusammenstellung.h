#pragma once

#include "design/registertypen.h"

#include <QList>
#include <QString>
#include <QStringList>

// The logic of the register composition dialog: how many elements of each register type a
// surface holds, the heating area they give, and into how many hydraulic registers they can
// be grouped evenly. The dialog shows it and hands back what apply returns.
class PlattenZusammenstellung
{
public:
    // system: 3 selects the RU-10 types, any other the RI-10 types. anzahlen: one count per
    // type (missing ones count 0). sollFlaeche: the area the surface needs. registerAnzahl:
    // the count to preselect when the elements allow it.
    PlattenZusammenstellung(int system, const QList<int>& anzahlen, double sollFlaeche, int registerAnzahl);

    int system() const { return m_system; }
    const QList<RegisterTypen::Typ>& typen() const { return RegisterTypen::typen(m_system); }
    QString titel() const { return RegisterTypen::titel(m_system); }
    QString erklaerung() const { return RegisterTypen::erklaerung(m_system); }

    // The table: one row per type, six columns; only the count (column 1) can be edited, with
    // a spin box from 0 to 30.
    static constexpr int spalteAnzahl = 1;
    static constexpr int spalten = 6;
    static constexpr int maxAnzahl = 30;
    QStringList spaltenKoepfe() const { return RegisterTypen::spaltenKoepfe(m_system); }
    int zeilen() const { return typen().size(); }
    // Article number and count as integers, sizes and the fourth value without decimals,
    // the area with 2 decimals.
    QString text(int zeile, int spalte) const;
    static bool editierbar(int spalte) { return spalte == spalteAnzahl; }

    const QList<int>& anzahlen() const { return m_anzahlen; }
    // A count typed into the table (kept within 0 … 30); recomputes area and register counts
    // and selects the first possible register count.
    void setAnzahl(int typ, int anzahl);

    // Σ count × area of the type.
    double flaeche() const { return m_flaeche; }
    int kleine() const { return m_kleine; }
    int grosse() const { return m_grosse; }
    double sollFlaeche() const { return m_soll; }
    double differenz() const { return m_flaeche - m_soll; }
    bool differenzRot() const { return differenz() < -0.005; }
    // Needed area and difference are hidden when nothing is needed or when the surface came
    // with a composition.
    bool sollVerborgen() const { return m_sollVerborgen; }

    // The register counts offered, in the order of the groupings, and the current choice
    // (an index into them, -1 when none is offered).
    const QList<int>& registerAnzahlen() const { return m_registerAnzahlen; }
    int auswahl() const { return m_auswahl; }
    void setAuswahl(int index);

    // The register counts into which s small and l large elements can be grouped evenly:
    // small only: groups of four, three, two or one; with large elements: pairs of large
    // ones and groups of four small ones (an odd large one taking two small ones), each
    // large one with one small one and the rest in threes, each large one alone and the
    // small ones in pairs.
    static QList<int> moeglicheRegisterAnzahlen(int kleine, int grosse);

    struct Ergebnis
    {
        bool angenommen = false; // false: the dialog stays open and shows meldung
        QString meldung;
        double flaeche = 0.0; // the surface's new area
        int registerAnzahl = 0;
        QList<int> anzahlen;
    };
    // "&Anwenden": the composed area and the chosen register count; a composition without a
    // possible register count is refused with its message, an empty one gives 0 registers.
    Ergebnis anwenden() const;

private:
    void neuBerechnen();

    int m_system;
    QList<int> m_anzahlen;
    double m_soll;
    double m_flaeche = 0.0;
    int m_kleine = 0;
    int m_grosse = 0;
    bool m_sollVerborgen = false;
    QList<int> m_registerAnzahlen;
    int m_auswahl = -1;
};
