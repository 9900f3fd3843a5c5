#pragma once

#include "platform/UiServices.h"

#include <QObject>
#include <QSet>
#include <functional>
#include <memory>

class QToolButton;

namespace lanthorn {

class CommandActions;
class ConnectionLifecycle;
class InputLine;
class LineChain;
class frmHistory;
class frmKeys;
class LogCommands;
class MainFrameForIncoming;
class FormIn;
class WorldWindows;
class MDILanthorn;
class Program;
class UiServices;
class frmAbout;
class frmAdd;
class frmHelp;
class frmAskFor;
class frmBit;
class frmOpen;
class frmStart;
class frmTool;

/// The running program's windows and the routines that tie them together: the start-up and
/// the first-run set-up, the main frame's menus, exit, and the window routines every window
/// uses. Tests build a fresh one over a fresh Program.
class Shell : public QObject {
    Q_OBJECT
public:
    /// startArguments is the text after the program name on the command line; endProgram ends
    /// the program at once (the application's exit, or a recorder in tests).
    Shell(Program& program, UiServices& services, QString startArguments, std::function<void()> endProgram);
    ~Shell() override;

    /// Runs the start-up: the first-run set-up when the settings are not of this version,
    /// otherwise the normal start-up up to the ready main frame.
    void start();

    /// The directory of the files that live beside the program (tile.bmp, help, sites.ini).
    void setProgramDirectory(const QString& directory) { m_programDirectory = directory; }
    QString programDirectory() const;

    // Windows, for the routines of the other windows and for tests. Null until loaded.
    frmStart* startWindow() const { return m_start.get(); }
    frmAskFor* wizard() const { return m_wizard.get(); }
    MDILanthorn* mainFrame() const { return m_frame.get(); }
    FormIn* inputWindow() const { return m_input; }
    frmTool* toolbar() const { return m_toolbar; }
    frmAbout* aboutWindow() const { return m_about.get(); }

    /// The Connect window, loaded (hidden) the first time it is referred to.
    frmAdd* ConnectWindow();
    /// Shows the Connect window in the topmost band (menu, toolbar, "/connect").
    void OpenConnectWindow();

    /// The world window of a slot, created the first time the slot is referred to.
    frmOpen* WorldWindow(int slot);

    // Window routines shared by every window.
    void ShowBusyPointer();
    void RestorePointer();
    void DisableToolbarButtons();
    void EnableToolbarButtons();
    void SetAlwaysOnTop(QWidget* window, bool on);
    void TileBackground(QWidget* window);
    void focusInput();

    /// The macro and send history windows, loaded the first time they are shown.
    frmKeys* MacroWindow();
    frmHistory* SendHistoryWindow();

    /// The Edit menu: copy with the word wrap undone, paste into the input box, and the
    /// selected text without its line breaks into the input box.
    void CopySelectedText();
    void PasteIntoInput();
    void RemoveCarriageReturns();

    /// Opens the program's help window on its contents, its keyword search or a topic.
    void showHelpWindow(HelpCommand command, int topic = 0);
    frmHelp* helpWindow() const { return m_help.get(); }

    /// Saves the placement and the feature switches and ends the program ("E&xit" and the
    /// frame's close control).
    void Exit();

    /// The world windows, the Worlds menu and the activity list.
    WorldWindows& worlds() const { return *m_worlds; }
    /// The actions the menus, the toolbar and the input line share.
    CommandActions& actions() const { return *m_actions; }
    /// Starting and stopping the worlds' logs, and the log writer.
    LogCommands& logging() const { return *m_logging; }
    /// Connecting worlds (exists once the Connect window is loaded).
    ConnectionLifecycle& lifecycle() const { return *m_lifecycle; }

private:
    void StartupWindowLoad();
    void AskFirstRunQuestions();
    void LoadMainFrame();
    void wireMenus();
    void frameResized();
    void timerTick();
    void RestoreMainWindowPlacement();
    void SaveMainWindowPlacement();
    void setStatus(const QString& text);
    QString selectedTextOfFocusedControl() const;
    void endProgram();

    Program& m_program;
    UiServices& m_services;
    QString m_startArguments;
    std::function<void()> m_endProgram;
    QString m_programDirectory;
    bool m_ended = false;

    // Top-level windows are owned here; the input window, the toolbar and the world windows
    // belong to the main frame.
    std::unique_ptr<frmStart> m_start;
    std::unique_ptr<frmAskFor> m_wizard;
    std::unique_ptr<frmBit> m_bit;
    std::unique_ptr<MDILanthorn> m_frame;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmAdd> m_add;
    std::unique_ptr<frmHelp> m_help;
    FormIn* m_input = nullptr;
    frmTool* m_toolbar = nullptr;
    std::unique_ptr<WorldWindows> m_worlds;
    std::unique_ptr<ConnectionLifecycle> m_lifecycle;
    std::unique_ptr<CommandActions> m_actions;
    std::unique_ptr<MainFrameForIncoming> m_incomingFrame;
    std::unique_ptr<LineChain> m_chain;
    std::unique_ptr<InputLine> m_inputLine;
    std::unique_ptr<frmKeys> m_keys;
    std::unique_ptr<frmHistory> m_history;
    std::unique_ptr<LogCommands> m_logging;
    QSet<QToolButton*> m_toolbarReady; // toolbar buttons whose actions are wired
};

} // namespace lanthorn
