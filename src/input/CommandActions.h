#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace lanthorn {

class MDILanthorn;
struct WorldState;
class Program;
class WorldWindows;
class frmOpen;
class frmTool;

/// The actions the menus, the toolbar and the input line share. They act on the current world.
class CommandActions : public QObject {
    Q_OBJECT
public:
    /// What the actions need of the rest of the program.
    struct Hooks {
        std::function<void()> focusInput;
        /// Saves the placement and the feature switches and ends the program.
        std::function<void()> saveAndEnd;
        /// Shows the send history window.
        std::function<void()> showSendHistory;
        /// Loads a filter list into memory after its feature was switched on.
        std::function<void()> loadGagList;
        std::function<void()> loadTriggerList;
    };

    CommandActions(Program& program, MDILanthorn& frame, frmTool& toolbar, WorldWindows& worlds, Hooks hooks);

    /// Sends a line (plus CR LF) to a slot's world; raises LanthornError (25058) when the world
    /// is not connected.
    void sendLine(int slot, const QByteArray& line);
    bool isConnected(int slot);

    void ToggleWorld();
    void CloseWorld();
    void DisconnectWorld();
    void ToggleLogging();
    void OpenGagEditor();
    void OpenTriggerEditor();
    void OpenQuoteWindow();
    void ShowSendHistory();
    void QuitProgram();
    void ShowChatPane();
    void HideChatPane();
    /// "/chat", "/puppet" and "/pages".
    void toggleChatPane();
    void togglePuppets();
    void togglePages();
    void TogglePause();
    /// The toolbar's look and WHO buttons.
    void look();
    void who();

    /// Starting and ending the log of a world slot, with their questions.
    std::function<void(int slot)> StartLogging;
    std::function<void(int slot)> StopLogging;

private:
    frmOpen* current();
    /// Switches a routing to the chat pane; with the pane hidden, shows it and switches on.
    void toggleChatRoute(bool WorldState::*route);
    /// The toolbar's buttons: sends the line to the current world, or tells why it cannot.
    void sendToCurrentIfConnected(const QByteArray& line, const QString& notConnected);
    void closeCurrent(bool onlyDisableWhenUnconnected);
    void offerFeature(int& feature, const QString& question, const QString& missingEditor,
        const std::function<void()>& load, bool busy);

    Program& m_program;
    MDILanthorn& m_frame;
    frmTool& m_toolbar;
    WorldWindows& m_worlds;
    Hooks m_hooks;
};

} // namespace lanthorn
