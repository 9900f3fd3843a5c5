#pragma once

#include <QString>
#include <QStringView>

namespace lanthorn {

/// The text without the blanks (character 32) at either end. Unlike QString::trimmed, tabs,
/// line breaks and other white space are kept.
QString TrimBlanks(QStringView text);

} // namespace lanthorn
