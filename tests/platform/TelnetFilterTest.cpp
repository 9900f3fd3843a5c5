#include "platform/TelnetFilter.h"

#include "LiteralBytes.h"

#include <QFile>
#include <gtest/gtest.h>

using lanthorn::TelnetFilter;
using lanthorn::testing::bytes;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(LANTHORN_TEST_FIXTURES "/tinymux/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct Filtered {
    QByteArray text;
    QByteArray replies;
    QByteArray subnegotiation;
};

// Feeds the input in the pieces given by the cut positions (each a byte offset).
Filtered filterInPieces(const QByteArray& input, const std::vector<qsizetype>& cuts)
{
    TelnetFilter filter;
    Filtered result;
    qsizetype from = 0;
    auto feed = [&](qsizetype to) {
        result.text += filter.feed(QByteArrayView(input).sliced(from, to - from));
        result.replies += filter.takeReplies();
        from = to;
    };
    for (const qsizetype cut : cuts)
        feed(cut);
    feed(input.size());
    result.subnegotiation = filter.lastSubnegotiation();
    return result;
}

// Every feeding of the input must give the same text and replies: whole, cut in two at every
// offset, and one byte at a time.
void expectSameWhateverTheCuts(const QByteArray& input, const Filtered& expected, const char* name)
{
    const Filtered whole = filterInPieces(input, {});
    EXPECT_EQ(whole.text, expected.text) << name;
    EXPECT_EQ(whole.replies, expected.replies) << name;
    for (qsizetype cut = 1; cut < input.size(); ++cut) {
        const Filtered split = filterInPieces(input, { cut });
        EXPECT_EQ(split.text, whole.text) << name << ", cut at " << cut;
        EXPECT_EQ(split.replies, whole.replies) << name << ", cut at " << cut;
        EXPECT_EQ(split.subnegotiation, whole.subnegotiation) << name << ", cut at " << cut;
    }
    std::vector<qsizetype> everyByte;
    for (qsizetype cut = 1; cut < input.size(); ++cut)
        everyByte.push_back(cut);
    const Filtered bytewise = filterInPieces(input, everyByte);
    EXPECT_EQ(bytewise.text, whole.text) << name << ", byte by byte";
    EXPECT_EQ(bytewise.replies, whole.replies) << name << ", byte by byte";
    EXPECT_EQ(bytewise.subnegotiation, whole.subnegotiation) << name << ", byte by byte";
}

} // namespace

TEST(TelnetFilter, RemovesCommandsAndRefusesEveryOption)
{
    struct Case {
        const char* name;
        QByteArray input;
        QByteArray text;
        QByteArray replies;
    } cases[] = {
        { "plain text, NUL, ESC and high bytes pass", bytes("a\0b\x80\x1b[31mc\xfe\r\n"),
            bytes("a\0b\x80\x1b[31mc\xfe\r\n"), "" },
        { "IAC IAC is one 0xFF of text", "caf\xe9 \xff\xff ?\r\n", "caf\xe9 \xff ?\r\n", "" },
        { "two doubled IACs in a row", "\xff\xff\xff\xff", "\xff\xff", "" },
        { "DO is refused with WONT",
            "a\xff\xfd\x18"
            "b",
            "ab", "\xff\xfc\x18" },
        { "WILL is refused with DONT",
            "\xff\xfb\x01"
            "x",
            "x", "\xff\xfe\x01" },
        { "DONT and WONT get no answer",
            "a\xff\xfe\x01"
            "b\xff\xfc\x01"
            "c",
            "abc", "" },
        { "option 255 and option 0", bytes("\xff\xfd\xff\xff\xfb\x00z"), "z", bytes("\xff\xfc\xff\xff\xfe\x00") },
        { "subnegotiation removed whole",
            "a\xff\xfa\x18\x01\xff\xf0"
            "b",
            "ab", "" },
        { "IAC IAC inside a subnegotiation is its data",
            "a\xff\xfa\x2a\x01x\xff\xffy\xff\xf0"
            "b",
            "ab", "" },
        { "commands inside a subnegotiation are its data",
            "\xff\xfa\x18\xfd\x01\xff\xf0"
            "t",
            "t", "" },
        { "GA ends a prompt", "> \xff\xf9", "> ", "" },
        { "EOR ends a prompt", "> \xff\xef", "> ", "" },
        { "NOP, DM, BRK, IP, AO, AYT, EC, EL",
            "1\xff\xf1"
            "2\xff\xf2"
            "3\xff\xf3"
            "4\xff\xf4"
            "5\xff\xf5"
            "6\xff\xf6"
            "7\xff\xf7"
            "8\xff\xf8"
            "9",
            "123456789", "" },
        { "a stray SE",
            "a\xff\xf0"
            "b",
            "ab", "" },
        { "IAC before a byte that is no command takes both",
            "a\xff"
            "xb",
            "ab", "" },
        { "a subnegotiation broken by a command ends there",
            "a\xff\xfa\x18\x01\xff\xfd\x01"
            "b",
            "ab", "\xff\xfc\x01" },
        { "TinyMUX latin-1 line", fixture("x4-nonascii-latin1-alice.bin"), "caf\xe9 \xff ?\r\n", "" },
        { "TinyMUX prompt with GA", fixture("x7-prog-start-alice.bin"), "\x1b[1m>\x1b[0m ", "" },
        { "TinyMUX prompt with EOR", fixture("a4f-prog-prompt-eor-acceptor.bin"), "> ", "" },
    };
    for (const Case& c : cases)
        expectSameWhateverTheCuts(c.input, { c.text, c.replies, {} }, c.name);
}

