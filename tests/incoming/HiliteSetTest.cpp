#include "incoming/HiliteSet.h"

#include "EscapeText.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <random>

using namespace lanthorn;
using lanthorn::testing::escapeMask;

namespace {

HiliteEntry hilite(const char* text, const char* code, bool wholeLine = false)
{
    return { QByteArray(text), QByteArray(code), wholeLine };
}

struct HiliteCase {
    QList<HiliteEntry> entries;
    const char* text;
    const char* expected;
};

TEST(HiliteSet, ColoursOccurrencesOrWholeUnits)
{
    const HiliteCase cases[] = {
        { { hilite("Bob", "1") }, "Bob and Bob", "\x1b[31mBob\x1b[0m and \x1b[31mBob\x1b[0m" },
        { { hilite("Bob", "1", true) }, "Bob and Bob", "\x1b[31mBob and Bob\x1b[0m" },
        { { hilite("Bob", "1") }, "bob and Bob", "bob and \x1b[31mBob\x1b[0m" },
        { { hilite("Bob", "1") }, "nobody here", "nobody here" },
        { { hilite("m", "2") }, "mom", "\x1b[32mm\x1b[0mo\x1b[32mm\x1b[0m" },
        { { hilite("Bob", "2"), hilite("Bob", "3") }, "Bob", "\x1b[32m\x1b[33mBob\x1b[0m\x1b[0m" },
        { { hilite("Bob", "9") }, "Bob", "\x1b[39mBob\x1b[0m" },
        { { hilite("", "1"), hilite("x", "1") }, "x", "\x1b[31mx\x1b[0m" },
        { { hilite("aa", "1") }, "aaa", "\x1b[31maa\x1b[0ma" },
        { { hilite("Bob", "1"), hilite("Ann", "2", true) }, "Bob, Ann", "\x1b[32m\x1b[31mBob\x1b[0m, Ann\x1b[0m" },
        { { hilite("Ann", "2", true), hilite("Bob", "1") }, "Bob, Ann", "\x1b[32m\x1b[31mBob\x1b[0m, Ann\x1b[0m" },
        { { hilite("ab", "1"), hilite("cd", "2") }, "abcd", "\x1b[31mab\x1b[0m\x1b[32mcd\x1b[0m" },
        { { hilite("cd", "1"), hilite("ab", "2") }, "abcd", "\x1b[32mab\x1b[0m\x1b[31mcd\x1b[0m" },
        { { hilite("abcd", "1"), hilite("cd", "2") }, "abcd", "\x1b[31mab\x1b[32mcd\x1b[0m\x1b[0m" },
        // Only visible text is coloured: never inside or across a sequence of the world or
        // of an earlier hilite.
        { { hilite("3", "3") }, "\x1b[31mred 3", "\x1b[31mred \x1b[33m3\x1b[0m" },
        { { hilite("m", "2") }, "\x1b[1mhm", "\x1b[1mh\x1b[32mm\x1b[0m" },
        { { hilite("Bob", "1") }, "B\x1b[1mob", "B\x1b[1mob" },
        { { hilite("Bob", "1"), hilite("ob and", "2") }, "Bob and", "\x1b[31mBob\x1b[0m and" },
        { { hilite("1", "1"), hilite("3", "2"), hilite("m", "4") }, "1", "\x1b[31m1\x1b[0m" },
        { { hilite("x", "1") }, "\x1bx", "\x1b\x1b[31mx\x1b[0m" },
    };
    for (const HiliteCase& c : cases)
        EXPECT_EQ(ApplyHilites(QByteArray(c.text), c.entries), QByteArray(c.expected)) << c.text;
}

// The entries one after the other, each searching the text as the earlier ones left it, as
// the rules read; only occurrences free of escape bytes count.
QByteArray sequentialHilites(QByteArray text, const QList<HiliteEntry>& entries)
{
    for (const HiliteEntry& entry : entries) {
        const QByteArray& h = entry.Text;
        if (h.isEmpty())
            continue;
        const QByteArray opening = "\x1b[3" + entry.ColorCode + 'm';
        const QByteArray closing = "\x1b[0m";
        const auto find = [&](qsizetype from) {
            const std::vector<bool> mask = escapeMask(text);
            for (qsizetype p = text.indexOf(h, from); p >= 0; p = text.indexOf(h, p + 1)) {
                if (std::none_of(mask.begin() + p, mask.begin() + p + h.size(), [](bool b) { return b; }))
                    return p;
            }
            return qsizetype(-1);
        };
        qsizetype p = find(0);
        if (entry.WholeLine) {
            if (p >= 0)
                text = opening + text + closing;
            continue;
        }
        while (p >= 0) {
            text.replace(p, h.size(), opening + h + closing);
            p = find(p + opening.size() + h.size() + closing.size());
        }
    }
    return text;
}

TEST(HiliteSet, OnePassGivesWhatTheEntriesDoOneAfterTheOther)
{
    std::mt19937 random(3);
    const QList<QByteArray> textPieces = { "a", "b", "m", "3", " ", "\x1b[31m", "\x1b[0m", "\x1bx", "[", "ab" };
    const QList<QByteArray> entryTexts = { "a", "b", "ab", "ba", "aa", "m", "3", "a b", "[", "bab", "" };
    for (int round = 0; round < 20000; ++round) {
        QList<HiliteEntry> entries;
        const int count = 1 + int(random() % 4);
        for (int i = 0; i < count; ++i) {
            entries.append({ entryTexts[int(random() % unsigned(entryTexts.size()))],
                QByteArray::number(int(random() % 10)), random() % 4 == 0 });
        }
        // Short texts and texts long enough to be searched in two halves.
        QByteArray text;
        const int pieces = int(random() % (round % 2 == 0 ? 9 : 60));
        for (int i = 0; i < pieces; ++i)
            text += textPieces[int(random() % unsigned(textPieces.size()))];
        ASSERT_EQ(HiliteSet(entries).apply(text), sequentialHilites(text, entries)) << text.constData();
    }
}

} // namespace
