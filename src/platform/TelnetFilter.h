#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lanthorn {

/// Takes the telnet commands out of the byte stream of a world and answers the option
/// requests among them.
///
/// The filter is incremental: each arrival of bytes is fed as it comes, and a command cut
/// anywhere between two arrivals is finished by the next one. Every option is refused (DO gets
/// WONT, WILL gets DONT; DONT and WONT get no answer, so two peers can never loop). IAC IAC is
/// one 0xFF byte of text. Subnegotiations (IAC SB ... IAC SE) are removed whole; GA, EOR, NOP
/// and every other two-byte command are removed. All other bytes, NUL included, are text.
class TelnetFilter {
public:
    static constexpr char kIac = char(0xFF);

    /// Filters `size` bytes at `data` in place (the text never grows) and returns the length of
    /// the text left at the front of `data`.
    qsizetype filterInPlace(char* data, qsizetype size);

    /// Convenience form of filterInPlace: returns the text of the given bytes.
    QByteArray feed(QByteArrayView bytes);

    /// True when replies are waiting to be sent to the world.
    bool hasReplies() const { return !m_replies.isEmpty(); }

    /// The replies collected since the last call, in the order they were made.
    QByteArray takeReplies();

    /// The body of the last finished subnegotiation (the option code first, without IAC SB and
    /// IAC SE, IAC IAC undoubled), cut to kMaxSubnegotiation bytes.
    const QByteArray& lastSubnegotiation() const { return m_lastSubnegotiation; }

    /// Forgets any half-read command and pending replies (for a new connection).
    void reset();

    /// Text as it must go to the world: every 0xFF byte doubled to IAC IAC.
    static QByteArray escape(const QByteArray& text);

    /// The longest part of a subnegotiation that is kept; the rest is read and dropped, so a
    /// subnegotiation that never ends costs no memory.
    static constexpr qsizetype kMaxSubnegotiation = 1024;

private:
    enum class State : unsigned char { Text, Command, Option, Subnegotiation, SubnegotiationCommand };

    void command(unsigned char byte);
    void option(unsigned char verb, unsigned char code);
    void reply(unsigned char verb, unsigned char code);

    State m_state = State::Text;
    unsigned char m_verb = 0;
    QByteArray m_subnegotiation;
    QByteArray m_lastSubnegotiation;
    QByteArray m_replies;
};

} // namespace lanthorn
