#include "shell/HelpContents.h"

#include <QFile>
#include <QXmlStreamReader>

namespace lanthorn {

namespace {

bool isContentsList(const QXmlStreamReader& xml)
{
    return xml.name() == u"ul"
        && xml.attributes().value(QLatin1String("class")).split(u' ', Qt::SkipEmptyParts).contains(u"contents");
}

QList<HelpContentsEntry> readList(QXmlStreamReader& xml);

/// Reads one <li>: its first link is the entry, a nested <ul> holds the entries below it.
HelpContentsEntry readItem(QXmlStreamReader& xml)
{
    HelpContentsEntry entry;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"a" && entry.target.isEmpty()) {
            entry.target = xml.attributes().value(QLatin1String("href")).toString();
            entry.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        } else if (xml.name() == u"ul") {
            entry.children += readList(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    return entry;
}

QList<HelpContentsEntry> readList(QXmlStreamReader& xml)
{
    QList<HelpContentsEntry> entries;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"li") {
            xml.skipCurrentElement();
            continue;
        }
        HelpContentsEntry entry = readItem(xml);
        // An entry cut short by a fault in the page is left out.
        if (!entry.target.isEmpty() && !xml.hasError())
            entries.append(std::move(entry));
    }
    return entries;
}

} // namespace

QList<HelpContentsEntry> ParseHelpContents(const QByteArray& indexPage)
{
    QXmlStreamReader xml(indexPage);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && isContentsList(xml))
            return readList(xml);
    }
    return {};
}

QList<HelpContentsEntry> ReadHelpContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseHelpContents(file.readAll());
}

} // namespace lanthorn
