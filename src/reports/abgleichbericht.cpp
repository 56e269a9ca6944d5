#include "reports/abgleichbericht.h"

#include "app/abgleicheinstellungen.h"
#include "app/zieldatei.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/ventiltabelle.h"
#include "reports/csvfeld.h"
#include "reports/vorlage.h"

#include <QDate>
#include <QFileInfo>
#include <QVarLengthArray>

#include <charconv>

namespace {

using Abgang = Abgleich::Abgang;
using Verteiler = Abgleich::Verteiler;

constexpr int zeilenJeTabelle = 25;

// One CSV line appended to the UTF-8 text: fields separated by ";" (each as CsvFeld writes it),
// the line ended by "\n". The line is put together in a buffer of its own and appended whole.
class CsvZeile
{
public:
    explicit CsvZeile(QByteArray& text) : m_text(text) {}
    ~CsvZeile()
    {
        m_zeile.append('\n');
        m_text.append(m_zeile.constData(), m_zeile.size());
    }
    CsvZeile(const CsvZeile&) = delete;
    CsvZeile& operator=(const CsvZeile&) = delete;

    CsvZeile& operator<<(const QString& feld)
    {
        trenner();
        // Names are short and nearly always Latin-1 without a character that needs quotes: those
        // are written as UTF-8 here, anything else as CsvFeld and Qt write it.
        const qsizetype anfang = m_zeile.size();
        m_zeile.resize(anfang + 2 * feld.size()); // room for two bytes a character
        char* ziel = m_zeile.data() + anfang;
        for (const QChar c : feld) {
            const char16_t u = c.unicode();
            if (u == u';' || u == u'"' || u == u'\n' || u == u'\r' || u > 0xFF) {
                m_zeile.resize(anfang);
                const QByteArray utf8 = CsvFeld::text(feld).toUtf8();
                m_zeile.append(utf8.constData(), utf8.size());
                return *this;
            }
            if (u < 0x80) {
                *ziel++ = static_cast<char>(u);
            } else {
                *ziel++ = static_cast<char>(0xC0 | (u >> 6));
                *ziel++ = static_cast<char>(0x80 | (u & 0x3F));
            }
        }
        m_zeile.resize(ziel - m_zeile.data());
        return *this;
    }
    // Empty fields.
    CsvZeile& leer(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            trenner();
        return *this;
    }
    // A figure with a decimal comma, as Abgleich::zahl writes it; a number never needs quotes.
    CsvZeile& zahl(double wert, int stellen)
    {
        char puffer[24];
        const int laenge = Abgleich::zahlNach(puffer, wert, stellen);
        if (laenge == 0)
            return *this << Abgleich::zahl(wert, stellen);
        trenner();
        m_zeile.append(puffer, laenge);
        return *this;
    }
    CsvZeile& zahl(int wert)
    {
        char puffer[16];
        const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
        trenner();
        m_zeile.append(puffer, ende - puffer);
        return *this;
    }

private:
    void trenner()
    {
        if (!m_erstes)
            m_zeile.append(';');
        m_erstes = false;
    }

    QByteArray& m_text;
    QVarLengthArray<char, 512> m_zeile;
    bool m_erstes = true;
};

QString z(double wert, int stellen)
{
    return Abgleich::zahl(wert, stellen);
}

// The sums of area, output, mass flow and volume flow (l/h) of a manifold or the pump.
void summen(CsvZeile& zeile, double flaeche, double leistung, double massenstrom, double volumenstrom)
{
    zeile.zahl(flaeche, 2).zahl(leistung, 1).zahl(massenstrom, 2).zahl(volumenstrom * 1000.0, 2);
}

void kreisZeile(QByteArray& text, const QString& etage, const Abgang& a)
{
    CsvZeile zeile(text);
    zeile << QStringLiteral("Kreis") << etage << a.raum << a.art;
    zeile.zahl(a.nr).zahl(a.nummer);
    summen(zeile, a.flaeche, a.leistung, a.massenstrom, a.volumenstrom);
    zeile.zahl(a.l16, 2)
        .zahl(a.l10, 2)
        .zahl(a.geschwindigkeit, 3)
        .zahl(a.dpRohr, 2)
        .zahl(a.dpEinzel, 2)
        .zahl(a.dpKreis, 2)
        .zahl(a.dpVentil, 2)
        .zahl(a.kv, 4);
    zeile << a.voreinstellung << QString() << a.warnungen.join(QLatin1Char(' '));
}

void verteilerZeile(QByteArray& text, const Verteiler& v)
{
    CsvZeile zeile(text);
    zeile << QStringLiteral("Verteiler") << v.etage;
    zeile.leer(2).zahl(static_cast<int>(v.abgaenge.size())).zahl(v.index + 1);
    summen(zeile, v.flaeche, v.leistung, v.massenstrom, v.volumenstrom);
    zeile.leer(5).zahl(v.dpIndex, 2);
    if (v.mitVentil)
        zeile.zahl(v.dpVentil, 2).zahl(v.kv, 4);
    else
        zeile.leer(2);
    zeile.leer(1).zahl(v.dpErf, 2).leer(1);
}

void pumpenZeile(QByteArray& text, const Abgleich::Ergebnis& e)
{
    CsvZeile zeile(text);
    zeile << QStringLiteral("Pumpe");
    zeile.leer(3).zahl(static_cast<int>(e.verteiler.size())).leer(1);
    summen(zeile, e.flaeche, e.leistung, e.massenstrom, e.volumenstrom);
    zeile.leer(9).zahl(e.foerderhoehe, 2).leer(1);
}

void setze(QString& t, const char* platzhalter, const QString& wert)
{
    Vorlage::ersetze(t, QString::fromLatin1(platzhalter), wert);
}

QString warnListe(const QStringList& meldungen)
{
    QString html;
    for (const QString& m : meldungen)
        html += QStringLiteral("<li>") + Vorlage::html(m) + QStringLiteral("</li>\n");
    return html;
}

} // namespace

