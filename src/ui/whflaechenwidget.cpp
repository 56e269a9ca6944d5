#include "ui/whflaechenwidget.h"

#include "model/raumdata.h"

#include <QTableView>
#include <QVBoxLayout>

WHFlaechenWidget::WHFlaechenWidget(QWidget* parent)
    : QWidget(parent), m_model(nullptr), m_gruppe(nullptr), PBNew(nullptr), PBDelete(nullptr),
      PBVorschlag(nullptr), m_tableView(new QTableView(this)), m_lSumme(nullptr), LSumme(nullptr),
      m_lSummeEinheit(nullptr), m_lDifferenz(nullptr), LDifferenz(nullptr), m_lDifferenzEinheit(nullptr)
{
    setObjectName(QStringLiteral("whflaechen"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(m_tableView);
}

void WHFlaechenWidget::zeigen(const RaumData&) {}
void WHFlaechenWidget::uebernehmen(RaumData&) const {}
bool WHFlaechenWidget::unterscheidet(const RaumData&) const
{
    return false;
}
void WHFlaechenWidget::test4Changes(int, float) {}
void WHFlaechenWidget::showData() {}
void WHFlaechenWidget::languageChange() {}
void WHFlaechenWidget::DeleteFlaeche() {}
void WHFlaechenWidget::NewFlaeche() {}
void WHFlaechenWidget::Vorschlag() {}
void WHFlaechenWidget::plattenDialog() {}
void WHFlaechenWidget::on_tableView_clicked(const QModelIndex&) {}
void WHFlaechenWidget::headerClicked(int) {}
void WHFlaechenWidget::summenZeigen() {}
