#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Test helpers that read escape sequences on their own (not with the code under test): which
// bytes belong to a sequence, the text without them, and its width in characters.
namespace lanthorn::testing {

/// For every byte: whether it is part of an escape sequence. ESC "[" runs to its final byte
/// ("@" to "~") or to the end; ESC before anything else is the ESC alone.
inline std::vector<bool> escapeMask(const QByteArray& text)
{
    std::vector<bool> mask(std::size_t(text.size()), false);
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != '\x1b') {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (end < text.size() && text[end] == '[') {
            ++end;
            while (end < text.size() && !(text[end] >= '@' && text[end] <= '~'))
                ++end;
            end = qMin(end + 1, text.size());
        }
        for (qsizetype k = i; k < end; ++k)
            mask[std::size_t(k)] = true;
        i = end;
    }
    return mask;
}

inline QByteArray withoutEscapes(const QByteArray& text)
{
    const std::vector<bool> mask = escapeMask(text);
    QByteArray plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!mask[std::size_t(i)])
            plain += text[i];
    }
    return plain;
}

/// Characters of the visible text (for valid UTF-8).
inline qsizetype columnsOf(const QByteArray& text)
{
    return qsizetype(QString::fromUtf8(withoutEscapes(text)).toStdU32String().size());
}

} // namespace lanthorn::testing
