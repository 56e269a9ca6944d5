#pragma once

#include "ui/eingabeseite.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WHDoubleEdit;

// The other-costs page: hourly rate, installation hours with their proposal, the deduction
// (shown in the execution planning only) and the program's VAT rate.
class WHSonstigWidget : public EingabeSeite
{
    Q_OBJECT
public:
    explicit WHSonstigWidget(QWidget* parent = nullptr);

    void showData(WHBaseData& record) override;
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;

signals:
    // The proposal button: the central widget computes the installation time.
    void MRZBerechnung();

public slots:
    void languageChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The deduction is part of the cost offer only.
    void abschlagNachStand();
    // A deduction that is no number is refused with a notice; the field shows the last
    // deduction it held.
    void abschlagPruefen();

    QGroupBox* m_gruppe;
    QLabel* m_lStundenSatz;
    QLabel* m_lMwst;
    QLabel* TextLabel1;
    QLabel* m_lMontageZeit;
    WHDoubleEdit* LEStundenSatz;
    WHDoubleEdit* LEMwst;
    QLineEdit* LEAbschlag;
    float m_abschlag = 0.0f; // the deduction the field last held as a number
    WHDoubleEdit* LEMontageZeit;
    QPushButton* PBMontageRichtZeit;
};
