#include "core/SettingsFiles.h"

#include "core/LanthornError.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace lanthorn {

SettingsFiles::SettingsFiles(QString directory)
    : m_directory(std::move(directory))
{
}

QString SettingsFiles::defaultDirectory()
{
    // The application is named "Lanthorn" without an organisation, so this is ~/.config/Lanthorn.
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString SettingsFiles::pathOf(const QString& file) const
{
    // Callers name the settings file in various letter cases; they all mean the same file.
    const QString folded = file.toCaseFolded();
    if (folded == kSettingsFile.toCaseFolded())
        return QDir(m_directory).filePath(kSettingsFile);
    if (folded == kMailboxFile.toCaseFolded())
        return QDir(m_directory).filePath(kMailboxFile);
    return QDir(m_directory).filePath(file);
}

IniFile& SettingsFiles::fileNamed(const QString& file)
{
    const QString path = pathOf(file);
    auto it = m_files.find(path);
    if (it == m_files.end())
        it = m_files.emplace(path, std::make_unique<IniFile>(path)).first;
    return *it->second;
}

QString SettingsFiles::ReadIniString(
    const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    return fileNamed(file).value(section, key).value_or(defaultValue);
}

void SettingsFiles::WriteIniString(
    const QString& section, const std::optional<QString>& key, const std::optional<QString>& value, const QString& file)
{
    QDir dir(m_directory);
    if (!dir.exists()) {
        if (!QDir().mkpath(m_directory)) {
            m_lastError = ErrorNumber::SettingsWriteFailed;
            return;
        }
        QFile::setPermissions(m_directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    IniFile& ini = fileNamed(file);
    bool ok = false;
    if (!key)
        ok = ini.removeSection(section);
    else if (!value)
        ok = ini.removeKey(section, *key);
    else
        ok = ini.setValue(section, *key, *value);
    if (!ok)
        m_lastError = ErrorNumber::SettingsWriteFailed;
}

} // namespace lanthorn
