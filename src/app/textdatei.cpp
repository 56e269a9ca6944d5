#include "app/textdatei.h"

#include "app/textcodec.h"

#include <QFileInfo>

TextDatei::TextDatei(const QString& pfad) : m_datei(pfad), m_geraet(pfad) {}

bool TextDatei::offen()
{
    if (!m_geoeffnet) {
        m_geoeffnet = true;
        // Unbuffered, so that a write cut short (a full disk, a size limit) is seen here: through
        // a buffer the short write would be lost and the truncated file committed.
        const QFileInfo info(m_geraet.fileName());
        m_ziel = info.exists() && !info.isFile() && !info.isDir() ? static_cast<QIODevice*>(&m_geraet)
                                                                  : static_cast<QIODevice*>(&m_datei);
        m_ok = m_ziel->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    return m_ok;
}

void TextDatei::schreibeBytes(const QByteArray& bytes)
{
    m_ok = m_ok && m_ziel->write(bytes) == bytes.size();
}

void TextDatei::schreibe(QStringView text)
{
    if (!offen())
        return;
    QString stueck;
    if (!m_rest.isEmpty()) {
        stueck = m_rest;
        stueck += text;
        m_rest.clear();
        text = stueck;
    }
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        m_rest = text.back();
        text.chop(1);
    }
    schreibeBytes(TextCodec::encode(text));
}

bool TextDatei::schliesse()
{
    if (offen() && !m_rest.isEmpty()) {
        schreibeBytes(TextCodec::encode(m_rest));
        m_rest.clear();
    }
    return m_ok && (m_ziel == &m_geraet || m_datei.commit());
}