QString AbgleichBericht::csvKopf()
{
    return QStringLiteral("Satz;Etage;Raum;Art;Nr;Abgang;Fläche m²;Q W;m kg/h;V l/h;L16 m;L10 m;v m/s;"
                          "dp Rohr mbar;dp Einzel mbar;dp Kreis mbar;dp Ventil mbar;kv m³/h;Voreinstellung;"
                          "dp erf mbar;Warnungen");
}

QByteArray AbgleichBericht::csv(const Abgleich::Ergebnis& ergebnis)
{
    QByteArray text = "\xEF\xBB\xBF" + csvKopf().toUtf8() + '\n';
    // About 120 bytes a line: the text grows in place instead of being copied as it grows.
    qsizetype zeilen = 1;
    for (const Verteiler& v : ergebnis.verteiler)
        zeilen += v.abgaenge.size() + 1;
    text.reserve(text.size() + zeilen * 128);
    for (const Verteiler& v : ergebnis.verteiler) {
        for (const Abgang& a : v.abgaenge)
            kreisZeile(text, v.etage, a);
        verteilerZeile(text, v);
    }
    pumpenZeile(text, ergebnis);
    return text;
}

bool AbgleichBericht::schreibe(const QString& pfad, const QByteArray& inhalt, QString& fehlerText)
{
    if (ZielDatei::schreibeGanz(pfad, inhalt))
        return true;
    fehlerText = Vorlage::oeffnenFehler(QFileInfo(pfad).fileName());
    return false;
}

