#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class RaumData;
class combospinWgt;

// The room characteristics: name, room type, temperature, area, specific and total heat
// demand, system, wall and floor heating areas, output and difference. Typing recomputes the
// balance at once and hands the needed wall area to the surfaces table (whflaechen). Values
// set by code emit nothing, so a chain of recalculations starts only from the user's input.
class WHRaumKenndatenWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WHRaumKenndatenWidget(QWidget* parent = nullptr);

    // Fills the widgets from the room without recomputing; the flow temperature comes from
    // the room's building.
    void zeigen(const RaumData& raum);
    // Takes the widgets back into the room (the system through setSystem, so that the stored
    // surfaces follow a change of system).
    void uebernehmen(RaumData& raum) const;
    bool unterscheidet(const RaumData& raum) const;

    int system() const;
    // Sets the system box as if the user had chosen it: wall area and difference follow.
    void setzeSystem(int system);
    float flaecheWH() const;
    float vorlauftemperatur() const { return tVorlauf; }

signals:
    void whflaechen(int system, float flaeche);

public slots:
    void languageChange();
    void BerechnungDifferenz();
    void BerechnungWHFlaeche();
    void BerechnungWaermebedarf();
    void BerechnungWaermebedarfProM2();
    void RaumTypChanged(int i);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    float q() const;
    void differenzFarbe(double differenz);

    QGroupBox* m_raumGruppe;
    QGroupBox* m_flaechenGruppe;
    QLabel* m_lBezeichnung;
    QLabel* m_lRaumTyp;
    QLabel* m_lRaumTemperatur;
    QLabel* m_lRaumFlaeche;
    QLabel* m_lGeschWB;
    QLabel* m_lWaermebedarf;
    QLabel* m_lSystem;
    QLabel* m_lFlaecheWH;
    QLabel* m_lFlaecheFBH;
    QLabel* m_lWaermeabgabe;
    QLabel* tlDifferenz;

    QLineEdit* LERaumBezeichnung;
    QComboBox* CBRaumTyp;
    combospinWgt* csbRaumTemperatur;
    combospinWgt* csbRaumFlaeche;
    combospinWgt* csbGeschWB;
    combospinWgt* csbWaermebedarf;
    QComboBox* CBSystemWHR;
    combospinWgt* csbFlaecheWH;
    combospinWgt* csbFlaecheFBH;
    combospinWgt* csbWaermeabgabe;
    combospinWgt* csbDifferenz;
    QCheckBox* CBDirekt;

    float tVorlauf = 45.0f;
};
