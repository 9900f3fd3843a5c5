#include "incoming/WildcardPattern.h"

#include "incoming/Utf8Char.h"

#include <algorithm>
#include <cstring>
#include <string.h>

namespace lanthorn {

namespace {

[[noreturn]] void invalidPattern()
{
    throw LanthornError(ErrorNumber::InvalidPattern, QStringLiteral("Invalid pattern string"));
}

/// Position of needle in haystack at or after from, or -1.
qsizetype findBytes(QByteArrayView haystack, qsizetype from, QByteArrayView needle)
{
    if (needle.isEmpty())
        return from;
    if (haystack.size() - from < needle.size())
        return -1;
    const void* hit = memmem(
        haystack.data() + from, std::size_t(haystack.size() - from), needle.data(), std::size_t(needle.size()));
    return hit ? static_cast<const char*>(hit) - haystack.data() : -1;
}

std::vector<char32_t> decodeAll(QByteArrayView bytes)
{
    std::vector<char32_t> codes;
    for (qsizetype i = 0; i < bytes.size();) {
        const Utf8Char c = DecodeUtf8(bytes.data(), bytes.size(), i);
        codes.push_back(c.code);
        i += c.length;
    }
    return codes;
}

} // namespace

bool WildcardPattern::CharSet::contains(char32_t c) const
{
    bool found = false;
    if (c < 128) {
        found = ascii.test(c);
    } else {
        for (const auto& [low, high] : ranges) {
            if (c >= low && c <= high) {
                found = true;
                break;
            }
        }
    }
    return found != negated;
}

WildcardPattern::WildcardPattern(QByteArrayView pattern)
{
    parse(pattern);
}

void WildcardPattern::parse(QByteArrayView pattern)
{
    const char* data = pattern.data();
    const qsizetype n = pattern.size();
    std::vector<std::pair<qsizetype, qsizetype>> literalSpans; // byte span of each Literal element

    for (qsizetype i = 0; i < n;) {
        const Utf8Char c = DecodeUtf8(data, n, i);
        switch (c.code) {
        case U'*':
            if (m_elements.empty() || m_elements.back().kind != Kind::Star)
                m_elements.push_back({ Kind::Star });
            m_hasStar = true;
            break;
        case U'?':
            m_elements.push_back({ Kind::AnyChar });
            break;
        case U'#':
            m_elements.push_back({ Kind::Digit });
            break;
        case U'[': {
            qsizetype j = i + 1;
            CharSet set;
            if (j < n && data[j] == '!') {
                set.negated = true;
                ++j;
            }
            const qsizetype close = pattern.indexOf(']', j);
            if (close < 0)
                invalidPattern();
            const std::vector<char32_t> list = decodeAll(pattern.sliced(j, close - j));
            for (std::size_t k = 0; k < list.size();) {
                char32_t low = list[k];
                char32_t high = low;
                if (k + 2 < list.size() && list[k + 1] == U'-') {
                    high = list[k + 2];
                    if (low > high)
                        invalidPattern();
                    k += 3;
                } else {
                    k += 1;
                }
                for (; low < 128 && low <= high; ++low)
                    set.ascii.set(low);
                if (low <= high)
                    set.ranges.emplace_back(low, high);
            }
            // "[]" is an empty element: it matches nothing and takes no character.
            if (set.negated || !list.empty()) {
                m_elements.push_back({ Kind::Set, 0, int(m_sets.size()) });
                m_sets.push_back(std::move(set));
            }
            i = close + 1;
            continue;
        }
        default:
            m_elements.push_back({ Kind::Literal, c.code });
            literalSpans.emplace_back(i, c.length);
            break;
        }
        i += c.length;
    }

    // Runs of literal characters every match must contain, and the shortest matching length.
    std::size_t span = 0;
    QByteArray run;
    QList<QByteArray> runs;
    for (const Element& element : m_elements) {
        if (element.kind == Kind::Literal) {
            run.append(pattern.sliced(literalSpans[span].first, literalSpans[span].second));
            m_minimumLength += literalSpans[span].second;
            ++span;
            continue;
        }
        if (element.kind != Kind::Star)
            ++m_minimumLength;
        if (!run.isEmpty())
            runs.append(std::exchange(run, {}));
    }
    if (!run.isEmpty())
        runs.append(run);

    // Patterns of literal text and stars only: the runs are the segments between the stars.
    m_literalForm = std::all_of(m_elements.begin(), m_elements.end(),
        [](const Element& e) { return e.kind == Kind::Star || e.kind == Kind::Literal; });
    if (m_literalForm) {
        m_segments = runs;
        m_anchoredStart = !m_elements.empty() && m_elements.front().kind == Kind::Literal;
        m_anchoredEnd = !m_elements.empty() && m_elements.back().kind == Kind::Literal;
    }

    m_required = runs;
    std::stable_sort(m_required.begin(), m_required.end(),
        [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
}

bool WildcardPattern::matches(QByteArrayView text) const
{
    if (text.size() < m_minimumLength)
        return false;
    return m_literalForm ? matchesLiteralForm(text) : matchesGeneral(text);
}

bool WildcardPattern::matchesLiteralForm(QByteArrayView text) const
{
    if (!m_hasStar)
        return m_segments.isEmpty() ? text.isEmpty() : text == QByteArrayView(m_segments.first());

    qsizetype first = 0;
    qsizetype last = m_segments.size();
    qsizetype pos = 0;
    qsizetype end = text.size();
    if (m_anchoredStart) {
        const QByteArray& prefix = m_segments[first++];
        if (!text.startsWith(prefix))
            return false;
        pos = prefix.size();
    }
    if (m_anchoredEnd) {
        const QByteArray& suffix = m_segments[--last];
        if (end - pos < suffix.size() || !text.endsWith(suffix))
            return false;
        end -= suffix.size();
    }
    // Taking each middle segment at its leftmost place leaves the most room for the rest.
    const QByteArrayView middle = text.first(end);
    for (qsizetype i = first; i < last; ++i) {
        const qsizetype at = findBytes(middle, pos, m_segments[i]);
        if (at < 0)
            return false;
        pos = at + m_segments[i].size();
    }
    return true;
}

bool WildcardPattern::elementMatches(const Element& element, char32_t c) const
{
    switch (element.kind) {
    case Kind::Literal:
        return c == element.code;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::Set:
        return m_sets[std::size_t(element.set)].contains(c);
    case Kind::Star:
        break;
    }
    return false;
}

bool WildcardPattern::matchesGeneral(QByteArrayView text) const
{
    // One pass with a single resume point at the last star: when the elements after that star
    // fail, the star takes one more character. Since every other element takes exactly one
    // character, earlier stars never need to be revisited.
    const char* data = text.data();
    const qsizetype n = text.size();
    const std::size_t m = m_elements.size();
    qsizetype i = 0;
    std::size_t j = 0;
    std::size_t starElement = m; // none yet
    qsizetype starText = 0;
    while (i < n) {
        if (j < m && m_elements[j].kind == Kind::Star) {
            starElement = j++;
            starText = i;
            continue;
        }
        const Utf8Char c = DecodeUtf8(data, n, i);
        if (j < m && elementMatches(m_elements[j], c.code)) {
            i += c.length;
            ++j;
            continue;
        }
        if (starElement == m)
            return false;
        starText += DecodeUtf8(data, n, starText).length;
        i = starText;
        j = starElement + 1;
    }
    while (j < m && m_elements[j].kind == Kind::Star)
        ++j;
    return j == m;
}

bool Matches(QByteArrayView text, QByteArrayView pattern)
{
    return WildcardPattern(pattern).matches(text);
}

} // namespace lanthorn
