#pragma once

#include "model/ladeergebnis.h"
#include "model/projektbaum.h"

#include <QMap>
#include <QWidget>

class ProjektBaumModel;
class QMenu;
class QModelIndex;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTreeView;
class WHMaterialWidget;
class WHSeite;
class WHSonstigWidget;
class mouseEventFilter;

// The central widget: the project navigator on the left, the page of the selected record on
// the right with "Zurück" and "Weiter" below it. It owns the project tree, takes the values
// of a page back into its record when the page is left, passes a changed heating system on
// to floors and rooms, and runs the tree editing, the installation-time proposal and the
// material run.
class WHMainWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WHMainWidget(QWidget* parent = nullptr);
    ~WHMainWidget() override;

    ProjektBaum& baum() { return m_baum; }
    bool isChanged() const { return m_baum.changed; }
    QTreeView* navigator() const { return m_navigator; }
    ProjektBaumModel* model() const { return m_model; }
    WHListItem* currentItem() const { return m_currentItem; }
    // The page of a record type (the type code is the page id), or null.
    QWidget* seite(int typ) const { return m_seiten.value(typ); }
    QWidget* aktuelleSeite() const;

    // Takes the shown page into its record when it differs from it (the step before a
    // save, a load, a new project or leaving the program).
    void seiteUebernehmen();
    // Reads a project file or imports a heat-demand project; afterwards the project item is
    // selected when the tree was replaced.
    LadeErgebnis laden(const QString& dateiName);
    // Takes over the page and writes the project (a cut clipboard item is deleted first).
    bool speichern(const QString& dateiName, QString& fehlerText);
    // Selects the item in the navigator and shows its page.
    void waehle(WHListItem* item);
    // The context menu of the current item, filled for its record type and the clipboard
    // (owned by the caller), or null when the item has none.
    QMenu* kontextMenu();

signals:
    // Taking over the project page changed the project stage.
    void standChanged();

public slots:
    void Abbruch();
    void Print();
    void printEingaben();
    void printKosten();
    void newProjekt();
    void copy();
    void paste();
    void pasteData();
    void cut();
    void neu();
    void MRZBerechnung();
    void help();
    void BerechnungMaterialBedarf();
    // "Hydraulischer Abgleich" of the project as it stands, in its dialog.
    void hydraulischerAbgleich();
    void navigatorItemChanged(const QModelIndex& current);
    void showContextMenu(const QPoint& pos);
    void languageChange();
    void weiter();
    void zurueck();
    bool anwenden();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs a report into "ausdruck.html" and shows it in the preview; a report that stops
    // shows its message instead.
    void drucke(int art);
    WHSeite* seiteFuer(int typ) const;
    void uebernehmeGebaeude(WHSeite& seite, WHListItem* item, bool& ok);
    void uebernehmeEtage(WHSeite& seite, WHListItem* item, bool& ok);
    // Brings the number of children in line with a count typed on the building or floor page.
    void anzahlAnpassen(WHSeite& seite, WHListItem* item, int alt, int neu);
    void materialItemNachStand();
    void zeigeErneut(WHListItem* item);
    void schritt(bool vorwaerts);
    void knoepfeAnpassen();
    void sichtbarkeitAbgleichen(WHListItem* item);
    void nachStrukturAenderung();

    ProjektBaum m_baum;
    ProjektBaumModel* m_model = nullptr;
    QSplitter* m_splitter = nullptr;
    QTreeView* m_navigator = nullptr;
    QStackedWidget* m_stack = nullptr;
    QPushButton* PBZurueck = nullptr;
    QPushButton* PBWeiter = nullptr;
    QMap<int, QWidget*> m_seiten;
    WHSonstigWidget* m_sonstigSeite = nullptr;
    WHMaterialWidget* m_materialSeite = nullptr;
    mouseEventFilter* m_mausFilter = nullptr;
    WHListItem* m_currentItem = nullptr;
};
