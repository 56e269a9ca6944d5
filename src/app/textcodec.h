#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Every 8-bit text file of the program (project files, imports, the catalogue, user data,
// templates, reports, the order export) is Windows-1252, whatever the desktop's locale,
// so that files of existing installations read and write unchanged.
class TextCodec
{
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(QStringView text);

    // Reads the whole file; false when it cannot be opened.
    static bool readFile(const QString& path, QString& text);
    // Reads at most maxBytes bytes from the start of the file, so that a huge or endless file
    // (a device) cannot tie up memory; abgeschnitten tells whether the file holds more.
    static bool readFile(const QString& path, QString& text, qint64 maxBytes, bool* abgeschnitten = nullptr);
    // Writes the whole text into the device; false when not every byte reached it.
    static bool write(QIODevice& device, const QString& text);

    // Writes the whole text as the file's new content, atomically: the text goes to a temporary
    // file beside the target that replaces it only when every byte has been written, so a failed
    // or interrupted write leaves the old file as it was. False when that did not succeed.
    static bool writeFileAtomic(const QString& path, const QString& text);

    // Splits a text into lines at "\n"; a final empty piece after the last "\n" is dropped.
    static QStringList lines(const QString& text);
};
