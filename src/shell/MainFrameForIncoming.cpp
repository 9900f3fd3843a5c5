#include "shell/MainFrameForIncoming.h"

#include "shell/MDILanthorn.h"
#include "shell/WorldWindows.h"

namespace lanthorn {

MainFrameForIncoming::MainFrameForIncoming(MDILanthorn& frame, WorldWindows& worlds)
    : m_frame(frame)
    , m_worlds(worlds)
{
}

bool MainFrameForIncoming::isMinimized() const
{
    return m_frame.isMinimized();
}

bool MainFrameForIncoming::notifyChecked() const
{
    return m_frame.mnuNotify->isChecked();
}

void MainFrameForIncoming::setCaption(const QString& caption)
{
    m_frame.setWindowTitle(caption);
}

int MainFrameForIncoming::AddActivity(const QString& caption)
{
    return m_worlds.AddActivity(caption);
}

void MainFrameForIncoming::GrabResult(const QByteArray& line)
{
    if (grabResult)
        grabResult(line);
}

void MainFrameForIncoming::RebuildWorldList()
{
    m_worlds.RebuildWorldList();
}

void MainFrameForIncoming::LogLine(const QByteArray& plain, int slot)
{
    if (logLine)
        logLine(plain, slot);
}

} // namespace lanthorn
