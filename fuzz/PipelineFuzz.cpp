// Feeds arbitrary received text through the incoming pipeline's pieces: units with their
// carried escape fragments, plain text, hilites, word wrap and the display rewriting of both
// world types into a recording display, and the wildcard matcher. Nothing may crash, wrapped
// lines never take more columns than the width, and a compiled pattern list answers as the
// matcher does.
#include "core/TextDisplay.h"
#include "incoming/AnsiText.h"
#include "incoming/DisplayWriter.h"
#include "incoming/HiliteSet.h"
#include "incoming/PatternList.h"
#include "incoming/Utf8Char.h"
#include "incoming/WildcardPattern.h"
#include "incoming/WordWrap.h"

#include <cstdint>
#include <cstdlib>

using namespace lanthorn;

namespace {

class CountingDisplay : public TextDisplay {
public:
    void Disp(const QByteArray& text) override { bytes += text.size(); }
    void setForeColor(int index) override { check(index); }
    void setBackColor(int index) override { check(index); }
    static void check(int index)
    {
        if (index < 0 || index > 15)
            std::abort();
    }
    qint64 bytes = 0;
};

/// Columns of a line, counted apart from the wrap: the plain text's characters.
qsizetype columns(const QByteArray& line)
{
    const QByteArray plain = DerivePlainText(line).plain;
    qsizetype count = 0;
    for (qsizetype i = 0; i < plain.size(); i += DecodeUtf8(plain.constData(), plain.size(), i).length)
        ++count;
    return count;
}

const HiliteSet& hilites()
{
    static const HiliteSet set({ { "m", "1", false }, { "3", "2", false }, { "[", "3", false }, { "ab", "4", true },
        { "\xc3\xa9", "5", false }, { "bab", "6", false }, { "b", "7", false } });
    return set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int width = data[0] % 40; // 0 leaves the text unwrapped
    const int indent = data[1] % 8;
    const bool bold = data[2] & 1;
    const bool mud = data[2] & 2;
    const std::size_t patternLength = std::min<std::size_t>(data[3] % 16, size - 4);
    const QByteArray pattern(reinterpret_cast<const char*>(data + 4), qsizetype(patternLength));
    const QByteArray input(
        reinterpret_cast<const char*>(data + 4 + patternLength), qsizetype(size - 4 - patternLength));

    const DisplaySettings settings { width > 0, width, indent, 7, 0, bold };
    DisplayWriter writer;
    CountingDisplay display;
    QByteArray carry;
    for (const QByteArray& piece : input.split('\n')) {
        QByteArray unit = carry + piece;
        const PlainText plain = DerivePlainText(unit);
        if (plain.complete > unit.size() || plain.plain.contains(Ctl::Esc))
            std::abort();
        carry = unit.sliced(plain.complete).left(256);
        unit.truncate(plain.complete);

        const QByteArray hilited = hilites().apply(unit);
        if (DerivePlainText(hilited).plain != plain.plain)
            std::abort(); // hilites add only sequences
        if (width > 0) {
            for (const QByteArray& line : WordWrap(hilited, width, indent).split('\n')) {
                if (columns(line.endsWith('\r') ? line.chopped(1) : line) > width)
                    std::abort();
            }
        }
        if (mud) {
            writer.DisplayMudText(unit, settings, hilites(), display);
        } else {
            writer.DisplayMushText(unit, settings, hilites(), display);
        }

        try {
            const bool matches = Matches(unit, pattern);
            if ((PatternList({ pattern }).firstMatch(QByteArrayView(unit)) == 0) != matches)
                std::abort();
        } catch (const LanthornError&) {
            if (!PatternList({ pattern }).failures().size())
                std::abort();
        }
    }
    return 0;
}
