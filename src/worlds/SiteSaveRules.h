#pragma once

#include "worlds/SiteFields.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lanthorn {

/// Whether a name is one of the sections the program keeps its own settings in (any letter
/// case). A site of that name would share the section with them.
bool IsProgramSection(const QString& name);

/// Why a site cannot be saved under `name`, as the warning to show, or nothing when it can.
/// The checks run in the order the user meets the fields: name, host, port, password, and last
/// whether the name differs from a stored one only in letter case (the settings file would
/// keep both in one section). Host and port are judged without blanks at their ends, which
/// Save drops.
std::optional<QString> SaveRefusal(const QString& name, const SiteFields& fields, const QStringList& storedNames);

} // namespace lanthorn
