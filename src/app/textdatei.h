#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

// A Windows-1252 text file written atomically in pieces, so that a document of megabytes goes
// to disk while it is put together instead of being held whole. The file is opened with the
// first piece; the old file is replaced only by schliesse(), and only when every piece reached
// the disk. Dropped without schliesse(), or after a failed piece, the old file stays as it was.
// A target that is no regular file (a device such as /dev/null or /dev/stdout, a pipe) is
// written directly: replacing it would put a regular file in the place of the device.
class TextDatei
{
public:
    explicit TextDatei(const QString& pfad);

    void schreibe(QStringView text);
    // False when the file could not be opened or a piece was not written whole.
    bool schliesse();

private:
    bool offen();
    void schreibeBytes(const QByteArray& bytes);

    QSaveFile m_datei;
    QFile m_geraet;
    QIODevice* m_ziel = nullptr;
    bool m_geoeffnet = false;
    bool m_ok = true;
    // A leading surrogate at the end of a piece waits for its partner in the next one: a pair
    // is encoded as one character, as if the text had come in one piece.
    QString m_rest;
};
