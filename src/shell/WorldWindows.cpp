#include "shell/WorldWindows.h"

#include "core/Program.h"
#include "core/SettingsValues.h"
#include "input/SendHistory.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "shell/MDILanthorn.h"
#include "shell/Twips.h"
#include "shell/frmTool.h"
#include "worlds/frmOpen.h"

#include <QLabel>
#include <QListWidget>
#include <QMdiArea>

namespace lanthorn {

namespace {
}

WorldWindows::WorldWindows(Program& program, MDILanthorn& frame, frmTool& toolbar)
    : m_program(program)
    , m_frame(frame)
    , m_toolbar(toolbar)
{
    connect(m_frame.worldArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* window = qobject_cast<frmOpen*>(sub); window && window->isVisible())
            ActivateWorldWindow(window);
    });
    for (std::size_t i = 0; i < m_frame.mnuArray.size(); ++i)
        connect(m_frame.mnuArray[i], &QAction::triggered, this, [this, i] { worldEntryClicked(int(i)); });
    connect(m_toolbar.lworlds, &QListWidget::itemDoubleClicked, this, &WorldWindows::activityDoubleClicked);
}

frmOpen* WorldWindows::window(int slot)
{
    while (m_windows.size() <= slot)
        m_windows.append(nullptr);
    if (!m_windows[slot]) {
        auto* created = new frmOpen(slot);
        m_frame.worldArea()->addSubWindow(created);
        m_windows[slot] = created;
        connect(
            created->IPPort1, &TcpConnection::disconnectedEvent, this, [this, created] { worldDisconnected(created); });
        loadWindow(created);
        Q_EMIT windowCreated(created);
    }
    return m_windows[slot];
}

QList<frmOpen*> WorldWindows::windows() const
{
    QList<frmOpen*> created;
    for (frmOpen* window : m_windows) {
        if (window)
            created.append(window);
    }
    return created;
}

void WorldWindows::loadWindow(frmOpen* window)
{
    const ScreenDefaults& screen = m_program.state.Screen;
    window->Term->setBackColor(screen.TBColor);
    window->Term->setForeColor(screen.TFColor);
    window->Term->Disp(kClearScreen);
    SendHistory(m_program.state).ResetCursor();
    m_frame.setWindowTitle(window->caption());
}

void WorldWindows::worldDisconnected(frmOpen* window)
{
    // The world ended the connection: the slot stays in use until the player closes it.
    window->IPPort1->setConnected(false);
    window->Term->Disp(QByteArray("\x1b[1m") + "\x1b[34mDisconnected from this world." + "\r\n");
    window->setCaption(window->caption() + QStringLiteral("[Disconnected]"));
    if (window->slot() == m_program.state.CurrentWorld)
        m_frame.setWindowTitle(window->caption());
    if (focusInput)
        focusInput();
}

void WorldWindows::LayoutWorldWindow(frmOpen* window)
{
    if (!window)
        return;
    const int slot = window->slot();
    const bool split = slot < m_program.state.WorldStates.size() && m_program.state.WorldStates[slot].SplitScreen;
    const QSize area = m_frame.worldArea()->viewport()->size();
    window->setGeometry(0, 0, area.width(), area.height());
    window->layoutDisplays(split, TwipsToPixels(kChatPaneTwips, window), m_frame.mnuScrollbars->isChecked());
}

void WorldWindows::layoutAll()
{
    for (frmOpen* window : windows()) {
        if (window->isVisible())
            LayoutWorldWindow(window);
    }
}

void WorldWindows::showWorld(int slot)
{
    frmOpen* shown = window(slot);
    shown->move(0, 0);
    shown->show();
    m_frame.worldArea()->setActiveSubWindow(shown);
    // Activating a window that is already the active one reports nothing; it is current anyway.
    if (m_program.state.CurrentWorld != slot)
        ActivateWorldWindow(shown);
}

void WorldWindows::ActivateWorldWindow(frmOpen* window)
{
    ProgramState& state = m_program.state;
    const int slot = window->slot();
    if (slot < 0 || slot >= state.WorldStates.size())
        return;
    state.CurrentWorld = slot;
    m_frame.setWindowTitle(window->caption());
    m_frame.mnuDisconnect->setEnabled(window->IPPort1->Connected());
    LayoutWorldWindow(window);
    if (state.WorldStates[slot].ActivityListed)
        removeActivity(slot);
    updateToolbarLabels();
}

void WorldWindows::updateToolbarLabels()
{
    const ProgramState& state = m_program.state;
    const WorldState& world = state.WorldStates[state.CurrentWorld];
    m_toolbar.lblAnnounce->setText(world.Logging ? QStringLiteral("Logging.") : QString());
    const frmOpen* current = state.CurrentWorld < m_windows.size() ? m_windows[state.CurrentWorld] : nullptr;
    m_toolbar.lblPause->setText(
        world.Paused && current ? current->caption() + QStringLiteral(" is Paused!") : QString());
}

int WorldWindows::AddActivity(const QString& caption)
{
    m_toolbar.lworlds->addItem(caption);
    return m_toolbar.lworlds->count() - 1;
}

void WorldWindows::removeActivity(int slot)
{
    WorldState& world = m_program.state.WorldStates[slot];
    if (world.ActivityIndex >= 0 && world.ActivityIndex < m_toolbar.lworlds->count())
        delete m_toolbar.lworlds->takeItem(world.ActivityIndex);
    world.ActivityListed = false;
    world.ActivityIndex = -1;
    renumberActivities();
}

