#include "incoming/WildcardPattern.h"

#include "QtPrinters.h"
#include "incoming/PatternList.h"

#include <QString>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace lanthorn;

namespace {

struct MatchCase {
    const char* pattern;
    const char* text;
    bool matches;
};

// Whole text, case-sensitive; every element of the pattern language and the rules for lists.
const MatchCase kMatchCases[] = {
    { "* has arrived.", "Bob has arrived.", true },
    { "* has arrived.", "Bob has arrived. ", false },
    { "* has arrived.", "bob HAS arrived.", false },
    { "Bob", "bob", false },
    { "*", "", true },
    { "*", "anything at all", true },
    { "?", "", false },
    { "?", "x", true },
    { "?", "xy", false },
    { "a?c", "abc", true },
    { "[!a-z]*", "Bob", true },
    { "[!a-z]*", "bob", false },
    { "Room ##", "Room 12", true },
    { "Room ##", "Room 1a", false },
    { "#", "x", false },
    { "[[]OOC[]] *", "[OOC] hi", true },
    { "[[]*[]]*", "[Public] Bob: hi", true },
    { "[[]*[]]*", "[no close", false },
    { "<*> *", "<Public> Bob: hi", true },
    { "<*> *", "<Public>Bob", false },
    { "[[]", "[", true },
    { "[*]", "*", true },
    { "[*]", "x", false },
    { "[?]", "?", true },
    { "[#]", "#", true },
    { "[#]", "1", false },
    { "[]", "", true },
    { "a[]b", "ab", true },
    { "[]]", "]", true },
    { "]", "]", true },
    { "!", "!", true },
    { "[!]", "x", true },
    { "[!]", "", false },
    { "[a-c]", "b", true },
    { "[a-c]", "d", false },
    { "[a-cx]", "x", true },
    { "[-a]", "-", true },
    { "[a-]", "-", true },
    { "[!-a]", "-", false },
    { "[!-a]", "b", true },
    { "[a-c-e]", "-", true },
    { "[a-c-e]", "d", false },
    { "[a-c-e]", "e", true },
    { "[!abc]", "d", true },
    { "[!abc]", "b", false },
    { "**a**", "xax", true },
    { "*a*b", "aab", true },
    { "*a*b", "aba", false },
    { "a*a", "a", false },
    { "a*a", "aa", true },
    { "ab*ba", "aba", false },
    { "*ab*ab*", "abab", true },
    { "*ab*ab*", "aba", false },
    { "*x*y", "xxyxy", true },
    { "?*?", "a", false },
    { "?*?", "ab", true },
    // UTF-8: "?" and lists take a whole character; ranges go by character code.
    { "?", "\xc3\xa9", true },
    { "??", "\xc3\xa9", false },
    { "caf?", "caf\xc3\xa9", true },
    { "[\xc3\xa0-\xc3\xbf]", "\xc3\xa9", true },
    { "[!\xc3\xa9]", "\xc3\xa9", false },
    { "[!\xc3\xa9]x", "ex", true },
    { "*\xc3\xa9", "caf\xc3\xa9", true },
    { "?", "\xff", true }, // a stray byte is a character of its own
    { "??", "\xc3", false },
};

TEST(WildcardPattern, MatchesWholeTextWithEveryElement)
{
    for (const MatchCase& c : kMatchCases) {
        EXPECT_EQ(Matches(QByteArray(c.text), QByteArray(c.pattern)), c.matches)
            << "pattern " << c.pattern << " text " << c.text;
    }
}

TEST(WildcardPattern, InvalidPatternsRaiseANumberedError)
{
    for (const char* pattern : { "[abc", "[", "a[!", "[z-a]", "x[b-a]*", "[]][" }) {
        try {
            WildcardPattern compiled { QByteArray(pattern) };
            ADD_FAILURE() << "accepted " << pattern;
        } catch (const LanthornError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::InvalidPattern) << pattern;
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
}

TEST(WildcardPattern, StarsNeverBacktrackExponentially)
{
    // Each of these would run for ages if every star tried every split of the text.
    const QByteArray as(10000, 'a');
    EXPECT_FALSE(Matches(as, "*a*a*a*a*a*a*b"));
    EXPECT_FALSE(Matches(as, "*a*a*a*a*a*a*b*"));
    EXPECT_FALSE(Matches(as, "*?a*a*a*a*a*a*[b]"));
    EXPECT_TRUE(Matches(as + 'b', "*?a*a*a*a*a*a*[b]"));
    EXPECT_TRUE(Matches(as, "*a*a*a*a*a*a*a"));
}

// A direct reading of the pattern rules, with no precompilation and plain recursion, to check
// the compiled matcher against on small inputs.
class ReferenceMatcher {
public:
    explicit ReferenceMatcher(const QByteArray& pattern)
        : m_pattern(QString::fromUtf8(pattern).toStdU32String())
    {
        for (std::size_t i = 0; i < m_pattern.size(); ++i) {
            if (m_pattern[i] != U'[')
                continue;
            std::size_t j = i + 1;
            if (j < m_pattern.size() && m_pattern[j] == U'!')
                ++j;
            const std::size_t close = m_pattern.find(U']', j);
            if (close == std::u32string::npos)
                valid = false;
            if (!valid)
                return;
            const std::u32string list = m_pattern.substr(j, close - j);
            for (std::size_t k = 0; k + 2 < list.size(); ++k) {
                if (list[k + 1] == U'-') {
                    if (list[k] > list[k + 2])
                        valid = false;
                    k += 2;
                }
            }
            i = close;
        }
    }

    bool matches(const QByteArray& text) const { return match(0, QString::fromUtf8(text).toStdU32String(), 0); }

    bool valid = true;

private:
    static bool inList(const std::u32string& list, char32_t c)
    {
        for (std::size_t k = 0; k < list.size();) {
            if (k + 2 < list.size() && list[k + 1] == U'-') {
                if (c >= list[k] && c <= list[k + 2])
                    return true;
                k += 3;
            } else {
                if (c == list[k])
                    return true;
                k += 1;
            }
        }
        return false;
    }

    bool match(std::size_t pi, const std::u32string& t, std::size_t ti) const
    {
        if (pi == m_pattern.size())
            return ti == t.size();
        const char32_t c = m_pattern[pi];
        if (c == U'*')
            return match(pi + 1, t, ti) || (ti < t.size() && match(pi, t, ti + 1));
        if (c == U'[') {
            std::size_t j = pi + 1;
            const bool negated = j < m_pattern.size() && m_pattern[j] == U'!';
            if (negated)
                ++j;
            const std::size_t close = m_pattern.find(U']', j);
            const std::u32string list = m_pattern.substr(j, close - j);
            if (!negated && list.empty())
                return match(close + 1, t, ti);
            if (ti == t.size() || inList(list, t[ti]) == negated)
                return false;
            return match(close + 1, t, ti + 1);
        }
        if (ti == t.size())
            return false;
        if (c == U'?')
            return match(pi + 1, t, ti + 1);
        if (c == U'#')
            return t[ti] >= U'0' && t[ti] <= U'9' && match(pi + 1, t, ti + 1);
        return c == t[ti] && match(pi + 1, t, ti + 1);
    }

    std::u32string m_pattern;
};

QByteArray randomText(std::mt19937& random, const QList<QByteArray>& alphabet, int maxLength)
{
    QByteArray text;
    const int length = int(random() % unsigned(maxLength + 1));
    for (int i = 0; i < length; ++i)
        text += alphabet[int(random() % unsigned(alphabet.size()))];
    return text;
}

TEST(WildcardPattern, AgreesWithADirectReadingOfTheRules)
{
    std::mt19937 random(7);
    const QList<QByteArray> patternAlphabet
        = { "a", "b", "1", "*", "*", "?", "#", "[", "]", "!", "-", "[a-b]", "[!a]", "[]", "\xc3\xa9" };
    const QList<QByteArray> textAlphabet = { "a", "b", "1", "-", "!", "]", "[", "\xc3\xa9" };
    int compared = 0;
    for (int round = 0; round < 20000; ++round) {
        const QByteArray pattern = randomText(random, patternAlphabet, 7);
        const QByteArray text = randomText(random, textAlphabet, 8);
        const ReferenceMatcher reference(pattern);
        try {
            const WildcardPattern compiled(pattern);
            ASSERT_TRUE(reference.valid) << "accepted " << pattern.constData();
            ASSERT_EQ(compiled.matches(text), reference.matches(text))
                << "pattern " << pattern.constData() << " text " << text.constData();
            ++compared;
        } catch (const LanthornError&) {
            ASSERT_FALSE(reference.valid) << "refused " << pattern.constData();
        }
    }
    EXPECT_GT(compared, 5000);
}

TEST(PatternList, FirstMatchIsTheFirstPatternThatMatchesAndSkipsInvalidOnes)
{
    const PatternList list({ "[abc", "* pages: *", "*zzq*", "<*> *", "*" });
    ASSERT_EQ(list.failures().size(), 1);
    EXPECT_EQ(list.failures()[0].index, 0);
    EXPECT_EQ(list.failures()[0].number, ErrorNumber::InvalidPattern);
    EXPECT_EQ(list.firstMatch(QByteArrayView("Bob pages: hi")), 1);
    EXPECT_EQ(list.firstMatch(QByteArrayView("<Public> zzq")), 2);
    EXPECT_EQ(list.firstMatch(QByteArrayView("<Public> hi")), 3);
    EXPECT_EQ(list.firstMatch(QByteArrayView("")), 4);
    EXPECT_EQ(PatternList({ " " }).firstMatch(QByteArrayView("")), -1);

    // Keys at odd and even places, of many different bytes.
    const PatternList many({ "*ab*", "*cd*", "*ef*", "*gh*", "*ij*", "*kl*", "x*yz" });
    EXPECT_EQ(many.firstMatch(QByteArrayView("xxkl")), 5);
    EXPECT_EQ(many.firstMatch(QByteArrayView("klab")), 0);
    EXPECT_EQ(many.firstMatch(QByteArrayView("x yz")), 6);
    EXPECT_EQ(many.firstMatch(QByteArrayView("a b c d")), -1);
    EXPECT_EQ(PatternList().firstMatch(QByteArrayView("x")), -1);
}

TEST(PatternList, QuickRejectionNeverLosesAMatch)
{
    // Lists of literal-heavy patterns (the kind the quick rejection works on) against texts
    // built from the same pieces: the list answers as testing every pattern in turn does.
    std::mt19937 random(11);
    const QList<QByteArray> pieces
        = { "zz", "q", "says", ", ", "\"", " ", "Bob", "a", "*", "*", "?", "#", "\x1b", "m" };
    for (int round = 0; round < 3000; ++round) {
        QList<QByteArray> patterns;
        for (int i = 0; i < 6; ++i)
            patterns.append(randomText(random, pieces, 5));
        const PatternList list(patterns);
        for (int t = 0; t < 10; ++t) {
            const QByteArray text = randomText(random, pieces, 8).replace('*', "x").replace('?', "y").replace('#', "7");
            qsizetype expected = -1;
            for (qsizetype i = 0; i < patterns.size() && expected < 0; ++i) {
                if (Matches(text, patterns[i]))
                    expected = i;
            }
            ASSERT_EQ(list.firstMatch(QByteArrayView(text)), expected) << text.constData();
        }
    }
}

} // namespace
