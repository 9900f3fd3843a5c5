#include "platform/TcpConnection.h"

#include "core/LanthornError.h"
#include "platform/SocketErrorNumber.h"

#include <QScopedValueRollback>
#include <QTcpSocket>
#include <algorithm>
#include <cstring>

namespace lanthorn {

namespace {

// How long a connection the program closed may take to hand its last sent bytes to the
// network before it is cut.
constexpr int kCloseGraceMs = 5000;

} // namespace

TcpConnection::TcpConnection(QObject* parent)
    : QObject(parent)
{
    m_pumpTimer.setSingleShot(true);
    m_pumpTimer.setInterval(0);
    connect(&m_pumpTimer, &QTimer::timeout, this, &TcpConnection::pump);
}

TcpConnection::~TcpConnection() = default;

void TcpConnection::setRemotePort(int port)
{
    if (port < 1 || port > 65535)
        throw LanthornError(
            ErrorNumber::TypeMismatch, QStringLiteral("Invalid port number %1").arg(port), objectName());
    m_port = port;
}

void TcpConnection::setLineTerminator(const QByteArray& terminator)
{
    if (terminator.size() > 1)
        throw LanthornError(ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid line terminator"), objectName());
    m_terminator = terminator;
    m_scanned = 0;
    if (!m_terminator.isEmpty())
        schedule();
}

void TcpConnection::setAcceptData(bool accept)
{
    m_acceptData = accept;
    if (accept)
        schedule();
}

void TcpConnection::setConnected(bool connected)
{
    if (!connected) {
        dropSocket();
        return;
    }
    if (m_phase == Phase::Up)
        return;
    if (m_phase == Phase::Connecting)
        throw LanthornError(
            ErrorNumber::ConnectInProgress, QStringLiteral("Operation already in progress"), objectName());
    if (m_port < 1)
        throw LanthornError(ErrorNumber::TypeMismatch, QStringLiteral("No port number given"), objectName());
    dropSocket(); // what is left of a connection the world closed

    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(kSocketReadBuffer);
    connect(m_socket, &QAbstractSocket::connected, this, &TcpConnection::onSocketConnected);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &TcpConnection::onSocketError);
    connect(m_socket, &QAbstractSocket::disconnected, this, &TcpConnection::onSocketDisconnected);
    connect(m_socket, &QIODevice::readyRead, this, &TcpConnection::schedule);
    connect(m_socket, &QIODevice::bytesWritten, this, [this] {
        if (m_waitingForWrites)
            schedule();
    });
    m_phase = Phase::Connecting;
    ++m_generation;
    QScopedValueRollback starting(m_starting, true);
    m_socket->connectToHost(m_host, quint16(m_port));
}

void TcpConnection::onSocketConnected()
{
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, m_switch4 ? 1 : 0);
    m_phase = Phase::Up;
    emit connectedEvent();
}

void TcpConnection::onSocketError()
{
    // Errors of a connection that is up end in `disconnected`; only a failed attempt is reported.
    if (m_phase != Phase::Connecting)
        return;
    const QString description = m_socket->errorString();
    const int number = socketErrorNumber(m_socket->error(), description);
    dropSocket();
    if (!m_starting) {
        emit connectFailed(number, description);
        return;
    }
    // Some failures (no descriptor left, an unreachable network) are known before connectToHost
    // returns; the caller of setConnected still gets them as an event afterwards, unless it has
    // started another attempt or given up by then.
    QMetaObject::invokeMethod(
        this,
        [this, number, description, generation = m_generation] {
            if (generation == m_generation)
                emit connectFailed(number, description);
        },
        Qt::QueuedConnection);
}

void TcpConnection::onSocketDisconnected()
{
    if (m_phase != Phase::Up)
        return;
    m_phase = Phase::Draining;
    schedule();
}

void TcpConnection::sendData(const QByteArray& text)
{
    if (m_phase != Phase::Up)
        throw LanthornError(ErrorNumber::NotConnected, QStringLiteral("Socket is not connected"), objectName());
    m_socket->write(TelnetFilter::escape(text));
    m_socket->flush();
}

qsizetype TcpConnection::bufferedBytes() const
{
    return m_text.size() - m_pos + (m_socket ? m_socket->bytesAvailable() : 0);
}

void TcpConnection::schedule()
{
    if (!m_pumpTimer.isActive())
        m_pumpTimer.start();
}

