#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

class QTimer;

namespace lanthorn {

class MDILanthorn;
class Program;
class WorldWindows;
class frmAdd;

/// Takes a stored site to a connected, logged-in world: a slot is taken, its window prepared
/// with the site's settings, the connection opened, the character logged in, the world listed
/// in the Worlds menu and made current.
///
/// Connecting does not block: the program keeps running while a world answers. The attempt
/// ends as soon as the connection is up or reports a failure; only a world that never answers
/// waits for the whole connect wait.
class ConnectionLifecycle : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kConnectWait { 15000 };

    /// Shell steps the connect sequences take part in.
    struct ShellSteps {
        std::function<void()> disableToolbarButtons;
        std::function<void()> enableToolbarButtons;
        std::function<void()> focusInput;
    };

    ConnectionLifecycle(
        Program& program, MDILanthorn& frame, WorldWindows& worlds, frmAdd& connectWindow, ShellSteps steps);

    /// Tests shorten the wait for a world that never answers.
    void setConnectWait(std::chrono::milliseconds wait) { m_wait = wait; }

    /// The Connect button's sequence, for the stored site the Connect window found.
    void ConnectSelectedSite(int site);
    /// The input line's connect command: the site named (already in lower case).
    void ConnectByName(const QString& name);

    /// Sends the automatic login of a site to a slot's world.
    void SendLogin(int slot, int site);

    /// Number of connect attempts still waiting for their world.
    int attemptsUnderWay() const { return m_attempts; }

Q_SIGNALS:
    /// A connect attempt ended (true when the world is connected and listed).
    void attemptFinished(int slot, bool connected);

private:
    enum class Origin { ConnectWindow, ByName };

    void OpenWorldWindow(int slot, int site);
    void ConnectWorld(int slot, int site, Origin origin);
    void connected(int slot, Origin origin);
    void failed(int slot, Origin origin, int errorNumber, const QString& description, bool hideWindow = true);
    void finish(int slot, Origin origin, bool ok);

    Program& m_program;
    MDILanthorn& m_frame;
    WorldWindows& m_worlds;
    frmAdd& m_connectWindow;
    ShellSteps m_steps;
    std::chrono::milliseconds m_wait = kConnectWait;
    int m_attempts = 0;
};

/// The message a failed connect shows for an error number.
QString ConnectFailureMessage(int errorNumber, const QString& description);

} // namespace lanthorn
