#include "platform/TelnetFilter.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lanthorn {

namespace {

constexpr unsigned char kSe = 240;
constexpr unsigned char kSb = 250;
constexpr unsigned char kWill = 251;
constexpr unsigned char kWont = 252;
constexpr unsigned char kDo = 253;
constexpr unsigned char kDont = 254;
constexpr unsigned char kIacByte = 255;

} // namespace

qsizetype TelnetFilter::filterInPlace(char* data, qsizetype size)
{
    const char* in = data;
    const char* const end = data + size;
    char* out = data;
    while (in < end) {
        switch (m_state) {
        case State::Text: {
            // Text without IAC is the common case: find the next IAC with memchr and move the
            // run in one piece (nothing moves until the first command has been taken out).
            const auto* iac = static_cast<const char*>(std::memchr(in, kIacByte, std::size_t(end - in)));
            const char* const stop = iac ? iac : end;
            const auto run = std::size_t(stop - in);
            if (out != in)
                std::memmove(out, in, run);
            out += run;
            in = stop;
            if (iac) {
                ++in;
                m_state = State::Command;
            }
            break;
        }
        case State::Command: {
            const auto byte = static_cast<unsigned char>(*in++);
            if (byte == kIacByte) {
                *out++ = kIac;
                m_state = State::Text;
            } else {
                command(byte);
            }
            break;
        }
        case State::Option:
            option(m_verb, static_cast<unsigned char>(*in++));
            m_state = State::Text;
            break;
        case State::Subnegotiation: {
            const auto* iac = static_cast<const char*>(std::memchr(in, kIacByte, std::size_t(end - in)));
            const char* const stop = iac ? iac : end;
            const qsizetype room = kMaxSubnegotiation - m_subnegotiation.size();
            m_subnegotiation.append(in, std::min<qsizetype>(room, stop - in));
            in = stop;
            if (iac) {
                ++in;
                m_state = State::SubnegotiationCommand;
            }
            break;
        }
        case State::SubnegotiationCommand: {
            const auto byte = static_cast<unsigned char>(*in++);
            if (byte == kIacByte) {
                if (m_subnegotiation.size() < kMaxSubnegotiation)
                    m_subnegotiation.append(kIac);
                m_state = State::Subnegotiation;
            } else if (byte == kSe) {
                m_lastSubnegotiation.swap(m_subnegotiation);
                m_subnegotiation.clear();
                m_state = State::Text;
            } else {
                // A broken subnegotiation: it ends here and the pair is read as a command,
                // so that a server's mistake cannot swallow the rest of the session.
                m_subnegotiation.clear();
                command(byte);
            }
            break;
        }
        }
    }
    return out - data;
}

void TelnetFilter::command(unsigned char byte)
{
    switch (byte) {
    case kWill:
    case kWont:
    case kDo:
    case kDont:
        m_verb = byte;
        m_state = State::Option;
        break;
    case kSb:
        m_subnegotiation.clear();
        m_state = State::Subnegotiation;
        break;
    default:
        // GA, EOR, NOP, a stray SE and the rest: two-byte commands that carry nothing for us.
        m_state = State::Text;
        break;
    }
}

void TelnetFilter::option(unsigned char verb, unsigned char code)
{
    if (verb == kDo)
        reply(kWont, code);
    else if (verb == kWill)
        reply(kDont, code);
}

void TelnetFilter::reply(unsigned char verb, unsigned char code)
{
    const char bytes[] = { kIac, char(verb), char(code) };
    m_replies.append(bytes, sizeof bytes);
}

QByteArray TelnetFilter::feed(QByteArrayView bytes)
{
    QByteArray text(bytes.data(), bytes.size());
    text.truncate(filterInPlace(text.data(), text.size()));
    return text;
}

QByteArray TelnetFilter::takeReplies()
{
    return std::exchange(m_replies, {});
}

void TelnetFilter::reset()
{
    m_state = State::Text;
    m_verb = 0;
    m_subnegotiation.clear();
    m_lastSubnegotiation.clear();
    m_replies.clear();
}

QByteArray TelnetFilter::escape(const QByteArray& text)
{
    if (!text.contains(kIac))
        return text;
    QByteArray escaped;
    escaped.reserve(text.size() + text.count(kIac));
    for (const char c : text) {
        escaped.append(c);
        if (c == kIac)
            escaped.append(kIac);
    }
    return escaped;
}

} // namespace lanthorn
