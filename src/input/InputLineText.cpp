#include "input/InputLineText.h"

#include "core/GetWord.h"
#include "core/TrimBlanks.h"

namespace lanthorn {

QString PrefixLines(const QString& text, const QString& prefix)
{
    QString out = prefix;
    out.reserve(text.size() + prefix.size() * (text.count(u'\n') + 1));
    for (const QChar c : text) {
        out.append(c);
        if (c == u'\n')
            out.append(prefix);
    }
    return out;
}

QString GrabResult(const QString& line)
{
    const QString word = GetWord(line, 2);
    const qsizetype firstBlank = line.indexOf(u' ');
    const qsizetype slash = word.indexOf(u'/');
    if (firstBlank < 0 || slash < 0)
        return QStringLiteral("Invalid syntax: ") + word + QStringLiteral(" Is it <object>/<attribute>?");
    const QString object = word.left(slash);
    const QString attribute = TrimBlanks(QStringView(word).sliced(slash + 1));
    const QString value = line.mid(firstBlank + 1 + word.size());
    return u'&' + attribute + u' ' + object + u'=' + value;
}

} // namespace lanthorn
