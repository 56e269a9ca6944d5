#pragma once

#include "ui/eingabeseite.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class WHDoubleEdit;

// The building page: building standard with its proposed specific heat demand, the wall
// heating system, the mean flow temperature and the number of floors.
class WHGebaeudeWidget : public EingabeSeite
{
    Q_OBJECT
public:
    explicit WHGebaeudeWidget(QWidget* parent = nullptr);

    void showData(WHBaseData& record) override;
    // 1 when the mean flow temperature on the page differs from the stored one, else 0.
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;
    bool checkData(const WHBaseData& record) const override;

public slots:
    void languageChange();
    // A building standard chosen by the user proposes its specific heat demand and sets the
    // lowest value the field accepts.
    void GebaeudeArtChanged(int index);

protected:
private:
    float vorlauf() const;

    QGroupBox* m_gruppe;
    QLabel* m_lAlter;
    QLabel* m_lVorschlag;
    QLabel* m_lSystem;
    QLabel* m_lVorlauf;
    QLabel* m_lEtagen;
    QComboBox* CBGebaeudealter;
    WHDoubleEdit* LEVorschlagWB;
    QComboBox* CBSystemWHG;
    WHDoubleEdit* LEVorlauftemperatur;
    QSpinBox* SBAnzahlEtagen;
};
