#include "incoming/WordWrap.h"

#include "incoming/AnsiText.h"
#include "incoming/ByteAppender.h"
#include "incoming/Utf8Char.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string.h>

namespace lanthorn {

namespace {

/// One step over the text: the position after the character or escape sequence at pos, and
/// whether it takes a column.
struct Step {
    qsizetype next;
    bool visible;
};

inline Step stepAt(QByteArrayView text, qsizetype pos)
{
    const char c = text[pos];
    if (c == Ctl::Esc) {
        const qsizetype end = EscapeSequenceEnd(text, pos);
        return { end < 0 ? text.size() : end, false };
    }
    if (static_cast<unsigned char>(c) < 0x80)
        return { pos + 1, true };
    return { pos + DecodeUtf8(text.data(), text.size(), pos).length, true };
}

bool isAscii(const unsigned char* data, qsizetype size)
{
    unsigned char bits = 0;
    for (qsizetype i = 0; i < size; ++i)
        bits |= data[i];
    return bits < 0x80;
}

/// Text without escape sequences and beyond ASCII: every byte is a column.
bool isSimple(const QByteArray& text)
{
    const auto* data = reinterpret_cast<const unsigned char*>(text.constData());
    const qsizetype n = text.size();
    return !std::memchr(data, Ctl::Esc, std::size_t(n)) && isAscii(data, n);
}

qsizetype expectedSize(qsizetype n, int width, int indent)
{
    return n + (n / qMax(1, width - indent) + 2) * (indent + 2);
}

/// Wraps text that is longer than the width and takes one column per byte.
bool wrapSimple(const QByteArray& text, int width, int indent, QByteArray& out)
{
    const char* data = text.constData();
    const qsizetype n = text.size();
    ByteAppender writer(out, expectedSize(n, width, indent), ByteAppender::Start::Empty);
    qsizetype start = 0;
    int limit = width;
    while (n - start > limit) {
        // The last blank of the line that is not its first character.
        const void* blank = limit > 1 ? memrchr(data + start + 1, ' ', std::size_t(limit - 1)) : nullptr;
        const qsizetype end = blank ? static_cast<const char*>(blank) - data : start + limit;
        if (start > 0)
            writer.append(indent, ' ');
        writer.append(data + start, end - start).append("\r\n", 2);
        start = blank ? end + 1 : end;
        limit = width - indent;
    }
    writer.append(indent, ' ').append(data + start, n - start);
    return true;
}

bool wrapGeneral(const QByteArray& text, int width, int indent, QByteArray& out)
{
    const qsizetype n = text.size();
    const auto* data = reinterpret_cast<const unsigned char*>(text.constData());
    std::optional<ByteAppender> writer;
    qsizetype nextEsc = -1; // where the next escape sequence starts (n when none follows)
    qsizetype start = 0;
    int limit = width;
    for (;;) {
        // Walk over `limit` columns; remember the last blank that is not the line's first column.
        // Text between escape sequences is taken a run at a time when it is plain ASCII.
        qsizetype pos = start;
        qsizetype lastBlank = -1;
        int columns = 0;
        while (pos < n && columns < limit) {
            if (data[pos] == Ctl::Esc) {
                pos = stepAt(text, pos).next;
                continue;
            }
            if (nextEsc < pos)
                nextEsc = FindEsc(text, pos);
            const qsizetype take = std::min<qsizetype>(nextEsc - pos, limit - columns);
            if (isAscii(data + pos, take)) {
                const qsizetype from = columns == 0 ? pos + 1 : pos;
                if (pos + take > from) {
                    if (const void* blank = memrchr(data + from, ' ', std::size_t(pos + take - from)))
                        lastBlank = static_cast<const unsigned char*>(blank) - data;
                }
                columns += int(take);
                pos += take;
                continue;
            }
            while (pos < nextEsc && columns < limit) {
                ++columns;
                if (data[pos] == ' ' && columns >= 2)
                    lastBlank = pos;
                pos = stepAt(text, pos).next;
            }
        }
        // Does any column follow? Sequences alone stay on this line.
        qsizetype look = pos;
        while (look < n && !stepAt(text, look).visible)
            look = stepAt(text, look).next;
        if (look >= n) {
            if (!writer)
                return false;
            writer->append(indent, ' ').append(text.constData() + start, n - start);
            return true;
        }
        if (writer) {
            writer->append(indent, ' ');
        } else {
            writer.emplace(out, expectedSize(n, width, indent), ByteAppender::Start::Empty);
        }
        const qsizetype end = lastBlank >= 0 ? lastBlank : pos;
        writer->append(text.constData() + start, end - start).append("\r\n", 2);
        start = lastBlank >= 0 ? lastBlank + 1 : pos;
        limit = width - indent;
    }
}

} // namespace

bool WordWrapInto(const QByteArray& text, int width, int indent, QByteArray& out)
{
    if (width < 1 || text.size() <= width)
        return false;
    if (width <= indent)
        indent = 0;
    return isSimple(text) ? wrapSimple(text, width, indent, out) : wrapGeneral(text, width, indent, out);
}

QByteArray WordWrap(const QByteArray& text, int width, int indent)
{
    QByteArray out;
    return WordWrapInto(text, width, indent, out) ? out : text;
}

} // namespace lanthorn
