#include "ConnectionTest.h"
#include "ErrorNumberOf.h"
#include "core/LanthornError.h"

#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTimer>
#include <sys/resource.h>
#include <unistd.h>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(LANTHORN_TEST_FIXTURES "/tinymux/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// "line 000000 ..." lines of about 80 bytes, each ending in CR LF.
QByteArray numberedLines(int first, int count)
{
    QByteArray lines;
    lines.reserve(qsizetype(count) * 80);
    for (int i = first; i < first + count; ++i)
        lines += QByteArray("line ") + QByteArray::number(i).rightJustified(7, '0')
            + " Somebody says, \"the quick brown fox jumps over the lazy dog\"\r\n";
    return lines;
}

QByteArray numberedLine(int i)
{
    QByteArray line = numberedLines(i, 1);
    line.chop(1); // the LF is the terminator; the CR stays
    return line;
}

} // namespace

using TcpConnectionLines = ConnectionTest;

TEST_F(TcpConnectionLines, OneUnitPerLineWithCrsKeptAndPartialLineWaiting)
{
    connectTo(world);
    world.sendRaw("abc\r\na\rb\n\r\n");
    world.sendRaw(bytes("nul\0here \xff\xff\xe9\r\n"));
    world.sendRaw("partial");
    ASSERT_TRUE(waitForUnits(4));
    runEventsFor(100);
    ASSERT_EQ(units.size(), 4) << "a partial line must wait for its LF";
    world.sendRaw(" line\r");
    world.sendRaw("\n");
    ASSERT_TRUE(waitForUnits(5));
    EXPECT_EQ(texts(), (QList<QByteArray> { "abc\r", "a\rb", "\r", bytes("nul\0here \xff\xe9\r"), "partial line\r" }));
    for (const Unit& unit : units)
        EXPECT_TRUE(unit.endOfLine);
    EXPECT_EQ(events.first(), "connected");
}

TEST_F(TcpConnectionLines, LongRunsComeInPiecesOfOneMebibyte)
{
    constexpr qsizetype M = TcpConnection::kMaxLine;
    struct Case {
        qsizetype length; // bytes before the LF
        QList<qsizetype> pieces;
    } cases[] = {
        { M, { M } },
        { M + 1, { M, 1 } },
        { 2 * M + M / 2, { M, M, M / 2 } },
        { 2 * M, { M, M } },
    };
    connectTo(world);
    for (const Case& c : cases) {
        units.clear();
        world.sendRaw(QByteArray(c.length, 'x') + "\nnext\n");
        ASSERT_TRUE(waitForUnits(c.pieces.size() + 1)) << c.length;
        ASSERT_EQ(units.size(), c.pieces.size() + 1) << c.length;
        for (qsizetype i = 0; i < c.pieces.size(); ++i) {
            EXPECT_EQ(units[i].text.size(), c.pieces[i]) << c.length << " piece " << i;
            EXPECT_EQ(units[i].endOfLine, i == c.pieces.size() - 1) << c.length << " piece " << i;
        }
        EXPECT_EQ(units.last().text, "next");
    }
}

TEST_F(TcpConnectionLines, EmptyTerminatorDeliversEachArrivalAsItCame)
{
    connectTo(world, "");
    world.sendRaw("You see\r\na room");
    ASSERT_TRUE(waitFor([this] { return joined() == "You see\r\na room"; }));
    const qsizetype firstArrival = units.size();
    world.sendRaw("\xff\xfd\x01"
                  " and more\n");
    ASSERT_TRUE(waitFor([this] { return joined() == "You see\r\na room and more\n"; }));
    EXPECT_GT(units.size(), firstArrival) << "a later arrival is a unit of its own";
    for (const Unit& unit : units)
        EXPECT_FALSE(unit.endOfLine);
    EXPECT_TRUE(world.waitForReceived("\xff\xfc\x01"));
}

