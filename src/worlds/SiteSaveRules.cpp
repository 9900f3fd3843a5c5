#include "worlds/SiteSaveRules.h"

#include "core/GetWord.h"
#include "core/IniFile.h"

#include <array>

namespace lanthorn {

namespace {

constexpr std::array kProgramSections { "Settings", "Setup", "Sites", "Keys", "Gags", "Trigs", "Hili", "Omits",
    "Mail" };

bool IsPortNumber(const QString& port)
{
    if (port.isEmpty() || port.size() > 5)
        return false;
    for (QChar c : port) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int value = port.toInt();
    return value >= 1 && value <= 65535;
}

std::optional<QString> NameRefusal(const QString& name)
{
    if (IsProgramSection(name)) {
        return QStringLiteral("\"") + name
            + QStringLiteral("\" is the name of one of Lanthorn's own settings sections and cannot be used for a site. "
                             "Please choose another name.");
    }
    if (name.trimmed() != name)
        return QStringLiteral("Site names cannot begin or end with a blank. Please remove the blanks.");
    if (!IniFile::isStorableName(name)) {
        return QStringLiteral(
            "Site names cannot contain the characters [ ] or = or a line break. Please choose another name.");
    }
    return std::nullopt;
}

} // namespace

bool IsProgramSection(const QString& name)
{
    for (const char* section : kProgramSections) {
        if (name.compare(QLatin1String(section), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::optional<QString> SaveRefusal(const QString& name, const SiteFields& fields, const QStringList& storedNames)
{
    if (name.isEmpty())
        return QStringLiteral("Please name this site first.");
    if (auto refusal = NameRefusal(name))
        return refusal;

    const QString host = fields.Host.trimmed();
    if (host.isEmpty())
        return QStringLiteral("Saved records must have a Host Address. \nPlease Enter One.");
    if (host.contains(u' ') || host.contains(u'\t'))
        return QStringLiteral("A Hostname cannot contain blanks. Please correct the Hostname.");

    const QString port = fields.Port.trimmed();
    if (port.isEmpty())
        return QStringLiteral("Saved records must have a Port Address. \nPlease Enter One.");
    if (!IsPortNumber(port))
        return QStringLiteral("The Port must be a whole number from 1 to 65535.");

    if (WordCount(fields.Password) > 1)
        return QStringLiteral("The Password should only be one word.");

    if (!storedNames.contains(name)) {
        for (const QString& stored : storedNames) {
            if (stored.compare(name, Qt::CaseInsensitive) == 0) {
                return QStringLiteral("A site named ") + stored
                    + QStringLiteral(" already exists. Site names must differ by more than letter case.");
            }
        }
    }
    return std::nullopt;
}

} // namespace lanthorn
