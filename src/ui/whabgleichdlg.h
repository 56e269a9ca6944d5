#pragma once

#include "design/abgleich.h"
#include "model/ventiltabelle.h"

#include <QDialog>

class ProjektBaum;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

// "Hydraulischer Abgleich": the three design values, one tab per manifold with every figure of
// its outlets (warnings highlighted, their message as tooltip), the list of warnings, the pump;
// "Drucken…" shows the document in the preview, "CSV speichern…" writes the table.
class WHAbgleichDlg : public QDialog
{
    Q_OBJECT
public:
    WHAbgleichDlg(const ProjektBaum& baum, QWidget* parent = nullptr);

    // Reads the valve table and computes. A malformed table or a failing room is shown in an
    // error box; false then, and the dialog is not to be opened.
    bool berechne();

public slots:
    void languageChange();
    // A design value changed: stored in the settings, the tables recomputed.
    void werteGeaendert();
    void drucken();
    void csvSpeichern();
    void help();

private:
    AbgleichEinstellungen werte() const;
    bool rechne();
    void zeige();
    QTableWidget* tabelle(const Abgleich::Verteiler& verteiler);

    const ProjektBaum& m_baum;
    VentilTabelle m_tabelle;
    QString m_hinweis;
    Abgleich::Ergebnis m_ergebnis;

    QLabel* TLSpreizung;
    QLabel* TLVentildruck;
    QLabel* TLZuschlag;
    QDoubleSpinBox* SBSpreizung;
    QDoubleSpinBox* SBVentildruck;
    QDoubleSpinBox* SBZuschlag;
    QLabel* TLWasser;
    QLabel* TLHinweis;
    QTabWidget* TWEtagen;
    QLabel* TLWarnungen;
    QListWidget* LWWarnungen;
    QLabel* TLPumpe;
    QPushButton* PBHilfe;
    QPushButton* PBCsv;
    QPushButton* PBDrucken;
    QPushButton* PBSchliessen;
};
