#include "reports/vorlage.h"

#include "app/pfade.h"
#include "app/textcodec.h"

#include <QRegularExpression>

bool Vorlage::lade(const QString& name, QString& inhalt, QString& fehlerText)
{
    const QString datei = name + QStringLiteral(".html");
    if (!TextCodec::readFile(Pfade::vorlagenDir() + datei, inhalt)) {
        inhalt.clear();
        fehlerText = oeffnenFehler(datei);
        return false;
    }
    return true;
}

bool Vorlage::ladeAlle(const QStringList& namen, QStringList& inhalte, QString& fehlerText)
{
    inhalte.clear();
    for (const QString& name : namen) {
        QString inhalt;
        if (!lade(name, inhalt, fehlerText)) {
            inhalte.clear();
            return false;
        }
        inhalte.append(inhalt);
    }
    return true;
}

QString Vorlage::oeffnenFehler(const QString& dateiName)
{
    return QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(dateiName);
}

void Vorlage::ersetze(QString& text, const QString& platzhalter, const QString& wert)
{
    text.replace(platzhalter, wert, Qt::CaseSensitive);
}

void Vorlage::ersetzeText(QString& text, const QString& platzhalter, const QString& wert)
{
    ersetze(text, platzhalter, html(wert));
}

void Vorlage::behalteBlock(QString& text, const QString& tag)
{
    ersetze(text, QLatin1Char('%') + tag + QStringLiteral("-%"), QString());
    ersetze(text, QStringLiteral("%-") + tag + QLatin1Char('%'), QString());
}

void Vorlage::entferneBlock(QString& text, const QString& tag)
{
    // Greedy on purpose: a tag used for several pieces of one position (heading and table row,
    // say) takes everything between its first and its last marker.
    const QRegularExpression re(QRegularExpression::escape(QLatin1Char('%') + tag + QStringLiteral("-%")) +
                                    QStringLiteral(".*") +
                                    QRegularExpression::escape(QStringLiteral("%-") + tag + QLatin1Char('%')),
                                QRegularExpression::DotMatchesEverythingOption);
    text.remove(re);
}

void Vorlage::block(QString& text, const QString& tag, bool behalten)
{
    if (behalten)
        behalteBlock(text, tag);
    else
        entferneBlock(text, tag);
}

QString Vorlage::html(const QString& wert, bool mitUmbruch)
{
    QString t = wert.toHtmlEscaped();
    t.replace(QLatin1Char('%'), QStringLiteral("&#37;"));
    if (mitUmbruch)
        t.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return t;
}

QString Vorlage::datum(const QDate& datum)
{
    return datum.toString(QStringLiteral("dd.MM.yyyy"));
}
