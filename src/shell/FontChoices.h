#pragma once

#include "core/ProgramState.h"

#include <QFont>

namespace lanthorn {

/// A settings font as a QFont. Fonts named as the old fixed-pitch faces (Courier, Terminal,
/// Fixedsys) keep a fixed pitch on systems that do not have them.
QFont QFontOf(const FontChoice& choice);
FontChoice FontChoiceOf(const QFont& font);

} // namespace lanthorn
