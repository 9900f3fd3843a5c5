#include "incoming/PatternList.h"

#include <algorithm>
#include <cstring>

namespace lanthorn {

namespace {

constexpr std::size_t kPairsTested = 8;

/// A rough guess at how rare a byte is in English text; rare pairs reject a line soonest.
int rarity(unsigned char c)
{
    if (c == 0 || c == ' ' || std::strchr("etaoinshr", c)) return 0;
    if (std::strchr("zqxjkv", c)) return 4;
    if (c >= 'a' && c <= 'z') return 1;
    if (c >= 'A' && c <= 'Z') return 2;
    return 3;
}

} // namespace

PatternList::PatternList(const QList<QByteArray>& patterns)
{
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        try {
            Entry entry { i, WildcardPattern(patterns[i]), {}, {} };
            struct Pair {
                std::uint16_t slot;
                int score;
            };
            std::vector<Pair> pairs;
            for (const QByteArray& literal : entry.pattern.requiredLiterals()) {
                const auto* d = reinterpret_cast<const unsigned char*>(literal.constData());
                if (literal.size() == 1) entry.bytes.push_back(d[0]);
                for (qsizetype k = 1; k < literal.size(); ++k)
                    pairs.push_back({ TextProbe::pairSlot(d[k - 1], d[k]), rarity(d[k - 1]) + rarity(d[k]) });
            }
            std::stable_sort(
                pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.score > b.score; });
            for (const Pair& pair : pairs) {
                if (entry.pairs.size() == kPairsTested) break;
                if (std::find(entry.pairs.begin(), entry.pairs.end(), pair.slot) == entry.pairs.end())
                    entry.pairs.push_back(pair.slot);
            }
            m_entries.push_back(std::move(entry));
        } catch (const LanthornError& error) {
            m_failures.append({ i, error.number(), error.description() });
        }
    }
}

qsizetype PatternList::firstMatch(const TextProbe& probe) const
{
    const QByteArrayView text = probe.text();
    for (const Entry& entry : m_entries) {
        if (text.size() < entry.pattern.minimumLength()) continue;
        const bool possible = std::all_of(entry.pairs.begin(), entry.pairs.end(),
                                  [&](std::uint16_t slot) { return probe.hasPair(slot); })
            && std::all_of(
                entry.bytes.begin(), entry.bytes.end(), [&](unsigned char byte) { return probe.hasByte(byte); });
        if (possible && entry.pattern.matches(text)) return entry.index;
    }
    return -1;
}

} // namespace lanthorn
