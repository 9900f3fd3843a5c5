#include "incoming/WordWrap.h"

#include "incoming/AnsiText.h"
#include "incoming/Utf8Char.h"

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
    if (static_cast<unsigned char>(c) < 0x80) return { pos + 1, true };
    return { pos + DecodeUtf8(text.data(), text.size(), pos).length, true };
}

} // namespace

qsizetype VisibleWidth(QByteArrayView text)
{
    qsizetype columns = 0;
    for (qsizetype pos = 0; pos < text.size();) {
        const Step step = stepAt(text, pos);
        columns += step.visible ? 1 : 0;
        pos = step.next;
    }
    return columns;
}

bool WordWrapInto(const QByteArray& text, int width, int indent, QByteArray& out)
{
    if (width < 1 || text.size() <= width) return false;
    if (width <= indent) indent = 0;
    if (VisibleWidth(text) <= width) return false;

    const qsizetype n = text.size();
    out.truncate(0);
    out.reserve(n + (n / qMax(1, width - indent) + 2) * (indent + 2));
    qsizetype start = 0;
    int limit = width;
    bool first = true;
    for (;;) {
        // Walk over `limit` columns; remember the last blank that is not the line's first column.
        qsizetype pos = start;
        qsizetype lastBlank = -1;
        int columns = 0;
        while (pos < n && columns < limit) {
            const Step step = stepAt(text, pos);
            if (step.visible) {
                ++columns;
                if (text[pos] == ' ' && columns >= 2) lastBlank = pos;
            }
            pos = step.next;
        }
        // Does any column follow? Sequences alone stay on this line.
        qsizetype look = pos;
        while (look < n && !stepAt(text, look).visible)
            look = stepAt(text, look).next;
        if (!first) out.append(indent, ' ');
        if (look >= n) {
            out.append(text.constData() + start, n - start);
            return true;
        }
        if (lastBlank >= 0) {
            out.append(text.constData() + start, lastBlank - start);
            start = lastBlank + 1;
        } else {
            out.append(text.constData() + start, pos - start);
            start = pos;
        }
        out.append("\r\n", 2);
        first = false;
        limit = width - indent;
    }
}

QByteArray WordWrap(const QByteArray& text, int width, int indent)
{
    QByteArray out;
    return WordWrapInto(text, width, indent, out) ? out : text;
}

} // namespace lanthorn
