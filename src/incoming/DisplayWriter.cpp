#include "incoming/DisplayWriter.h"

#include "incoming/AnsiText.h"
#include "incoming/ByteAppender.h"
#include "incoming/HiliteSet.h"
#include "incoming/WordWrap.h"

namespace lanthorn {

namespace {

/// The parameters of a colour sequence (ESC "[" digits and ";" "m"), or nothing.
struct Sgr {
    bool valid = false;
    QByteArrayView params;
    QByteArrayView first; // the first parameter
    QByteArrayView afterFirst; // what follows the first parameter, its ";" included
};

Sgr parseSgr(QByteArrayView sequence)
{
    Sgr sgr;
    if (sequence.size() < 3 || sequence[1] != '[' || sequence.back() != 'm')
        return sgr;
    sgr.params = sequence.sliced(2, sequence.size() - 3);
    qsizetype semicolon = -1;
    for (qsizetype i = 0; i < sgr.params.size(); ++i) {
        const char c = sgr.params[i];
        if (c == ';' && semicolon < 0)
            semicolon = i;
        if (!((c >= '0' && c <= '9') || c == ';' || c == ':'))
            return sgr;
    }
    sgr.valid = true;
    sgr.first = semicolon < 0 ? sgr.params : sgr.params.first(semicolon);
    sgr.afterFirst = semicolon < 0 ? QByteArrayView() : sgr.params.sliced(semicolon);
    return sgr;
}

bool allZeros(QByteArrayView digits)
{
    if (digits.isEmpty())
        return false;
    for (const char c : digits) {
        if (c != '0')
            return false;
    }
    return true;
}

/// A reset: its first parameter is written and is all zeros.
bool isReset(const Sgr& sgr)
{
    return sgr.valid && allZeros(sgr.first);
}

/// Whether a sequence can be a reset, at a glance.
bool mayBeReset(QByteArrayView sequence)
{
    return sequence.size() >= 4 && sequence[2] == '0' && sequence.back() == 'm';
}

/// Whether a sequence can end in the white foreground 37, at a glance.
bool mayBeWhite(QByteArrayView sequence)
{
    const qsizetype n = sequence.size();
    return n >= 5 && sequence[n - 1] == 'm' && sequence[n - 2] == '7' && sequence[n - 3] == '3';
}

const QByteArray kBold = QByteArrayLiteral("\x1b[1m");

/// Writes what was appended so far, if anything, and starts the appender afresh.
void flush(ByteAppender& writer, TextDisplay& target)
{
    if (writer.size() == 0)
        return;
    target.Disp(writer.finish());
    writer.restart();
}

} // namespace

void DisplayWriter::DisplayMushText(
    const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& target)
{
    const QByteArray& hilited = hilites.apply(text, m_hilited) ? m_hilited : text;
    // Hilites add no columns: a text that fits before them fits after them.
    const bool wrapped = settings.wordWrap && text.size() > settings.wrapAt
        && WordWrapInto(hilited, settings.wrapAt, settings.indent, m_line);
    writeMush(wrapped ? m_line : hilited, settings, target);
}

void DisplayWriter::writeMush(const QByteArray& text, const DisplaySettings& settings, TextDisplay& target)
{
    // The text goes out with a line end added.
    qsizetype e = FindEsc(text, 0);
    if (e == text.size()) {
        if (&text != &m_line)
            ByteAppender(m_line, text.size() + 2, ByteAppender::Start::Empty).append(text);
        ByteAppender(m_line, 2).append("\r\n", 2);
        target.Disp(m_line);
        return;
    }
    const char* data = text.constData();
    qsizetype copied = 0; // text before this is written or in the appender
    ByteAppender writer(m_out, text.size() + 64, ByteAppender::Start::Empty);
    while (e < text.size()) {
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0)
            break;
        const QByteArrayView sequence(data + e, end - e);
        const Sgr sgr = mayBeReset(sequence) ? parseSgr(sequence) : Sgr();
        if (isReset(sgr)) {
            writer.append(data + copied, e - copied);
            flush(writer, target);
            settings.applyColours(target);
            // The reset's other parameters go on as a sequence of their own.
            const QByteArrayView rest = sgr.afterFirst.isEmpty() ? QByteArrayView() : sgr.afterFirst.sliced(1);
            if (!rest.isEmpty()) {
                if (settings.boldAnsi && rest.startsWith('3'))
                    writer.append(kBold);
                writer.append("\x1b[", 2).append(rest).append("m", 1);
            }
            copied = end;
        } else if (settings.boldAnsi && sequence.size() >= 3 && sequence[1] == '[' && sequence[2] == '3') {
            writer.append(data + copied, e - copied).append(kBold);
            copied = e;
        }
        e = FindEsc(text, end);
    }
    writer.append(data + copied, text.size() - copied).append("\r\n", 2);
    flush(writer, target);
}

void DisplayWriter::DisplayMudText(
    const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& term)
{
    writeMud(hilites.apply(text, m_hilited) ? m_hilited : text, settings, term);
}

void DisplayWriter::writeMud(const QByteArray& text, const DisplaySettings& settings, TextDisplay& term)
{
    qsizetype e = FindEsc(text, 0);
    if (e == text.size()) {
        term.Disp(text);
        return;
    }
    const char* data = text.constData();
    qsizetype copied = 0;
    ByteAppender writer(m_out, text.size() + 64, ByteAppender::Start::Empty);
    while (e < text.size()) {
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0)
            break;
        const QByteArrayView sequence(data + e, end - e);
        // Only resets and white colours are rewritten.
        const Sgr sgr = mayBeReset(sequence) || mayBeWhite(sequence) ? parseSgr(sequence) : Sgr();
        if (sgr.valid) {
            // White becomes the world's colour: a last parameter 37 turns into 0.
            QByteArrayView params = sgr.params;
            QByteArray whiteless;
            if (params == "37" || params.endsWith(";37")) {
                whiteless = params.chopped(2).toByteArray() + '0';
                params = whiteless;
            }
            const qsizetype semicolon = params.indexOf(';');
            const QByteArrayView first = semicolon < 0 ? params : params.first(semicolon);
            if (allZeros(first)) {
                writer.append(data + copied, e - copied);
                flush(writer, term);
                settings.applyColours(term);
                writer.append("\x1b[1", 3).append(params.sliced(first.size())).append("m", 1);
                copied = end;
            } else if (!whiteless.isEmpty()) {
                writer.append(data + copied, e - copied).append("\x1b[", 2).append(whiteless).append("m", 1);
                copied = end;
            }
        }
        e = FindEsc(text, end);
    }
    writer.append(data + copied, text.size() - copied);
    flush(writer, term);
}

} // namespace lanthorn
