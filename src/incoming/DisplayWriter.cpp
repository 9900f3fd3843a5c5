#include "incoming/DisplayWriter.h"

#include "incoming/AnsiText.h"
#include "incoming/HiliteSet.h"
#include "incoming/WordWrap.h"

#include <cstring>

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
    if (sequence.size() < 3 || sequence[1] != '[' || sequence.back() != 'm') return sgr;
    sgr.params = sequence.sliced(2, sequence.size() - 3);
    for (const char c : sgr.params) {
        if (!((c >= '0' && c <= '9') || c == ';' || c == ':')) return sgr;
    }
    sgr.valid = true;
    const qsizetype semicolon = sgr.params.indexOf(';');
    sgr.first = semicolon < 0 ? sgr.params : sgr.params.first(semicolon);
    sgr.afterFirst = semicolon < 0 ? QByteArrayView() : sgr.params.sliced(semicolon);
    return sgr;
}

bool allZeros(QByteArrayView digits)
{
    if (digits.isEmpty()) return false;
    for (const char c : digits) {
        if (c != '0') return false;
    }
    return true;
}

/// A reset: its first parameter is written and is all zeros.
bool isReset(const Sgr& sgr)
{
    return sgr.valid && allZeros(sgr.first);
}

const QByteArray kBold = QByteArrayLiteral("\x1b[1m");

qsizetype nextEsc(const QByteArray& text, qsizetype from)
{
    if (from >= text.size()) return -1;
    const void* hit = std::memchr(text.constData() + from, Ctl::Esc, std::size_t(text.size() - from));
    return hit ? static_cast<const char*>(hit) - text.constData() : -1;
}

} // namespace

void DisplayWriter::flush(TextDisplay& target)
{
    if (m_out.isEmpty()) return;
    target.Disp(m_out);
    m_out.truncate(0);
}

void DisplayWriter::DisplayMushText(
    const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& target)
{
    const QByteArray& source = hilites.apply(text, m_hilited) ? m_hilited : text;
    if (!settings.wordWrap || !WordWrapInto(source, settings.wrapAt, settings.indent, m_line)) {
        m_line.truncate(0);
        m_line.append(QByteArrayView(source));
    }
    m_line.append("\r\n", 2);
    writeMush(m_line, settings, target);
}

void DisplayWriter::writeMush(const QByteArray& text, const DisplaySettings& settings, TextDisplay& target)
{
    qsizetype e = nextEsc(text, 0);
    if (e < 0) {
        target.Disp(text);
        return;
    }
    const char* data = text.constData();
    qsizetype copied = 0; // text before this is in m_out or written
    m_out.truncate(0);
    while (e >= 0) {
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0) break;
        const QByteArrayView sequence(data + e, end - e);
        const Sgr sgr = parseSgr(sequence);
        if (isReset(sgr)) {
            m_out.append(data + copied, e - copied);
            flush(target);
            target.setForeColor(settings.foreColor);
            target.setBackColor(settings.backColor);
            // The reset's other parameters go on as a sequence of their own.
            const QByteArrayView rest = sgr.afterFirst.isEmpty() ? QByteArrayView() : sgr.afterFirst.sliced(1);
            if (!rest.isEmpty()) {
                if (settings.boldAnsi && rest.startsWith('3')) m_out.append(kBold);
                m_out.append("\x1b[", 2).append(rest).append('m');
            }
            copied = end;
        } else if (settings.boldAnsi && sequence.startsWith("\x1b[3")) {
            m_out.append(data + copied, e - copied);
            m_out.append(kBold);
            copied = e;
        }
        e = nextEsc(text, end);
    }
    m_out.append(data + copied, text.size() - copied);
    flush(target);
}

void DisplayWriter::DisplayMudText(
    const QByteArray& text, const DisplaySettings& settings, const HiliteSet& hilites, TextDisplay& term)
{
    if (hilites.apply(text, m_hilited)) {
        writeMud(m_hilited, settings, term);
    } else {
        writeMud(text, settings, term);
    }
}

void DisplayWriter::writeMud(const QByteArray& text, const DisplaySettings& settings, TextDisplay& term)
{
    qsizetype e = nextEsc(text, 0);
    if (e < 0) {
        term.Disp(text);
        return;
    }
    const char* data = text.constData();
    qsizetype copied = 0;
    m_out.truncate(0);
    while (e >= 0) {
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0) break;
        const Sgr sgr = parseSgr(QByteArrayView(data + e, end - e));
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
                m_out.append(data + copied, e - copied);
                flush(term);
                term.setForeColor(settings.foreColor);
                term.setBackColor(settings.backColor);
                m_out.append("\x1b[1", 3).append(params.sliced(first.size())).append('m');
                copied = end;
            } else if (!whiteless.isEmpty()) {
                m_out.append(data + copied, e - copied);
                m_out.append("\x1b[", 2).append(whiteless).append('m');
                copied = end;
            }
        }
        e = nextEsc(text, end);
    }
    m_out.append(data + copied, text.size() - copied);
    flush(term);
}

} // namespace lanthorn
