#include "app/einstellungen.h"

#include "app/pfade.h"
#include "app/textcodec.h"
#include "material/anwenderdaten.h"

#include <QDir>
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

QString ordner(QSettings::Scope scope, const QString& schluessel, bool* gefunden)
{
    const QSettings settings(scope, organisation, QStringLiteral("wh"));
    const bool da = settings.contains(schluessel);
    if (gefunden)
        *gefunden = da;
    if (!da)
        return QString();
    return Pfade::normalise(alsText(settings.value(schluessel)), QDir::homePath());
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

void Einstellungen::uebernehmeAnwenderIni()
{
    uebernehmeAnwenderIni(AnwenderDaten::global());
}

void Einstellungen::uebernehmeAnwenderIni(AnwenderDaten& daten)
{
    // A few address lines: the start of the file is all that can matter.
    QString text;
    if (!TextCodec::readFile(anwenderIniPfad(), text, 1024 * 1024))
        return;
    uebernehmeAnwenderText(text, daten);
}

void Einstellungen::uebernehmeAnwenderText(const QString& text, AnwenderDaten& daten)
{
    QHash<QString, QString> werte;
    for (const QString& zeile : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // A line without "=" assigns nothing. The key keeps its blanks ("Tel =" is not "Tel");
        // the value keeps every further "=".
        const int gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich <= 0)
            continue;
        werte.insert(zeile.left(gleich), zeile.mid(gleich + 1).trimmed());
    }

    // The company name always comes from the host; the other lines only fill gaps.
    daten.anwender1 = werte.value(QStringLiteral("Anwender1"));
    const auto fuelle = [&werte](QString& feld, const char* schluessel) {
        if (feld.isEmpty())
            feld = werte.value(QLatin1String(schluessel));
    };
    fuelle(daten.anwender2, "Anwender2");
    fuelle(daten.strasse, "Strasse");
    fuelle(daten.plzOrt, "PLZOrt");
    fuelle(daten.telefon, "Tel");
    fuelle(daten.fax, "Fax");
}
