#pragma once

#include <QIcon>

namespace lanthorn {

/// The pictures of the toolbar buttons, drawn by the program so they look alike on every
/// desktop.
enum class ToolbarPicture { Who, Pause, Mail, Look, Log, Connect };
QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace lanthorn
