#include "reports/gaebexport.h"

#include "app/programm.h"
#include "app/zahl.h"
#include "app/zieldatei.h"
#include "model/anwenderdaten.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "reports/leistungsverzeichnis.h"

#include <QBuffer>
#include <QXmlStreamWriter>

namespace {

// A text as XML can carry it: control characters (and the code points XML forbids) dropped,
// blanks at both ends removed, cut to the length the field allows without splitting a
// character made of two UTF-16 units.
QString rein(const QString& text, int laenge = -1)
{
    QString t;
    t.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            t += c;
            t += text.at(++i);
            continue;
        }
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        t += c;
    }
    t = t.trimmed();
    if (laenge >= 0 && t.size() > laenge) {
        int n = laenge;
        if (t.at(n - 1).isHighSurrogate())
            --n;
        t = t.left(n).trimmed();
    }
    return t;
}

QString geld(qint64 cent)
{
    return Zahl::fest(static_cast<double>(cent) / 100.0, 2);
}

QString menge(qint64 tausendstel)
{
    return Zahl::fest(static_cast<double>(tausendstel) / 1000.0, 3);
}

QString zweistellig(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

class Schreiber
{
public:
    Schreiber(QByteArray& ziel, GaebExport::Phase phase) : m_puffer(&ziel), m_xml(&m_puffer), m_phase(phase)
    {
        m_puffer.open(QIODevice::WriteOnly);
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }

    bool texte() const { return m_phase != GaebExport::X84; }
    bool preise() const { return m_phase != GaebExport::X83; }

    void feld(const QString& name, const QString& wert) { m_xml.writeTextElement(name, wert); }
    // An element left out when its text is empty.
    void feldWennDa(const QString& name, const QString& wert)
    {
        if (!wert.isEmpty())
            feld(name, wert);
    }
    void auf(const QString& name) { m_xml.writeStartElement(name); }
    void zu() { m_xml.writeEndElement(); }
    // A formatted text: <p><span>text</span></p> inside the element path.
    void absatz(const QString& text)
    {
        auf(QStringLiteral("p"));
        feld(QStringLiteral("span"), text);
        zu();
    }

    void dokument(const Leistungsverzeichnis& lv, const GaebExport::Projekt& projekt,
                  const AnwenderDaten& anwender, const QDateTime& zeitpunkt)
    {
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(
            QStringLiteral("http://www.gaeb.de/GAEB_DA_XML/DA%1/3.3").arg(int(m_phase)));
        auf(QStringLiteral("GAEB"));

        auf(QStringLiteral("GAEBInfo"));
        feld(QStringLiteral("Version"), QStringLiteral("3.3"));
        feld(QStringLiteral("VersDate"), QStringLiteral("2021-05"));
        feld(QStringLiteral("Date"), zeitpunkt.date().toString(QStringLiteral("yyyy-MM-dd")));
        feld(QStringLiteral("Time"), zeitpunkt.time().toString(QStringLiteral("hh:mm:ss")));
        feld(QStringLiteral("ProgSystem"), QStringLiteral("Wandheizung"));
        feld(QStringLiteral("ProgName"), QStringLiteral("Wandheizung ") + Programm::version());
        zu();

        auf(QStringLiteral("PrjInfo"));
        const QString nummer = rein(projekt.nummer, GaebExport::laengeProjektNummer);
        feld(QStringLiteral("NamePrj"),
             nummer.isEmpty() ? rein(projekt.name, GaebExport::laengeProjektNummer) : nummer);
        feld(QStringLiteral("LblPrj"), rein(projekt.name, GaebExport::laengeProjektName));
        zu();

        auf(QStringLiteral("Award"));
        feld(QStringLiteral("DP"), QString::number(int(m_phase)));
        auf(QStringLiteral("AwardInfo"));
        feld(QStringLiteral("Cur"), QStringLiteral("EUR"));
        feld(QStringLiteral("CurLbl"), QStringLiteral("Euro"));
        zu();
        if (m_phase == GaebExport::X84)
            auftragnehmer(anwender);
        leistungsverzeichnis(lv, zeitpunkt);
        zu();

        zu();
        m_xml.writeEndDocument();
    }

private:
    // The bidder's address: two name lines, street, postcode and town (the fourth line split
    // at its first blank), telephone, fax and e-mail; empty lines are left out.
    void auftragnehmer(const AnwenderDaten& a)
    {
        const QString plzOrt = rein(a.plzOrt);
        const int blank = plzOrt.indexOf(QLatin1Char(' '));
        const QString plz = blank < 0 ? QString() : plzOrt.left(blank);
        const QString ort = blank < 0 ? plzOrt : plzOrt.mid(blank + 1).trimmed();
        const QList<QPair<QString, QString>> zeilen{
            {QStringLiteral("Name1"), rein(a.anwender1, GaebExport::laengeName)},
            {QStringLiteral("Name2"), rein(a.anwender2, GaebExport::laengeName)},
            {QStringLiteral("Street"), rein(a.strasse, GaebExport::laengeName)},
            {QStringLiteral("PCode"), rein(plz, GaebExport::laengePlz)},
            {QStringLiteral("City"), rein(ort, GaebExport::laengeName)},
            {QStringLiteral("Phone"), rein(a.telefon, GaebExport::laengeTelefon)},
            {QStringLiteral("Fax"), rein(a.fax, GaebExport::laengeTelefon)},
            {QStringLiteral("Email"), rein(a.email, GaebExport::laengeEmail)},
        };
        bool leer = true;
        for (const auto& z : zeilen)
            leer = leer && z.second.isEmpty();
        if (leer)
            return;
        auf(QStringLiteral("CTR"));
        auf(QStringLiteral("Address"));
        for (const auto& z : zeilen)
            feldWennDa(z.first, z.second);
        zu();
        zu();
    }

    void summen(qint64 summe, const Leistungsverzeichnis* mitAbschlag)
    {
        auf(QStringLiteral("Totals"));
        feld(QStringLiteral("Total"), geld(summe));
        if (mitAbschlag && mitAbschlag->abschlag != Leistungsverzeichnis::KeinAbschlag) {
            if (mitAbschlag->abschlag == Leistungsverzeichnis::Prozent)
                feld(QStringLiteral("DiscountPcnt"), mitAbschlag->prozentText());
            else
                feld(QStringLiteral("DiscountAmt"), geld(mitAbschlag->abschlagCent));
            feld(QStringLiteral("TotAfterDisc"), geld(summe - mitAbschlag->abschlagBetragCent()));
        }
        zu();
    }

    void leistungsverzeichnis(const Leistungsverzeichnis& lv, const QDateTime& zeitpunkt)
    {
        auf(QStringLiteral("BoQ"));
        m_xml.writeAttribute(QStringLiteral("ID"), QStringLiteral("LV"));
        auf(QStringLiteral("BoQInfo"));
        feld(QStringLiteral("Name"), QStringLiteral("Wandheizung"));
        if (texte()) {
            feld(QStringLiteral("LblBoQ"), lv.bezeichnung());
            feld(QStringLiteral("Date"), zeitpunkt.date().toString(QStringLiteral("yyyy-MM-dd")));
            feld(QStringLiteral("OutlCompl"), QStringLiteral("AllTxt"));
        }
        for (const auto& [typ, laenge] :
             {qMakePair(QStringLiteral("BoQLevel"), 2), qMakePair(QStringLiteral("Item"), 4)}) {
            auf(QStringLiteral("BoQBkdn"));
            feld(QStringLiteral("Type"), typ);
            feld(QStringLiteral("Length"), QString::number(laenge));
            feld(QStringLiteral("Num"), QStringLiteral("Yes"));
            zu();
        }
        if (preise())
            summen(lv.summeCent(), &lv);
        zu();

        auf(QStringLiteral("BoQBody"));
        for (const Leistungsverzeichnis::Bereich& b : lv.bereiche)
            bereich(b);
        zu();
        zu();
    }

    void bereich(const Leistungsverzeichnis::Bereich& b)
    {
        const QString nr = zweistellig(b.nummer);
        auf(QStringLiteral("BoQCtgy"));
        m_xml.writeAttribute(QStringLiteral("ID"), QStringLiteral("B") + nr);
        m_xml.writeAttribute(QStringLiteral("RNoPart"), nr);
        if (texte()) {
            auf(QStringLiteral("LblTx"));
            absatz(rein(b.name, GaebExport::laengeBereich));
            zu();
        }
        auf(QStringLiteral("BoQBody"));
        auf(QStringLiteral("Itemlist"));
        for (int i = 0; i < b.positionen.size(); ++i)
            position(nr, QStringLiteral("%1").arg((i + 1) * 10, 4, 10, QLatin1Char('0')), b.positionen.at(i));
        zu();
        zu();
        if (preise())
            summen(b.summeCent(), nullptr);
        zu();
    }

    void position(const QString& bereich, const QString& nr, const Leistungsverzeichnis::Position& p)
    {
        auf(QStringLiteral("Item"));
        m_xml.writeAttribute(QStringLiteral("ID"), QStringLiteral("P%1_%2").arg(bereich, nr));
        m_xml.writeAttribute(QStringLiteral("RNoPart"), nr);
        feld(QStringLiteral("Qty"), menge(p.mengeTausendstel));
        if (texte())
            feld(QStringLiteral("QU"), p.einheit);
        if (preise()) {
            feld(QStringLiteral("UP"), geld(p.preisCent));
            feld(QStringLiteral("IT"), geld(p.gesamtCent()));
        }
        if (texte()) {
            auf(QStringLiteral("Description"));
            auf(QStringLiteral("CompleteText"));
            auf(QStringLiteral("DetailTxt"));
            auf(QStringLiteral("Text"));
            absatz(rein(p.langtext));
            zu();
            zu();
            auf(QStringLiteral("OutlineText"));
            auf(QStringLiteral("OutlTxt"));
            auf(QStringLiteral("TextOutlTxt"));
            absatz(rein(p.kurztext, GaebExport::laengeKurztext));
            zu();
            zu();
            zu();
            zu();
            zu();
        }
        zu();
    }

    QBuffer m_puffer;
    QXmlStreamWriter m_xml;
    GaebExport::Phase m_phase;
};

} // namespace

