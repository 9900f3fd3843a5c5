#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lanthorn {

/// One entry of the help's table of contents, with the entries nested below it.
struct HelpContentsEntry {
    QString title;
    QString target; // page.html or page.html#anchor, relative to the help directory
    QList<HelpContentsEntry> children;
};

/// The table of contents of the help, taken from the contents page itself so that the two
/// never disagree: the first list of class "contents" in index.html, whose items each start
/// with a link (the entry) and may hold a nested list (the entries below it). The page is read
/// as XHTML; a page that does not parse gives the entries read up to the fault.
QList<HelpContentsEntry> ParseHelpContents(const QByteArray& indexPage);

/// The same, from a file; a missing or unreadable file gives no entries.
QList<HelpContentsEntry> ReadHelpContents(const QString& path);

} // namespace lanthorn
