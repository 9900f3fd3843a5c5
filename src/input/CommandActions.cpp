#include "input/CommandActions.h"

#include "core/Program.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "shell/BusyPointer.h"
#include "shell/MDILanthorn.h"
#include "shell/WorldWindows.h"
#include "shell/frmTool.h"
#include "worlds/frmOpen.h"

#include <QLabel>

namespace lanthorn {

namespace {
const QByteArray kCrLf = "\r\n";
} // namespace

CommandActions::CommandActions(
    Program& program, MDILanthorn& frame, frmTool& toolbar, WorldWindows& worlds, Hooks hooks)
    : m_program(program)
    , m_frame(frame)
    , m_toolbar(toolbar)
    , m_worlds(worlds)
    , m_hooks(std::move(hooks))
{
}

frmOpen* CommandActions::current()
{
    return m_worlds.window(m_program.state.CurrentWorld);
}

bool CommandActions::isConnected(int slot)
{
    return m_worlds.window(slot)->IPPort1->Connected();
}

void CommandActions::sendLine(int slot, const QByteArray& line)
{
    m_worlds.window(slot)->IPPort1->sendData(line + kCrLf);
}

void CommandActions::ToggleWorld()
{
    m_worlds.ToggleWorld();
}

void CommandActions::CloseWorld()
{
    closeCurrent(false);
}

void CommandActions::DisconnectWorld()
{
    closeCurrent(true);
}

void CommandActions::closeCurrent(bool onlyDisableWhenUnconnected)
{
    ProgramState& state = m_program.state;
    WorldState& world = state.WorldStates[state.CurrentWorld];
    frmOpen* window = current();
    if (!window->IPPort1->Connected()) {
        if (onlyDisableWhenUnconnected) {
            m_frame.mnuDisconnect->setEnabled(false);
            return;
        }
        world.InUse = false;
        m_worlds.RebuildWorldList();
        return;
    }
    if (m_frame.mnuConfirm->isChecked()) {
        const SiteRecord* site = state.findSiteOf(state.CurrentWorld);
        const QString name = site ? site->Name : QString();
        if (m_program.AskYesNo(QStringLiteral("Are you sure you want to disconnect from ") + name + u'?', 0) != 1)
            return;
    }
    // Asking may have taken a while: act on the world that was current when the player asked.
    window->IPPort1->setConnected(false);
    world.InUse = false;
    m_worlds.RebuildWorldList();
}

void CommandActions::ToggleLogging()
{
    const int slot = m_program.state.CurrentWorld;
    const WorldState& world = m_program.state.WorldStates[slot];
    if (!world.InUse) {
        m_program.ShowMessage(QStringLiteral("You can only log connected worlds."), MessageKind::Information);
        return;
    }
    const auto& action = world.Logging ? StopLogging : StartLogging;
    if (action)
        action(slot);
}

void CommandActions::offerFeature(
    int& feature, const QString& question, const QString& missingEditor, const std::function<void()>& load, bool busy)
{
    if (!feature) {
        if (m_program.AskYesNo(question, 1) != 1)
            return;
        if (busy)
            BusyPointer::show();
        feature = 1;
        if (load)
            load();
        if (busy)
            BusyPointer::restore();
    }
    // The list is in force; this version has no window to edit it in.
    m_program.ShowMessage(missingEditor, MessageKind::Information);
}

void CommandActions::OpenGagEditor()
{
    offerFeature(m_program.state.Features.GagsEnabled,
        QStringLiteral("Gags are currently disabled, do you want to enable them now?"),
        QStringLiteral("This version of Lanthorn has no gag editor. Gags are kept in the [Gags] section of "
                       "Lanthorn.ini."),
        m_hooks.loadGagList, true);
}

void CommandActions::OpenTriggerEditor()
{
    offerFeature(m_program.state.Features.TriggersEnabled,
        QStringLiteral("Triggers are currently disabled, do you want to enable them now?"),
        QStringLiteral("This version of Lanthorn has no trigger editor. Triggers are kept in the [Trigs] section "
                       "of Lanthorn.ini."),
        m_hooks.loadTriggerList, false);
}

void CommandActions::OpenQuoteWindow()
{
    if (!isConnected(m_program.state.CurrentWorld)) {
        m_program.ShowMessage(QStringLiteral("You can only quote to connected worlds."), MessageKind::Information);
        return;
    }
    m_program.ShowMessage(
        QStringLiteral("Quoting a file is not available in this version of Lanthorn."), MessageKind::Information);
}

void CommandActions::ShowSendHistory()
{
    if (m_hooks.showSendHistory)
        m_hooks.showSendHistory();
}

void CommandActions::QuitProgram()
{
    if (m_program.AskYesNo(QStringLiteral("Are you sure you want to quit Lanthorn?"), 0) != 1)
        return;
    m_hooks.saveAndEnd();
}

void CommandActions::ShowChatPane()
{
    frmOpen* window = current();
    window->Chat->setFont(window->Term->font());
    window->Chat->setForeColor(window->Term->ForeColor());
    window->Chat->setBackColor(window->Term->BackColor());
    window->Chat->show();
    window->Chat->Disp(kClearScreen);
    m_program.state.WorldStates[m_program.state.CurrentWorld].SplitScreen = true;
    m_worlds.LayoutWorldWindow(window);
}

void CommandActions::HideChatPane()
{
    frmOpen* window = current();
    window->Chat->hide();
    m_program.state.WorldStates[m_program.state.CurrentWorld].SplitScreen = false;
    m_worlds.LayoutWorldWindow(window);
}

void CommandActions::toggleChatPane()
{
    BusyPointer::show();
    WorldState& world = m_program.state.WorldStates[m_program.state.CurrentWorld];
    if (world.SplitScreen) {
        HideChatPane();
        world.PuppetsToChat = false;
        world.PagesToChat = false;
    } else {
        ShowChatPane();
    }
    BusyPointer::restore();
}

void CommandActions::togglePuppets()
{
    toggleChatRoute(&WorldState::PuppetsToChat);
}

void CommandActions::togglePages()
{
    toggleChatRoute(&WorldState::PagesToChat);
}

void CommandActions::toggleChatRoute(bool WorldState::*route)
{
    WorldState& world = m_program.state.WorldStates[m_program.state.CurrentWorld];
    if (world.SplitScreen) {
        world.*route = !(world.*route);
    } else {
        ShowChatPane();
        world.*route = true;
    }
}

void CommandActions::TogglePause()
{
    WorldState& world = m_program.state.WorldStates[m_program.state.CurrentWorld];
    frmOpen* window = current();
    if (world.Paused) {
        m_toolbar.lblPause->clear();
        world.Paused = false;
        window->IPPort1->setAcceptData(true);
    } else {
        m_toolbar.lblPause->setText(window->caption() + QStringLiteral(" is Paused!"));
        world.Paused = true;
        window->IPPort1->setAcceptData(false);
    }
}

void CommandActions::look()
{
    sendToCurrentIfConnected("look", QStringLiteral("Nothing to look at."));
}

void CommandActions::who()
{
    sendToCurrentIfConnected("WHO", QStringLiteral("You must be connected to do that."));
}

void CommandActions::sendToCurrentIfConnected(const QByteArray& line, const QString& notConnected)
{
    const int slot = m_program.state.CurrentWorld;
    if (!isConnected(slot)) {
        m_program.ShowMessage(notConnected, MessageKind::Information);
        return;
    }
    sendLine(slot, line);
    m_hooks.focusInput();
}

} // namespace lanthorn
