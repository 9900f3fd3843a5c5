#include "FakeWorldServer.h"

#include "EventLoop.h"

#include <QTcpSocket>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lanthorn::testing {

namespace {

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

quint16 localPort(int fd)
{
    sockaddr_in address {};
    socklen_t size = sizeof address;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}

} // namespace

FakeWorldServer::FakeWorldServer(Mode mode, QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FakeWorldServer::acceptPending);
    if (mode == Mode::NeverAnswers)
        m_server.setListenBacklogSize(0);
    if (!m_server.listen(QHostAddress::LocalHost, 0)) {
        ADD_FAILURE() << "fake world cannot listen: " << m_server.errorString().toStdString();
        return;
    }
    if (mode == Mode::NeverAnswers) {
        m_server.pauseAccepting();
        fillListenQueue();
    }
}

FakeWorldServer::~FakeWorldServer()
{
    for (const int fd : m_fillers)
        ::close(fd);
}

void FakeWorldServer::fillListenQueue()
{
    // With a listen backlog of 0 the kernel queues one finished handshake and drops further
    // connection requests while nobody accepts. Connect until one request hangs: from then on
    // the queue is full and every client's connect hangs too.
    constexpr int kMaxFillers = 8;
    for (int i = 0; i < kMaxFillers; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (fd < 0)
            break;
        m_fillers.push_back(fd);
        const sockaddr_in address = loopback(port());
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        m_fillerPorts.append(localPort(fd));
        pollfd waiting { fd, POLLOUT, 0 };
        if (::poll(&waiting, 1, 300) == 0)
            return;
    }
    ADD_FAILURE() << "fake world could not fill its listen queue; connects will not hang";
}

void FakeWorldServer::acceptConnections()
{
    for (const int fd : m_fillers)
        ::close(fd);
    m_fillers.clear();
    m_server.resumeAccepting();
}

quint16 FakeWorldServer::refusedPort()
{
    // A socket bound to the port but never listening keeps the port taken (no other program
    // can start listening there) and makes every connect to it refused. It lives as long as
    // the test program.
    static const quint16 port = [] {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = loopback(0);
        if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            return quint16(0);
        return localPort(fd);
    }();
    return port;
}

void FakeWorldServer::acceptPending()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        if (m_fillerPorts.contains(socket->peerPort())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto& client = m_clients.emplace_back(std::make_unique<Client>());
        client->socket = socket;
        Client* const raw = client.get();
        connect(socket, &QIODevice::readyRead, this, [raw] {
            if (raw->reading)
                raw->received += raw->socket->readAll();
        });
        connect(socket, &QAbstractSocket::disconnected, this, [raw] { raw->open = false; });
    }
}

FakeWorldServer::Client* FakeWorldServer::client(int index) const
{
    if (index < 0 || index >= clientCount()) {
        ADD_FAILURE() << "the fake world has no client " << index << " (it has " << clientCount() << ")";
        return nullptr;
    }
    return m_clients[std::size_t(index)].get();
}

bool FakeWorldServer::waitForClients(int count, int milliseconds)
{
    return waitFor([&] { return clientCount() >= count; }, milliseconds);
}

bool FakeWorldServer::isClientConnected(int index) const
{
    const Client* const c = client(index);
    return c && c->open;
}

bool FakeWorldServer::waitForClientGone(int index, int milliseconds)
{
    const Client* const c = client(index);
    return c && waitFor([c] { return !c->open; }, milliseconds);
}

void FakeWorldServer::sendRaw(const QByteArray& bytes, int index)
{
    if (Client* const c = client(index)) {
        c->socket->write(bytes);
        c->socket->flush();
    }
}

void FakeWorldServer::sendLine(const QByteArray& line, int index)
{
    sendRaw(line + "\r\n", index);
}

qint64 FakeWorldServer::unsentBytes(int index) const
{
    const Client* const c = client(index);
    return c ? c->socket->bytesToWrite() : 0;
}

QByteArray FakeWorldServer::received(int index) const
{
    const Client* const c = client(index);
    return c ? c->received : QByteArray();
}

bool FakeWorldServer::waitForReceived(const QByteArray& text, int index, int milliseconds)
{
    const Client* const c = client(index);
    return c && waitFor([&] { return c->received.contains(text); }, milliseconds);
}

void FakeWorldServer::clearReceived(int index)
{
    if (Client* const c = client(index))
        c->received.clear();
}

void FakeWorldServer::setReading(bool reading, int index)
{
    Client* const c = client(index);
    if (!c)
        return;
    c->reading = reading;
    // A small read buffer that nobody empties stops Qt from taking more from the network.
    c->socket->setReadBufferSize(reading ? 0 : 4096);
    if (reading)
        c->received += c->socket->readAll();
}

void FakeWorldServer::closeClient(int index)
{
    if (Client* const c = client(index))
        c->socket->disconnectFromHost();
}

} // namespace lanthorn::testing
