#include "design/flaechentabelle.h"

#include "app/auslegung.h"
#include "app/kataloge.h"
#include "app/zahl.h"
#include "model/heizkreise.h"
#include "model/raumdata.h"

#include <algorithm>
#include <cmath>

QString FlaechenTabelle::kopfText(int spalte)
{
    switch (spalte) {
    case SpalteFlaeche:
        return QStringLiteral("Fläche (m²)");
    case SpalteAnzahlRegister:
        return QStringLiteral("Anzahl\nRegister");
    case SpalteRegistergroesse:
        return QStringLiteral("mittlere\nRegistergrösse (m²)");
    case SpalteEntfernung:
        return QStringLiteral("Entfernung (m)");
    case SpalteDirekt:
        return QStringLiteral("Direkt an HKV");
    case SpalteHeizkreis:
        return QStringLiteral("Heizkreis");
    case SpalteZusammenstellung:
        return QStringLiteral("Zusammenst.");
    default:
        return QString();
    }
}

FlaechenTabelle::Editor FlaechenTabelle::editor(int spalte)
{
    Editor e;
    switch (spalte) {
    case SpalteFlaeche:
        e.art = Editor::Zahleneingabe;
        e.stufen = QStringLiteral("0.5:5:0.1;6:10:0.5");
        e.schritt = 0.05;
        e.maximum = 20.0;
        e.dezimalen = 3;
        break;
    case SpalteAnzahlRegister:
        e.art = Editor::Zaehler;
        e.minimum = 1.0;
        e.maximum = 10.0;
        break;
    case SpalteEntfernung:
        e.art = Editor::Zahleneingabe;
        e.stufen = QStringLiteral("1:20:1");
        e.schritt = 0.5;
        e.maximum = 100.0;
        e.dezimalen = 1;
        break;
    case SpalteDirekt:
        e.art = Editor::Haekchen;
        break;
    case SpalteHeizkreis:
        // A room has at most 15 Tichelmann circuits; a higher number would address a circuit
        // that the checks and the material run cannot hold.
        e.art = Editor::Zaehler;
        e.minimum = 1.0;
        e.maximum = Kataloge::maxHeizkreise;
        break;
    default:
        break;
    }
    return e;
}

QString FlaechenTabelle::text(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= zeilen())
        return QString();
    const Heizflaeche& h = m_flaechen.at(zeile);
    switch (spalte) {
    case SpalteFlaeche:
        return Zahl::kurz(h.flaeche);
    case SpalteAnzahlRegister:
        return QString::number(h.anzahlRegister);
    case SpalteRegistergroesse:
        return Zahl::kurz(h.anzahlRegister > 0 ? h.flaeche / h.anzahlRegister : h.flaeche, 3);
    case SpalteEntfernung:
        return Zahl::kurz(h.entfernung);
    case SpalteHeizkreis:
        return h.direkt ? QString() : QString::number(h.heizkreis + 1);
    case SpalteZusammenstellung:
        return zusammenstellungsText(zeile);
    default:
        return QString();
    }
}

QVariant FlaechenTabelle::bearbeitungsWert(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= zeilen())
        return QVariant();
    const Heizflaeche& h = m_flaechen.at(zeile);
    switch (spalte) {
    case SpalteFlaeche:
        return h.flaeche;
    case SpalteAnzahlRegister:
        return h.anzahlRegister;
    case SpalteEntfernung:
        return h.entfernung;
    case SpalteDirekt:
        return h.direkt;
    case SpalteHeizkreis:
        return h.heizkreis + 1;
    default:
        return QVariant();
    }
}

bool FlaechenTabelle::editierbar(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= zeilen())
        return false;
    switch (spalte) {
    case SpalteFlaeche:
    case SpalteAnzahlRegister:
        return keineZusammenstellung(zeile);
    case SpalteEntfernung:
    case SpalteDirekt:
        return true;
    case SpalteHeizkreis:
        return m_heizkreisFrei && !m_flaechen.at(zeile).direkt;
    default:
        return false;
    }
}

bool FlaechenTabelle::istDirekt(int zeile) const
{
    return zeile >= 0 && zeile < zeilen() && m_flaechen.at(zeile).direkt;
}

int FlaechenTabelle::zusammenstellungsBreite() const
{
    return RaumData::zusammenstellungsBreite(m_system);
}

