#pragma once

#include "platform/TelnetFilter.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace lanthorn {

/// The TCP connection of one world window (`IPPort1`): connects asynchronously, takes the telnet
/// commands out of what the world sends, and delivers the text on the event thread, one line per
/// `dataIn` (line terminator LF) or one chunk per arrival (empty terminator).
///
/// Delivery is bounded: one event-loop turn delivers at most kBatchUnits units or about
/// kBatchBytes bytes and then yields, so the program stays responsive during a flood; a line
/// longer than kMaxLine bytes comes in pieces of kMaxLine with endOfLine false. What has not
/// been delivered waits in the socket, whose read buffer is bounded, so TCP flow control holds
/// the sender back while the program is slow or has stopped accepting data.
///
/// Delivery is never re-entrant: while a `dataIn` handler runs (even one that spins a nested
/// event loop, as a modal message box does), the next unit waits until it has returned.
///
/// Closing: when the world closes the connection, the complete lines are delivered first, then
/// a trailing partial line (endOfLine false), then `disconnectedEvent`. setConnected(false) by
/// the program closes quietly: no data and no `disconnectedEvent` follow, since the program
/// already knows, and a window that is being released must not get the disconnection notice.
class TcpConnection : public QObject {
    Q_OBJECT
public:
    explicit TcpConnection(QObject* parent = nullptr);
    ~TcpConnection() override;

    /// True while the connection is up (not while connecting, nor after the world has closed it).
    bool Connected() const { return m_phase == Phase::Up; }

    /// True starts connecting to the host and port set before and returns at once; the outcome
    /// is `connectedEvent` or `connectFailed` (which never comes before setConnected returns).
    /// It raises ErrorNumber::ConnectInProgress while an attempt is under way and does nothing
    /// when already connected. False closes the connection (or abandons the attempt) without
    /// any further event.
    void setConnected(bool connected);

    QString remoteHost() const { return m_host; }
    void setRemoteHost(const QString& host) { m_host = host; }

    /// The port, 1 to 65535; any other value raises ErrorNumber::TypeMismatch, which the
    /// program answers by asking the user to check the host and port.
    int remotePort() const { return m_port; }
    void setRemotePort(int port);

    /// LF: one `dataIn` per line, without the LF (CRs stay), endOfLine true. Empty: one `dataIn`
    /// per arrival of bytes, with endOfLine false. Any single byte works as a terminator; a
    /// longer text raises ErrorNumber::InvalidPropertyValue.
    QByteArray lineTerminator() const { return m_terminator; }
    void setLineTerminator(const QByteArray& terminator);

    /// False stops delivering `dataIn` (and reading the socket); true delivers what waited, in order.
    bool acceptData() const { return m_acceptData; }
    void setAcceptData(bool accept);

    /// Switch 4 turns on TCP keep-alive for the connections made afterwards, so that a link to a
    /// world that vanished without closing it is found dead in the end instead of looking up
    /// forever.
    bool switch4() const { return m_switch4; }
    void setSwitch4(bool on) { m_switch4 = on; }

    /// Sends the text at once, unchanged except that every 0xFF byte goes as IAC IAC. Raises
    /// ErrorNumber::NotConnected when the connection is not up.
    void sendData(const QByteArray& text);

    /// Received bytes not yet delivered (ours and the socket's read buffer): bounded by
    /// kMaxLine + kReadChunk + kSocketReadBuffer whatever the world sends.
    qsizetype bufferedBytes() const;

    static constexpr qsizetype kMaxLine = 1 << 20;
    static constexpr qsizetype kReadChunk = 64 * 1024;
    static constexpr qsizetype kSocketReadBuffer = 256 * 1024;
    static constexpr int kBatchUnits = 512;
    static constexpr qsizetype kBatchBytes = 64 * 1024;
    /// Telnet replies are not read for while this much waits to be sent: a world that floods
    /// requests but does not read its answers is held back instead of filling our memory.
    static constexpr qint64 kMaxUnsentBytes = 1 << 20;

signals:
    void connectedEvent();
    /// One line or chunk; the handler may change or empty the text.
    void dataIn(QByteArray& text, bool endOfLine);
    void disconnectedEvent();
    /// A connect attempt failed; the number is one of ErrorNumber's (see socketErrorNumber).
    void connectFailed(int errorNumber, const QString& description);

private:
    enum class Phase { Idle, Connecting, Up, Draining };

    void onSocketConnected();
    void onSocketError();
    void onSocketDisconnected();
    void schedule();
    void pump();
    bool takeUnit(qsizetype& length, bool& endOfLine);
    bool readMore();
    void deliver(qsizetype length, bool endOfLine);
    void finishDraining();
    void dropSocket();

    QTcpSocket* m_socket = nullptr;
    Phase m_phase = Phase::Idle;
    quint64 m_generation = 0; // changes whenever a connection starts or ends
    TelnetFilter m_telnet;
    QTimer m_pumpTimer;

    // Filtered text not yet delivered starts at m_pos; the first m_scanned bytes of it are known
    // to hold no terminator.
    QByteArray m_text;
    qsizetype m_pos = 0;
    qsizetype m_scanned = 0;
    QByteArray m_unit;
    bool m_starting = false; // inside connectToHost
    bool m_delivering = false;
    bool m_waitingForWrites = false;

    QString m_host;
    int m_port = 0;
    QByteArray m_terminator;
    bool m_acceptData = true;
    bool m_switch4 = false;
};

} // namespace lanthorn
