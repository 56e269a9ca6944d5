#pragma once

#include "ui/eingabeseite.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The project page: designation, number, address, date and the project stage.
class WHProjektWidget : public EingabeSeite
{
    Q_OBJECT
public:
    explicit WHProjektWidget(QWidget* parent = nullptr);

    void showData(WHBaseData& record) override;
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;

public slots:
    void languageChange();

protected:
private:
    int stand() const;

    QGroupBox* m_kenndaten;
    QGroupBox* m_standGruppe;
    QLabel* m_lProjekt;
    QLabel* m_lNr;
    QLabel* m_lStrasse;
    QLabel* m_lOrt;
    QLabel* m_lPlz;
    QLabel* m_lDatum;
    QLineEdit* LEProjektName;
    QLineEdit* LEProjektNR;
    QLineEdit* LEStrasse;
    QLineEdit* LEOrt;
    QLineEdit* LEPLZ;
    QDateEdit* DEDatum;
    QRadioButton* RBKostenSchaetzung;
    QRadioButton* RBAusfuerungsplannung;
};
