#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Zeilenwerte;

// A row piece of a template that a document fills once per line (one row per heating surface),
// always with the same placeholders. The row comes out exactly as filling it placeholder by
// placeholder with Vorlage::ersetze, in the order given. When the piece allows it, it is cut
// into its fixed texts once, and each row is put together from those and the values instead
// of being searched again.
class Zeilenvorlage
{
public:
    Zeilenvorlage(const QString& text, const QStringList& platzhalter);

    // Appends the filled row to a document; werte in the order of the placeholders.
    void haengeAn(QString& dokument, const Zeilenwerte& werte) const;

private:
    QString m_text;
    QStringList m_platzhalter;
    // The fixed texts around the placeholders (one more than m_folge) and which placeholder
    // stands in each gap; empty when the piece is filled by search.
    QStringList m_stuecke;
    QList<int> m_folge;
    qsizetype m_stueckLaenge = 0;
    bool m_geschnitten = false;
};
