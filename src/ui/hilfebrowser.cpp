#include "ui/hilfebrowser.h"

#include "ui/hilfeseiten.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {
const QString SuchSchema = QStringLiteral("hilfesuche");

// The text, escaped for HTML, with every occurrence of wort (any letter case) in bold.
QString hervorgehoben(const QString& text, const QString& wort)
{
    QString html;
    int von = 0;
    for (int stelle = text.indexOf(wort, 0, Qt::CaseInsensitive); stelle >= 0 && !wort.isEmpty();
         stelle = text.indexOf(wort, von, Qt::CaseInsensitive)) {
        html += text.mid(von, stelle - von).toHtmlEscaped();
        html +=
            QStringLiteral("<b>") + text.mid(stelle, wort.size()).toHtmlEscaped() + QStringLiteral("</b>");
        von = stelle + wort.size();
    }
    return html + text.mid(von).toHtmlEscaped();
}

QString seitenRahmen(const QString& titel, const QString& inhalt)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2</body></html>")
        .arg(titel.toHtmlEscaped(), inhalt);
}
} // namespace

HilfeBrowser::HilfeBrowser(const QString& ordner, QWidget* parent) : QTextBrowser(parent), m_ordner(ordner)
{
    setSearchPaths({m_ordner});
}

QUrl HilfeBrowser::suchAdresse(const QString& wort)
{
    QUrl url;
    url.setScheme(SuchSchema);
    url.setPath(wort.trimmed(), QUrl::DecodedMode);
    return url;
}

QUrl HilfeBrowser::adresse(const QString& seite) const
{
    const QFileInfo info(seite);
    if (info.isAbsolute())
        return QUrl::fromLocalFile(QDir::cleanPath(seite));
    if (seite.contains(QLatin1Char('/')))
        return QUrl::fromLocalFile(info.absoluteFilePath());
    return QUrl::fromLocalFile(QDir(m_ordner).absoluteFilePath(seite));
}

QVariant HilfeBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::HtmlResource)
        return QTextBrowser::loadResource(type, name);
    if (name.scheme() == SuchSchema)
        return suchSeite(name.path(QUrl::FullyDecoded));
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString datei = url.isLocalFile() ? url.toLocalFile() : url.toString();
    QString html;
    if (!HilfeSeiten::lade(datei, html))
        return fehlSeite(datei);
    // Pictures are addressed by their full path, so that every copy of the document (printing,
    // PDF) finds them as well, not only this browser with its search path.
    static const QRegularExpression bild(QStringLiteral("(<img\\b[^>]*\\bsrc\\s*=\\s*\")([^\":]+)(\")"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QFileInfo seite(datei);
    QString ergebnis;
    qsizetype von = 0;
    for (const QRegularExpressionMatch& m : bild.globalMatch(html)) {
        ergebnis += html.mid(von, m.capturedStart(2) - von);
        ergebnis +=
            QUrl::fromLocalFile(seite.dir().absoluteFilePath(m.captured(2))).toString().toHtmlEscaped();
        von = m.capturedEnd(2);
    }
    return ergebnis + html.mid(von);
}

QString HilfeBrowser::suchSeite(const QString& wort) const
{
    const QString titel = tr("Suche nach „%1“").arg(wort);
    if (!QFileInfo(m_ordner).isDir())
        return seitenRahmen(
            titel,
            tr("<p>Der Ordner der Hilfeseiten %1 wurde nicht gefunden.</p>").arg(m_ordner.toHtmlEscaped()));
    const QList<HilfeSeiten::Treffer> treffer = HilfeSeiten::suche(m_ordner, wort);
    const QString index = QUrl::fromLocalFile(QDir(m_ordner).absoluteFilePath(QStringLiteral("index.html")))
                              .toString()
                              .toHtmlEscaped();
    if (treffer.isEmpty())
        return seitenRahmen(titel,
                            tr("<p>Keine Hilfeseite enthält das Wort „%1“.</p>"
                               "<p>Versuchen Sie ein kürzeres Wort oder einen Teil davon, oder sehen Sie im "
                               "<a href=\"%2\">Inhaltsverzeichnis</a> nach.</p>")
                                .arg(wort.toHtmlEscaped(), index));
    QString liste = treffer.size() == 1
                        ? tr("<p>Eine Hilfeseite enthält das Wort „%1“:</p>").arg(wort.toHtmlEscaped())
                        : tr("<p>%1 Hilfeseiten enthalten das Wort „%2“:</p>")
                              .arg(treffer.size())
                              .arg(wort.toHtmlEscaped());
    liste += QStringLiteral("<ul>");
    for (const HilfeSeiten::Treffer& t : treffer)
        liste += QStringLiteral("<li><p><a href=\"%1\"><b>%2</b></a> (%3)<br>%4</p></li>")
                     .arg(QUrl::fromLocalFile(t.datei).toString().toHtmlEscaped(), t.titel.toHtmlEscaped(),
                          t.anzahl == 1 ? tr("1 Fundstelle") : tr("%1 Fundstellen").arg(t.anzahl),
                          hervorgehoben(t.auszug, wort));
    liste += QStringLiteral("</ul><p><a href=\"%1\">Zum Inhaltsverzeichnis</a></p>").arg(index);
    return seitenRahmen(titel, liste);
}

QString HilfeBrowser::fehlSeite(const QString& datei) const
{
    const QFileInfo info(datei);
    QString inhalt =
        tr("<p>Die Hilfeseite %1 wurde nicht gefunden.</p>").arg(info.fileName().toHtmlEscaped());
    if (!info.dir().exists())
        inhalt += tr("<p>Der Ordner %1 fehlt. Die Hilfeseiten gehören in den Ordner „hilfe“ der "
                     "Programminstallation.</p>")
                      .arg(QDir::toNativeSeparators(info.absolutePath()).toHtmlEscaped());
    else
        inhalt += tr("<p>Gesucht wurde sie unter %1.</p>")
                      .arg(QDir::toNativeSeparators(info.absoluteFilePath()).toHtmlEscaped());
    return seitenRahmen(tr("Hilfeseite nicht gefunden"), inhalt);
}
