#include "shell/HelpKeywords.h"

#include <QFile>
#include <algorithm>

namespace lanthorn {

QList<HelpKeyword> ParseHelpKeywords(const QByteArray& text)
{
    QList<HelpKeyword> keywords;
    for (const QString& rawLine : QString::fromUtf8(text).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        HelpKeyword entry { line.left(tab).trimmed(), line.mid(tab + 1).trimmed() };
        if (entry.keyword.isEmpty() || entry.target.isEmpty())
            continue;
        keywords.append(std::move(entry));
    }
    std::stable_sort(keywords.begin(), keywords.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
    return keywords;
}

QList<HelpKeyword> ReadHelpKeywords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseHelpKeywords(file.readAll());
}

} // namespace lanthorn
