#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Ausdruck Auswahl": asks which document to print, the project inputs (result 0), the
// cost document of the project's stage (result 1) or the hydraulic balancing (result 2). The caller's result
// starts at 0, so confirming without touching the choice means the project inputs.
class WHReportAuswahl : public QDialog
{
    Q_OBJECT
public:
    WHReportAuswahl(int* ergebnis, QWidget* parent = nullptr);

public slots:
    void AuswahlChanged();
    void help();
    void languageChange();

private:
    int* m_ergebnis;
    QLabel* TextLabel1;
    QGroupBox* groupBox;
    QRadioButton* RBAuswahl1;
    QRadioButton* RBAuswahl2;
    QRadioButton* RBAuswahl3;
    QPushButton* PBHilfe;
    QPushButton* PBWeiter;
    QPushButton* PBAbbruch;
};
