#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Prepares the order fax: sender, customer number, delivery kind and a remark, pre-filled
// from the user data. "&Drucken" assembles the fax and shows it in the report preview, from
// where it is printed or saved; the dialog stays open for another try. Nothing typed here is
// stored.
class WHFaxDlg : public QDialog
{
    Q_OBJECT
public:
    explicit WHFaxDlg(QWidget* parent = nullptr);

    // The filled position rows and the gross order value as the order form shows it.
    virtual void setBestellung(const QString& str, const QString& summe);

public slots:
    void languageChange();
    void drucken();

private:
    QLabel* TextLabel1;
    QTextEdit* TEAbsender;
    QLabel* TextLabel2;
    QLineEdit* LEKundenNr;
    QLabel* TextLabel3;
    QComboBox* CBLieferart;
    QLabel* TextLabel4;
    QTextEdit* TEBemerkung;
    QPushButton* PBDrucken;
    QPushButton* PBClose;

    QString positionen;
    QString gesamtWert;
};
