#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A row piece of a template that a document fills once per line (one row per heating surface),
// always with the same placeholders. The row comes out exactly as filling it placeholder by
// placeholder with Vorlage::ersetze, in the order given. When the piece allows it, it is cut
// into its fixed texts once, and each row is put together from those and the values instead
// of being searched again.
class Zeilenvorlage
{
public:
    Zeilenvorlage(const QString& text, const QStringList& platzhalter);

    // The filled row; werte in the order of the placeholders.
    QString fuelle(const QStringList& werte) const;
    // The same row appended to a document, without a text of its own.
    void haengeAn(QString& dokument, const QStringList& werte) const;

private:
    QString m_text;
    QStringList m_platzhalter;
    // The fixed texts around the placeholders (one more than m_folge) and which placeholder
    // stands in each gap; empty when the piece is filled by search.
    QStringList m_stuecke;
    QList<int> m_folge;
    bool m_geschnitten = false;
};
