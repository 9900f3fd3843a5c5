#pragma once

#include "incoming/TextProbe.h"
#include "incoming/WildcardPattern.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

namespace lanthorn {

/// A list of wildcard patterns compiled together and tested in list order. Each pattern
/// knows the bytes and byte pairs a matching text must hold, so most patterns are turned down
/// by a few bit tests on the text's probe. Invalid patterns are kept out (see failures()).
class PatternList {
public:
    struct Failure {
        qsizetype index; // position in the list given to the constructor
        int number;
        QString description;
    };

    PatternList() = default;
    explicit PatternList(const QList<QByteArray>& patterns);

    /// The position of the first pattern the probed text matches, or -1.
    qsizetype firstMatch(const TextProbe& probe) const;
    qsizetype firstMatch(QByteArrayView text) const { return firstMatch(TextProbe(text)); }

    const QList<Failure>& failures() const { return m_failures; }
    bool isEmpty() const { return m_entries.empty(); }

private:
    struct Entry {
        qsizetype index;
        WildcardPattern pattern;
        std::vector<std::uint16_t> pairs; // pair slots every match holds, rarest first
        std::vector<unsigned char> bytes; // bytes every match holds (from one-byte runs)
    };

    std::vector<Entry> m_entries;
    QList<Failure> m_failures;
};

} // namespace lanthorn
