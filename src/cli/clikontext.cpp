#include "cli/clikontext.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/textcodec.h"
#include "app/textdatei.h"
#include "app/zieldatei.h"
#include "model/artikelliste.h"
#include "model/projektdatei.h"
#include "reports/tabellenexport.h"

#include <QRegularExpression>

#include <cstdio>
#include <memory>
#include <vector>

CliKontext::CliKontext() : m_out(stdout), m_err(stderr)
{
    m_out.setEncoding(QStringConverter::System);
    m_err.setEncoding(QStringConverter::System);
}

bool CliKontext::ladeKatalog()
{
    ArtikelListe::global().clear();
    if (ArtikelListe::global().load(Pfade::artikelPath()))
        return true;
    m_err << "Datei " << Pfade::artikelPath() << " konnte nicht geöffnet werden!" << Qt::endl;
    return false;
}

bool CliKontext::ladeProjekt(const QString& datei, ProjektBaum& baum)
{
    const LadeErgebnis e = ProjektDatei::laden(baum, datei);
    if (!e.hinweisText.isEmpty())
        m_err << klartext(e.hinweisText) << Qt::endl;
    if (!e.erfolgreich()) {
        m_err << klartext(e.meldungText.isEmpty() ? e.statusText : e.meldungText) << Qt::endl;
        return false;
    }
    return true;
}

bool CliKontext::schreibeDatei(const QString& datei, const QString& text)
{
    TextDatei ziel(datei);
    ziel.schreibe(text);
    return schliesseDatei(ziel, datei);
}

bool CliKontext::schliesseDatei(TextDatei& datei, const QString& pfad)
{
    if (!datei.schliesse()) {
        m_err << "Datei " << pfad << " konnte nicht geöffnet werden!" << Qt::endl;
        return false;
    }
    return true;
}

bool CliKontext::schreibeAlle(const QList<QPair<QString, QByteArray>>& dateien)
{
    std::vector<std::unique_ptr<ZielDatei>> offen;
    for (const auto& [pfad, inhalt] : dateien) {
        auto datei = std::make_unique<ZielDatei>(pfad);
        if (!datei->oeffne() || !datei->schreibe(inhalt)) {
            m_err << TabellenExport::schreibFehler(pfad) << Qt::endl;
            return false;
        }
        offen.push_back(std::move(datei));
    }
    for (std::size_t i = 0; i < offen.size(); ++i) {
        if (!offen[i]->schliesse()) {
            m_err << TabellenExport::schreibFehler(dateien.at(static_cast<int>(i)).first) << Qt::endl;
            return false;
        }
    }
    return true;
}

bool CliKontext::tabellen(const MaterialTabelle& tabelle, const QString& xlsxZiel, const QString& csvZiel,
                          QList<QPair<QString, QByteArray>>& dateien)
{
    if (!csvZiel.isEmpty())
        dateien.append({csvZiel, TabellenExport::csv(tabelle)});
    if (!xlsxZiel.isEmpty()) {
        QByteArray inhalt;
        QString fehler;
        if (!TabellenExport::xlsx(tabelle, inhalt, fehler)) {
            m_err << fehler << Qt::endl;
            return false;
        }
        dateien.append({xlsxZiel, inhalt});
    }
    return true;
}

QString CliKontext::klartext(const QString& html)
{
    QString text = html;
    text.replace(QRegularExpression(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption),
                 QStringLiteral("\n"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

bool CliKontext::nimmOption(QStringList& args, const QString& name, QString& wert, bool& gefunden)
{
    gefunden = false;
    const int i = args.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= args.size())
        return false;
    wert = args.at(i + 1);
    args.remove(i, 2);
    gefunden = true;
    return true;
}

bool CliKontext::nimmSchalter(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

bool CliKontext::setzeMwst(const QString& prozentText)
{
    bool ok = false;
    const double prozent = prozentText.trimmed().toDouble(&ok);
    if (!ok || !(prozent >= 0.0 && prozent <= 100.0))
        return false;
    Programm::setMwstSatz(static_cast<float>(prozent) / 100.0f);
    return true;
}

int CliKontext::benutzungsfehler(const QString& text)
{
    m_err << text << Qt::endl;
    return exitBenutzung;
}

int CliKontext::aufrufFehler(const QString& benutzung)
{
    return benutzungsfehler(QStringLiteral("Aufruf: wandheizung-cli ") + benutzung);
}

bool CliKontext::nurDatei(const QStringList& args)
{
    return args.size() == 1 && !args.first().startsWith(QLatin1Char('-'));
}

int CliKontext::ladeMitKatalog(const QString& datei, ProjektBaum& baum)
{
    if (!ladeKatalog())
        return exitKatalog;
    return ladeProjekt(datei, baum) ? 0 : 1;
}

int CliKontext::ladeEinProjekt(const QStringList& args, const QString& benutzung, ProjektBaum& baum)
{
    if (!nurDatei(args))
        return aufrufFehler(benutzung);
    return ladeMitKatalog(args.first(), baum);
}