TEST_F(TcpConnectionLines, TelnetIsAnsweredAndTakenOut)
{
    connectTo(world);
    world.sendRaw(fixture("a3-connect-screen-accept-acceptor.bin"));
    ASSERT_TRUE(waitFor([this] { return !units.isEmpty() && units.last().text.startsWith("-----"); }));
    EXPECT_EQ(units.first().text, "Welcome to TinyMUX\r");
    EXPECT_FALSE(joined().contains('\xff'));
    EXPECT_TRUE(world.waitForReceived("\xff\xfe\x19\xff\xfc\x19\xff\xfc\x03\xff\xfc\x18\xff\xfc\x1f\xff\xfc\x27"
                                      "\xff\xfe\x2a\xff\xfc\x2a"));
    runEventsFor(100);
    EXPECT_EQ(world.received().size(), 24) << "exactly one refusal per request, nothing for the subnegotiations";
}

TEST_F(TcpConnectionLines, SendDataGoesOutWithOnlyFfDoubled)
{
    connectTo(world);
    connection.sendData(bytes("say caf\xe9 \xff\0!\r\n"));
    connection.sendData("WHO\r\n");
    EXPECT_TRUE(world.waitForReceived("WHO\r\n"));
    EXPECT_EQ(world.received(), bytes("say caf\xe9 \xff\xff\0!\r\nWHO\r\n"));
}

TEST_F(TcpConnectionLines, TwoWorldsOnOneServerStayApart)
{
    connectTo(world);
    TcpConnection second;
    QList<QByteArray> secondTexts;
    QObject::connect(&second, &TcpConnection::dataIn, [&](QByteArray& text, bool) { secondTexts << text; });
    second.setRemoteHost(FakeWorldServer::host());
    second.setRemotePort(world.port());
    second.setLineTerminator("\n");
    second.setConnected(true);
    ASSERT_TRUE(world.waitForClients(2));
    ASSERT_TRUE(waitFor([&] { return second.Connected(); }));

    world.sendLine("to the first", 0);
    world.sendLine("to the second", 1);
    connection.sendData("from the first\r\n");
    second.sendData("from the second\r\n");
    ASSERT_TRUE(waitForUnits(1));
    ASSERT_TRUE(waitFor([&] { return !secondTexts.isEmpty(); }));
    EXPECT_EQ(texts(), QList<QByteArray> { "to the first\r" });
    EXPECT_EQ(secondTexts, QList<QByteArray> { "to the second\r" });
    EXPECT_TRUE(world.waitForReceived("from the first\r\n", 0));
    EXPECT_TRUE(world.waitForReceived("from the second\r\n", 1));
    EXPECT_FALSE(world.received(0).contains("second"));
}

TEST_F(TcpConnectionLines, Switch4TurnsOnKeepAlive)
{
    for (const bool on : { false, true }) {
        connection.setConnected(false);
        connection.setRemoteHost(FakeWorldServer::host());
        connection.setRemotePort(world.port());
        connection.setSwitch4(on);
        connection.setConnected(true);
        ASSERT_TRUE(waitFor([this] { return connection.Connected(); }));
        const auto sockets = connection.findChildren<QTcpSocket*>();
        const auto live = std::find_if(sockets.begin(), sockets.end(),
            [](QTcpSocket* socket) { return socket->state() == QAbstractSocket::ConnectedState; });
        ASSERT_NE(live, sockets.end());
        EXPECT_EQ((*live)->socketOption(QAbstractSocket::KeepAliveOption).toInt(), on ? 1 : 0);
    }
}

using TcpConnectionFlow = ConnectionTest;

TEST_F(TcpConnectionFlow, PausedConnectionHoldsTheSenderBackAndResumesInOrder)
{
    constexpr int kLines = 400'000; // about 32 MB, more than the kernel buffers hold
    connectTo(world);
    connection.setAcceptData(false);
    world.sendRaw(numberedLines(0, kLines));
    runEventsFor(500);
    EXPECT_TRUE(units.isEmpty());
    EXPECT_GT(world.unsentBytes(), 0) << "the world must be held back, not our memory filled";
    EXPECT_LE(connection.bufferedBytes(),
        TcpConnection::kMaxLine + TcpConnection::kReadChunk + TcpConnection::kSocketReadBuffer);

    connection.setAcceptData(true);
    ASSERT_TRUE(waitForUnits(kLines, 20000));
    for (int i = 0; i < kLines; i += 997)
        ASSERT_EQ(units[i].text, numberedLine(i)) << i;
    EXPECT_EQ(units.last().text, numberedLine(kLines - 1));
}

