#include "model/datanormleser.h"

#include <QDate>
#include <QIODevice>

#include <array>

namespace {

constexpr char endeZeichen = 0x1A;

// The bytes a DATANORM 4 file may hold besides the line ends: printable ASCII and, in code
// page 850, ä ö ü Ä Ö Ü ß é ° ² µ.
std::array<bool, 256> erlaubteBytes()
{
    std::array<bool, 256> erlaubt{};
    erlaubt['\n'] = erlaubt['\r'] = true;
    for (int b = 0x20; b <= 0x7E; ++b)
        erlaubt[b] = true;
    for (int b : {0x84, 0x94, 0x81, 0x8E, 0x99, 0x9A, 0xE1, 0x82, 0xF8, 0xFD, 0xE6})
        erlaubt[b] = true;
    return erlaubt;
}

const std::array<bool, 256> erlaubt = erlaubteBytes();

} // namespace

DatanormLeser::DatanormLeser(QIODevice& geraet) : m_geraet(geraet), m_decoder("IBM850") {}

void DatanormLeser::vonVorn()
{
    m_geraet.seek(0);
    m_puffer.clear();
    m_pos = 0;
    m_ende = false;
    m_nummer = 0;
    m_fehlerZeile = 0;
    m_endeZeichen = false;
}

void DatanormLeser::endeZeichenPruefen()
{
    // Something follows the end mark: the mark itself is out of place.
    if (m_endeZeichen && m_fehlerZeile == 0) {
        m_fehlerZeile = m_endeZeile;
        m_fehlerSpalte = m_endeSpalte;
        m_fehlerByte = static_cast<uchar>(endeZeichen);
    }
}

bool DatanormLeser::naechsteZeile()
{
    if (m_ende || m_abgebrochen)
        return false;
    m_zeile.clear();
    m_zuLang = false;
    ++m_nummer;
    qint64 spalte = 0;
    bool gelesen = false;
    for (;;) {
        if (m_pos >= m_puffer.size()) {
            m_puffer = m_geraet.read(1024 * 1024);
            m_pos = 0;
            if (m_fortschritt && !m_puffer.isEmpty() && !m_fortschritt(m_geraet.pos(), m_geraet.size())) {
                m_abgebrochen = true;
                m_puffer.clear();
                return false;
            }
            if (m_puffer.isEmpty()) {
                m_ende = true;
                // The piece after the last line end is a line when it holds anything.
                return gelesen;
            }
        }
        gelesen = true;
        const uchar* daten = reinterpret_cast<const uchar*>(m_puffer.constData());
        const qsizetype n = m_puffer.size();
        const qsizetype anfang = m_pos;
        qsizetype i = m_pos;
        for (; i < n && daten[i] != '\n'; ++i, ++spalte) {
            endeZeichenPruefen();
            if (erlaubt[daten[i]])
                continue;
            if (daten[i] == endeZeichen && !m_endeZeichen) {
                m_endeZeichen = true;
                m_endeZeile = m_nummer;
                m_endeSpalte = spalte + 1;
            } else if (m_fehlerZeile == 0) {
                m_fehlerZeile = m_nummer;
                m_fehlerSpalte = spalte + 1;
                m_fehlerByte = daten[i];
            }
        }
        const qsizetype platz = maxZeile - m_zeile.size();
        if (i - anfang > platz)
            m_zuLang = true;
        m_zeile.append(m_puffer.constData() + anfang, std::min(i - anfang, std::max<qsizetype>(platz, 0)));
        if (i < n) {
            endeZeichenPruefen();
            m_pos = i + 1;
            break;
        }
        m_pos = n;
    }
    if (m_endeZeichen && m_zeile.endsWith(endeZeichen))
        m_zeile.chop(1);
    if (m_zeile.endsWith('\r'))
        m_zeile.chop(1);
    return true;
}

bool DatanormLeser::alsSatz(Satz& satz)
{
    // Only A and P records are read; their first field is the record kind alone.
    if (m_zeile.size() < 2 || (m_zeile.at(0) != 'A' && m_zeile.at(0) != 'P'))
        return false;
    const QString text = m_decoder.decode(m_zeile);
    QStringList felder = text.split(QLatin1Char(';'));
    for (QString& f : felder)
        f = f.trimmed();
    if (felder.first().size() != 1)
        return false;
    if (felder.size() > 1 && felder.last().isEmpty())
        felder.removeLast();
    satz.zeile = m_nummer;
    satz.felder = felder;
    satz.zuLang = m_zuLang;
    return true;
}

QString DatanormLeser::kopfFehler(const QByteArray& kopf)
{
    QByteArray z = kopf;
    while (z.endsWith(' '))
        z.chop(1);
    if (z.startsWith("V;05"))
        return QStringLiteral("DATANORM 5 wird nicht unterstützt, nur DATANORM 4.");
    bool datum = z.size() >= 8;
    for (int i = 2; datum && i < 8; ++i)
        datum = z.at(i) >= '0' && z.at(i) <= '9';
    if (datum) {
        const int tag = z.mid(2, 2).toInt();
        const int monat = z.mid(4, 2).toInt();
        const int jahr = 2000 + z.mid(6, 2).toInt();
        datum = QDate(jahr, monat, tag).isValid();
    }
    if (z.startsWith('V') && datum && z.size() >= 13 && z.endsWith("04EUR"))
        return QString();
    return QStringLiteral("Zeile 1 ist kein Vorlaufsatz von DATANORM 4 (V, Datum TTMMJJ an Stelle 3 bis 8, "
                          "am Ende 04EUR).");
}

QByteArrayView DatanormLeser::artikelNummer() const
{
    if (!m_zeile.startsWith("A;"))
        return {};
    const qsizetype anfang = m_zeile.indexOf(';', 2) + 1;
    if (anfang == 0)
        return {};
    qsizetype ende = m_zeile.indexOf(';', anfang);
    if (ende < 0)
        ende = m_zeile.size();
    return QByteArrayView(m_zeile).sliced(anfang, ende - anfang).trimmed();
}

QString DatanormLeser::pruefe(const std::function<bool(QByteArrayView nummer)>& gesucht,
                              const std::function<void(const Satz&)>& satz)
{
    vonVorn();
    QString fehler;
    if (!naechsteZeile()) {
        fehler = QStringLiteral("Die Datei ist leer.");
    } else if (m_fehlerZeile == 0) {
        fehler = kopfFehler(m_zeile);
        Satz s;
        while (fehler.isEmpty() && naechsteZeile() && m_fehlerZeile == 0) {
            const QByteArrayView nummer = artikelNummer();
            if (!nummer.isEmpty() && gesucht(nummer) && alsSatz(s))
                satz(s);
        }
    }
    // A byte of another code page is named as such, before anything else.
    if (m_fehlerZeile > 0)
        fehler = QStringLiteral("Zeile %1, Byte %2 (0x%3) ist in Codepage 850 nicht erlaubt.")
                     .arg(m_fehlerZeile)
                     .arg(m_fehlerSpalte)
                     .arg(QString::number(m_fehlerByte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    vonVorn();
    return fehler;
}

bool DatanormLeser::naechsterSatz(Satz& satz)
{
    while (naechsteZeile()) {
        if (m_nummer > 1 && alsSatz(satz))
            return true;
    }
    return false;
}
