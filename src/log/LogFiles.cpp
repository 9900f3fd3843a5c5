#include "log/LogFiles.h"

#include "core/LanthornError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <sys/stat.h>

namespace lanthorn {

namespace {

// The file errors the log reports, numbered and worded as the program always has.
constexpr int kBadFileName = 52;
constexpr int kDeviceError = 57;
constexpr int kDiskFull = 61;
constexpr int kPermissionDenied = 70;
constexpr int kPathFileAccessError = 75;
constexpr int kPathNotFound = 76;

const QString kSource = QStringLiteral("LogWriter");

LanthornError openError(const QString& name)
{
    if (name.isEmpty())
        return { kBadFileName, QStringLiteral("Bad file name or number"), kSource };
    const QFileInfo info(name);
    if (info.isDir())
        return { kPathFileAccessError, QStringLiteral("Path/File access error"), kSource };
    if (!info.absoluteDir().exists())
        return { kPathNotFound, QStringLiteral("Path not found"), kSource };
    const bool writable = info.exists() ? info.isWritable() : QFileInfo(info.absolutePath()).isWritable();
    if (!writable)
        return { kPermissionDenied, QStringLiteral("Permission denied"), kSource };
    return { kPathFileAccessError, QStringLiteral("Path/File access error"), kSource };
}

LanthornError writeError(const QFile& file)
{
    if (file.error() == QFileDevice::ResourceError)
        return { kDiskFull, QStringLiteral("Disk full"), kSource };
    return { kDeviceError, QStringLiteral("Device I/O error"), kSource };
}

void writeAll(QFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw writeError(file);
}

} // namespace

QByteArray LogHeader(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat).toUtf8() + "\r\n\r\n";
}

QString NextLogPartName(const QString& name, int part)
{
    const qsizetype fileName = name.size() - (name.lastIndexOf(u'/') + 1);
    const QString suffix = QStringLiteral("pt") + QString::number(part);
    if (fileName >= 7)
        return name.left(name.size() - 7) + suffix + name.right(4);
    if (fileName >= 4)
        return name.left(name.size() - 4) + suffix + name.right(4);
    return name;
}

bool LogFileExists(const QString& name)
{
    if (name.isEmpty())
        return false;
    const QFileInfo info(name);
    return info.isFile() && info.size() > 0;
}

void CreateLogFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (name.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw openError(name);
    writeAll(file, bytes);
}

qint64 LogFileAppender::append(const QString& name, const QByteArray& bytes)
{
    // One look at the name per unit tells whether the open file is still the one it leads to
    // (not deleted, moved away or replaced) and how long it is.
    struct stat named { };
    const bool same = m_file.isOpen() && m_file.fileName() == name && ::stat(m_encodedName.constData(), &named) == 0
        && named.st_dev == m_device && named.st_ino == m_inode;
    if (!same) {
        close();
        m_file.setFileName(name);
        if (name.isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
            || ::fstat(m_file.handle(), &named) != 0) {
            close();
            throw openError(name);
        }
        m_encodedName = QFile::encodeName(name);
        m_device = named.st_dev;
        m_inode = named.st_ino;
    }
    try {
        writeAll(m_file, bytes);
    } catch (const LanthornError&) {
        close();
        throw;
    }
    return qint64(named.st_size) + bytes.size();
}

void LogFileAppender::close()
{
    m_file.close();
}

} // namespace lanthorn
