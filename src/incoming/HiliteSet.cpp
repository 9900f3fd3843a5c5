#include "incoming/HiliteSet.h"

#include "incoming/AnsiText.h"
#include "incoming/ByteAppender.h"

#include <algorithm>

namespace lanthorn {

namespace {

const QByteArray kClosing = QByteArrayLiteral("\x1b[0m");

} // namespace

HiliteSet::HiliteSet(const QList<HiliteEntry>& entries)
{
    std::vector<QByteArray> texts;
    for (const HiliteEntry& entry : entries) {
        if (entry.Text.isEmpty())
            continue;
        m_entries.push_back({ entry.Text, QByteArrayLiteral("\x1b[3") + entry.ColorCode + 'm', entry.WholeLine });
        texts.push_back(entry.Text);
    }
    m_searcher = MultiSearcher(texts);
}

void HiliteSet::findOccurrences(const QByteArray& text, Occurrences& found) const
{
    const auto* data = reinterpret_cast<const unsigned char*>(text.constData());
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        if (data[pos] == Ctl::Esc) {
            pos = EscapeSequenceEnd(text, pos);
            if (pos < 0)
                return;
            continue;
        }
        const qsizetype runEnd = FindEsc(text, pos);
        m_searcher.search(data, pos, runEnd, [&](int entry, qsizetype start) { found.append({ entry, int(start) }); });
        pos = runEnd;
    }
}

bool HiliteSet::apply(const QByteArray& text, QByteArray& out) const
{
    if (m_entries.empty() || text.isEmpty())
        return false;
    Occurrences found;
    findOccurrences(text, found);
    if (found.empty())
        return false;

    // The usual case: occurrences apart from each other, of entries that colour only their
    // text. Every one of them is taken, and they were found in the order of their places.
    bool apart = true;
    int lastEnd = -1;
    qsizetype size = text.size();
    for (const Occurrence& occurrence : found) {
        const Entry& entry = m_entries[std::size_t(occurrence.entry)];
        if (entry.wholeLine || occurrence.start < lastEnd) {
            apart = false;
            break;
        }
        lastEnd = occurrence.start + int(entry.text.size());
        size += entry.opening.size() + kClosing.size();
    }
    if (!apart)
        return applyOverlapping(text, found, out);

    ByteAppender writer(out, size, ByteAppender::Start::Empty);
    int previous = 0;
    for (const Occurrence& occurrence : found) {
        const Entry& entry = m_entries[std::size_t(occurrence.entry)];
        writer.append(text.constData() + previous, occurrence.start - previous).append(entry.opening);
        writer.append(entry.text).append(kClosing);
        previous = occurrence.start + int(entry.text.size());
    }
    writer.append(text.constData() + previous, text.size() - previous);
    return true;
}

bool HiliteSet::applyOverlapping(const QByteArray& text, Occurrences& found, QByteArray& out) const
{
    std::sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        return a.entry != b.entry ? a.entry < b.entry : a.start < b.start;
    });

    // Play the entries in list order. An entry's occurrence is taken unless it overlaps the
    // previous one it took or spans a place where an earlier entry inserted a sequence.
    const int n = int(text.size());
    QVarLengthArray<int, 64> splits; // places of earlier insertions, sorted
    QVarLengthArray<int, 32> added;
    QVarLengthArray<Insertion, 64> insertions;
    int order = 0;
    const auto spansSplit = [&](int start, int end) {
        const auto it = std::upper_bound(splits.begin(), splits.end(), start);
        return it != splits.end() && *it < end;
    };
    for (qsizetype i = 0; i < found.size();) {
        const int e = found[i].entry;
        const Entry& entry = m_entries[std::size_t(e)];
        const int length = int(entry.text.size());
        int lastEnd = -1;
        bool wrapped = false;
        added.clear();
        for (; i < found.size() && found[i].entry == e; ++i) {
            const int start = found[i].start;
            const int end = start + length;
            if (wrapped || start < lastEnd || spansSplit(start, end))
                continue;
            if (entry.wholeLine) {
                insertions.push_back({ 0, true, order++, e, true });
                insertions.push_back({ n, false, order++, e, false });
                wrapped = true;
                continue;
            }
            insertions.push_back({ start, false, order++, e, true });
            insertions.push_back({ end, true, order++, e, false });
            added.push_back(start);
            added.push_back(end);
            lastEnd = end;
        }
        if (!added.empty()) {
            const qsizetype before = splits.size();
            splits.append(added.constData(), added.size());
            std::inplace_merge(splits.begin(), splits.begin() + before, splits.end());
        }
    }

    // At one place, sequences put in front come first (the latest in front), then those put
    // behind (the latest last).
    std::sort(insertions.begin(), insertions.end(), [](const Insertion& a, const Insertion& b) {
        if (a.position != b.position)
            return a.position < b.position;
        if (a.front != b.front)
            return a.front;
        return a.front ? a.order > b.order : a.order < b.order;
    });

    qsizetype size = n;
    for (const Insertion& insertion : insertions)
        size += insertion.opening ? m_entries[std::size_t(insertion.entry)].opening.size() : kClosing.size();
    ByteAppender writer(out, size, ByteAppender::Start::Empty);
    int previous = 0;
    for (const Insertion& insertion : insertions) {
        writer.append(text.constData() + previous, insertion.position - previous);
        writer.append(insertion.opening ? m_entries[std::size_t(insertion.entry)].opening : kClosing);
        previous = insertion.position;
    }
    writer.append(text.constData() + previous, n - previous);
    return true;
}

QByteArray HiliteSet::apply(const QByteArray& text) const
{
    QByteArray out;
    return apply(text, out) ? out : text;
}

QByteArray ApplyHilites(const QByteArray& text, const QList<HiliteEntry>& entries)
{
    return HiliteSet(entries).apply(text);
}

} // namespace lanthorn
