#include "model/ventiltabelle.h"

#include "app/pfade.h"
#include "app/textcodec.h"

#include <QFileInfo>

#include <cmath>

namespace {

const QString dateiName = QStringLiteral("ventile.txt");
// A real table is a few hundred bytes; a larger file is no table.
constexpr qint64 maxBytes = 64 * 1024;

} // namespace

QString VentilTabelle::pfad()
{
    const QString benutzer = Pfade::userDir() + QStringLiteral("data/") + dateiName;
    if (QFileInfo(benutzer).isFile())
        return benutzer;
    return Pfade::applDir() + QStringLiteral("data/") + dateiName;
}

VentilTabelle::Status VentilTabelle::lade(QString& fehlerText)
{
    return ladeDatei(pfad(), fehlerText);
}

VentilTabelle::Status VentilTabelle::ladeDatei(const QString& datei, QString& fehlerText)
{
    m_name.clear();
    m_stufen.clear();
    fehlerText.clear();
    QString text;
    if (!QFileInfo(datei).isFile() || !TextCodec::readFile(datei, text, maxBytes + 1)) {
        fehlerText =
            QStringLiteral("Die Ventiltabelle %1 fehlt; die Voreinstellungen bleiben leer.").arg(datei);
        return Fehlt;
    }
    if (text.size() > maxBytes || !lies(text)) {
        fehlerText = QStringLiteral("Datei ventile.txt hat ein falsches Format!");
        return Falsch;
    }
    return Geladen;
}

bool VentilTabelle::lies(const QString& text)
{
    m_name.clear();
    m_stufen.clear();
    QString name;
    QList<Stufe> stufen;
    bool kopf = true;
    for (const QString& roh : TextCodec::lines(text)) {
        const QString zeile = roh.trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const QStringList felder = zeile.split(QLatin1Char('\t'));
        if (felder.size() != 2)
            return false;
        const QString links = felder.at(0).trimmed();
        const QString rechts = felder.at(1).trimmed();
        if (kopf) {
            if (links != QLatin1String("Ventil") || rechts.isEmpty())
                return false;
            name = rechts;
            kopf = false;
            continue;
        }
        bool ok = false;
        const double kv = rechts.toDouble(&ok); // "C" form: "." only, no grouping
        if (links.isEmpty() || !ok || !std::isfinite(kv) || kv <= 0.0 ||
            (!stufen.isEmpty() && kv <= stufen.last().kv) || stufen.size() >= maxStufen)
            return false;
        stufen.append({links, kv});
    }
    if (kopf || stufen.isEmpty())
        return false;
    m_name = name;
    m_stufen = stufen;
    return true;
}

int VentilTabelle::stufeFuer(double kvNoetig) const
{
    for (int i = 0; i < m_stufen.size(); ++i) {
        if (m_stufen.at(i).kv >= kvNoetig)
            return i;
    }
    return int(m_stufen.size()) - 1;
}
