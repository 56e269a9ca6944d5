#pragma once

#include "app/textcodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Builds the texts that the file tests read: project and heat-demand lines with their field
// separators, whole files in Windows-1252, and a small article catalogue.
class ProjektText
{
public:
    // Fields joined by the byte 0x01.
    static QString zeile(const QStringList& felder) { return felder.join(QChar(0x01)); }
    // Sub-fields joined by the byte 0x02.
    static QString unterfelder(const QStringList& felder) { return felder.join(QChar(0x02)); }

    // A whole file: the header and the lines, each ended by "\n", in Windows-1252.
    static QByteArray datei(const QString& kopf, const QStringList& zeilen)
    {
        QString text = kopf + QLatin1Char('\n');
        for (const QString& z : zeilen)
            text += z + QLatin1Char('\n');
        return TextCodec::encode(text);
    }

    static QString projekt(int stand = 0, const QString& name = QStringLiteral("Haus Berg"))
    {
        return zeile(
            {"0", name, "P-7", "2008-05-20", "Bergstraße 4", "Köln", "50667", QString::number(stand)});
    }
    static QString gebaeude(int anzahl = 1, int system = 0)
    {
        return "\t" + zeile({"1", "45", QString::number(anzahl), QString::number(system), "2", "30"});
    }
    static QString etage(const QString& name = QStringLiteral("EG"), int anzahl = 1, int system = 0)
    {
        return "\t\t" + zeile({"2", name, QString::number(anzahl), QString::number(system)});
    }
    // A room of 20 m² at 60 W/m² (1200 W) with a stored wall area of 7.5 m² and difference 15 W.
    static QString raum(const QString& name = QStringLiteral("Bad"), int system = 0)
    {
        return "\t\t\t" +
               zeile({"3", name, "0", "20", "20", "60", "1200", "7.5", "0", "15", QString::number(system)});
    }
    static QString flaechen(const QStringList& felder)
    {
        return "\t\t\t\t" + zeile(QStringList{"5"} + felder);
    }
    static QString zusammenstellung(const QStringList& felder)
    {
        return "\t\t\t\t\t" + zeile(QStringList{"6"} + felder);
    }
    static QString sonstig() { return "\t" + zeile({"4", "45", "10", "0", "0.5", "0.1"}); }
    static QString material(const QStringList& paare = {}) { return "\t" + zeile(QStringList{"7"} + paare); }

    // A complete small project: project, building, one floor with one room and its surfaces,
    // other costs.
    static QStringList grund(int stand = 0)
    {
        return {projekt(stand), gebaeude(), etage(), raum(), flaechen({"0:0", "7.5", "15", "0", "0", "3"}),
                sonstig()};
    }

    // Three articles in two groups; the catalogue's range date is "01.03.2008".
    static QString katalog()
    {
        return QStringLiteral("# Testkatalog\n"
                              "01.03.2008\t30\t45\t56\t68\t61\n"
                              "2\n"
                              "Rohr\n"
                              "Zubehör\n"
                              "150010\tVerbundrohr 16x2\tVerbundrohr in Rollen\t1.5\t0\t1\t200\t1\t1\n"
                              "150003\tSchutzrohr\tSchutzrohr für Verbundrohr\t0.8\t0\t1\t50\t1\n"
                              "151570\tVentil\tVentil für Heizkreise\t12.5\t0\t3\t1\t2\n");
    }
};
