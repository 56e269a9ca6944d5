#include "reports/zeilenvorlage.h"

#include "reports/vorlage.h"
#include "reports/zeilenwerte.h"

#include <algorithm>

Zeilenvorlage::Zeilenvorlage(const QString& text, const QStringList& platzhalter)
    : m_text(text), m_platzhalter(platzhalter)
{
    // Filling by search and filling from the cut pieces give the same row when a removed or
    // inserted value can never join the texts around it into another placeholder. The pieces
    // are cut at the placeholders ("%Name%", no "%" inside); a "%" that starts none of them
    // (a width of "7%") is text. The cut is taken only when
    // - every occurrence a search finds is one of the cut placeholders,
    // - each text between two placeholders holds a character no placeholder name has, and
    // - no "%" of the text could become a placeholder with the value beside it: a piece that
    //   ends in "%" and name characters, followed by a value and a piece that starts with name
    //   characters and "%".
    // Otherwise every row is filled by search.
    QString namenZeichen;
    for (const QString& p : platzhalter) {
        if (p.size() < 3 || !p.startsWith(QLatin1Char('%')) || !p.endsWith(QLatin1Char('%')) ||
            p.count(QLatin1Char('%')) != 2 || platzhalter.count(p) != 1)
            return;
        namenZeichen += p.mid(1, p.size() - 2);
    }
    const auto nurNamen = [&namenZeichen](QStringView t) {
        return std::all_of(t.cbegin(), t.cend(), [&](QChar c) { return namenZeichen.contains(c); });
    };
    QStringList stuecke;
    QList<int> folge;
    qsizetype von = 0;
    qsizetype suche = 0;
    while (true) {
        const qsizetype auf = text.indexOf(QLatin1Char('%'), suche);
        const qsizetype zu = auf < 0 ? -1 : text.indexOf(QLatin1Char('%'), auf + 1);
        if (zu < 0)
            break;
        const int index = static_cast<int>(platzhalter.indexOf(text.mid(auf, zu - auf + 1)));
        if (index < 0) {
            suche = zu;
            continue;
        }
        const QString stueck = text.mid(von, auf - von);
        if (!folge.isEmpty() && nurNamen(stueck))
            return;
        stuecke.append(stueck);
        folge.append(index);
        von = suche = zu + 1;
    }
    stuecke.append(text.mid(von));
    for (int i = 0; i < platzhalter.size(); ++i) {
        if (text.count(platzhalter.at(i)) != folge.count(i))
            return;
    }
    for (int i = 0; i + 1 < stuecke.size(); ++i) {
        const QString& vor = stuecke.at(i);
        const QString& nach = stuecke.at(i + 1);
        const qsizetype letztes = vor.lastIndexOf(QLatin1Char('%'));
        const qsizetype erstes = nach.indexOf(QLatin1Char('%'));
        if (letztes >= 0 && erstes >= 0 && nurNamen(QStringView(vor).mid(letztes + 1)) &&
            nurNamen(QStringView(nach).left(erstes)))
            return;
    }
    for (const QString& s : stuecke)
        m_stueckLaenge += s.size();
    m_stuecke = stuecke;
    m_folge = folge;
    m_geschnitten = true;
}

void Zeilenvorlage::haengeAn(QString& dokument, const Zeilenwerte& werte) const
{
    // A value with "%" could form a placeholder with its neighbours: that row is searched.
    if (!m_geschnitten || werte.anzahl() != m_platzhalter.size() || werte.enthaeltProzent()) {
        QString t = m_text;
        for (int i = 0; i < m_platzhalter.size(); ++i)
            Vorlage::ersetze(t, m_platzhalter.at(i),
                             i < werte.anzahl() ? werte.wert(i).toString() : QString());
        dokument += t;
        return;
    }
    // The row's length is known before it is written: the document grows once per row.
    qsizetype laenge = m_stueckLaenge;
    for (const int index : m_folge)
        laenge += werte.wert(index).size();
    const qsizetype alt = dokument.size();
    dokument.resize(alt + laenge);
    QChar* ziel = dokument.data() + alt;
    const auto schreibe = [&ziel](QStringView teil) { ziel = std::copy_n(teil.data(), teil.size(), ziel); };
    for (int i = 0; i < m_folge.size(); ++i) {
        schreibe(m_stuecke.at(i));
        schreibe(werte.wert(m_folge.at(i)));
    }
    schreibe(m_stuecke.last());
}
