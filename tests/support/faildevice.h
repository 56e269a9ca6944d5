#pragma once

#include <QBuffer>

// A device that accepts a number of bytes and then fails every further write, to prove that
// a write error reaches the caller instead of being reported as success.
class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 bytesBisFehler) : m_rest(bytesBisFehler) {}

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_rest <= 0)
            return -1;
        const qint64 n = std::min(len, m_rest);
        m_rest -= n;
        return QBuffer::writeData(data, n);
    }

private:
    qint64 m_rest;
};