bool FlaechenTabelle::keineZusammenstellung(int zeile) const
{
    const int n = zusammenstellungsBreite();
    if (n == 0 || m_zusammenstellung.size() < (zeile + 1) * n)
        return true;
    for (int j = 0; j < n; ++j) {
        if (m_zusammenstellung.at(zeile * n + j) != 0)
            return false;
    }
    return true;
}

QString FlaechenTabelle::zusammenstellungsText(int zeile) const
{
    const int n = zusammenstellungsBreite();
    if (n == 0)
        return QString();
    if (keineZusammenstellung(zeile))
        return QStringLiteral("n.v.");
    QStringList teile;
    for (int j = 0; j < n; ++j)
        teile << QString::number(m_zusammenstellung.at(zeile * n + j));
    return teile.join(QLatin1Char('-'));
}

FlaechenTabelle::Bereich FlaechenTabelle::alles() const
{
    return {0, 0, std::max(0, zeilen() - 1), Spalten - 1};
}

FlaechenTabelle::Aenderung FlaechenTabelle::schreibe(int zeile, int spalte, const QVariant& wert)
{
    Aenderung a;
    if (zeile < 0 || zeile >= zeilen())
        return a;
    Heizflaeche& h = m_flaechen[zeile];
    switch (spalte) {
    case SpalteFlaeche: {
        const double f = wert.toDouble();
        h.flaeche = std::isfinite(f) && f > 0.0 ? f : 0.0;
        if (keineZusammenstellung(zeile))
            h.anzahlRegister = Auslegung::AnzahlRegister(static_cast<float>(h.flaeche), m_system);
        summenNeu();
        bildeHeizkreise();
        a.summen = true;
        a.bereiche << alles();
        break;
    }
    case SpalteAnzahlRegister:
        h.anzahlRegister = std::max(0, wert.toInt());
        bildeHeizkreise();
        a.bereiche << alles();
        break;
    case SpalteEntfernung: {
        const double e = wert.toDouble();
        h.entfernung = std::isfinite(e) && e > 0.0 ? e : 0.0;
        a.bereiche << Bereich{zeile, spalte, zeile, spalte};
        break;
    }
    case SpalteDirekt:
        h.direkt = wert.toInt() == 2;
        bildeHeizkreise();
        // Regrouping may renumber every row's circuit.
        a.bereiche << Bereich{zeile, spalte, zeile, spalte}
                   << Bereich{0, SpalteHeizkreis, zeilen() - 1, SpalteHeizkreis};
        break;
    case SpalteHeizkreis:
        h.heizkreis = std::max(0, wert.toInt() - 1);
        a.bereiche << Bereich{zeile, spalte, zeile, spalte};
        break;
    default:
        break;
    }
    return a;
}

bool FlaechenTabelle::neueFlaeche(QString& meldung)
{
    meldung.clear();
    if (m_flaechen.size() >= Kataloge::maxFlaechen) {
        meldung = QStringLiteral("Anzahl Heizflächen für das Raum (max ") +
                  QStringLiteral("%1 )").arg(Kataloge::maxFlaechen) +
                  QStringLiteral(" ist überschritten.\nNeue Fläche einfügen ist nicht möglich!");
        return false;
    }
    Heizflaeche h;
    h.flaeche = 0.0;
    h.anzahlRegister = 0;
    h.entfernung = 15.0;
    h.direkt = false;
    h.heizkreis = m_flaechen.isEmpty() ? 0 : m_flaechen.last().heizkreis;
    m_flaechen.append(h);
    return true;
}

bool FlaechenTabelle::loescheFlaeche(int zeile)
{
    if (zeile < 0 || zeile >= zeilen())
        return false;
    m_flaechen.removeAt(zeile);
    const int n = zusammenstellungsBreite();
    if (n > 0) {
        const int von = zeile * n;
        const int bis = std::min<int>((zeile + 1) * n, m_zusammenstellung.size());
        if (von < bis)
            m_zusammenstellung.remove(von, bis - von);
    }
    summenNeu();
    bildeHeizkreise();
    return true;
}

