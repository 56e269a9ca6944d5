#include "reports/zeilenvorlage.h"

#include "reports/vorlage.h"

#include <algorithm>

Zeilenvorlage::Zeilenvorlage(const QString& text, const QStringList& platzhalter)
    : m_text(text), m_platzhalter(platzhalter)
{
    // Filling by search and filling from the cut pieces give the same row when every "%" of the
    // piece belongs to exactly one placeholder ("%Name%", no "%" inside) and each text between
    // two placeholders holds a character no placeholder name has: then a removed or inserted
    // value can never join the texts around it into another placeholder. Otherwise search.
    QString namenZeichen;
    for (const QString& p : platzhalter) {
        if (p.size() < 3 || !p.startsWith(QLatin1Char('%')) || !p.endsWith(QLatin1Char('%')) ||
            p.count(QLatin1Char('%')) != 2 || platzhalter.count(p) != 1)
            return;
        namenZeichen += p.mid(1, p.size() - 2);
    }
    QStringList stuecke;
    QList<int> folge;
    qsizetype von = 0;
    while (true) {
        const qsizetype auf = text.indexOf(QLatin1Char('%'), von);
        if (auf < 0)
            break;
        const qsizetype zu = text.indexOf(QLatin1Char('%'), auf + 1);
        if (zu < 0)
            return;
        const int index = static_cast<int>(platzhalter.indexOf(text.mid(auf, zu - auf + 1)));
        if (index < 0)
            return;
        const QString stueck = text.mid(von, auf - von);
        if (!folge.isEmpty() &&
            std::all_of(stueck.cbegin(), stueck.cend(), [&](QChar c) { return namenZeichen.contains(c); }))
            return;
        stuecke.append(stueck);
        folge.append(index);
        von = zu + 1;
    }
    stuecke.append(text.mid(von));
    m_stuecke = stuecke;
    m_folge = folge;
    m_geschnitten = true;
}

QString Zeilenvorlage::fuelle(const QStringList& werte) const
{
    QString zeile;
    haengeAn(zeile, werte);
    return zeile;
}

void Zeilenvorlage::haengeAn(QString& dokument, const QStringList& werte) const
{
    // A value with "%" could form a placeholder with its neighbours: that row is searched.
    const bool ohneProzent = std::none_of(werte.cbegin(), werte.cend(),
                                          [](const QString& w) { return w.contains(QLatin1Char('%')); });
    if (!m_geschnitten || !ohneProzent || werte.size() != m_platzhalter.size()) {
        QString t = m_text;
        for (int i = 0; i < m_platzhalter.size(); ++i)
            Vorlage::ersetze(t, m_platzhalter.at(i), werte.value(i));
        dokument += t;
        return;
    }
    for (int i = 0; i < m_folge.size(); ++i) {
        dokument += m_stuecke.at(i);
        dokument += werte.at(m_folge.at(i));
    }
    dokument += m_stuecke.last();
}
