#include "incoming/MultiSearcher.h"

#include "QtPrinters.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>

using namespace lanthorn;

namespace {

using Found = std::vector<std::pair<int, qsizetype>>;

Found searched(const MultiSearcher& searcher, const QByteArray& text)
{
    Found found;
    searcher.search(reinterpret_cast<const unsigned char*>(text.constData()), 0, text.size(),
        [&](int needle, qsizetype start) { found.emplace_back(needle, start); });
    return found;
}

// Every occurrence of every needle, by where it ends (then by needle).
Found everyOccurrence(const std::vector<QByteArray>& needles, const QByteArray& text)
{
    std::vector<std::tuple<qsizetype, int, qsizetype>> all;
    for (int n = 0; n < int(needles.size()); ++n) {
        if (needles[std::size_t(n)].isEmpty())
            continue;
        for (qsizetype p = text.indexOf(needles[std::size_t(n)]); p >= 0;
             p = text.indexOf(needles[std::size_t(n)], p + 1))
            all.emplace_back(p + needles[std::size_t(n)].size(), n, p);
    }
    std::sort(all.begin(), all.end());
    Found found;
    for (const auto& [end, needle, start] : all)
        found.emplace_back(needle, start);
    return found;
}

Found sortedWithinEnds(Found found, const std::vector<QByteArray>& needles)
{
    std::stable_sort(found.begin(), found.end(), [&](const auto& a, const auto& b) {
        const qsizetype endA = a.second + needles[std::size_t(a.first)].size();
        const qsizetype endB = b.second + needles[std::size_t(b.first)].size();
        return endA != endB ? endA < endB : a.first < b.first;
    });
    return found;
}

TEST(MultiSearcher, FindsEveryOccurrenceInTheOrderTheyEnd)
{
    std::mt19937 random(17);
    const QList<QByteArray> pieces = { "a", "b", "c", "ab", "ba", "\xc3\xa9" };
    for (int round = 0; round < 3000; ++round) {
        std::vector<QByteArray> needles;
        const int count = 1 + int(random() % 6);
        for (int i = 0; i < count; ++i) {
            QByteArray needle;
            const int length = int(random() % 5);
            for (int k = 0; k < length; ++k)
                needle += pieces[int(random() % 3)];
            needles.push_back(needle);
        }
        const MultiSearcher searcher(needles);
        QByteArray text;
        const int length = int(random() % 200); // short texts and texts searched as two halves
        for (int k = 0; k < length; ++k)
            text += pieces[int(random() % unsigned(pieces.size()))];
        const Found found = searched(searcher, text);
        // Ends never go back; within one end the order does not matter.
        for (std::size_t i = 1; i < found.size(); ++i) {
            ASSERT_LE(found[i - 1].second + needles[std::size_t(found[i - 1].first)].size(),
                found[i].second + needles[std::size_t(found[i].first)].size());
        }
        ASSERT_EQ(sortedWithinEnds(found, needles), everyOccurrence(needles, text)) << text.constData();
    }
}

} // namespace
