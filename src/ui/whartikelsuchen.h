#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class WHArtikelDlg;

// The article search beside the article master: modeless, at most one at a time. It finds an
// article by number (leading zeros allowed) or by a piece of its description, regardless of
// case, and makes it the master's current article. When nothing is found nothing changes.
class WHArtikelSuchen : public QDialog
{
    Q_OBJECT
public:
    // The open search dialog, or null.
    static WHArtikelSuchen* instanz();
    // Creates the search dialog of this article master and remembers it.
    static WHArtikelSuchen* erzeuge(WHArtikelDlg* master);
    // Forgets the remembered dialog (a new article master starts without one).
    static void vergessen();

    // Search in the descriptions instead of by number; the label says which.
    void setInBezeichnung(bool inBezeichnung);

public slots:
    void languageChange();
    // Searches from the first article.
    virtual void anfang();
    // Searches from the article after the current one.
    virtual void weiter();

private:
    explicit WHArtikelSuchen(WHArtikelDlg* master);
    void suche(int start);

    WHArtikelDlg* m_master;
    bool inBezeichnung = false;
    QLabel* TLSuchenNach;
    QLineEdit* LESuchen;
    QPushButton* PBAnfang;
    QPushButton* PBWeiter;
    QPushButton* PBExit;
};
