#include "model/anwenderdaten.h"

#include "app/einstellungen.h"
#include "app/textcodec.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

AnwenderDaten& AnwenderDaten::global()
{
    static AnwenderDaten daten;
    return daten;
}

QString* AnwenderDaten::feld(int i)
{
    return const_cast<QString*>(static_cast<const AnwenderDaten*>(this)->feld(i));
}

const QString* AnwenderDaten::feld(int i) const
{
    const QString* const felder[zeilen] = {&anwender1, &anwender2, &strasse,  &plzOrt,    &telefon,
                                           &fax,       &email,     &kundenNr, &reserviert};
    return i >= 0 && i < zeilen ? felder[i] : nullptr;
}

void AnwenderDaten::readAnwender(const QString& text)
{
    const QStringList z = TextCodec::lines(text);
    for (int i = 0; i < zeilen; ++i) {
        QString wert = z.value(i);
        // A file written on Windows ends its lines with CR LF; the CR belongs to the line end.
        if (wert.endsWith(QLatin1Char('\r')))
            wert.chop(1);
        *feld(i) = wert;
    }
}

QString AnwenderDaten::writeAnwender() const
{
    QString text;
    for (int i = 0; i < zeilen; ++i) {
        // A line break inside a value would shift every later line of the file; a value that
        // ends in a carriage return gets one more, since reading takes one as the line end.
        QString wert = *feld(i);
        wert.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (wert.endsWith(QLatin1Char('\r')))
            wert += QLatin1Char('\r');
        text += wert + QLatin1Char('\n');
    }
    return text;
}

bool AnwenderDaten::load(const QString& path)
{
    // Nine address lines: the start of the file is all that is read.
    QString text;
    if (!TextCodec::readFile(path, text, 1024 * 1024))
        return false;
    readAnwender(text);
    return true;
}

bool AnwenderDaten::save(const QString& path, QString& fehlerText) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!TextCodec::writeFileAtomic(path, writeAnwender())) {
        fehlerText = QStringLiteral("Datei ") + path + QStringLiteral(" konnte nicht geöffnet werden!");
        return false;
    }
    return true;
}

void AnwenderDaten::uebernehmeAnwenderIni()
{
    uebernehmeAnwenderIni(AnwenderDaten::global());
}

void AnwenderDaten::uebernehmeAnwenderIni(AnwenderDaten& daten)
{
    // A few address lines: the start of the file is all that can matter.
    QString text;
    if (!TextCodec::readFile(Einstellungen::anwenderIniPfad(), text, 1024 * 1024))
        return;
    uebernehmeAnwenderText(text, daten);
}

void AnwenderDaten::uebernehmeAnwenderText(const QString& text, AnwenderDaten& daten)
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
