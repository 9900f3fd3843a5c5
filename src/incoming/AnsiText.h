#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstring>

namespace lanthorn {

/// Control characters of received text.
namespace Ctl {
inline constexpr char Bel = 7;
inline constexpr char Tab = 9;
inline constexpr char Cr = 13;
inline constexpr char Esc = 27;
} // namespace Ctl

/// Where the first ESC at or after from stands; the text's size when none does.
inline qsizetype FindEsc(QByteArrayView text, qsizetype from)
{
    if (from >= text.size())
        return text.size();
    const void* esc = std::memchr(text.data() + from, Ctl::Esc, std::size_t(text.size() - from));
    return esc ? static_cast<const char*>(esc) - text.data() : text.size();
}

/// The end (one past the last byte) of the escape sequence whose ESC stands at pos. ESC "["
/// runs to its final byte ("@" to "~"); ESC before any other character is the ESC alone (the
/// character after it is ordinary text). -1 when the text ends before the sequence does.
inline qsizetype EscapeSequenceEnd(QByteArrayView text, qsizetype pos)
{
    const qsizetype n = text.size();
    if (pos + 1 >= n)
        return -1;
    if (text[pos + 1] != '[')
        return pos + 1;
    for (qsizetype i = pos + 2; i < n; ++i) {
        const char c = text[i];
        if (c >= '@' && c <= '~')
            return i + 1;
    }
    return -1;
}

/// A unit's text without its escape sequences.
struct PlainText {
    QByteArray plain;
    /// Length of the text before an escape sequence left unfinished at its end (the whole
    /// length when there is none).
    qsizetype complete = 0;
};

/// The plain text of a unit: every escape sequence removed. Text without ESC is returned as
/// it is (shared, not copied).
PlainText DerivePlainText(const QByteArray& text);

} // namespace lanthorn
