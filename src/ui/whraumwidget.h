#pragma once

#include "ui/whseite.h"

#include <QWidget>

class WHFlaechenWidget;
class WHRaumKenndatenWidget;

// The room page: the characteristics above, the wall heating surfaces below (the surfaces
// belong to the execution planning and are shown only there).
class WHRaumWidget : public QWidget, public WHSeite
{
    Q_OBJECT
public:
    explicit WHRaumWidget(QWidget* parent = nullptr);
    ~WHRaumWidget() override;

    void showData(WHBaseData& record) override;
    int getData(WHBaseData& record) override;
    bool isChanged(const WHBaseData& record) const override;
    bool checkData(const WHBaseData& record) const override;

    WHRaumKenndatenWidget* kenndaten() const { return m_kenndaten; }
    WHFlaechenWidget* flaechen() const { return m_flaechen; }

public slots:
    void raiseKenndatenWidget();
    void raiseFlaechenWidget(int system, float flaeche);

private:
    void fokusGewechselt(QWidget* neu);

    WHRaumKenndatenWidget* m_kenndaten;
    WHFlaechenWidget* m_flaechen;
    QMetaObject::Connection m_fokusVerbindung;
};
