// A world floods the program end to end: a sender thread writes MUSH lines into a loopback
// socket as fast as the socket takes them, and the program (the real shell with its world
// window, connection, line chain and terminal display, offscreen) shows them. The flood ends
// with "BENCH-END <token>", which a trigger answers with "bench-done <token>"; the time runs
// from the connect to that answer. While the flood runs, a 1 ms timer measures how long the
// event loop is ever kept from other work (key presses wait at most that long).
// Arg 0: only the answering trigger; 1: with the lists of gags, triggers and hilites; 2: the
// lists and a log of the world.
#include "BenchLists.h"
#include "MushCorpus.h"
#include "QuietServices.h"
#include "core/Program.h"
#include "log/LogCommands.h"
#include "shell/Shell.h"
#include "worlds/ConnectionLifecycle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace lanthorn;
using lanthorn::bench::QuietServices;

namespace {

constexpr int kLines = 200000;

const QByteArray& floodText()
{
    static const QByteArray text = [] {
        QByteArray all;
        for (QByteArray line : bench::MakeMushCorpus(kLines)) {
            line.chop(1); // the corpus lines end in CR; the world sends CR LF
            all += line + "\r\n";
        }
        return all + "BENCH-END 4711\r\n";
    }();
    return text;
}

/// A world on 127.0.0.1 that sends the flood to the first client and waits for its answer.
class FloodWorld {
public:
    FloodWorld()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 1);
        socklen_t length = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { run(); });
    }
    ~FloodWorld()
    {
        m_thread.join();
        ::close(m_listener);
    }
    int port() const { return m_port; }
    bool answered() const { return m_answered; }

private:
    void run()
    {
        const int client = ::accept(m_listener, nullptr, nullptr);
        const QByteArray& text = floodText();
        for (qsizetype sent = 0; sent < text.size();) {
            const ssize_t n = ::send(client, text.constData() + sent, size_t(text.size() - sent), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += n;
        }
        QByteArray received;
        char buffer[4096];
        while (!received.contains("bench-done 4711")) {
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            received.append(buffer, n);
        }
        m_answered = true;
        ::close(client);
    }

    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_answered { false };
};

void BM_FloodIntoTheDisplay(benchmark::State& state)
{
    const bool lists = state.range(0) >= 1;
    const bool logged = state.range(0) >= 2;
    floodText();
    qint64 worstGap = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        QuietServices services;
        Program program(dir.path(), services);
        program.WriteIniString("Settings", "Version", kVersionText);
        FloodWorld world;
        program.WriteIniString("Sites", "Total", "1");
        program.WriteIniString("Sites", "Site0", "Bench");
        program.WriteIniString("Bench", "Host", "127.0.0.1");
        program.WriteIniString("Bench", "Port", QString::number(world.port()));
        program.WriteIniString("Bench", "UserId", "bench");
        program.WriteIniString("Bench", "Password", "bench");
        program.WriteIniString("Bench", "WordWrap", "True");
        program.WriteIniString("Bench", "WrapAt", "80");
        bench::WriteBenchLists(program, lists);
        Shell shell(program, services, QString(), [] {});
        shell.start();

        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        qint64 gap = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] { gap = std::max(gap, sinceTick.restart()); });
        clock.start();
        sinceTick.start();
        ticker.start();
        shell.lifecycle().ConnectByName("bench");
        if (logged)
            shell.logging().writer().BeginLog(program.state.CurrentWorld, dir.filePath(QStringLiteral("flood.log")));
        while (!world.answered())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        worstGap = std::max(worstGap, gap);
    }
    state.counters["lines/s"] = benchmark::Counter(double(kLines), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["longest_busy_ms"] = double(worstGap);
}
BENCHMARK(BM_FloodIntoTheDisplay)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
