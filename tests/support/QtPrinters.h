#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable test failure output for Qt strings: control characters are written as escapes
// (ESC as \e), so that received text with colour sequences can be read in a failure message.

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"';
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case 27:
            *os << "\\e";
            break;
        case '\r':
            *os << "\\r";
            break;
        case '\n':
            *os << "\\n";
            break;
        case '"':
            *os << "\\\"";
            break;
        default:
            if (u < 0x20 || u == 0x7F) {
                const char* hex = "0123456789ABCDEF";
                *os << "\\x" << hex[u >> 4] << hex[u & 15];
            } else {
                *os << c;
            }
        }
    }
    *os << '"';
}

inline void PrintTo(const QString& text, std::ostream* os)
{
    PrintTo(text.toUtf8(), os);
}
