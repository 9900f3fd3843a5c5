#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

namespace lanthorn {

/// A split log goes on in its next part once the file is longer than this many bytes.
inline constexpr std::int32_t kLogSplitSize = 31000;

/// The first lines of a new log file: the date in the locale's short date format, a line end
/// and an empty line.
QByteArray LogHeader(const QDate& date);

/// The name a log goes on under after a split, for part number part (0 for the first split).
///
/// The last seven characters of the file name hold three characters of the base name and a
/// four-character extension («.log»); the three become "pt" and the part number, so that an
/// eight-character base name stays eight characters: «abcdefgh.log» goes on in «abcdept0.log»,
/// «abcdept1.log» and so on. From part 10 on the number has two digits and the rule, applied
/// to the previous part's name, keeps one more character each time: «abcdept9.log» is followed
/// by «abcdept10.log» and then «abcdeppt11.log». Logs written so far are named that way.
///
/// Only the file name is ever cut, never the folder it is in. A file name of four to six
/// characters keeps all of its base name and gets "pt" and the number before its last four
/// characters («ab.log» goes on in «abpt0.log», then «abpt1.log»). A file name of fewer than
/// four characters has no room for the rule: it is returned unchanged and the log goes on in
/// the same file.
QString NextLogPartName(const QString& name, int part);

/// Whether a log file is there with something in it. An empty file, a folder or a name that
/// cannot be looked at counts as no file.
bool LogFileExists(const QString& name);

/// Creates the file anew (an existing one is emptied) holding these bytes, and closes it.
/// Raises LanthornError when the file cannot be written.
void CreateLogFile(const QString& name, const QByteArray& bytes);

/// Appends the bytes to the file (creating it when it is not there) and closes it; returns the
/// file's length afterwards. Raises LanthornError when the file cannot be written.
qint64 AppendToLogFile(const QString& name, const QByteArray& bytes);

} // namespace lanthorn