TEST_F(TcpConnectionFlow, PauseFromTheHandlerStopsAtOnce)
{
    connectTo(world);
    QObject::connect(&connection, &TcpConnection::dataIn, [this](QByteArray& text, bool) {
        if (text.startsWith("pause"))
            connection.setAcceptData(false);
    });
    world.sendRaw("one\npause\ntwo\nthree\n");
    ASSERT_TRUE(waitForUnits(2));
    runEventsFor(100);
    EXPECT_EQ(texts(), (QList<QByteArray> { "one", "pause" }));
    connection.setAcceptData(true);
    ASSERT_TRUE(waitForUnits(4));
    EXPECT_EQ(texts(), (QList<QByteArray> { "one", "pause", "two", "three" }));
}

TEST_F(TcpConnectionFlow, ALongFloodYieldsToOtherEvents)
{
    constexpr int kLines = 100'000;
    connectTo(world);
    connection.setAcceptData(false);
    world.sendRaw(numberedLines(0, kLines));
    runEventsFor(200); // let the socket fill up
    // A timer that fires on every turn of the event loop counts the units delivered in between.
    int ticks = 0;
    qsizetype unitsAtLastTick = 0;
    qsizetype mostUnitsInOneTurn = 0;
    QTimer everyTurn;
    QObject::connect(&everyTurn, &QTimer::timeout, [&] {
        ++ticks;
        mostUnitsInOneTurn = std::max(mostUnitsInOneTurn, units.size() - unitsAtLastTick);
        unitsAtLastTick = units.size();
    });
    everyTurn.start(0);
    connection.setAcceptData(true);
    ASSERT_TRUE(waitForUnits(kLines, 20000));
    EXPECT_GT(ticks, kLines / TcpConnection::kBatchUnits);
    EXPECT_LE(mostUnitsInOneTurn, TcpConnection::kBatchUnits);
}

TEST_F(TcpConnectionFlow, HandlerInANestedEventLoopIsNotEnteredAgain)
{
    connectTo(world);
    int depth = 0;
    int deepest = 0;
    qsizetype unitsAfterNestedLoop = -1;
    QObject::connect(&connection, &TcpConnection::dataIn, [&](QByteArray& text, bool) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (text == "ask") {
            // What a modal message box does: the event loop runs while the handler waits.
            QEventLoop modal;
            QTimer::singleShot(100, [&] { world.sendLine("late"); });
            QTimer::singleShot(400, &modal, &QEventLoop::quit);
            modal.exec();
            unitsAfterNestedLoop = units.size();
        }
        --depth;
    });
    world.sendRaw("before\nask\nafter\n");
    ASSERT_TRUE(waitForUnits(4));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(unitsAfterNestedLoop, 2);
    EXPECT_EQ(texts(), (QList<QByteArray> { "before", "ask", "after", "late\r" }));
}

using TcpConnectionLifecycle = ConnectionTest;

TEST_F(TcpConnectionLifecycle, WorldClosingDeliversLinesThenPartialThenDisconnected)
{
    connectTo(world);
    world.sendRaw(numberedLines(0, 3000) + "prompt> ");
    world.closeClient();
    ASSERT_TRUE(waitForEvent("disconnected"));
    ASSERT_EQ(units.size(), 3001);
    EXPECT_EQ(units[2999].text, numberedLine(2999));
    EXPECT_TRUE(units[2999].endOfLine);
    EXPECT_EQ(units.last().text, "prompt> ");
    EXPECT_FALSE(units.last().endOfLine);
    EXPECT_EQ(events.last(), "disconnected");
    EXPECT_EQ(events.count("disconnected"), 1);
    EXPECT_FALSE(connection.Connected());
}

