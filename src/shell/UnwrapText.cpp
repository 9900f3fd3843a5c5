#include "shell/UnwrapText.h"

#include "core/TrimBlanks.h"

namespace lanthorn {

QString UnwrapCopiedText(const QString& selected, int indent)
{
    const QString text = TrimBlanks(selected);
    if (indent <= 0)
        return text;
    const QString wrapBreak = QStringLiteral("\r\n") + QString(indent, u' ');

    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(wrapBreak); at >= 0; at = text.indexOf(wrapBreak, from)) {
        out.append(QStringView(text).sliced(from, at - from));
        while (out.endsWith(u' '))
            out.chop(1);
        out.append(u' ');
        from = at + wrapBreak.size();
        while (from < text.size() && text[from] == u' ')
            ++from;
    }
    out.append(QStringView(text).sliced(from));
    // A selection that starts with a break joins onto nothing.
    return TrimBlanks(out);
}

QString RemoveLineBreaks(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

} // namespace lanthorn
