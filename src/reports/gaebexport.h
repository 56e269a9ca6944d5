#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class AnwenderDaten;
class ArtikelListe;
class Leistungsverzeichnis;
class ProjektBaum;

// The bill of quantities as a GAEB DA XML 3.3 file, the exchange format of tenders and offers
// in the German building trade, in one of three exchange phases: 83 the request for an offer
// (quantities and texts, no prices), 84 the offer answering it (prices only, same positions),
// 82 the cost estimate (texts and prices). UTF-8; texts are cut to the lengths the format
// allows and characters that XML cannot carry are dropped.
class GaebExport
{
public:
    enum Phase
    {
        X82 = 82,
        X83 = 83,
        X84 = 84
    };

    struct Projekt
    {
        QString name;
        QString nummer;
    };

    // "83", "84" or "82" as a phase; false for anything else.
    static bool phaseAusText(const QString& text, Phase& phase);

    // The file's content. The contractor's address (phase 84) comes from the user data.
    static QByteArray xml(const Leistungsverzeichnis& lv, Phase phase, const Projekt& projekt,
                          const AnwenderDaten& anwender, const QDateTime& zeitpunkt);

    // The project's bill of quantities written atomically to the file. False with the message
    // when the project has no position or the file cannot be written; no file is left then.
    static bool exportieren(ProjektBaum& baum, const ArtikelListe& katalog, const AnwenderDaten& anwender,
                            Phase phase, const QString& pfad, QString& fehlerText);

    // Text lengths of the format used for cutting.
    static constexpr int laengeKurztext = 70;
    static constexpr int laengeBereich = 60;
    static constexpr int laengeProjektNummer = 20;
    static constexpr int laengeProjektName = 60;
    static constexpr int laengeName = 40;
    static constexpr int laengePlz = 10;
    static constexpr int laengeTelefon = 20;
    static constexpr int laengeEmail = 60;
    // Positions in one level: four-digit numbers in steps of ten.
    static constexpr int maxPositionen = 999;
};
