#include "incoming/AnsiText.h"

namespace lanthorn {

PlainText DerivePlainText(const QByteArray& text)
{
    const char* data = text.constData();
    const qsizetype n = text.size();
    qsizetype e = FindEsc(text, 0);
    if (e == n)
        return { text, n };

    PlainText result;
    result.plain.reserve(n);
    qsizetype p = 0;
    while (e < n) {
        result.plain.append(data + p, e - p);
        const qsizetype end = EscapeSequenceEnd(text, e);
        if (end < 0) {
            result.complete = e;
            return result;
        }
        p = end;
        e = FindEsc(text, p);
    }
    result.plain.append(data + p, n - p);
    result.complete = n;
    return result;
}

} // namespace lanthorn
