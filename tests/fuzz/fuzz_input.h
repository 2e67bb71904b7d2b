// What the fuzz harnesses share: the input's bytes as text, and split into parts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

inline QByteArray BytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input as text: bytes read as UTF-8, each invalid sequence a replacement character.
inline QString TextOf(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input's text cut at each NUL into at least n parts (missing ones empty), so that one
// input can hold several tables.
inline QStringList PartsOf(const uint8_t* data, size_t size, int n) {
    QStringList parts = TextOf(data, size).split(QChar(u'\0'));
    while (parts.size() < n) {
        parts << QString();
    }
    return parts;
}
