#pragma once

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <cstdint>
#include <sys/types.h>

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
/// «abcdept1.log» and so on. From the tenth split file on, the number has two digits and the rule, applied
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

/// A log file held open between appends, so that a world under a flood of text costs one write
/// per unit rather than an open and a close. Nothing is buffered on our side: after every append
/// the file on disk is complete. The next append opens the file again when it is asked for
/// another name, or when the file was deleted, moved away or replaced meanwhile (the append then
/// goes to whatever file is under the name now, created anew when there is none, as a fresh open
/// would).
class LogFileAppender {
public:
    /// Appends the bytes to the named file (creating it when it is not there); returns the
    /// file's length afterwards. Raises LanthornError when the file cannot be written; the file
    /// is closed then, so the next append tries afresh.
    qint64 append(const QString& name, const QByteArray& bytes);
    void close();

private:
    QFile m_file;
    // Which file m_file is, to notice when its name leads elsewhere.
    QByteArray m_encodedName;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

} // namespace lanthorn
