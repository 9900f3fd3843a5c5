#pragma once

#include "core/Program.h"

namespace lanthorn {

/// Fills DefaultFont and the screen defaults from section Setup. A value that cannot be read
/// is reported and the next one is read.
void LoadScreenDefaults(Program& program);

/// Reads the seven feature switches from section Settings. A corrupted value shows the
/// corrupted-file box, any other failure the short error report; both go on.
void LoadFeatureSwitches(Program& program);
void SaveFeatureSwitches(Program& program);

/// The check marks of the Options menu as stored; a value that cannot be read keeps its
/// default.
struct MenuChecks {
    bool notify = false;
    bool scrollbars = false;
    bool confirm = true;
};
MenuChecks ReadMenuChecks(Program& program);

/// Writes the value a check item stores for its check mark.
void WriteNotifyCheck(Program& program, bool checked);
void WriteScrollbarsCheck(Program& program, bool checked);
void WriteConfirmCheck(Program& program, bool checked);

/// The main frame's placement in twips, and the height of the input window.
struct WindowPlacement {
    double left = 0;
    double top = 0;
    double width = 9585;
    double height = 5550;
};
WindowPlacement ReadWindowPlacement(Program& program);
void SaveWindowPlacement(Program& program, const WindowPlacement& placement, double inputHeight);
double ReadInputWindowHeight(Program& program);

/// The message and title of the box shown for a corrupted settings file.
inline const QString kCorruptedText = QStringLiteral("Your Lanthorn.ini file appears to be corrupted.");
inline const QString kCorruptedTitle = QStringLiteral("Lanthorn Load Error.");

} // namespace lanthorn