TEST(TelnetFilter, TinyMuxGreeting)
{
    const QByteArray greeting = fixture("a1-connect-screen-noreply-alice.bin");
    ASSERT_EQ(greeting.size(), 665);
    // WILL EOR, DO EOR, DO SGA, DO TTYPE, DO NAWS, DO NEW-ENVIRON, WILL CHARSET, DO CHARSET.
    const QByteArray refusals = "\xff\xfe\x19"
                                "\xff\xfc\x19"
                                "\xff\xfc\x03"
                                "\xff\xfc\x18"
                                "\xff\xfc\x1f"
                                "\xff\xfc\x27"
                                "\xff\xfe\x2a"
                                "\xff\xfc\x2a";
    const Filtered expected { greeting.mid(24), refusals, {} };
    ASSERT_TRUE(expected.text.startsWith("Welcome to TinyMUX\r\n"));
    ASSERT_FALSE(expected.text.contains('\xff'));
    expectSameWhateverTheCuts(greeting, expected, "greeting");

    // A client that agrees gets three subnegotiation requests after the same greeting; refusing,
    // we see them only as commands to remove.
    const QByteArray withRequests = fixture("a3-connect-screen-accept-acceptor.bin");
    expectSameWhateverTheCuts(withRequests, expected, "greeting with subnegotiations");
    EXPECT_EQ(filterInPieces(withRequests, {}).subnegotiation, "\x2a\x01;UTF-8;ISO-8859-1;ISO-8859-2;US-ASCII;CP437");
}

TEST(TelnetFilter, SubnegotiationThatRunsOnKeepsOnlyItsStart)
{
    QByteArray endless = "before\xff\xfa\x18";
    endless += QByteArray(3 * 1024 * 1024, 'x');
    endless += "\xff\xff";
    endless += QByteArray(1024, 'y');
    endless += "\xff\xf0"
               "after";

    for (const qsizetype piece : { qsizetype(1) << 30, qsizetype(4096), qsizetype(7) }) {
        TelnetFilter filter;
        QByteArray text;
        for (qsizetype at = 0; at < endless.size(); at += piece)
            text += filter.feed(QByteArrayView(endless).sliced(at, std::min(piece, endless.size() - at)));
        EXPECT_EQ(text, "beforeafter") << piece;
        EXPECT_EQ(filter.lastSubnegotiation().size(), TelnetFilter::kMaxSubnegotiation) << piece;
        EXPECT_TRUE(filter.lastSubnegotiation().startsWith("\x18xxx")) << piece;
    }
}

TEST(TelnetFilter, ResetForgetsAHalfReadCommand)
{
    for (const QByteArray& half : { QByteArray("\xff"), QByteArray("\xff\xfd"),
             QByteArray("\xff\xfa\x18"
                        "abc") }) {
        TelnetFilter filter;
        filter.feed(half);
        filter.reset();
        EXPECT_EQ(filter.feed("hello\xfd"), "hello\xfd") << half.toHex().toStdString();
        EXPECT_FALSE(filter.hasReplies());
    }
}

TEST(TelnetFilter, EscapeDoublesEveryFfAndFilterUndoesIt)
{
    struct Case {
        QByteArray text;
        QByteArray escaped;
    } cases[] = {
        { "", "" },
        { "say hello\r\n", "say hello\r\n" },
        { "\xff", "\xff\xff" },
        { "a\xff\xff"
          "b",
            "a\xff\xff\xff\xff"
            "b" },
        { bytes("\0\xff\0"), bytes("\0\xff\xff\0") },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TelnetFilter::escape(c.text), c.escaped) << c.text.toHex().toStdString();

    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.append(char(i));
    TelnetFilter filter;
    EXPECT_EQ(filter.feed(TelnetFilter::escape(everyByte)), everyByte);
    EXPECT_FALSE(filter.hasReplies());
}
