#pragma once

#include "ui/eingabeseite.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The floor page: name, wall heating system and number of rooms.
class WHEtageWidget : public EingabeSeite
{
    Q_OBJECT
public:
    explicit WHEtageWidget(QWidget* parent = nullptr);

    void showData(WHBaseData& record) override;
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;
    bool checkData(const WHBaseData& record) const override;

public slots:
    void languageChange();

protected:
private:
    QGroupBox* m_gruppe;
    QLabel* m_lBezeichnung;
    QLabel* m_lSystem;
    QLabel* m_lRaeume;
    QLineEdit* LEBezeichnung;
    QComboBox* CBSystemWHE;
    QSpinBox* SBAnzahlRaeume;
};
