// What a broken or hostile world can send: nothing of it may crash the connection, hang it or
// make it hold more than a bounded amount of memory.
#include "ConnectionTest.h"

#include <QTcpSocket>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

constexpr qsizetype kBufferBound
    = TcpConnection::kMaxLine + TcpConnection::kReadChunk + TcpConnection::kSocketReadBuffer;

} // namespace

class TcpConnectionBadInput : public ConnectionTest {
protected:
    TcpConnectionBadInput()
    {
        QObject::connect(&connection, &TcpConnection::dataIn,
            [this](QByteArray&, bool) { mostBuffered = std::max(mostBuffered, connection.bufferedBytes()); });
    }
    qsizetype mostBuffered = 0;
};

TEST_F(TcpConnectionBadInput, TenMegabyteLineWithoutLf)
{
    constexpr qsizetype kLength = 10'000'000;
    connectTo(world);
    world.sendRaw(QByteArray(kLength, 'x'));
    world.sendRaw("\r\nnext\r\n");
    ASSERT_TRUE(waitFor([this] { return !units.isEmpty() && units.last().text == "next\r"; }, 20000));
    const qsizetype pieces = kLength / TcpConnection::kMaxLine;
    ASSERT_EQ(units.size(), pieces + 2);
    for (qsizetype i = 0; i < pieces; ++i) {
        EXPECT_EQ(units[i].text.size(), TcpConnection::kMaxLine);
        EXPECT_FALSE(units[i].endOfLine);
    }
    EXPECT_EQ(units[pieces].text.size(), kLength - pieces * TcpConnection::kMaxLine + 1);
    EXPECT_TRUE(units[pieces].text.endsWith("x\r"));
    EXPECT_LE(mostBuffered, kBufferBound);
}

TEST_F(TcpConnectionBadInput, TelnetFlood)
{
    constexpr int kCommands = 500'000;
    connectTo(world);
    QByteArray flood;
    for (int i = 0; i < kCommands; ++i)
        flood += (i % 2 ? "\xff\xfd\x01" : "\xff\xf9\xff\xff");
    world.sendRaw(flood + "done\r\n");
    ASSERT_TRUE(waitFor([this] { return !units.isEmpty(); }, 20000));
    EXPECT_EQ(units.size(), 1);
    EXPECT_EQ(units.first().text, QByteArray(kCommands / 2, '\xff') + "done\r");
    EXPECT_TRUE(world.waitForReceived("\xff\xfc\x01"));
    EXPECT_TRUE(waitFor([this] { return world.received().size() == 3 * kCommands / 2; }, 20000))
        << world.received().size();
    EXPECT_LE(mostBuffered, kBufferBound);
}

TEST_F(TcpConnectionBadInput, TelnetFloodFromAWorldThatDoesNotReadItsAnswers)
{
    constexpr int kRequests = 10'000'000; // 30 MB of requests, 30 MB of answers
    connectTo(world);
    world.setReading(false);
    QByteArray flood;
    for (int i = 0; i < kRequests; ++i)
        flood += "\xff\xfd\x01";
    world.sendRaw(flood + "done\r\n");
    runEventsFor(1000);
    EXPECT_TRUE(units.isEmpty());
    EXPECT_GT(world.unsentBytes(), 0) << "the world must be held back while its answers wait";
    const auto* socket = connection.findChild<QTcpSocket*>();
    ASSERT_NE(socket, nullptr);
    EXPECT_LE(socket->bytesToWrite(), TcpConnection::kMaxUnsentBytes + 3 * TcpConnection::kReadChunk);

    world.setReading(true);
    ASSERT_TRUE(waitForUnits(1, 20000));
    EXPECT_EQ(units.first().text, "done\r");
    EXPECT_TRUE(waitFor([this] { return world.received().size() == 3 * kRequests; }, 20000)) << world.received().size();
}

TEST_F(TcpConnectionBadInput, TruncatedCommandAtTheEnd)
{
    const QByteArray endings[] = { "partial\xff", "partial\xff\xfd", "partial\xff\xfa\x18\x01", "partial\xff\xfa\xff" };
    for (const QByteArray& ending : endings) {
        units.clear();
        events.clear();
        connectTo(world);
        world.sendRaw("last line\r\n" + ending, world.clientCount() - 1);
        world.closeClient(world.clientCount() - 1);
        ASSERT_TRUE(waitForEvent("disconnected")) << ending.toHex().toStdString();
        EXPECT_EQ(events, (QStringList { "connected", "data", "data", "disconnected" }));
        ASSERT_EQ(units.size(), 2);
        EXPECT_EQ(units[0].text, "last line\r");
        EXPECT_EQ(units[1].text, "partial");
        EXPECT_FALSE(units[1].endOfLine);
    }
}

TEST_F(TcpConnectionBadInput, HundredThousandEscapes)
{
    const QByteArray escapes(100'000, '\x1b');
    connectTo(world);
    world.sendRaw(escapes + "\r\n" + escapes);
    world.closeClient();
    ASSERT_TRUE(waitForEvent("disconnected"));
    ASSERT_EQ(units.size(), 2);
    EXPECT_EQ(units[0].text, escapes + "\r");
    EXPECT_EQ(units[1].text, escapes);
}
