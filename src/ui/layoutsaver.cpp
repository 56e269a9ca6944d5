#include "ui/layoutsaver.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

layoutSaver::layoutSaver(QObject* parent) : QObject(parent) {}

QString layoutSaver::schluessel(const QString& objektName)
{
    return QStringLiteral("%1/geometry").arg(objektName);
}

bool layoutSaver::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::Show) {
        QSettings settings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
        const QString key = schluessel(widget->objectName());
        if (settings.contains(key))
            widget->restoreGeometry(settings.value(key).toByteArray());
    } else if (event->type() == QEvent::Hide) {
        QSettings settings(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
        settings.setValue(schluessel(widget->objectName()), widget->saveGeometry());
    }
    return false;
}
