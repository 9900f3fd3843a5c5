#pragma once

#include <QByteArray>
#include <QString>

namespace lanthorn {

class IncomingWorldWindow;

/// What the incoming text pipeline needs of the main frame and the program-wide windows.
class IncomingMainFrame {
public:
    virtual ~IncomingMainFrame() = default;

    virtual bool isMinimized() const = 0;
    /// Whether the "Notify" menu item is checked.
    virtual bool notifyChecked() const = 0;
    virtual void setCaption(const QString& caption) = 0;

    /// Appends a world's caption to the activity list; returns the entry's position (from 0).
    virtual int AddActivity(const QString& caption) = 0;

    /// A MUSH line beginning with "1234": the answer of the attribute-grab command.
    virtual void GrabResult(const QByteArray& line) = 0;

    /// Renumbers the world list and resets released slots (a unit arrived for a slot or site
    /// that no longer exists).
    virtual void RebuildWorldList() = 0;

    /// The log writer: the plain text of a unit of a logged world.
    virtual void LogLine(const QByteArray& plain, int slot)
    {
        Q_UNUSED(plain);
        Q_UNUSED(slot);
    }

    /// The WHO capture: a line of the current world while its capture is armed, and the
    /// cancel for a line of an armed world that is not the current one.
    virtual void WhoCapture(const QByteArray& text, IncomingWorldWindow& window)
    {
        Q_UNUSED(text);
        Q_UNUSED(window);
    }
    virtual void WhoCancel(IncomingWorldWindow& window) { Q_UNUSED(window); }
};

} // namespace lanthorn
