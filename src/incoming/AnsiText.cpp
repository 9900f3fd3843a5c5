#include "incoming/AnsiText.h"

#include <cstring>

namespace lanthorn {

PlainText DerivePlainText(const QByteArray& text)
{
    const char* data = text.constData();
    const qsizetype n = text.size();
    const void* firstEsc = std::memchr(data, Ctl::Esc, std::size_t(n));
    if (!firstEsc)
        return { text, n };

    PlainText result;
    result.plain.reserve(n);
    qsizetype p = 0;
    qsizetype e = static_cast<const char*>(firstEsc) - data;
    while (e >= 0) {
        result.plain.append(data + p, e - p);
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0) {
            result.complete = e;
            return result;
        }
        p = end;
        const void* next = p < n ? std::memchr(data + p, Ctl::Esc, std::size_t(n - p)) : nullptr;
        e = next ? static_cast<const char*>(next) - data : -1;
    }
    result.plain.append(data + p, n - p);
    result.complete = n;
    return result;
}

} // namespace lanthorn