TEST_F(TcpConnectionLifecycle, WorldClosingWhilePausedWaitsForResume)
{
    connectTo(world);
    connection.setAcceptData(false);
    world.sendRaw("one\ntwo");
    world.closeClient();
    runEventsFor(200);
    EXPECT_FALSE(connection.Connected());
    EXPECT_EQ(events, QStringList { "connected" });
    connection.setAcceptData(true);
    ASSERT_TRUE(waitForEvent("disconnected"));
    EXPECT_EQ(events, (QStringList { "connected", "data", "data", "disconnected" }));
    EXPECT_EQ(texts(), (QList<QByteArray> { "one", "two" }));
}

TEST_F(TcpConnectionLifecycle, WorldClosingDuringANestedLoopWaitsForTheHandler)
{
    connectTo(world);
    QObject::connect(&connection, &TcpConnection::dataIn, [&](QByteArray& text, bool) {
        if (text != "ask")
            return;
        QEventLoop modal;
        QTimer::singleShot(300, &modal, &QEventLoop::quit);
        modal.exec();
    });
    world.sendRaw("ask\nafter\nrest");
    world.closeClient();
    ASSERT_TRUE(waitForEvent("disconnected"));
    EXPECT_EQ(events, (QStringList { "connected", "data", "data", "data", "disconnected" }));
    EXPECT_EQ(texts(), (QList<QByteArray> { "ask", "after", "rest" }));
}

TEST_F(TcpConnectionLifecycle, ProgramClosingIsQuiet)
{
    connectTo(world);
    world.sendRaw("one\ntwo\n");
    ASSERT_TRUE(waitForUnits(1));
    connection.setConnected(false);
    EXPECT_FALSE(connection.Connected());
    world.sendRaw("three\n");
    EXPECT_TRUE(world.waitForClientGone());
    runEventsFor(100);
    EXPECT_FALSE(events.contains("disconnected"));
    EXPECT_FALSE(texts().contains("three"));
    connection.setConnected(false); // closing twice is harmless
}

TEST_F(TcpConnectionLifecycle, ClosingFromTheHandlerStopsDelivery)
{
    connectTo(world);
    QObject::connect(&connection, &TcpConnection::dataIn, [this](QByteArray& text, bool) {
        if (text == "quit")
            connection.setConnected(false);
    });
    connection.sendData("last words\r\n");
    world.sendRaw("one\nquit\ntwo\n");
    ASSERT_TRUE(world.waitForClientGone());
    runEventsFor(100);
    EXPECT_EQ(texts(), (QList<QByteArray> { "one", "quit" }));
    EXPECT_EQ(events.count("disconnected"), 0);
    EXPECT_EQ(world.received(), "last words\r\n");
}

TEST_F(TcpConnectionLifecycle, ReconnectStartsAFreshSession)
{
    connectTo(world);
    world.sendRaw("bye\n\xff\xfa\x18 half a subnegotiation and half a line");
    world.closeClient();
    ASSERT_TRUE(waitForEvent("disconnected"));
    units.clear();
    events.clear();

    connectTo(world);
    world.sendRaw("hello again\n", 1);
    ASSERT_TRUE(waitForUnits(1));
    EXPECT_EQ(texts(), QList<QByteArray> { "hello again" });
    EXPECT_EQ(events, (QStringList { "connected", "data" }));
}

TEST_F(TcpConnectionLifecycle, SendWithoutAConnectionRaisesNotConnected)
{
    const auto send = [this] { connection.sendData("look\r\n"); };
    EXPECT_EQ(ErrorNumberOf(send), ErrorNumber::NotConnected) << "never connected";

    FakeWorldServer silent(FakeWorldServer::Mode::NeverAnswers);
    connection.setRemoteHost(FakeWorldServer::host());
    connection.setRemotePort(silent.port());
    connection.setConnected(true);
    EXPECT_EQ(ErrorNumberOf(send), ErrorNumber::NotConnected) << "still connecting";
    connection.setConnected(false);

    connectTo(world);
    world.closeClient();
    ASSERT_TRUE(waitForEvent("disconnected"));
    EXPECT_EQ(ErrorNumberOf(send), ErrorNumber::NotConnected) << "closed by the world";
}