void TcpConnection::pump()
{
    if (m_delivering || !m_acceptData)
        return;
    if (m_phase != Phase::Up && m_phase != Phase::Draining)
        return;
    const quint64 generation = m_generation;
    int units = 0;
    qsizetype bytes = 0;
    while (units < kBatchUnits && bytes < kBatchBytes) {
        qsizetype length = 0;
        bool endOfLine = false;
        if (!takeUnit(length, endOfLine)) {
            if (readMore())
                continue;
            if (m_phase == Phase::Draining && m_socket->bytesAvailable() == 0)
                finishDraining();
            return; // the socket's readyRead or bytesWritten brings us back
        }
        deliver(length, endOfLine);
        if (generation != m_generation || !m_acceptData)
            return;
        ++units;
        bytes += length;
    }
    schedule();
}

bool TcpConnection::takeUnit(qsizetype& length, bool& endOfLine)
{
    const qsizetype available = m_text.size() - m_pos;
    if (available == 0)
        return false;
    if (m_terminator.isEmpty()) {
        length = available;
        endOfLine = false;
        return true;
    }
    // A line may be kMaxLine bytes long plus its terminator; a longer run goes in pieces.
    const char* const start = m_text.constData() + m_pos;
    const qsizetype limit = std::min(available, kMaxLine + 1);
    const auto* found = static_cast<const char*>(
        std::memchr(start + m_scanned, m_terminator.front(), std::size_t(limit - m_scanned)));
    if (found) {
        length = found - start;
        endOfLine = true;
        return true;
    }
    if (available > kMaxLine) {
        length = kMaxLine;
        endOfLine = false;
        return true;
    }
    m_scanned = limit;
    return false;
}

bool TcpConnection::readMore()
{
    if (!m_socket || m_socket->bytesAvailable() == 0)
        return false;
    const bool up = m_phase == Phase::Up; // after the world closed, answers cannot go anywhere
    m_waitingForWrites = up && m_socket->bytesToWrite() > kMaxUnsentBytes;
    if (m_waitingForWrites)
        return false;

    // Move the undelivered rest (a partial line) to the front, then read behind it.
    const qsizetype rest = m_text.size() - m_pos;
    if (m_pos > 0) {
        if (rest > 0)
            std::memmove(m_text.data(), m_text.constData() + m_pos, std::size_t(rest));
        m_text.resize(rest);
        m_pos = 0;
    }
    m_text.resize(rest + kReadChunk);
    const qint64 got = std::max<qint64>(0, m_socket->read(m_text.data() + rest, kReadChunk));
    m_text.resize(rest + m_telnet.filterInPlace(m_text.data() + rest, qsizetype(got)));
    const QByteArray replies = m_telnet.takeReplies();
    if (up && !replies.isEmpty()) {
        m_socket->write(replies);
        m_socket->flush();
    }
    return got > 0;
}

void TcpConnection::deliver(qsizetype length, bool endOfLine)
{
    // The unit is copied out (its buffer is reused while the handler keeps no copy of it), and
    // taken off the queue before the handler runs, which may close the connection.
    m_unit.resize(length);
    std::memcpy(m_unit.data(), m_text.constData() + m_pos, std::size_t(length));
    m_pos += length + (endOfLine ? 1 : 0);
    m_scanned = 0;
    QScopedValueRollback guard(m_delivering, true);
    emit dataIn(m_unit, endOfLine);
}

void TcpConnection::finishDraining()
{
    const quint64 generation = m_generation;
    const qsizetype rest = m_text.size() - m_pos;
    if (rest > 0) {
        deliver(rest, false);
        if (generation != m_generation)
            return;
    }
    dropSocket();
    emit disconnectedEvent();
}

void TcpConnection::dropSocket()
{
    m_pumpTimer.stop();
    m_text.clear();
    m_pos = 0;
    m_scanned = 0;
    m_waitingForWrites = false;
    m_telnet.reset();
    m_phase = Phase::Idle;
    ++m_generation;
    QTcpSocket* const socket = std::exchange(m_socket, nullptr);
    if (!socket)
        return;
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        // Let what the program sent last reach the world, but not for ever.
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kCloseGraceMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    } else {
        socket->abort();
        socket->deleteLater();
    }
}

} // namespace lanthorn
