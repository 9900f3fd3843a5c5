#pragma once

#include <Qt>

class QKeyEvent;

namespace lanthorn {

/// Key codes in the Windows numbering the program's key handlers use (33/34 Page Up/Down,
/// 37-40 arrows, 48-57 digits, 65-90 letters, 96-105 number pad 0-9, 112-123 F1-F12, 19 Pause,
/// 13 Enter, ...). The number pad is told apart by Qt::KeypadModifier; with Num Lock off its
/// keys are the navigation keys, as on Windows. Punctuation follows the US layout. Keys
/// without a code give 0.
int WindowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int WindowsKeyCode(const QKeyEvent* event);

/// The shift state of the key handlers: 1 Shift, 2 Ctrl, 4 Alt, added together.
int ShiftState(Qt::KeyboardModifiers modifiers);

} // namespace lanthorn
