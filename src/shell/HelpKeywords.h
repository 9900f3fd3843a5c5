#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lanthorn {

/// One entry of the help's keyword index: a word a player may look for and the page (with an
/// optional anchor) that explains it, relative to the help directory.
struct HelpKeyword {
    QString keyword;
    QString target;
    bool operator==(const HelpKeyword&) const = default;
};

/// Reads the keyword index: one "keyword<TAB>page.html#anchor" per line, UTF-8. Empty lines,
/// lines starting with "#" and lines without a tab or with an empty side are skipped. The
/// result is sorted alphabetically without regard to letter case.
QList<HelpKeyword> ParseHelpKeywords(const QByteArray& text);

/// The same, from a file; a missing or unreadable file gives an empty index.
QList<HelpKeyword> ReadHelpKeywords(const QString& path);

} // namespace lanthorn
