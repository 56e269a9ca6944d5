#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program goes through here. Tests queue answers with
// setNextAnswer() and read back what would have been shown; a queued answer is taken instead
// of opening the box, so no test ever blocks on a dialog.
class MessageBox
{
public:
    enum Art
    {
        Kritisch,
        Information,
        Warnung,
        Frage
    };

    struct Eintrag
    {
        Art art;
        QString titel;
        QString text;
        QStringList knoepfe;
    };

    // A critical box with the one button "Ok".
    static void critical(QWidget* parent, const QString& titel, const QString& text);
    // An information box with the one button "Ok".
    static void information(QWidget* parent, const QString& titel, const QString& text);
    // A warning box with the one button "Ok".
    static void warning(QWidget* parent, const QString& titel, const QString& text);
    // A box with buttons of its own texts, in this order; returns the index of the button
    // pressed (the escape button's index when the box is closed otherwise).
    static int auswahl(QWidget* parent, Art art, const QString& titel, const QString& text,
                       const QStringList& knoepfe, int standard, int escape);
    // The program's about box: its own icon and object name, the one button "Ok".
    static void ueber(QWidget* parent, const QString& titel, const QString& text, const QPixmap& icon,
                      const QString& objektName);
    // A plain text that names records (a room check, a question about a floor) as rich text in
    // which every name shows as typed: "<b>Bad" does not turn bold, "&" shows.
    static QString klartext(const QString& text);
    // A question box with standard buttons (their texts come from Qt's own translation).
    static QMessageBox::StandardButton frage(QWidget* parent, const QString& titel, const QString& text,
                                             QMessageBox::StandardButtons knoepfe,
                                             QMessageBox::StandardButton standard);

    // Test seam: the next box answers with this value without being shown (a button index
    // for auswahl(), a QMessageBox::StandardButton for frage(), ignored for the one-button boxes).
    static void setNextAnswer(int antwort);
    // While true (tests), a box without a queued answer is not shown either: it is recorded
    // and answers with its default (auswahl) or its default button (frage).
    static void setNichtAnzeigen(bool nichtAnzeigen);
    static QList<Eintrag> gezeigt();
    static void leeren();

private:
    static bool nimmAntwort(int& antwort);
    // A text that Qt shows as rich text ignores "\n": there it becomes "<br>".
    static QString anzeigeText(const QString& text);
    static void merke(Art art, const QString& titel, const QString& text, const QStringList& knoepfe);
};
