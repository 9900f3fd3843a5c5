#pragma once

#include "core/ProgramState.h"

#include <QByteArray>

namespace lanthorn {

enum class DisplayTarget { Term, Chat };

/// Where a MUSH line is shown, decided on its plain text: the chat pane takes channel lines
/// ("<Public> ...", "[OOC] ..."), "=>" lines, puppet lines and pages as the world's switches
/// say; everything else, and every line while the chat pane is not shown, goes to the main
/// display.
DisplayTarget RouteMushLine(const QByteArray& plain, const WorldState& world);

} // namespace lanthorn