void FlaechenTabelle::vorschlag()
{
    QList<Heizflaeche> neu;
    const float voll = Auslegung::MaxHeizflaeche();
    const int k = std::max(0, Zahl::ganz(std::floor(m_soll / voll)));
    // Each proposed surface is a circuit of its own, and a room has at most 15 circuits: a
    // larger need stays visible as a negative difference.
    for (int i = 0; i < k && neu.size() < Kataloge::maxHeizkreise; ++i) {
        Heizflaeche h;
        h.flaeche = voll;
        h.anzahlRegister = Auslegung::MaxAnzahlRegister();
        h.entfernung = 15.0;
        h.heizkreis = i;
        h.direkt = false;
        neu.append(h);
    }
    const float rest = static_cast<float>(m_soll - static_cast<double>(voll) * k);
    if (rest > 0.0f && neu.size() < Kataloge::maxHeizkreise) {
        Heizflaeche h;
        h.flaeche = rest;
        h.anzahlRegister = Auslegung::AnzahlRegister(rest, m_system);
        h.entfernung = 15.0;
        h.heizkreis = k;
        h.direkt = false;
        neu.append(h);
    }
    m_flaechen = neu;
    summenNeu();
}

void FlaechenTabelle::bildeHeizkreise()
{
    if (!m_heizkreisFrei)
        Heizkreise::bildeHeizkreise(m_flaechen);
}

bool FlaechenTabelle::headerClicked(int section)
{
    if (section != SpalteHeizkreis)
        return false;
    m_heizkreisFrei = !m_heizkreisFrei;
    bildeHeizkreise();
    return true;
}

bool FlaechenTabelle::test4Changes(int system, float flaeche)
{
    const bool wechsel = system != m_system;
    if (wechsel) {
        if (Kataloge::istRegisterSystem(m_system))
            m_zusammenstellung.clear();
        if (Kataloge::istRegisterSystem(system))
            m_flaechen.clear();
        m_system = system;
    }
    if (static_cast<double>(flaeche) != m_soll)
        m_soll = flaeche;
    summenNeu();
    return wechsel;
}

bool FlaechenTabelle::zusammenstellungMoeglich(int zeile) const
{
    return zeile >= 0 && zeile < zeilen() && Kataloge::istRegisterSystem(m_system);
}

QList<int> FlaechenTabelle::zusammenstellung(int zeile) const
{
    QList<int> r;
    const int n = zusammenstellungsBreite();
    for (int j = 0; j < n; ++j)
        r << m_zusammenstellung.value(zeile * n + j);
    return r;
}

double FlaechenTabelle::flaeche(int zeile) const
{
    return zeile >= 0 && zeile < zeilen() ? m_flaechen.at(zeile).flaeche : 0.0;
}

FlaechenTabelle::Aenderung FlaechenTabelle::uebernimmZusammenstellung(int zeile, const QList<int>& anzahlen,
                                                                      double flaeche, int registerAnzahl)
{
    Aenderung a;
    if (!zusammenstellungMoeglich(zeile))
        return a;
    const int n = zusammenstellungsBreite();
    // Rows before this one without a block of their own get empty blocks.
    while (m_zusammenstellung.size() < (zeile + 1) * n)
        m_zusammenstellung.append(0);
    for (int j = 0; j < n; ++j)
        m_zusammenstellung[zeile * n + j] = std::max(0, anzahlen.value(j));
    Heizflaeche& h = m_flaechen[zeile];
    h.flaeche = std::isfinite(flaeche) && flaeche > 0.0 ? flaeche : 0.0;
    h.anzahlRegister = std::max(0, registerAnzahl);
    m_registerAnzahl = h.anzahlRegister;
    summenNeu();
    bildeHeizkreise();
    a.summen = true;
    a.bereiche << alles();
    return a;
}

void FlaechenTabelle::summenNeu()
{
    m_summe = 0.0;
    for (const Heizflaeche& h : m_flaechen)
        m_summe += h.flaeche;
}

QString FlaechenTabelle::summeText() const
{
    return Zahl::fest(m_summe, 2);
}

QString FlaechenTabelle::differenzText() const
{
    return Zahl::fest(differenz(), 2);
}

void FlaechenTabelle::laden(const RaumData& raum)
{
    m_soll = raum.flaecheWH;
    m_system = raum.systemIndex;
    m_zusammenstellung = raum.zusammenstellung;
    m_heizkreisFrei = raum.heizkreisFrei;
    m_flaechen = raum.heizflaechen;
    summenNeu();
}

void FlaechenTabelle::speichern(RaumData& raum) const
{
    raum.heizflaechen = m_flaechen;
    raum.zusammenstellung = m_zusammenstellung;
    raum.heizkreisFrei = m_heizkreisFrei;
}

bool FlaechenTabelle::geaendert(const RaumData& raum) const
{
    return raum.heizflaechen != m_flaechen || raum.zusammenstellung != m_zusammenstellung ||
           raum.heizkreisFrei != m_heizkreisFrei;
}
