#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <memory>
#include <vector>

class QTcpSocket;

namespace lanthorn::testing {

/// A scripted world for network tests, listening on 127.0.0.1 on a port the system chose.
///
/// Clients are numbered 0, 1, ... in the order they connected (a connection that has closed
/// keeps its number). Every wait runs the event loop and gives up after a timeout, returning
/// false, so a test fails instead of hanging.
///
///     FakeWorldServer world;
///     connection.setRemoteHost(FakeWorldServer::host());
///     connection.setRemotePort(world.port());
///     connection.setConnected(true);
///     ASSERT_TRUE(world.waitForClients(1));
///     world.sendLine("Welcome!");
///     ASSERT_TRUE(world.waitForReceived("connect Alice alicepw\r\n"));
class FakeWorldServer : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Answers,
        /// Connects hang: the listen queue is kept full, so a client's connection request is
        /// dropped and its connect neither succeeds nor fails until acceptConnections().
        NeverAnswers,
    };

    explicit FakeWorldServer(Mode mode = Mode::Answers, QObject* parent = nullptr);
    ~FakeWorldServer() override;

    static QString host() { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_server.serverPort(); }

    /// Ends the NeverAnswers mode: waiting and later connects are accepted (a waiting client
    /// gets in at its next connection retry, within a few seconds).
    void acceptConnections();

    /// A port on 127.0.0.1 on which nothing listens: connecting to it is refused at once.
    static quint16 refusedPort();

    int clientCount() const { return int(m_clients.size()); }
    bool waitForClients(int count = 1, int milliseconds = 5000);
    bool isClientConnected(int client = 0) const;
    /// Waits until the client has closed its side (or was closed by closeClient).
    bool waitForClientGone(int client = 0, int milliseconds = 5000);

    void sendRaw(const QByteArray& bytes, int client = 0);
    /// Sends the line followed by CR LF, as worlds end their lines.
    void sendLine(const QByteArray& line, int client = 0);
    /// Bytes given to sendRaw/sendLine that the client has not taken yet (TCP flow control
    /// holds them back while the client does not read).
    qint64 unsentBytes(int client = 0) const;

    /// Everything the client sent so far (since the last clearReceived).
    QByteArray received(int client = 0) const;
    bool waitForReceived(const QByteArray& text, int client = 0, int milliseconds = 5000);
    void clearReceived(int client = 0);

    /// False makes the world stop reading from the client: what the client sends then piles up
    /// in the network until TCP flow control holds the client back. True reads again.
    void setReading(bool reading, int client = 0);

    /// Closes the connection after everything sent to it has gone out.
    void closeClient(int client = 0);

private:
    struct Client {
        QTcpSocket* socket = nullptr;
        QByteArray received;
        bool open = true;
        bool reading = true;
    };

    void acceptPending();
    Client* client(int index) const;
    void fillListenQueue();

    QTcpServer m_server;
    std::vector<std::unique_ptr<Client>> m_clients;
    std::vector<int> m_fillers; // descriptors of the connections that keep the queue full
    QList<quint16> m_fillerPorts;
};

} // namespace lanthorn::testing