void WorldWindows::renumberActivities()
{
    // Each entry begins with its world's number (slot + 1); the worlds learn their entry's
    // position again.
    QList<WorldState>& worlds = m_program.state.WorldStates;
    for (int i = 0; i < m_toolbar.lworlds->count(); ++i) {
        const int slot = int(NumericValue(m_toolbar.lworlds->item(i)->text())) - 1;
        if (slot >= 0 && slot < worlds.size())
            worlds[slot].ActivityIndex = i;
    }
}

void WorldWindows::activityDoubleClicked(QListWidgetItem* item)
{
    const int slot = int(NumericValue(item->text())) - 1;
    if (slot < 0 || slot >= m_program.state.WorldStates.size() || !m_program.state.WorldStates[slot].InUse)
        return;
    showWorld(slot);
    if (focusInput)
        focusInput();
}

void WorldWindows::worldEntryClicked(int entry)
{
    bool ok = false;
    const int slot = m_frame.mnuArray[std::size_t(entry)]->data().toString().toInt(&ok);
    if (!ok || slot < 0 || slot >= m_program.state.WorldStates.size())
        return;
    showWorld(slot);
    if (focusInput)
        focusInput();
}

void WorldWindows::RebuildWorldList()
{
    ProgramState& state = m_program.state;
    int k = 0;
    for (int i = 0; i < state.WorldStates.size(); ++i) {
        if (state.WorldStates[i].InUse) {
            QAction* entry = m_frame.mnuArray[std::size_t(std::min(k, kWorldMenuEntries - 1))];
            const SiteRecord* site = state.findSiteOf(i);
            const QString name = site ? site->Name : QString();
            entry->setText(QString::number(i + 1) + QStringLiteral(". ") + name);
            entry->setData(QString::number(i));
            entry->setVisible(true);
            ++k;
        } else {
            resetSlot(i);
        }
    }
    state.WorldMenuCount = k;
    state.LastWorldIndex = k;
    if (k == 0) {
        state.CurrentWorld = 0;
        window(0)->show();
        ActivateWorldWindow(window(0));
    }
    for (int entry = k; entry < kWorldMenuEntries; ++entry)
        m_frame.mnuArray[std::size_t(entry)]->setVisible(false);
    ToggleWorld();
    if (focusInput)
        focusInput();
}

void WorldWindows::resetSlot(int slot)
{
    if (slot < m_windows.size() && m_windows[slot]) {
        frmOpen* released = m_windows[slot];
        released->IPPort1->setConnected(false);
        released->setGeometry(0, 0, 0, 0);
        released->Term->setScreenText(QString());
        released->Chat->setScreenText(QString());
        released->Chat->setScrollbackRows(0);
        released->Chat->setScrollbackRows(100);
        released->Chat->hide();
        released->Term->setScrollbackRows(0);
        released->lblWHO->clear();
        released->hide();
        released->setCaption(QStringLiteral("Lanthorn"));
    }
    // A released world's activity entry goes too, so that no entry points at a free slot.
    if (m_program.state.WorldStates[slot].ActivityListed)
        removeActivity(slot);
    WorldState& world = m_program.state.WorldStates[slot];
    world.InUse = false;
    world.Logging = false;
    world.ActivityIndex = -1;
    world.LogFileName.clear();
    world.LogSize = 0;
    world.LogPart = 0;
    world.SplitScreen = false;
    world.PuppetsToChat = false;
    world.PagesToChat = false;
    world.Paused = false;
    world.ReceiveBuffer.clear();
    if (slotReset)
        slotReset(slot);
}

void WorldWindows::ToggleWorld()
{
    ProgramState& state = m_program.state;
    if (state.LastWorldIndex == 0)
        return;
    state.ToggleIndex = state.CurrentWorld;
    const int n = int(state.WorldStates.size()) - 1;
    if (n == 0) {
        state.LastWorldIndex = 0;
        state.ToggleIndex = 0;
        return;
    }
    const auto advance = [n](int index) { return index >= n ? 0 : index + 1; };
    state.ToggleIndex = advance(state.ToggleIndex);
    const int start = state.ToggleIndex;
    while (!state.WorldStates[state.ToggleIndex].InUse) {
        state.ToggleIndex = advance(state.ToggleIndex);
        if (state.ToggleIndex == start)
            return;
    }
    showWorld(state.ToggleIndex);
    if (focusInput)
        focusInput();
}

void WorldWindows::siteBookReloaded()
{
    ProgramState& state = m_program.state;
    for (int slot = 0; slot < state.WorldStates.size() && slot < m_windows.size(); ++slot) {
        frmOpen* window = m_windows[slot];
        if (!state.WorldStates[slot].InUse || !window)
            continue;
        int found = -1;
        for (int i = 0; i < state.Sites.size(); ++i) {
            if (state.Sites[i].Name == window->openedSite.Name)
                found = i;
        }
        if (found < 0) {
            state.Sites.append(window->openedSite);
            found = int(state.Sites.size()) - 1;
        }
        state.WorldStates[slot].SiteIndex = found;
        window->setSiteIndex(found);
    }
}

} // namespace lanthorn
