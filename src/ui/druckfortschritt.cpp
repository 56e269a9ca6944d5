#include "ui/druckfortschritt.h"

#include <QCoreApplication>

DruckFortschritt::DruckFortschritt(QWidget* parent, const QString& titel) : m_dialog(parent)
{
    m_dialog.setObjectName(QStringLiteral("DruckFortschritt"));
    m_dialog.setWindowTitle(titel);
    m_dialog.setCancelButtonText(QObject::tr("Abbrechen"));
    m_dialog.setWindowModality(Qt::ApplicationModal);
    m_dialog.setMinimumDuration(500);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setValue(0);
}

bool DruckFortschritt::operator()(int seite, int seiten)
{
    if (m_dialog.wasCanceled())
        return false;
    if (seiten == 0) {
        // Still laying out: the page count is not known yet.
        m_dialog.setMaximum(0);
        m_dialog.setLabelText(QObject::tr("Seite %1 wird vorbereitet").arg(seite));
        m_dialog.setValue(0);
    } else {
        m_dialog.setMaximum(seiten);
        m_dialog.setLabelText(QObject::tr("Seite %1 von %2").arg(seite).arg(seiten));
        m_dialog.setValue(seite - 1);
    }
    QCoreApplication::processEvents();
    return !m_dialog.wasCanceled();
}
