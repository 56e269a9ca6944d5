#pragma once

#include <QGroupBox>
#include <QLabel>

class QGridLayout;

// The form of a data page: a titled group whose grid holds one row per input, the label in
// the first column with the input as its buddy and the input beside it. The inputs follow
// one another in the tab order in the order of their rows, so a new field is one line:
//     LEOrt = form.zeile(form.neu<QLineEdit>("LEOrt"), m_lOrt);
// The label texts are set where the page sets its other texts.
class SeitenFormular
{
public:
    // A group named NAME, placed below the groups already on PAGE.
    SeitenFormular(QWidget* seite, const char* name);

    QGroupBox* gruppe() const { return m_gruppe; }
    QGridLayout* raster() const { return m_raster; }

    // A new input of the group named NAME.
    template <typename T> T* neu(const char* name) const
    {
        auto* feld = new T(m_gruppe);
        feld->setObjectName(QLatin1String(name));
        return feld;
    }

    // A row for FELD: LABEL becomes a new label of the group with FELD as its buddy; FELD
    // spans SPALTEN columns and follows the previous row's input in the tab order.
    template <typename T>
    T* zeile(T* feld, QLabel*& label, int spalten = 1, Qt::Alignment ausrichtung = Qt::Alignment())
    {
        label = neueZeile(feld, spalten, ausrichtung);
        return feld;
    }

    // W in the next column of the last row, after the last input in the tab order.
    void daneben(QWidget* w);

    // Places GRUPPE below the groups already on PAGE; the page's column of groups ends in a
    // stretch that takes the free height.
    static void stapeln(QWidget* seite, QWidget* gruppe);

private:
    QLabel* neueZeile(QWidget* feld, int spalten, Qt::Alignment ausrichtung);

    QGroupBox* m_gruppe;
    QGridLayout* m_raster;
    QWidget* m_letztes = nullptr; // the input last placed, for the tab order
    int m_reihe = -1;             // the last row
    int m_spalte = 0;             // the next free column of the last row
};
