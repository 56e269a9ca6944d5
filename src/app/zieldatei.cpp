#include "app/zieldatei.h"

#include <QFileInfo>

ZielDatei::ZielDatei(const QString& pfad) : m_datei(pfad), m_geraet(pfad), m_ziel(&m_datei)
{
    const QFileInfo info(pfad);
    if (info.exists() && !info.isFile() && !info.isDir())
        m_ziel = &m_geraet;
}

bool ZielDatei::oeffne(QIODevice::OpenMode modus)
{
    return m_ziel->open(modus);
}

bool ZielDatei::schreibeGanz(const QString& pfad, const QByteArray& inhalt)
{
    ZielDatei datei(pfad);
    return datei.oeffne() && datei.schreibe(inhalt) && datei.schliesse();
}

bool ZielDatei::schliesse()
{
    if (m_ziel == &m_geraet)
        return m_geraet.flush();
    return m_datei.commit();
}
