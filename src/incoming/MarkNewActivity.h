#pragma once

namespace lanthorn {

class IncomingMainFrame;
class IncomingWorldWindow;
class Program;
struct DisplaySettings;

/// The separator written before the first text of a background world (bold magenta).
inline constexpr char kNewActivitySeparator[] = "\x1b[1m\x1b[35m       ---------New Activity---------\r\n";

/// First text of a world that is not the current one: unless the world is listed already,
/// writes the separator to its main display (when the feature is on), puts the display back
/// into the world's colours and adds the world to the activity list.
void MarkNewActivity(
    Program& program, IncomingMainFrame& frame, IncomingWorldWindow& window, const DisplaySettings& site);

} // namespace lanthorn
