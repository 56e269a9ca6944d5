#include "ui/seitenformular.h"

#include <QGridLayout>
#include <QVBoxLayout>

SeitenFormular::SeitenFormular(QWidget* seite, const char* name) : m_gruppe(new QGroupBox(seite))
{
    m_gruppe->setObjectName(QLatin1String(name));
    m_raster = new QGridLayout(m_gruppe);
    stapeln(seite, m_gruppe);
}

QLabel* SeitenFormular::neueZeile(QWidget* feld, int spalten, Qt::Alignment ausrichtung)
{
    auto* label = new QLabel(m_gruppe);
    label->setBuddy(feld);
    ++m_reihe;
    m_raster->addWidget(label, m_reihe, 0);
    m_raster->addWidget(feld, m_reihe, 1, 1, spalten, ausrichtung);
    m_spalte = 1 + spalten;
    if (m_letztes)
        QWidget::setTabOrder(m_letztes, feld);
    m_letztes = feld;
    return label;
}

void SeitenFormular::daneben(QWidget* w)
{
    m_raster->addWidget(w, m_reihe, m_spalte);
    ++m_spalte;
    if (m_letztes)
        QWidget::setTabOrder(m_letztes, w);
    m_letztes = w;
}

void SeitenFormular::stapeln(QWidget* seite, QWidget* gruppe)
{
    auto* spalte = qobject_cast<QVBoxLayout*>(seite->layout());
    if (!spalte) {
        spalte = new QVBoxLayout(seite);
        spalte->addStretch(1);
    }
    spalte->insertWidget(spalte->count() - 1, gruppe);
}
