#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QListWidgetItem;

namespace lanthorn {

class MDILanthorn;
class Program;
class frmOpen;
class frmTool;

/// The world windows of the slots, the Worlds menu that lists the worlds in use, and the
/// activity list of the toolbar: creating, laying out, activating, toggling and releasing.
class WorldWindows : public QObject {
    Q_OBJECT
public:
    WorldWindows(Program& program, MDILanthorn& frame, frmTool& toolbar);

    /// The world window of a slot, created (and loaded) the first time the slot is referred to.
    frmOpen* window(int slot);
    /// The windows created so far (some slots may still have none).
    QList<frmOpen*> windows() const;

    /// Fills the world area from its top left corner with the window, and shares its height
    /// between the main display and the chat pane.
    void LayoutWorldWindow(frmOpen* window);
    void layoutAll();

    /// Shows a world's window at the top left corner and makes it the active one.
    void showWorld(int slot);

    /// A world window became the active window: it becomes the current world.
    void ActivateWorldWindow(frmOpen* window);

    /// Lists the worlds in use in the Worlds menu again, resets the released slots and moves
    /// on to the next world.
    void RebuildWorldList();

    /// Makes the next world in use (after the current one, in slot order) the active one.
    void ToggleWorld();

    /// Appends a world's caption to the activity list; returns its position.
    int AddActivity(const QString& caption);

    /// After the site book was read again: every world in use finds its site again by name
    /// (a deleted site keeps playing with the settings it was opened with).
    void siteBookReloaded();

    /// Called when a slot is reset, so whoever keeps per-slot state can forget it.
    std::function<void(int slot)> slotReset;
    /// Called after an action that should leave the keyboard in the input box.
    std::function<void()> focusInput;

Q_SIGNALS:
    /// A world window was created (its slot's first use).
    void windowCreated(frmOpen* window);

private:
    void loadWindow(frmOpen* window);
    void worldDisconnected(frmOpen* window);
    void resetSlot(int slot);
    void removeActivity(int slot);
    void renumberActivities();
    void worldEntryClicked(int entry);
    void activityDoubleClicked(QListWidgetItem* item);
    void updateToolbarLabels();

    Program& m_program;
    MDILanthorn& m_frame;
    frmTool& m_toolbar;
    QList<frmOpen*> m_windows;
};

/// Height of the chat pane, in twips.
inline constexpr int kChatPaneTwips = 1500;

} // namespace lanthorn
