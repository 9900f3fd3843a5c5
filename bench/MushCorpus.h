#pragma once

#include <QByteArray>
#include <QList>

namespace lanthorn::bench {

/// A deterministic MUSH-style text: says, poses, pages, channel lines, notices, room
/// descriptions and WHO tables. colourShare of the lines carry ANSI colour, longShare are
/// 145-370 characters long, a few hold a TAB. Lines end in CR (as the connection hands them
/// over without their LF).
QList<QByteArray> MakeMushCorpus(int lines, unsigned seed = 1, double colourShare = 0.2, double longShare = 0.1);

/// Lines of a corpus file (one line per LF), each given a CR, or nothing if it cannot be read.
QList<QByteArray> ReadCorpusFile(const QString& path);

} // namespace lanthorn::bench
