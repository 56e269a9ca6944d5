#include "ui/hilfeseiten.h"

#include "app/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>

#include <algorithm>

namespace {
// Help pages are small; a larger file is not a help page and is not read whole.
constexpr qint64 MaxSeitenGroesse = 4 * 1024 * 1024;
constexpr int AuszugRand = 60;

QString auszug(const QString& text, int stelle, int laenge)
{
    // Widened to whole words, so the excerpt neither starts nor ends inside one.
    int anfang = std::max(0, stelle - AuszugRand);
    while (anfang > 0 && !text.at(anfang - 1).isSpace())
        --anfang;
    int ende = std::min<int>(text.size(), stelle + laenge + AuszugRand);
    while (ende < text.size() && !text.at(ende).isSpace())
        ++ende;
    QString stueck = text.mid(anfang, ende - anfang).simplified();
    if (anfang > 0)
        stueck.prepend(QStringLiteral("... "));
    if (ende < text.size())
        stueck.append(QStringLiteral(" ..."));
    return stueck;
}
} // namespace

bool HilfeSeiten::lade(const QString& datei, QString& html)
{
    QFile file(datei);
    if (!QFileInfo(datei).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(MaxSeitenGroesse);
    // encodingForHtml knows only the Unicode forms and Latin-1; a page declaring another set
    // (the shipped pages say windows-1252) gets no answer and is read as Windows-1252.
    if (const auto kodierung = QStringConverter::encodingForHtml(bytes)) {
        QStringDecoder decoder(*kodierung);
        const QString text = decoder(bytes);
        if (!decoder.hasError()) {
            html = text;
            return true;
        }
    }
    html = TextCodec::decode(bytes);
    return true;
}

QList<HilfeSeiten::Treffer> HilfeSeiten::suche(const QString& ordner, const QString& wort)
{
    QList<Treffer> treffer;
    const QString gesucht = wort.trimmed();
    if (gesucht.isEmpty())
        return treffer;
    const QDir dir(ordner);
    const QStringList seiten =
        dir.entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    for (const QString& name : seiten) {
        QString html;
        if (!lade(dir.filePath(name), html))
            continue;
        QTextDocument dokument;
        dokument.setHtml(html);
        const QString text = dokument.toPlainText();
        const int erste = text.indexOf(gesucht, 0, Qt::CaseInsensitive);
        if (erste < 0)
            continue;
        Treffer t;
        t.datei = dir.absoluteFilePath(name);
        t.titel = dokument.metaInformation(QTextDocument::DocumentTitle).trimmed();
        if (t.titel.isEmpty())
            t.titel = name;
        t.anzahl = text.count(gesucht, Qt::CaseInsensitive);
        t.auszug = auszug(text, erste, gesucht.size());
        treffer.append(t);
    }
    std::stable_sort(treffer.begin(), treffer.end(), [](const Treffer& a, const Treffer& b) {
        if (a.anzahl != b.anzahl)
            return a.anzahl > b.anzahl;
        return a.titel.localeAwareCompare(b.titel) < 0;
    });
    return treffer;
}
