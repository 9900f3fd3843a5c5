// Throughput of a world's connection: 100 MB of MUSH-like lines (about 80 bytes, some with ANSI
// colour) sent over loopback by a sender thread, taken in by TcpConnection with terminator LF
// into a handler that counts them. For comparison, the same stream read by a plain QTcpSocket
// readAll loop and by a raw read() loop, which set the ceiling.
#include "platform/TcpConnection.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace lanthorn;

namespace {

constexpr qsizetype kCorpusBytes = 100 * 1000 * 1000;

// Deterministic MUSH traffic: says, poses, pages, channel lines (bold header), coloured emits.
QByteArray makeCorpus(qsizetype& lines)
{
    static const char* const kNames[] = { "Alice", "Bob", "Carol", "Dave", "Mallory", "Trent" };
    static const char* const kWords[] = { "the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "and", "then",
        "waves", "at", "everyone", "in", "room" };
    QByteArray corpus;
    corpus.reserve(kCorpusBytes + 256);
    std::uint32_t seed = 1;
    auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    lines = 0;
    while (corpus.size() < kCorpusBytes) {
        QByteArray words;
        for (int i = 0, n = 6 + int(next(8)); i < n; ++i) {
            words += kWords[next(std::size(kWords))];
            words += ' ';
        }
        words.chop(1);
        const char* const name = kNames[next(std::size(kNames))];
        switch (next(7)) {
        case 0:
            corpus += QByteArray("\x1b[1m[Public]\x1b[0m ") + name + " says, \"" + words + "\"\r\n";
            break;
        case 1:
            corpus += QByteArray(name) + " pages: " + words + "\r\n";
            break;
        case 2:
            corpus += QByteArray("\x1b[31m") + name + "\x1b[0m " + words + " \x1b[1m\x1b[32m" + words + "\x1b[0m\r\n";
            break;
        case 3:
            corpus += QByteArray(name) + ' ' + words + ", " + words + ".\r\n";
            break;
        default:
            corpus += QByteArray(name) + " says, \"" + words + ' ' + words + "\"\r\n";
            break;
        }
        ++lines;
    }
    return corpus;
}

const QByteArray& corpus(qsizetype* lines = nullptr)
{
    static qsizetype count = 0;
    static const QByteArray data = makeCorpus(count);
    if (lines)
        *lines = count;
    return data;
}

// Listens on 127.0.0.1, accepts one client on its own thread, writes the whole corpus as fast as
// the client takes it, and closes.
class LoopbackSender {
public:
    LoopbackSender()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(m_listener, 1) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            std::abort();
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            const int client = ::accept(m_listener, nullptr, nullptr);
            const QByteArray& data = corpus();
            for (qsizetype sent = 0; sent < data.size();) {
                const ssize_t n
                    = ::send(client, data.constData() + sent, std::size_t(data.size() - sent), MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += n;
            }
            ::close(client);
        });
    }
    ~LoopbackSender()
    {
        m_thread.join();
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

void report(benchmark::State& state, qsizetype lines)
{
    state.SetBytesProcessed(state.iterations() * corpus().size());
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["lines/s"] = benchmark::Counter(double(state.iterations() * lines), benchmark::Counter::kIsRate);
}

void BM_TcpConnectionLines(benchmark::State& state)
{
    qsizetype lines = 0;
    corpus(&lines);
    for (auto _ : state) {
        LoopbackSender sender;
        TcpConnection connection;
        qsizetype counted = 0;
        QEventLoop loop;
        QObject::connect(&connection, &TcpConnection::dataIn, [&](QByteArray& text, bool) {
            benchmark::DoNotOptimize(text.constData());
            ++counted;
        });
        QObject::connect(&connection, &TcpConnection::disconnectedEvent, &loop, &QEventLoop::quit);
        connection.setRemoteHost(QStringLiteral("127.0.0.1"));
        connection.setRemotePort(sender.port());
        connection.setLineTerminator("\n");
        connection.setConnected(true);
        loop.exec();
        if (counted != lines)
            state.SkipWithError("lines were lost");
    }
    report(state, lines);
}
BENCHMARK(BM_TcpConnectionLines)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_PlainQTcpSocketReadAll(benchmark::State& state)
{
    qsizetype lines = 0;
    corpus(&lines);
    for (auto _ : state) {
        LoopbackSender sender;
        QTcpSocket socket;
        qsizetype received = 0;
        QEventLoop loop;
        QObject::connect(&socket, &QIODevice::readyRead, [&] { received += socket.readAll().size(); });
        QObject::connect(&socket, &QAbstractSocket::disconnected, &loop, &QEventLoop::quit);
        socket.connectToHost(QStringLiteral("127.0.0.1"), sender.port());
        loop.exec();
        received += socket.readAll().size();
        if (received != corpus().size())
            state.SkipWithError("bytes were lost");
    }
    report(state, lines);
}
BENCHMARK(BM_PlainQTcpSocketReadAll)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_RawReadLoop(benchmark::State& state)
{
    qsizetype lines = 0;
    corpus(&lines);
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        LoopbackSender sender;
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(sender.port());
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            std::abort();
        qsizetype received = 0;
        for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
            received += n;
        ::close(fd);
        if (received != corpus().size())
            state.SkipWithError("bytes were lost");
    }
    report(state, lines);
}
BENCHMARK(BM_RawReadLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace
