#include "platform/EscapeParser.h"

namespace lanthorn {

namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr unsigned char kBel = 0x07;
constexpr unsigned char kLf = 0x0A;
constexpr unsigned char kCan = 0x18;
constexpr unsigned char kSub = 0x1A;
constexpr unsigned char kDel = 0x7F;

constexpr bool isShown(unsigned char byte)
{
    return byte >= 0x20 && byte != kDel;
}

} // namespace

void EscapeParser::startSequence()
{
    m_sequence.values.fill(-1);
    m_sequence.isSub.fill(false);
    m_sequence.count = 0;
    m_sequence.privateMarker = 0;
    m_sequence.intermediate = 0;
    m_sequence.final = 0;
    m_overflow = false;
}

void EscapeParser::controlInside(unsigned char byte, Receiver& receiver)
{
    switch (byte) {
    case kEsc:
        m_state = State::Escape;
        break;
    case kCan:
    case kSub:
        m_state = State::Ground;
        break;
    default:
        // As on a real terminal, other control characters act even in the middle of a sequence.
        receiver.control(char(byte));
        break;
    }
}

void EscapeParser::csiByte(unsigned char byte, Receiver& receiver)
{
    Sequence& s = m_sequence;
    if (byte >= '0' && byte <= '9') {
        if (m_state == State::CsiIgnore || m_overflow)
            return;
        if (s.intermediate) {
            m_state = State::CsiIgnore;
            return;
        }
        if (s.count == 0)
            s.count = 1;
        int& value = s.values[std::size_t(s.count - 1)];
        value = value < 0 ? byte - '0' : qMin(value * 10 + (byte - '0'), kMaxValue);
    } else if (byte == ';' || byte == ':') {
        if (m_state == State::CsiIgnore)
            return;
        if (s.intermediate) {
            m_state = State::CsiIgnore;
            return;
        }
        if (s.count == 0)
            s.count = 1;
        if (s.count < kMaxParameters) {
            s.isSub[std::size_t(s.count)] = byte == ':';
            ++s.count;
        } else {
            m_overflow = true;
        }
    } else if (byte >= 0x3C && byte <= 0x3F) {
        if (s.count == 0 && !s.privateMarker && !s.intermediate)
            s.privateMarker = char(byte);
        else
            m_state = State::CsiIgnore;
    } else if (byte >= 0x20 && byte <= 0x2F) {
        s.intermediate = char(byte);
    } else if (byte >= 0x40 && byte <= 0x7E) {
        const bool dispatch = m_state == State::Csi;
        m_state = State::Ground;
        s.final = char(byte);
        if (dispatch)
            receiver.sequence(s);
    }
}

void EscapeParser::feed(const char* data, qsizetype size, Receiver& receiver)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* const end = p + size;
    while (p < end) {
        if (m_state == State::Ground) {
            const auto* run = p;
            while (p < end && isShown(*p))
                ++p;
            if (p > run)
                receiver.text(reinterpret_cast<const char*>(run), p - run);
            if (p == end)
                break;
            const unsigned char byte = *p++;
            if (byte == kEsc)
                m_state = State::Escape;
            else if (byte != kDel)
                receiver.control(char(byte));
            continue;
        }

        const unsigned char byte = *p;
        if (byte >= 0x80 && m_state != State::String) {
            // Not part of any sequence: the sequence ends and the byte is text again.
            m_state = State::Ground;
            continue;
        }
        ++p;
        switch (m_state) {
        case State::Ground:
            break;
        case State::Escape:
            if (byte < 0x20) {
                controlInside(byte, receiver);
            } else if (byte == '[') {
                startSequence();
                m_state = State::Csi;
            } else if (byte == ']' || byte == 'P' || byte == 'X' || byte == '^' || byte == '_') {
                m_state = State::String;
            } else if (byte >= 0x20 && byte <= 0x2F) {
                m_state = State::EscapeIntermediate;
            } else if (byte != kDel) {
                m_state = State::Ground;
            }
            break;
        case State::EscapeIntermediate:
            if (byte < 0x20)
                controlInside(byte, receiver);
            else if (byte >= 0x30 && byte != kDel)
                m_state = State::Ground;
            break;
        case State::Csi:
        case State::CsiIgnore:
            if (byte < 0x20)
                controlInside(byte, receiver);
            else if (byte != kDel)
                csiByte(byte, receiver);
            break;
        case State::String:
            // Strings end at BEL or ESC "\"; a line feed ends them too, so that a stray string
            // opener cannot swallow all further text of a world.
            if (byte == kBel || byte == kCan || byte == kSub) {
                m_state = State::Ground;
            } else if (byte == kEsc) {
                m_state = State::StringEscape;
            } else if (byte == kLf) {
                m_state = State::Ground;
                receiver.control(char(byte));
            }
            break;
        case State::StringEscape:
            if (byte == '\\') {
                m_state = State::Ground;
            } else {
                // ESC followed by anything else ends the string and starts a new escape.
                m_state = State::Escape;
                --p;
            }
            break;
        }
    }
}

} // namespace lanthorn
