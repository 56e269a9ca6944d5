#pragma once

#include <QByteArray>
#include <QStringDecoder>
#include <QStringList>

#include <functional>

class QIODevice;

// A DATANORM 4 file (the price and article file of the wholesale trade), read line by line so
// that a file of some hundred megabytes never lies in memory whole. The file is code page 850
// with CR LF or LF line ends and may end with the DOS end mark 0x1A. Its only bytes are line
// ends, printable ASCII and the umlauts, "ß", "é", "°", "²" and "µ" of code page 850: any other
// byte means the file is in another code page (Windows-1252, UTF-8) or no text at all, and the
// whole file is refused rather than read with wrong letters. The first line is the header "V"
// with the date TTMMJJ at columns 3 to 8, ending with the version and currency "04EUR".
class DatanormLeser
{
public:
    // One article ("A") or price ("P") record.
    struct Satz
    {
        qint64 zeile = 0; // line number, from 1
        // The fields between ";", without surrounding blanks; the empty piece after the closing
        // ";" of the record is not a field.
        QStringList felder;
        bool zuLang = false; // the line is longer than maxZeile bytes; felder holds its start
    };

    explicit DatanormLeser(QIODevice& geraet);

    // Called each time a piece of the file is read, with the bytes read so far and the file's
    // size; returning false stops the reading for good (the file then ends there).
    using Fortschritt = std::function<bool(qint64 gelesen, qint64 groesse)>;
    void setFortschritt(const Fortschritt& fortschritt) { m_fortschritt = fortschritt; }
    bool abgebrochen() const { return m_abgebrochen; }

    // Reads the whole file from its start and checks every byte and the header. Each A record
    // whose number (the third field, as written) gesucht accepts is handed to satz on the way;
    // the others are not even split, which keeps this reading of a large file short. Returns
    // the fault ("Zeile 3, Byte 17 (0xC3) ...") or an empty text.
    QString pruefe(const std::function<bool(QByteArrayView nummer)>& gesucht,
                   const std::function<void(const Satz&)>& satz);
    // After pruefe(), from the start of the file: the next A or P record; false at the end.
    bool naechsterSatz(Satz& satz);

    // No record of the format comes near this; a longer line is refused as a record.
    static constexpr qsizetype maxZeile = 64 * 1024;

private:
    void vonVorn();
    // The next line without its line end; false at the end of the file.
    bool naechsteZeile();
    // A byte after the end mark 0x1A makes the mark a fault.
    void endeZeichenPruefen();
    // The line as a record when it is an A or P record.
    bool alsSatz(Satz& satz);
    static QString kopfFehler(const QByteArray& kopf);
    // The number of an A record line, without surrounding blanks; empty for any other line.
    QByteArrayView artikelNummer() const;

    QIODevice& m_geraet;
    QStringDecoder m_decoder;
    QByteArray m_puffer;
    qsizetype m_pos = 0;
    bool m_ende = false;
    QByteArray m_zeile;
    bool m_zuLang = false;
    qint64 m_nummer = 0;
    // The first byte that does not belong (line, column from 1, value), line 0 for none.
    qint64 m_fehlerZeile = 0;
    qint64 m_fehlerSpalte = 0;
    uchar m_fehlerByte = 0;
    // An end mark 0x1A seen: it must be the last byte of the file.
    bool m_endeZeichen = false;
    qint64 m_endeZeile = 0;
    qint64 m_endeSpalte = 0;
    Fortschritt m_fortschritt;
    bool m_abgebrochen = false;
};
