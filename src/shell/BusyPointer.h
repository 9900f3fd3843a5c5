#pragma once

namespace lanthorn {

/// The hourglass pointer over the whole program while an action takes a moment. Showing it
/// twice needs only one restore, and restoring always brings back the normal pointer.
class BusyPointer {
public:
    static void show();
    static void restore();
};

} // namespace lanthorn
