// Feeds arbitrary bytes to the settings reader as a settings file, then reads and writes
// through it: nothing may crash, and a value written must read back unchanged.
#include "core/SettingsFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    {
        QFile file(dir.filePath("Lanthorn.ini"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    lanthorn::SettingsFiles settings(dir.path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromLatin1(bytes.left(64));
    settings.ReadIniString("Setup", "Font", " ");
    settings.ReadIniString(text, text, " ");
    settings.WriteIniString("Fuzz", QString("Value"), text);
    if (settings.lastError() == 0 && settings.ReadIniString("Fuzz", "Value", "<missing>") != text)
        std::abort();
    return 0;
}
