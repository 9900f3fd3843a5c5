#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace lanthorn::testing {

/// The whole content of a file, or ifMissing when it cannot be read.
inline QByteArray ReadFileBytes(const QString& path, const QByteArray& ifMissing = {})
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : ifMissing;
}

/// Writes the file anew with exactly these bytes; false when it cannot be written.
inline bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace lanthorn::testing
