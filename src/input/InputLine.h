#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QPlainTextEdit;

namespace lanthorn {

class CommandActions;
class FormIn;
class Program;
class UiServices;
class WorldWindows;
class frmOpen;

/// The keys of the input box (sending with Enter, the history keys, prefixing, clearing), the
/// client commands, the keys every world window shares (scrolling, help, macros, number pad,
/// pause), characters typed into a display, and grab answers.
class InputLine : public QObject {
    Q_OBJECT
public:
    /// Windows and steps the commands open or take.
    struct Hooks {
        std::function<void()> openConnectWindow;
        std::function<void(const QString& name)> connectByName;
        std::function<void()> showKeys;
    };

    InputLine(Program& program, UiServices& services, FormIn& input, WorldWindows& worlds, CommandActions& actions,
        Hooks hooks);

    /// Enter: sends the box's text to the current world, or runs it as a client command.
    void Enter();
    /// Runs a client command line (one that begins with "/").
    void RunCommand(const QString& line);

    /// The key-down routine of the input window, the world windows and their displays.
    /// Returns whether the key was used up (it must not also reach the focused box).
    bool HandleWorldKey(int keyCode, int shift, frmOpen* window);

    /// A character typed while a display had the focus: it goes to the end of the input box.
    void typedIntoDisplay(QString& text);

    /// A world's answer to the grab command fills the input box.
    void GrabResult(const QByteArray& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inputKey(QKeyEvent* event);
    /// Sends a line plus CR LF to the current world, with the send-failure messages; false when
    /// it could not be sent.
    bool sendToCurrentWorld(const QString& text);
    void showBoxText(const QString& text);
    void notInThisVersion(const QString& what);

    Program& m_program;
    UiServices& m_services;
    QPlainTextEdit* m_box;
    WorldWindows& m_worlds;
    CommandActions& m_actions;
    Hooks m_hooks;
};

/// The longest text of the input box for which the arrow keys still scroll the display.
inline constexpr int kArrowScrollLimit = 75;

} // namespace lanthorn
