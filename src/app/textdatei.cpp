#include "app/textdatei.h"

#include "app/textcodec.h"

TextDatei::TextDatei(const QString& pfad) : m_datei(pfad) {}

bool TextDatei::offen()
{
    if (!m_geoeffnet) {
        m_geoeffnet = true;
        m_ok = m_datei.oeffne();
    }
    return m_ok;
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
    m_ok = m_datei.schreibe(TextCodec::encode(text));
}

bool TextDatei::schliesse()
{
    if (offen() && !m_rest.isEmpty()) {
        m_ok = m_datei.schreibe(TextCodec::encode(m_rest));
        m_rest.clear();
    }
    return m_ok && m_datei.schliesse();
}
