#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <cstring>

namespace lanthorn {

/// Appends to a QByteArray through a pointer: room is made in large steps instead of once per
/// piece, and the array is cut to what was written by finish() (or when the appender ends).
class ByteAppender {
public:
    enum class Start { AfterContents, Empty };

    /// Appends after the array's current contents, or to the emptied array, with room made for
    /// `expected` more bytes.
    ByteAppender(QByteArray& out, qsizetype expected, Start start = Start::AfterContents)
        : m_out(out)
        , m_used(start == Start::Empty ? 0 : out.size())
    {
        m_out.resize(m_used + expected);
    }
    ~ByteAppender() { finish(); }
    ByteAppender(const ByteAppender&) = delete;
    ByteAppender& operator=(const ByteAppender&) = delete;

    ByteAppender& append(const char* data, qsizetype size)
    {
        if (size > 0) {
            copy(room(size), data, size);
            m_used += size;
        }
        return *this;
    }
    ByteAppender& append(QByteArrayView bytes) { return append(bytes.data(), bytes.size()); }
    ByteAppender& append(qsizetype count, char c)
    {
        if (count > 0) {
            std::memset(room(count), c, std::size_t(count));
            m_used += count;
        }
        return *this;
    }

    qsizetype size() const { return m_used; }

    /// Empties the array (keeping its room) and appends from its start again.
    void restart() { m_used = 0; }

    /// Cuts the array to what was written; the appender may go on appending afterwards.
    QByteArray& finish()
    {
        if (m_out.size() != m_used)
            m_out.resize(m_used);
        return m_out;
    }

private:
    /// Most pieces are a few bytes (colour sequences, words): they are copied in place rather
    /// than by a call.
    static void copy(char* to, const char* from, qsizetype size)
    {
        if (size > 16) {
            std::memcpy(to, from, std::size_t(size));
        } else if (size >= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, from, 8);
            std::memcpy(&tail, from + size - 8, 8);
            std::memcpy(to, &head, 8);
            std::memcpy(to + size - 8, &tail, 8);
        } else if (size >= 4) {
            std::uint32_t head, tail;
            std::memcpy(&head, from, 4);
            std::memcpy(&tail, from + size - 4, 4);
            std::memcpy(to, &head, 4);
            std::memcpy(to + size - 4, &tail, 4);
        } else {
            to[0] = from[0];
            to[size / 2] = from[size / 2];
            to[size - 1] = from[size - 1];
        }
    }

    char* room(qsizetype size)
    {
        if (m_used + size > m_out.size())
            m_out.resize(qMax(m_out.size() * 2, m_used + size));
        return m_out.data() + m_used;
    }

    QByteArray& m_out;
    qsizetype m_used;
};

} // namespace lanthorn
