#include "app/textcodec.h"

#include "app/textdatei.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

bool TextCodec::readFile(const QString& path, QString& text, qint64 maxBytes, bool* abgeschnitten)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // In pieces, so that only what the file really holds is allocated.
    constexpr qint64 stueck = 1024 * 1024;
    QByteArray bytes;
    while (bytes.size() < maxBytes) {
        const QByteArray teil = file.read(std::min(stueck, maxBytes - bytes.size()));
        if (teil.isEmpty())
            break;
        bytes += teil;
    }
    if (abgeschnitten)
        *abgeschnitten = bytes.size() >= maxBytes && !file.read(1).isEmpty();
    text = decode(bytes);
    return true;
}

QString TextCodec::decode(const QByteArray& bytes)
{
    // Windows-1252 gives every byte one character: the converter's answer for each of the 256
    // bytes, asked once, decodes a file byte by byte exactly as the converter would.
    static const std::optional<std::array<char16_t, 256>> tabelle =
        []() -> std::optional<std::array<char16_t, 256>> {
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            return std::nullopt;
        std::array<char16_t, 256> zeichen{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString eins = decoder.decode(QByteArrayView(&byte, 1));
            if (eins.size() != 1)
                return std::nullopt;
            zeichen[b] = eins.at(0).unicode();
        }
        return zeichen;
    }();
    if (!tabelle) {
        QStringDecoder decoder("windows-1252");
        return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
    }
    // ASCII, the bulk of every file, is widened by Qt; only eight-byte runs that hold a byte
    // from 0x80 are looked at again.
    QString text = QString::fromLatin1(bytes);
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    char16_t* zeichen = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < n; i += 8) {
        const qsizetype ende = std::min<qsizetype>(i + 8, n);
        if (ende - i == 8) {
            quint64 acht;
            std::memcpy(&acht, b + i, 8);
            if (!(acht & 0x8080808080808080ULL))
                continue;
        }
        for (qsizetype j = i; j < ende; ++j) {
            if (b[j] >= 0x80)
                zeichen[j] = (*tabelle)[b[j]];
        }
    }
    return text;
}

QByteArray TextCodec::encode(QStringView text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1();
    // Windows-1252 keeps ASCII and the Latin-1 letters from U+00A0 (umlauts, "ß", "°", "²")
    // byte for byte: those are copied, only the other characters go through the converter (a
    // large report spends most of its writing time there otherwise).
    const auto gleich = [](char16_t u) { return u < 0x80 || (u >= 0xA0 && u <= 0xFF); };
    // Most documents hold nothing else: Qt's Latin-1 conversion takes them whole. It writes "?"
    // for a character beyond Latin-1, so each "?" it wrote is checked against the text (HTML
    // rarely has one), and bytes 0x80 to 0x9F stand for other characters in Windows-1252.
    {
        QByteArray latin1 = text.toLatin1();
        const char* b = latin1.constData();
        const qsizetype n = latin1.size();
        unsigned char steuerzeichen = 0;
        for (qsizetype i = 0; i < n; ++i)
            steuerzeichen |= static_cast<unsigned char>(static_cast<unsigned char>(b[i]) - 0x80) < 0x20;
        bool nurLatin1 = !steuerzeichen;
        for (const char* f = b; nurLatin1 && (f = static_cast<const char*>(std::memchr(f, '?', b + n - f)));
             ++f)
            nurLatin1 = text.at(f - b) == QLatin1Char('?');
        if (nurLatin1)
            return latin1;
    }
    const char16_t* zeichen = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    QByteArray bytes(n, Qt::Uninitialized);
    char* ziel = bytes.data();
    qsizetype i = 0;
    while (i < n && gleich(zeichen[i])) {
        ziel[i] = static_cast<char>(zeichen[i]);
        ++i;
    }
    if (i == n)
        return bytes;
    // A surrogate the converter has to judge together with what follows it: the whole text in
    // one piece, so that a broken pair comes out as it always did.
    if (std::any_of(zeichen + i, zeichen + n, [](char16_t u) { return QChar::isSurrogate(u); }))
        return encoder.encode(text);
    bytes.truncate(i);
    while (i < n) {
        qsizetype j = i;
        while (j < n && !gleich(zeichen[j]))
            ++j;
        bytes += encoder.encode(QStringView(zeichen + i, j - i));
        i = j;
        while (j < n && gleich(zeichen[j]))
            ++j;
        const qsizetype alt = bytes.size();
        bytes.resize(alt + (j - i));
        char* rest = bytes.data() + alt;
        for (qsizetype k = i; k < j; ++k)
            *rest++ = static_cast<char>(zeichen[k]);
        i = j;
    }
    return bytes;
}

bool TextCodec::readFile(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = decode(file.readAll());
    return true;
}

bool TextCodec::write(QIODevice& device, const QString& text)
{
    const QByteArray bytes = encode(text);
    return device.write(bytes) == bytes.size();
}

bool TextCodec::writeFileAtomic(const QString& path, const QString& text)
{
    TextDatei datei(path);
    datei.schreibe(text);
    return datei.schliesse();
}

QStringList TextCodec::lines(const QString& text)
{
    QStringList result = text.split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
