#pragma once

#include <QWidget>

class FlaechenModel;
class QGroupBox;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;
class RaumData;

// The wall heating surfaces of a room: a table of area, registers, distance, direct
// connection, circuit and register composition, with the sum against the needed wall area.
// Edits change only the page; the room takes them back when it is left.
class WHFlaechenWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WHFlaechenWidget(QWidget* parent = nullptr);

    // Puts the room's target area, system, compositions, lock and surfaces into the page.
    void zeigen(const RaumData& raum);
    // Copies the surfaces, the compositions and the lock back into the room.
    void uebernehmen(RaumData& raum) const;
    // True when the page's surfaces or compositions differ from the room's.
    bool unterscheidet(const RaumData& raum) const;

    FlaechenModel* model() const { return m_model; }
    QTableView* tableView() const { return m_tableView; }

public slots:
    void test4Changes(int _system, float _flaeche);
    void showData();
    void languageChange();
    void DeleteFlaeche();
    void NewFlaeche();
    void Vorschlag();
    void plattenDialog();
    void on_tableView_clicked(const QModelIndex& index);
    void headerClicked(int section);

private:
    void summenZeigen();

    FlaechenModel* m_model;
    QGroupBox* m_gruppe;
    QPushButton* PBNew;
    QPushButton* PBDelete;
    QPushButton* PBVorschlag;
    QTableView* m_tableView;
    QLabel* m_lSumme;
    QLabel* LSumme;
    QLabel* m_lSummeEinheit;
    QLabel* m_lDifferenz;
    QLabel* LDifferenz;
    QLabel* m_lDifferenzEinheit;
};
