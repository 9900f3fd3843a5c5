#include "incoming/PatternList.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cstring>

namespace lanthorn {

namespace {

/// A rough guess at how rare a byte is in world text; the rarest pair makes the best key.
int rarity(unsigned char c)
{
    if (c == ' ' || (c != 0 && std::strchr("etaoinshr", c)))
        return 0;
    if (c != 0 && std::strchr("zqxjkv", c))
        return 4;
    if (c >= 'a' && c <= 'z')
        return 1;
    if (c >= 'A' && c <= 'Z')
        return 2;
    return 3;
}

} // namespace

PatternList::PatternList(const QList<QByteArray>& patterns)
{
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        try {
            Entry entry { i, WildcardPattern(patterns[i]), kNoKey };
            int best = -1;
            for (const QByteArray& literal : entry.pattern.requiredLiterals()) {
                const auto* d = reinterpret_cast<const unsigned char*>(literal.constData());
                for (qsizetype k = 1; k < literal.size(); ++k) {
                    const int score = rarity(d[k - 1]) + rarity(d[k]);
                    if (score > best) {
                        best = score;
                        entry.key = (d[k - 1] << 8) | d[k];
                    }
                }
            }
            const std::size_t position = m_entries.size();
            if (position % 64 == 0)
                m_keyless.push_back(0);
            if (entry.key != kNoKey) {
                if (!m_keys)
                    m_keys = std::make_unique<std::array<std::uint64_t, 1024>>();
                (*m_keys)[std::size_t(entry.key) >> 6] |= std::uint64_t(1) << (entry.key & 63);
                m_keyBytes[std::size_t(entry.key) >> 8] = 1;
                m_keyBytes[std::size_t(entry.key) & 0xFF] = 1;
                m_keyOwners.emplace_back(std::uint16_t(entry.key), std::uint32_t(position));
            } else {
                m_keyless.back() |= std::uint64_t(1) << (position % 64);
            }
            m_entries.push_back(std::move(entry));
        } catch (const LanthornError& error) {
            m_failures.append({ i, error.number(), error.description() });
        }
    }
    std::sort(m_keyOwners.begin(), m_keyOwners.end());
}

qsizetype PatternList::firstMatch(QByteArrayView text) const
{
    if (m_entries.empty())
        return -1;

    // The entries to try: those without a key and those whose key the text holds.
    QVarLengthArray<std::uint64_t, 8> candidates(m_keyless.begin(), m_keyless.end());
    if (m_keys) {
        const auto* d = reinterpret_cast<const unsigned char*>(text.data());
        const std::array<std::uint64_t, 1024>& keys = *m_keys;
        const qsizetype n = text.size();
        const auto seen = [&](qsizetype p) {
            const unsigned pair = (unsigned(d[p]) << 8) | d[p + 1];
            if (!((keys[pair >> 6] >> (pair & 63)) & 1U))
                return;
            const auto owners = std::equal_range(m_keyOwners.begin(), m_keyOwners.end(),
                std::pair<std::uint16_t, std::uint32_t>(std::uint16_t(pair), 0),
                [](const auto& a, const auto& b) { return a.first < b.first; });
            for (auto owner = owners.first; owner != owners.second; ++owner)
                candidates[owner->second >> 6] |= std::uint64_t(1) << (owner->second & 63);
        };
        const auto around = [&](qsizetype q) {
            if (!m_keyBytes[d[q]])
                return;
            if (q > 0)
                seen(q - 1);
            if (q + 1 < n)
                seen(q);
        };
        // Every pair has one of its bytes at an even place, so every second byte is enough;
        // four of them are looked at together, since keys are rare.
        qsizetype q = 0;
        for (; q + 6 < n; q += 8) {
            if (m_keyBytes[d[q]] | m_keyBytes[d[q + 2]] | m_keyBytes[d[q + 4]] | m_keyBytes[d[q + 6]]) {
                for (qsizetype k = q; k < q + 8; k += 2)
                    around(k);
            }
        }
        for (; q < n; q += 2)
            around(q);
    }

    for (qsizetype word = 0; word < candidates.size(); ++word) {
        for (std::uint64_t bits = candidates[word]; bits != 0; bits &= bits - 1) {
            const Entry& entry = m_entries[std::size_t(word * 64 + std::countr_zero(bits))];
            if (entry.pattern.matches(text))
                return entry.index;
        }
    }
    return -1;
}

} // namespace lanthorn