bool GaebExport::phaseAusText(const QString& text, Phase& phase)
{
    for (Phase p : {X83, X84, X82}) {
        if (text == QString::number(int(p))) {
            phase = p;
            return true;
        }
    }
    return false;
}

QByteArray GaebExport::xml(const Leistungsverzeichnis& lv, Phase phase, const Projekt& projekt,
                           const AnwenderDaten& anwender, const QDateTime& zeitpunkt)
{
    QByteArray ziel;
    {
        Schreiber s(ziel, phase);
        s.dokument(lv, projekt, anwender, zeitpunkt);
    }
    return ziel;
}

bool GaebExport::exportieren(ProjektBaum& baum, const ArtikelListe& katalog, const AnwenderDaten& anwender,
                             Phase phase, const QString& pfad, QString& fehlerText)
{
    const Leistungsverzeichnis lv = Leistungsverzeichnis::ausProjekt(baum, katalog);
    if (lv.bereiche.isEmpty()) {
        fehlerText = QStringLiteral("Das Projekt hat keine Position mit einer Menge über 0; es wurde keine "
                                    "GAEB-Datei geschrieben.");
        return false;
    }
    for (const Leistungsverzeichnis::Bereich& b : lv.bereiche) {
        if (b.positionen.size() > maxPositionen) {
            fehlerText = QStringLiteral("Der Abschnitt „%1“ hat mehr als %2 Positionen; es wurde keine "
                                        "GAEB-Datei geschrieben.")
                             .arg(rein(b.name), QString::number(maxPositionen));
            return false;
        }
    }
    Projekt projekt;
    if (const ProjektData* p = baum.projekt()) {
        projekt.name = p->name;
        projekt.nummer = p->projektNr;
    }
    const QByteArray inhalt = xml(lv, phase, projekt, anwender, QDateTime::currentDateTime());
    if (!ZielDatei::schreibeGanz(pfad, inhalt)) {
        fehlerText = QStringLiteral("Datei %1 konnte nicht geöffnet werden!").arg(pfad);
        return false;
    }
    return true;
}
