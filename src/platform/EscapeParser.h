#pragma once

#include <QtGlobal>
#include <array>

namespace lanthorn {

/// Cuts a stream of bytes into text, control characters and control sequences (ESC "[" ...).
/// A sequence cut off at the end of one call carries on at the front of the next. The state is
/// a fixed size whatever arrives: numbers are clamped and parameters beyond the limit dropped.
/// Other escape sequences (OSC and the other strings, ESC with one character, ...) are consumed
/// without a trace.
class EscapeParser {
public:
    static constexpr int kMaxParameters = 32;
    static constexpr int kMaxValue = 65535;

    /// A control sequence: ESC "[" [private marker] parameters [intermediate] final.
    struct Sequence {
        /// Parameter values; -1 where a parameter was left empty.
        std::array<int, kMaxParameters> values {};
        /// Whether a parameter was joined to the one before it by ":" (a sub-parameter).
        std::array<bool, kMaxParameters> isSub {};
        int count = 0;
        char privateMarker = 0;
        char intermediate = 0;
        char final = 0;

        /// Parameter i, with empty and missing parameters as 0.
        int value(int i) const { return i < count && values[i] >= 0 ? values[i] : 0; }
    };

    class Receiver {
    public:
        /// Bytes to show: everything but ESC, DEL and the C0 control characters (bytes from
        /// 0x80 on included; decoding them is the receiver's business).
        virtual void text(const char* bytes, qsizetype size) = 0;
        /// A C0 control character other than ESC (LF, CR, TAB, BEL, ...).
        virtual void control(char byte) = 0;
        virtual void sequence(const Sequence& sequence) = 0;

    protected:
        ~Receiver() = default;
    };

    void feed(const char* data, qsizetype size, Receiver& receiver);

private:
    enum class State { Ground, Escape, EscapeIntermediate, Csi, CsiIgnore, String, StringEscape };

    void startSequence();
    void csiByte(unsigned char byte, Receiver& receiver);
    /// Handles a C0 control met inside a sequence: ESC, CAN and SUB end the sequence, the
    /// others act as they would outside it.
    void controlInside(unsigned char byte, Receiver& receiver);

    State m_state = State::Ground;
    Sequence m_sequence;
    bool m_overflow = false;
};

} // namespace lanthorn
