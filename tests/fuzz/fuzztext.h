#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace corvella::fuzz {

// Turns fuzz input into a text. The first byte chooses how the rest is read: as raw UTF-16
// code units (any 16-bit code, lone surrogates included), as Latin-1 bytes, or as UTF-8
// (where malformed sequences become replacement characters). Returns false for empty input.
inline bool textFromInput(const uint8_t* data, size_t size, QString& text, uint8_t& selector)
{
    if (size == 0)
        return false;
    selector = data[0];
    const auto* rest = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    switch (selector % 3) {
    case 0:
        // Copied with memcpy: the input need not be aligned for 16-bit reads.
        text.resize(length / 2);
        std::memcpy(text.data(), rest, static_cast<size_t>(length / 2) * sizeof(QChar));
        break;
    case 1:
        text = QString::fromLatin1(rest, length);
        break;
    default:
        text = QString::fromUtf8(rest, length);
        break;
    }
    return true;
}

// The text's UTF-16 code units as four hexadecimal digits each, for reporting an input exactly.
inline QByteArray hexUnits(const QString& text)
{
    QByteArray hex;
    for (const QChar ch : text)
        hex += QByteArray::number(ch.unicode(), 16).rightJustified(4, '0') + ' ';
    return hex;
}

} // namespace corvella::fuzz
