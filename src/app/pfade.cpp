#include "app/pfade.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString g_applDir;
QString g_userDir;
QString g_helpPage = QStringLiteral("hilfe/index.html");
} // namespace

QString Pfade::applDir()
{
    return g_applDir;
}
QString Pfade::userDir()
{
    return g_userDir;
}

void Pfade::setApplDir(const QString& dir)
{
    g_applDir = dir;
    g_helpPage = g_applDir + QStringLiteral("hilfe/index.html");
}

void Pfade::setUserDir(const QString& dir)
{
    g_userDir = dir;
}

QString Pfade::artikelPath()
{
    const QString eigener = benutzerArtikelPath();
    return QFileInfo::exists(eigener) ? eigener : g_applDir + QStringLiteral("data/artikel0608.txt");
}
QString Pfade::benutzerArtikelPath()
{
    return g_userDir + QStringLiteral("data/artikel0608.txt");
}
QString Pfade::anwenderPath()
{
    return g_userDir + QStringLiteral("data/anwender.txt");
}
QString Pfade::vorlagenDir()
{
    return g_applDir + QStringLiteral("ausdrucke/");
}
QString Pfade::ausgabeDir()
{
    return g_userDir + QStringLiteral("ausdrucke/");
}
QString Pfade::projekteDir()
{
    return g_userDir + QStringLiteral("projekte");
}
QString Pfade::hilfeDir()
{
    return g_applDir + QStringLiteral("hilfe");
}

QString Pfade::mitEndung(const QString& name, const QString& endung)
{
    const int punkt = name.lastIndexOf(QLatin1Char('.'));
    const int trenner = name.lastIndexOf(QLatin1Char('/'));
    const bool hatEndung = punkt > trenner && QStringView(name).mid(punkt + 1) == endung;
    return hatEndung ? name : name + QLatin1Char('.') + endung;
}

QString Pfade::legeBenutzerOrdnerAn()
{
    if (g_userDir.isEmpty())
        return QString();
    for (const QString& ordner :
         {g_userDir, projekteDir(), ausgabeDir(), g_userDir + QStringLiteral("data")}) {
        // The message is rich text (the folder in bold): the name is shown as it is written.
        const QString name = QDir::cleanPath(ordner).toHtmlEscaped();
        if (!QFileInfo(ordner).isDir() && !QDir().mkpath(ordner))
            return QStringLiteral("Ordner <b>%1</b> konnte nicht angelegt werden!").arg(name);
        if (!QFileInfo(ordner).isWritable())
            return QStringLiteral("Ordner <b>%1</b> ist nicht beschreibbar!").arg(name);
    }
    return QString();
}

QString Pfade::helpPage()
{
    return g_helpPage;
}
void Pfade::setHelpPage(const QString& page)
{
    g_helpPage = page;
}

QString Pfade::normalise(const QString& dir, const QString& home)
{
    QString result = dir;
    if (result.startsWith(QLatin1Char('~')))
        result = home + result.mid(1);
    if (!result.isEmpty() && !result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

void Pfade::reset()
{
    g_applDir.clear();
    g_userDir.clear();
    g_helpPage = QStringLiteral("hilfe/index.html");
}