BerichtErgebnis AbgleichBericht::dokument(const Abgleich::Ergebnis& e, const ProjektBaum& baum,
                                          const QString& tabellenHinweis)
{
    BerichtErgebnis r;
    r.orientierung = BerichtErgebnis::quer;
    r.schriftGroesse = 8;
    enum
    {
        Kopf,
        Etage,
        Tabelle,
        Zeile,
        VerteilerZeile,
        Pumpe
    };
    QStringList v;
    if (!Vorlage::ladeAlle({QStringLiteral("abgleichkopf"), QStringLiteral("abgleichetage"),
                            QStringLiteral("abgleichtabelle"), QStringLiteral("abgleichzeile"),
                            QStringLiteral("abgleichverteiler"), QStringLiteral("abgleichpumpe")},
                           v, r.fehlerText))
        return r;

    QString html = v[Kopf];
    const ProjektData* projekt = baum.projekt();
    Vorlage::ersetzeText(html, QStringLiteral("%ProjektBezeichnung%"), projekt ? projekt->name : QString());
    setze(html, "%setdate%", Vorlage::datum(QDate::currentDate()));
    setze(html, "%Spreizung%", z(e.werte.spreizung, 1));
    setze(html, "%Vorlauftemperatur%", z(e.vorlauf, 1));
    setze(html, "%Wassertemperatur%", z(e.wasser.temperatur, 1));
    setze(html, "%Dichte%", z(e.wasser.dichte, 2));
    setze(html, "%Viskositaet%", z(e.wasser.viskositaet * 1e6, 4));
    setze(html, "%Ventildruck%", z(e.werte.ventildruck, 0));
    setze(html, "%Pumpenzuschlag%", z(e.werte.pumpenzuschlag, 0));
    Vorlage::ersetzeText(html, QStringLiteral("%Ventil%"),
                         e.ventil.isEmpty() ? QStringLiteral("keine") : e.ventil);
    Vorlage::block(html, QStringLiteral("TAB"), !tabellenHinweis.isEmpty());
    Vorlage::ersetzeText(html, QStringLiteral("%Tabellenhinweis%"), tabellenHinweis);
    Vorlage::block(html, QStringLiteral("LEER"), e.verteiler.isEmpty());

    for (const Verteiler& vt : e.verteiler) {
        for (int i = 0; i < vt.abgaenge.size(); ++i) {
            // A long manifold goes on under its heading again in a table of its own: the page
            // layout is cut before headings, and it slows down with the size of one piece.
            if (i % zeilenJeTabelle == 0) {
                QString etage = v[Etage];
                Vorlage::ersetzeText(etage, QStringLiteral("%Etage%"),
                                     i == 0 ? vt.etage : vt.etage + QStringLiteral(" (Fortsetzung)"));
                html += (i == 0 ? QString() : QStringLiteral("</table>\n")) + etage + v[Tabelle];
            }
            const Abgang& a = vt.abgaenge.at(i);
            QString t = v[Zeile];
            setze(t, "%Hintergrund%",
                  a.warnungen.isEmpty() ? QStringLiteral("#ffffff") : QStringLiteral("#fde2c8"));
            setze(t, "%Abgang%", QString::number(a.nummer));
            Vorlage::ersetzeText(t, QStringLiteral("%Raum%"), a.raum);
            setze(t, "%Art%", a.art);
            setze(t, "%Nr%", QString::number(a.nr));
            setze(t, "%Flaeche%", z(a.flaeche, 2));
            setze(t, "%Leistung%", z(a.leistung, 1));
            setze(t, "%Massenstrom%", z(a.massenstrom, 2));
            setze(t, "%Volumenstrom%", z(a.volumenstrom * 1000.0, 2));
            setze(t, "%L16%", z(a.l16, 2));
            setze(t, "%L10%", z(a.l10, 2));
            setze(t, "%Geschwindigkeit%", z(a.geschwindigkeit, 3));
            setze(t, "%dpKreis%", z(a.dpKreis, 2));
            setze(t, "%dpVentil%", z(a.dpVentil, 2));
            setze(t, "%kv%", z(a.kv, 4));
            Vorlage::ersetzeText(t, QStringLiteral("%Voreinstellung%"), a.voreinstellung);
            setze(t, "%Warnungen%", a.warnungen.join(QLatin1Char(' ')));
            html += t;
        }
        QString t = v[VerteilerZeile];
        setze(t, "%Anzahl%", QString::number(vt.abgaenge.size()));
        setze(t, "%Index%", QString::number(vt.index + 1));
        setze(t, "%Flaeche%", z(vt.flaeche, 2));
        setze(t, "%Leistung%", z(vt.leistung, 1));
        setze(t, "%Massenstrom%", z(vt.massenstrom, 2));
        setze(t, "%Volumenstrom%", z(vt.volumenstrom * 1000.0, 2));
        setze(t, "%dpIndex%", z(vt.dpIndex, 2));
        setze(t, "%dpErf%", z(vt.dpErf, 2));
        Vorlage::block(t, QStringLiteral("VENTIL"), vt.mitVentil);
        setze(t, "%dpVentil%", z(vt.dpVentil, 2));
        setze(t, "%kv%", z(vt.kv, 4));
        QStringList meldungen;
        for (const Abgang& a : vt.abgaenge)
            meldungen << a.meldungen;
        Vorlage::block(t, QStringLiteral("WARN"), !meldungen.isEmpty());
        setze(t, "%Warnungen%", warnListe(meldungen));
        html += t;
    }

    QString t = v[Pumpe];
    setze(t, "%Verteiler%", QString::number(e.verteiler.size()));
    setze(t, "%Flaeche%", z(e.flaeche, 2));
    setze(t, "%Leistung%", z(e.leistung, 1));
    setze(t, "%Massenstrom%", z(e.massenstrom, 2));
    setze(t, "%Volumenstrom%", z(e.volumenstrom * 1000.0, 2));
    setze(t, "%Foerderhoehe%", z(e.foerderhoehe, 2));
    setze(t, "%FoerderhoeheM%", z(e.foerderhoeheMeter(), 2));
    html += t;

    r.html = html;
    r.ok = true;
    return r;
}

BerichtErgebnis AbgleichBericht::erstelle(const ProjektBaum& baum)
{
    VentilTabelle tabelle;
    QString hinweis;
    BerichtErgebnis r;
    if (tabelle.lade(hinweis) == VentilTabelle::Falsch) {
        r.fehlerText = hinweis;
        return r;
    }
    const Abgleich::Ergebnis e = Abgleich::berechne(baum, AbgleichEinstellungen::lese(), tabelle);
    if (!e.ok) {
        r.fehlerText = e.fehlerText;
        return r;
    }
    return dokument(e, baum, hinweis);
}
