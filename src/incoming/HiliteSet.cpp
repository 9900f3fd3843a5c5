#include "incoming/HiliteSet.h"

#include "incoming/AnsiText.h"

#include <algorithm>
#include <cstring>

namespace lanthorn {

namespace {

const QByteArray kClosing = QByteArrayLiteral("\x1b[0m");

} // namespace

HiliteSet::HiliteSet(const QList<HiliteEntry>& entries)
{
    for (const HiliteEntry& entry : entries) {
        if (entry.Text.isEmpty()) continue;
        const int index = int(m_entries.size());
        m_entries.push_back({ entry.Text, QByteArrayLiteral("\x1b[3") + entry.ColorCode + 'm', entry.WholeLine });
        const auto first = static_cast<unsigned char>(entry.Text[0]);
        m_byFirstByte[first].push_back(index);
        m_firstBytes[first >> 6] |= std::uint64_t(1) << (first & 63);
    }
}

void HiliteSet::findOccurrences(const QByteArray& text, std::vector<Occurrence>& found) const
{
    const char* data = text.constData();
    const int n = int(text.size());
    int pos = 0;
    while (pos < n) {
        if (data[pos] == Ctl::Esc) {
            const qsizetype end = EscapeSequenceEnd(text, pos);
            if (end < 0) return;
            pos = int(end);
            continue;
        }
        const void* esc = std::memchr(data + pos, Ctl::Esc, std::size_t(n - pos));
        const int runEnd = esc ? int(static_cast<const char*>(esc) - data) : n;
        for (int p = pos; p < runEnd; ++p) {
            const auto b = static_cast<unsigned char>(data[p]);
            if (!((m_firstBytes[b >> 6] >> (b & 63)) & 1U)) continue;
            for (const int e : m_byFirstByte[b]) {
                const QByteArray& h = m_entries[std::size_t(e)].text;
                if (p + h.size() <= runEnd && std::memcmp(data + p, h.constData(), std::size_t(h.size())) == 0)
                    found.push_back({ e, p });
            }
        }
        pos = runEnd;
    }
}

bool HiliteSet::apply(const QByteArray& text, QByteArray& out) const
{
    if (m_entries.empty() || text.isEmpty()) return false;
    std::vector<Occurrence> found;
    findOccurrences(text, found);
    if (found.empty()) return false;
    std::stable_sort(
        found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) { return a.entry < b.entry; });

    // Play the entries in list order. An entry's occurrence is taken unless it overlaps the
    // previous one it took or spans a place where an earlier entry inserted a sequence.
    const int n = int(text.size());
    std::vector<int> splits; // places of earlier insertions, sorted
    std::vector<int> added;
    std::vector<Insertion> insertions;
    int order = 0;
    const auto spansSplit = [&](int start, int end) {
        const auto it = std::upper_bound(splits.begin(), splits.end(), start);
        return it != splits.end() && *it < end;
    };
    for (std::size_t i = 0; i < found.size();) {
        const int e = found[i].entry;
        const Entry& entry = m_entries[std::size_t(e)];
        const int length = int(entry.text.size());
        int lastEnd = -1;
        bool wrapped = false;
        added.clear();
        for (; i < found.size() && found[i].entry == e; ++i) {
            const int start = found[i].start;
            const int end = start + length;
            if (wrapped || start < lastEnd || spansSplit(start, end)) continue;
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
            const auto middle = splits.insert(splits.end(), added.begin(), added.end());
            std::inplace_merge(splits.begin(), middle, splits.end());
        }
    }

    // At one place, sequences put in front come first (the latest in front), then those put
    // behind (the latest last).
    std::sort(insertions.begin(), insertions.end(), [](const Insertion& a, const Insertion& b) {
        if (a.position != b.position) return a.position < b.position;
        if (a.front != b.front) return a.front;
        return a.front ? a.order > b.order : a.order < b.order;
    });

    out.truncate(0);
    out.reserve(n + qsizetype(insertions.size()) * 6);
    int previous = 0;
    for (const Insertion& insertion : insertions) {
        out.append(text.constData() + previous, insertion.position - previous);
        out.append(insertion.opening ? m_entries[std::size_t(insertion.entry)].opening : kClosing);
        previous = insertion.position;
    }
    out.append(text.constData() + previous, n - previous);
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
