#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

// The file the program or a command writes. A regular file, or one that does not exist yet, is
// replaced atomically: the bytes go to a temporary file beside it, which takes its place in
// schliesse() only when all of them were written; dropped before, the old file stays as it was.
// A target that is a device or a pipe (/dev/null, /dev/stdout, a FIFO) is written into directly:
// replacing it would put a regular file in the place of the device.
class ZielDatei
{
public:
    explicit ZielDatei(const QString& pfad);

    // Unbuffered by default, so that a write cut short (a full disk, a size limit) is seen at
    // once: through a buffer the short write would be lost and the truncated file committed.
    bool oeffne(QIODevice::OpenMode modus = QIODevice::WriteOnly | QIODevice::Unbuffered);
    QIODevice& geraet() { return *m_ziel; }
    bool schreibe(const QByteArray& bytes) { return m_ziel->write(bytes) == bytes.size(); }
    bool schliesse();

    // Writes the whole content as the file in one go; false when that did not succeed.
    static bool schreibeGanz(const QString& pfad, const QByteArray& inhalt);

private:
    QSaveFile m_datei;
    QFile m_geraet;
    QIODevice* m_ziel;
};
