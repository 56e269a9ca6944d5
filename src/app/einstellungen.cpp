#include "app/einstellungen.h"

#include "app/pfade.h"
#include "app/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStringList>

namespace {

const QString organisation = QStringLiteral("Belvoro");

// A settings value as text. A value with a comma is handed back by the settings as a list;
// the folder name is then the list joined again, so that such a folder is not lost.
QString alsText(const QVariant& wert)
{
    if (wert.typeId() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

// An installation under another prefix than /usr (/usr/local, /opt/wandheizung) keeps its
// system-wide settings in PREFIX/etc/xdg, which the desktop searches only when XDG_CONFIG_DIRS
// names it. When the usual places hold no value, the file beside the program's own bin/ folder
// is read as well.
QString beimProgramm()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../etc/xdg/") + organisation +
           QStringLiteral("/wh.conf");
}

QString ordner(QSettings::Scope scope, const QString& schluessel, bool* gefunden)
{
    const QSettings settings(scope, organisation, QStringLiteral("wh"));
    bool da = settings.contains(schluessel);
    QVariant wert = settings.value(schluessel);
    if (!da && QFileInfo::exists(beimProgramm())) {
        const QSettings installiert(beimProgramm(), QSettings::IniFormat);
        da = installiert.contains(schluessel);
        wert = installiert.value(schluessel);
    }
    if (gefunden)
        *gefunden = da;
    if (!da)
        return QString();
    return Pfade::normalise(alsText(wert), QDir::homePath());
}

} // namespace

QString Einstellungen::applDir(bool* gefunden)
{
    return ordner(QSettings::SystemScope, QStringLiteral("Einstellungen/ApplDir"), gefunden);
}

QString Einstellungen::userDir(bool* gefunden)
{
    return ordner(QSettings::UserScope, QStringLiteral("Einstellungen/UserDir"), gefunden);
}

void Einstellungen::lesePfade()
{
    bool da = false;
    const QString appl = applDir(&da);
    if (da)
        Pfade::setApplDir(appl);
    const QString user = userDir(&da);
    if (da)
        Pfade::setUserDir(user);
}

QString Einstellungen::anwenderIniPfad()
{
    const QSettings host(QSettings::SystemScope, organisation, QStringLiteral("Quintel"));
    QString hostOrdner;
    if (host.contains(QStringLiteral("Pfad")))
        hostOrdner = alsText(host.value(QStringLiteral("Pfad"))) + QLatin1Char('/');
    QString iniOrdner = alsText(host.value(QStringLiteral("Einstellungen/WIniDir"), QStringLiteral("ini")));
    if (QDir::isRelativePath(iniOrdner))
        iniOrdner = hostOrdner + iniOrdner;
    return iniOrdner + QStringLiteral("/anwender.ini");
}
