#pragma once

#include <QDialog>

class AnwenderDaten;
class QLabel;
class QLineEdit;
class QPushButton;

// The installer's own address block and customer number: they head every printed page and
// fill the sender of the order fax. "&Anwenden" takes the values at once and writes the
// user data file; the first name line always comes from the host's "anwender.ini" and is
// only shown.
class WHAnwenderDlg : public QDialog
{
    Q_OBJECT
public:
    explicit WHAnwenderDlg(QWidget* parent = nullptr);

public slots:
    void languageChange();
    virtual void help();
    virtual void anwenden();

private:
    // Each field with the user data line it shows: lines 1 to 8 in file order.
    QList<QPair<QLineEdit*, QString*>> zuordnung(AnwenderDaten& daten) const;

    QLabel* TextLabel1;
    QLineEdit* LEAnwender1;
    QLineEdit* LEAnwender2;
    QLabel* TextLabel2;
    QLineEdit* LEStrasse;
    QLabel* TextLabel3;
    QLineEdit* LEPLZOrt;
    QLabel* TextLabel4;
    QLineEdit* LETel;
    QLabel* TextLabel5;
    QLineEdit* LEFax;
    QLabel* TextLabel6;
    QLineEdit* LEMail;
    QLabel* TextLabel7;
    QLineEdit* LEKundeNr;
    QPushButton* PBHilfe;
    QPushButton* PBAnwenden;
    QPushButton* PBAbbruch;
};
