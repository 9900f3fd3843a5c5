#pragma once

#include "core/LanthornError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <bitset>
#include <utility>
#include <vector>

namespace lanthorn {

namespace ErrorNumber {
inline constexpr int InvalidPattern = 93;
} // namespace ErrorNumber

/// A wildcard pattern compiled once and tested against many texts. Matching is whole-text
/// and case-sensitive: "*" any run of characters, "?" one character, "#" one digit,
/// "[list]" / "[!list]" one character in / not in the list (single characters and ranges
/// low-high), "[]" nothing; any other character stands for itself. Texts are UTF-8: "?" and
/// lists take one whole character. Matching never backtracks exponentially: at worst it
/// takes time proportional to the text length times the pattern length.
class WildcardPattern {
public:
    /// Raises LanthornError InvalidPattern for a "[" without its "]" or a range whose low end
    /// is above its high end.
    explicit WildcardPattern(QByteArrayView pattern);

    bool matches(QByteArrayView text) const;

    /// Literal runs every matching text contains (longest first).
    const QList<QByteArray>& requiredLiterals() const { return m_required; }

private:
    enum class Kind { Star, Literal, AnyChar, Digit, Set };
    struct Element {
        Kind kind;
        char32_t code = 0; // Literal
        int set = -1; // Set
    };
    struct CharSet {
        bool negated = false;
        std::bitset<128> ascii;
        std::vector<std::pair<char32_t, char32_t>> ranges; // characters beyond ASCII
        bool contains(char32_t c) const;
    };

    void parse(QByteArrayView pattern);
    bool matchesLiteralForm(QByteArrayView text) const;
    bool matchesGeneral(QByteArrayView text) const;
    bool elementMatches(const Element& element, char32_t c) const;

    std::vector<Element> m_elements;
    std::vector<CharSet> m_sets;
    QList<QByteArray> m_required;
    qsizetype m_minimumLength = 0;

    // Patterns of only literal text and stars (the usual kind) match as literal segments.
    bool m_literalForm = false;
    bool m_hasStar = false;
    QList<QByteArray> m_segments; // literal text between stars
    bool m_anchoredStart = false;
    bool m_anchoredEnd = false;
};

/// Whether the whole text matches the pattern; an invalid pattern raises LanthornError.
bool Matches(QByteArrayView text, QByteArrayView pattern);

} // namespace lanthorn
