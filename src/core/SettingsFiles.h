#pragma once

#include "core/IniFile.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>

namespace lanthorn {

inline const QString kSettingsFile = QStringLiteral("Lanthorn.ini");
inline const QString kMailboxFile = QStringLiteral("mailbox.dat");

/// The program's settings files (Lanthorn.ini and mailbox.dat), kept together in one
/// directory. ReadIniString and WriteIniString are the only way the program reaches them.
class SettingsFiles {
public:
    /// The directory is created (owner-only) when the first file is written.
    explicit SettingsFiles(QString directory);

    /// The per-user configuration directory of the program (needs the application name set).
    static QString defaultDirectory();

    const QString& directory() const { return m_directory; }
    QString pathOf(const QString& file) const;

    /// The stored value, or defaultValue when the file, section or key is missing.
    QString ReadIniString(
        const QString& section, const QString& key, const QString& defaultValue, const QString& file = kSettingsFile);

    /// key absent: the whole section is removed; value absent: the key is removed;
    /// otherwise key=value is written. A write that fails changes nothing on disk and records
    /// the error number 32767 as the last error.
    void WriteIniString(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value,
        const QString& file = kSettingsFile);

    int lastError() const { return m_lastError; }
    void clearLastError() { m_lastError = 0; }

private:
    IniFile& fileNamed(const QString& file);

    QString m_directory;
    std::map<QString, std::unique_ptr<IniFile>> m_files;
    int m_lastError = 0;
};

} // namespace lanthorn
