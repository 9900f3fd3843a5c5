#pragma once

#include <QString>
#include <array>

namespace lanthorn {

/// Turns received bytes into text to show: UTF-8 where the bytes are valid UTF-8, Latin-1 byte
/// by byte where they are not. A UTF-8 sequence cut off at the end of one piece is kept (at
/// most three bytes) and decoded whole with the next piece. C1 control characters (U+0080 to
/// U+009F, whether from UTF-8 or Latin-1) are dropped: they have no picture.
class TextDecoder {
public:
    /// Appends the text of the bytes to `out`.
    void decode(const char* bytes, qsizetype size, QString& out);
    /// The text was interrupted: a kept partial sequence is shown as Latin-1.
    void flush(QString& out);
    bool hasPending() const { return m_pendingCount > 0; }

private:
    std::array<unsigned char, 4> m_pending {};
    int m_pendingCount = 0;
};

} // namespace lanthorn
