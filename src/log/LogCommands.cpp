#include "log/LogCommands.h"

#include "core/Program.h"
#include "log/LogFiles.h"
#include "platform/TerminalDisplay.h"
#include "platform/UiServices.h"
#include "shell/WorldWindows.h"
#include "shell/frmTool.h"
#include "worlds/frmOpen.h"

#include <QFileInfo>
#include <QLabel>

namespace lanthorn {

namespace {
const QString kDialogTitle = QStringLiteral("Open/Save");
const QString kDialogFilter = QStringLiteral("Log (*.log)|*.log|Text (*.txt)|*.txt");
const QString kProposedName = QStringLiteral("*.log");
} // namespace

LogCommands::LogCommands(Program& program, UiServices& services, FilterMatchers& filters, WorldWindows& worlds,
    frmTool& toolbar, QWidget* dialogParent)
    : m_program(program)
    , m_services(services)
    , m_worlds(worlds)
    , m_toolbar(toolbar)
    , m_dialogParent(dialogParent)
    , m_writer(program, filters)
{
}

QString LogCommands::siteName(int slot) const
{
    const SiteRecord* site = m_program.state.findSiteOf(slot);
    return site ? site->Name : QString();
}

void LogCommands::giveFocusBack()
{
    if (focusInput)
        focusInput();
}

void LogCommands::announce(int slot, const QString& text)
{
    // The label tells about the world the player is looking at, whichever world's log changed.
    if (slot == m_program.state.CurrentWorld)
        m_toolbar.lblAnnounce->setText(text);
}

void LogCommands::StartLogging(int slot)
{
    if (m_program.AskYesNo(QStringLiteral("Log ") + siteName(slot) + u'?', 1) != 1)
        return;
    try {
        const std::optional<QString> name = chooseFile(slot);
        if (!name)
            return;
        WorldState& world = m_program.state.world(slot);
        // A site without word wrap logs unwrapped, whatever an earlier log in this slot chose.
        world.LogWordWrap = m_program.state.siteOf(slot).WordWrap
            && m_program.AskYesNo(QStringLiteral("Use WordWrap formatting in log?"), 1) == 1;
        m_writer.BeginLog(slot, *name);
        announce(slot, QStringLiteral("Logging"));
        // Units arriving while the player answers are part of the text received so far if it
        // is written; otherwise they are the log's first units.
        m_writer.holdUnits(slot);
        if (m_program.AskYesNo(QStringLiteral("Do you want to log back to beginning of the current buffer?"), 1) == 1) {
            m_writer.dropHeldUnits(slot);
            m_writer.WriteBufferToLog(slot, displayedText(slot));
        } else {
            m_writer.writeHeldUnits(slot);
        }
        giveFocusBack();
    } catch (const LanthornError& error) {
        failed(slot, error, QStringLiteral("Error Opening Log File: "), QStringLiteral(" Logging Aborted."));
    }
}

std::optional<QString> LogCommands::chooseFile(int slot)
{
    for (;;) {
        const std::optional<QString> name
            = m_services.saveFileName(m_dialogParent, kDialogTitle, kDialogFilter, kProposedName);
        if (!name) {
            m_program.ShowMessage(QStringLiteral("Logging cancelled."), MessageKind::Information);
            giveFocusBack();
            return std::nullopt;
        }
        if (name->isEmpty())
            return std::nullopt;
        if (loggedElsewhere(slot, *name)) {
            m_program.ShowMessage(
                QStringLiteral("Another world is being logged to this file. Please choose another one."),
                MessageKind::Warning);
            continue;
        }
        if (!LogFileExists(*name) || m_program.AskYesNo(QStringLiteral("This logfile exits, write over it?"), 1) == 1)
            return name;
    }
}

bool LogCommands::loggedElsewhere(int slot, const QString& name) const
{
    const QString path = QFileInfo(name).absoluteFilePath();
    const QList<WorldState>& worlds = m_program.state.WorldStates;
    for (int other = 0; other < worlds.size(); ++other) {
        if (other != slot && worlds[other].Logging && QFileInfo(worlds[other].LogFileName).absoluteFilePath() == path)
            return true;
    }
    return false;
}

QByteArray LogCommands::displayedText(int slot)
{
    if (!m_program.state.world(slot).LogWordWrap)
        return {};
    const TerminalDisplay* term = m_worlds.window(slot)->Term;
    return (term->ScrollbackText() + term->ScreenText()).toUtf8();
}

void LogCommands::StopLogging(int slot)
{
    if (m_program.AskYesNo(QStringLiteral("Stop logging ") + siteName(slot) + u'?', 0) != 1)
        return;
    announce(slot, {});
    m_writer.EndLog(slot);
    giveFocusBack();
}

void LogCommands::LogLine(const QByteArray& plain, int slot)
{
    try {
        m_writer.LogLine(plain, slot);
    } catch (const LanthornError& error) {
        failed(slot, error, QStringLiteral("Error opening log file: "), QStringLiteral(" logging aborted."));
    }
}

void LogCommands::WorldReleased(int slot)
{
    m_writer.EndLog(slot);
}

void LogCommands::failed(int slot, const LanthornError& error, const QString& before, const QString& after)
{
    // Logging ends before the player is told, so that nothing arriving while the message is
    // shown tries the file again.
    if (slot >= 0 && slot < m_program.state.WorldStates.size())
        m_writer.EndLog(slot);
    announce(slot, {});
    m_program.PlainMessage(before + QString::number(error.number()) + u' ' + error.description() + after);
    giveFocusBack();
}

} // namespace lanthorn
