#pragma once

#include "incoming/IncomingMainFrame.h"

#include <functional>

namespace lanthorn {

class MDILanthorn;
class WorldWindows;

/// What the incoming text pipeline asks of the main frame, answered by the frame, its world
/// windows and the input box.
class MainFrameForIncoming : public IncomingMainFrame {
public:
    MainFrameForIncoming(MDILanthorn& frame, WorldWindows& worlds);

    bool isMinimized() const override;
    bool notifyChecked() const override;
    void setCaption(const QString& caption) override;
    int AddActivity(const QString& caption) override;
    void GrabResult(const QByteArray& line) override;
    void RebuildWorldList() override;
    void LogLine(const QByteArray& plain, int slot) override;

    /// Where a grab answer goes (the input box).
    std::function<void(const QByteArray&)> grabResult;
    /// Where the units of logged worlds go (the log writer).
    std::function<void(const QByteArray& plain, int slot)> logLine;

private:
    MDILanthorn& m_frame;
    WorldWindows& m_worlds;
};

} // namespace lanthorn
