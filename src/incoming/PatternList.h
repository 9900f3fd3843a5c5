#pragma once

#include "incoming/WildcardPattern.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace lanthorn {

/// A list of wildcard patterns compiled together and tested in list order. Each pattern with
/// literal text has a key: one byte pair every matching text holds, chosen to be rare. One
/// pass over the text finds which keys it holds, and only the patterns whose key was seen
/// (or that have none) are matched. Invalid patterns are kept out (see failures()).
class PatternList {
public:
    struct Failure {
        qsizetype index; // position in the list given to the constructor
        int number;
        QString description;
    };

    PatternList() = default;
    explicit PatternList(const QList<QByteArray>& patterns);

    /// The position of the first pattern the text matches, or -1.
    qsizetype firstMatch(QByteArrayView text) const;

    const QList<Failure>& failures() const { return m_failures; }

private:
    static constexpr int kNoKey = -1;
    struct Entry {
        qsizetype index;
        WildcardPattern pattern;
        int key; // byte pair (first << 8 | second), or kNoKey
    };

    std::vector<Entry> m_entries;
    QList<Failure> m_failures;
    std::vector<std::uint64_t> m_keyless; // one bit per entry without a key: always tried
    std::array<std::uint8_t, 256> m_keyBytes {}; // 1 for the bytes that are part of a key
    std::unique_ptr<std::array<std::uint64_t, 1024>> m_keys; // one bit per byte pair that is a key
    std::vector<std::pair<std::uint16_t, std::uint32_t>> m_keyOwners; // (key, entry), sorted
};

} // namespace lanthorn
