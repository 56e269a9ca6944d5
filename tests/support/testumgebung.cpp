#include "testumgebung.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
QTemporaryDir& configRoot()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

QString TestUmgebung::systemConfigDir()
{
    return configRoot().path() + QStringLiteral("/etc-xdg");
}

QString TestUmgebung::userConfigDir()
{
    return configRoot().path() + QStringLiteral("/home-config");
}

void TestUmgebung::isolieren()
{
    QDir().mkpath(systemConfigDir());
    QDir().mkpath(userConfigDir());
    qputenv("XDG_CONFIG_DIRS", systemConfigDir().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", userConfigDir().toLocal8Bit());
    QDir().mkpath(configRoot().path() + QStringLiteral("/runtime"));
    QFile::setPermissions(configRoot().path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (configRoot().path() + QStringLiteral("/runtime")).toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, systemConfigDir());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userConfigDir());
    zuruecksetzen();
}

void TestUmgebung::zuruecksetzen()
{
    Pfade::reset();
    Programm::reset();
    ArtikelListe::global().clear();
    AnwenderDaten::global().clear();
}

bool TestUmgebung::ladeKatalog()
{
    ArtikelListe::global().clear();
    return ArtikelListe::global().load(shareDir() + QStringLiteral("data/artikel0608.txt"));
}

bool TestUmgebung::schreibe(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray TestUmgebung::lies(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
