#pragma once

#include "design/plattenzusammenstellung.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class combospinWgt;

// Composes a surface of a register system from prefabricated registers: the count of each
// register type, the area they give against the area needed, and the register counts into
// which the elements can be grouped evenly. After "&Anwenden" the result holds the counts,
// the composed area and the chosen register count; "A&bbruch" leaves the surface as it was.
class WHPlattenDlg : public QDialog
{
    Q_OBJECT
public:
    WHPlattenDlg(int system, const QList<int>& anzahlen, double flaeche, int registerAnzahl,
                 QWidget* parent = nullptr);

    // What "&Anwenden" took (valid once the dialog was accepted).
    const PlattenZusammenstellung::Ergebnis& ergebnis() const { return m_ergebnis; }
    const PlattenZusammenstellung& zusammenstellung() const { return m_logik; }

public slots:
    void Anwenden();
    void Abbruch();
    void anzahlChanged(QTableWidgetItem* item);

private:
    void fuellen();
    void zeigen(bool vorauswahl);

    PlattenZusammenstellung m_logik;
    PlattenZusammenstellung::Ergebnis m_ergebnis;
    bool m_fuellt = false;

    QLabel* TextLabel1;
    QTableWidget* tableWidget;
    QLabel* tlFlaecheSoll;
    combospinWgt* csbFlaecheSoll;
    QLabel* TextLabel3;
    combospinWgt* csbFlaecheIst;
    QLabel* tlDifferenz;
    combospinWgt* csbDifferenz;
    QLabel* label;
    QComboBox* comboBoxAnzahlReg;
    QPushButton* PBAnwenden;
    QPushButton* PBAbbruch;
};
