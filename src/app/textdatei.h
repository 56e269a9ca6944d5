#pragma once

#include "app/zieldatei.h"

#include <QString>

// A Windows-1252 text file written atomically in pieces (see ZielDatei), so that a document of
// megabytes goes to disk while it is put together instead of being held whole. The file is
// opened with the first piece and replaced only by schliesse(), and only when every piece was
// written.
class TextDatei
{
public:
    explicit TextDatei(const QString& pfad);

    void schreibe(QStringView text);
    // False when the file could not be opened or a piece was not written whole.
    bool schliesse();

private:
    bool offen();

    ZielDatei m_datei;
    bool m_geoeffnet = false;
    bool m_ok = true;
    // A leading surrogate at the end of a piece waits for its partner in the next one: a pair
    // is encoded as one character, as if the text had come in one piece.
    QString m_rest;
};