TEST_F(TcpConnectionLifecycle, FailedAttemptsReportTheirNumbers)
{
    struct Case {
        QString host;
        quint16 port;
        int number;
    } cases[] = {
        { FakeWorldServer::host(), FakeWorldServer::refusedPort(), ErrorNumber::ConnectionRefused },
        // Qt rejects a name with blanks before asking any resolver, so this cannot wait on DNS.
        { QStringLiteral("no such host"), 4201, ErrorNumber::HostNotFound },
    };
    for (const Case& c : cases) {
        events.clear();
        connection.setRemoteHost(c.host);
        connection.setRemotePort(c.port);
        connection.setConnected(true);
        EXPECT_TRUE(events.isEmpty()) << "the attempt must finish after setConnected returns";
        ASSERT_TRUE(waitFor([this] { return !events.isEmpty(); })) << c.host.toStdString();
        EXPECT_EQ(events, QStringList { QStringLiteral("failed %1").arg(c.number) }) << c.host.toStdString();
        EXPECT_FALSE(failure.isEmpty());
        EXPECT_FALSE(connection.Connected());
    }
    // The connection is usable again after a failure.
    events.clear();
    connectTo(world);
    EXPECT_EQ(events, QStringList { "connected" });
}

TEST_F(TcpConnectionLifecycle, FailureKnownAtOnceStillComesAfterSetConnectedReturns)
{
    // With no descriptor left, the socket cannot even be made: Qt knows the failure inside
    // connectToHost.
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit exhausted = saved;
    exhausted.rlim_cur = rlim_t(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &exhausted), 0);
    connection.setRemoteHost(FakeWorldServer::host());
    connection.setRemotePort(world.port());
    connection.setConnected(true);
    ::setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_TRUE(events.isEmpty());
    ASSERT_TRUE(waitFor([this] { return !events.isEmpty(); }));
    EXPECT_EQ(events, QStringList { QStringLiteral("failed %1").arg(30000 + QAbstractSocket::SocketResourceError) });
    EXPECT_FALSE(connection.Connected());
}

TEST_F(TcpConnectionLifecycle, UnansweredConnectHangsUntilTheWorldAccepts)
{
    FakeWorldServer silent(FakeWorldServer::Mode::NeverAnswers);
    connection.setRemoteHost(FakeWorldServer::host());
    connection.setRemotePort(silent.port());
    connection.setLineTerminator("\n");
    connection.setConnected(true);
    runEventsFor(1500);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(connection.Connected());
    EXPECT_EQ(ErrorNumberOf([this] { connection.setConnected(true); }), ErrorNumber::ConnectInProgress);

    silent.acceptConnections();
    ASSERT_TRUE(waitForEvent("connected", 15000));
    ASSERT_TRUE(silent.waitForClients(1));
    silent.sendLine("at last");
    ASSERT_TRUE(waitForUnits(1));
    EXPECT_EQ(units.first().text, "at last\r");
}

TEST_F(TcpConnectionLifecycle, AbandonedAttemptRaisesNothing)
{
    FakeWorldServer silent(FakeWorldServer::Mode::NeverAnswers);
    connection.setRemoteHost(FakeWorldServer::host());
    connection.setRemotePort(silent.port());
    connection.setConnected(true);
    runEventsFor(200);
    connection.setConnected(false);
    silent.acceptConnections();
    runEventsFor(1500);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(TcpConnectionLifecycle, BadSettingsAreRefused)
{
    for (const int port : { 0, -1, 65536 })
        EXPECT_EQ(ErrorNumberOf([&] { connection.setRemotePort(port); }), ErrorNumber::TypeMismatch) << port;
    EXPECT_EQ(ErrorNumberOf([&] { connection.setConnected(true); }), ErrorNumber::TypeMismatch) << "no port yet";
    EXPECT_EQ(ErrorNumberOf([&] { connection.setLineTerminator("\r\n"); }), ErrorNumber::InvalidPropertyValue);
    EXPECT_EQ(ErrorNumberOf([&] { connection.setRemotePort(65535); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { connection.setRemotePort(1); }), 0);
}
