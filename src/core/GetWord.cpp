#include "core/GetWord.h"

namespace lanthorn {

namespace {

template <typename Text> Text wordOf(const Text& text, int n)
{
    const qsizetype blanks = text.count(' ');
    if (n == 0)
        return Text::number(blanks + 1);
    if (blanks == 0 || n < 0 || n > blanks + 1)
        return text;

    // Start after the (n-1)-th blank; word n ends after the n-th blank (kept), or at the end.
    qsizetype start = 0;
    for (int i = 1; i < n; ++i)
        start = text.indexOf(' ', start) + 1;
    if (n == 1)
        return text.left(text.indexOf(' '));
    const qsizetype next = text.indexOf(' ', start);
    return next < 0 ? text.mid(start) : text.mid(start, next - start + 1);
}

} // namespace

QString GetWord(const QString& text, int n)
{
    return wordOf(text, n);
}
QByteArray GetWord(const QByteArray& text, int n)
{
    return wordOf(text, n);
}

int WordCount(const QString& text)
{
    return static_cast<int>(text.count(u' ')) + 1;
}

} // namespace lanthorn
