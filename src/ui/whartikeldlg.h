#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// The article master: looks through the catalogue one article at a time (number,
// descriptions, unit, price, discount, pack content, group, whether the program computes the
// requirement), with navigation and a search. Every field is read-only; the catalogue file is
// not written from here. It works on the catalogue's current article.
class WHArtikelDlg : public QDialog
{
    Q_OBJECT
public:
    explicit WHArtikelDlg(QWidget* parent = nullptr);

public slots:
    void languageChange();
    // The current article in the fields; empty fields when the catalogue is empty.
    virtual void showData();
    // The fields back into the current article. The fields show rounded forms, so an article
    // that has been shown keeps price and pack content to 2 decimals, the discount to 1.
    virtual void getData();
    virtual void exit();
    virtual void goFirst();
    virtual void goLast();
    virtual void goNext();
    virtual void goPrevious();
    virtual void help();
    // The search dialog, by description when the description field has the focus, else by
    // number.
    virtual void suchen();
    // "&DATANORM einlesen...": the prices and descriptions of a DATANORM 4 file into the
    // user's catalogue, which the program and the batch tool read from then on, and into the
    // catalogue in memory; a summary tells what was taken.
    void datanormEinlesen();

signals:
    // Descriptions or prices of the catalogue in memory changed.
    void katalogGeaendert();

public:
    // Takes the fields back into the current article, makes article index (kept inside the
    // catalogue) the current one and shows it; nothing happens in an empty catalogue.
    void geheZu(int index);

private:
    QPushButton* neuerKnopf(const char* name, const char* icon);

    QLineEdit* LEArtNr;
    QLineEdit* LEBezeichnung;
    QTextEdit* TVBezeichnungLang;
    QLineEdit* LEMenge;
    QLineEdit* LEPreisEuro;
    QLineEdit* LERabatt;
    QComboBox* CBEinheit;
    QComboBox* CBGruppe;
    QComboBox* CBVorschlag;
    QPushButton* PBgoFirst;
    QPushButton* PBgoPrevious;
    QPushButton* PBgoNext;
    QPushButton* PBgoLast;
    QPushButton* PBSuchen;
    QPushButton* PBUndoArt;
    QPushButton* PBAddArt;
    QPushButton* PBDeleteArt;
    QPushButton* PBSpeichern;
    QPushButton* PBDatanorm;
    QPushButton* PBHilfe;
    QPushButton* PBExit;
    QList<QLabel*> m_labels;
};
