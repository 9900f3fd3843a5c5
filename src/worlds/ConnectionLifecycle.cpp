#include "worlds/ConnectionLifecycle.h"

#include "core/Program.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "shell/BusyPointer.h"
#include "shell/FontChoices.h"
#include "shell/MDILanthorn.h"
#include "shell/WorldWindows.h"
#include "worlds/frmAdd.h"
#include "worlds/frmOpen.h"

#include <QTimer>

namespace lanthorn {

namespace {

const QByteArray kCrLf = "\r\n";

} // namespace

QString ConnectFailureMessage(int errorNumber, const QString& description)
{
    switch (errorNumber) {
    case 25094:
        return QStringLiteral("Unable to find WINSOCK.DLL. Please connect to your provider.");
    case ErrorNumber::ConnectInProgress:
        return QStringLiteral("Please Wait.");
    case ErrorNumber::AddressNotAvailable:
    case 20103:
        return QStringLiteral("Can't Assign Requested Address.");
    case ErrorNumber::NetworkUnreachable:
    case ErrorNumber::HostUnreachable:
        return QStringLiteral("No Route To Host. Try Later.");
    case ErrorNumber::ConnectionRefused:
    case ErrorNumber::NotConnected:
        return QStringLiteral("Connection refused.");
    case ErrorNumber::ConnectionTimedOut:
        return QStringLiteral("Connection timed out.");
    case 26003:
    case ErrorNumber::HostNotFound:
    case 26005:
        return QStringLiteral("Non-authoritative 'Host not found' (try again or check DNS setup).");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Unable to establish a connection, check Host Name and Port Number Parameters.");
    default:
        return QStringLiteral("Unhandled Error while attempting to make a connection:\r\n") + description
            + QStringLiteral("\r\n") + QString::number(errorNumber)
            + QStringLiteral("\r\nPlease report this problem to ") + kSupportContact + u'.';
    }
}

ConnectionLifecycle::ConnectionLifecycle(
    Program& program, MDILanthorn& frame, WorldWindows& worlds, frmAdd& connectWindow, ShellSteps steps)
    : m_program(program)
    , m_frame(frame)
    , m_worlds(worlds)
    , m_connectWindow(connectWindow)
    , m_steps(std::move(steps))
{
    connect(&m_connectWindow, &frmAdd::connectRequested, this, &ConnectionLifecycle::ConnectSelectedSite);
}

void ConnectionLifecycle::ConnectSelectedSite(int site)
{
    // The Connect window has found the site, turned its Save button black, disabled Connect and
    // hidden itself.
    BusyPointer::show();
    m_steps.disableToolbarButtons();
    const int slot = m_program.state.FindFreeWorldSlot();
    OpenWorldWindow(slot, site);
    ConnectWorld(slot, site, Origin::ConnectWindow);
}

void ConnectionLifecycle::ConnectByName(const QString& name)
{
    int site = -1;
    // Only the stored sites: Sites may also hold the record of a deleted site still being played.
    const QList<SiteRecord>& sites = m_program.state.Sites;
    for (int i = 0; i < m_connectWindow.siteBook().count() && i < sites.size(); ++i) {
        if (name == sites[i].Name.toLower())
            site = i;
    }
    if (site < 0) {
        m_program.ShowMessage(QStringLiteral("Couldn't find ") + name + QStringLiteral(" in your defined list."),
            MessageKind::Information);
        return;
    }
    BusyPointer::show();
    const int slot = m_program.state.FindFreeWorldSlot();
    OpenWorldWindow(slot, site);
    ConnectWorld(slot, site, Origin::ByName);
}

void ConnectionLifecycle::OpenWorldWindow(int slot, int site)
{
    const SiteRecord& record = m_program.state.Sites[site];
    frmOpen* window = m_worlds.window(slot);

    m_frame.setWindowTitle(QStringLiteral("Setting Fonts For New World."));
    m_worlds.LayoutWorldWindow(window);
    const QFont font = QFontOf(record.font());
    window->setFont(font);
    window->Term->setFont(font);

    m_frame.setWindowTitle(QStringLiteral("Allocation Memory For Scrollback Buffer."));
    window->Term->setScrollbackRows(m_program.state.Screen.ScrollRows);

    m_frame.setWindowTitle(QStringLiteral("Setting Preferences For New World."));
    WorldState& world = m_program.state.WorldStates[slot];
    world.ActivityListed = false;
    world.Logging = false;
    world.ActivityIndex = -1;
    world.SiteIndex = site;
    world.SplitScreen = false;

    m_frame.setWindowTitle(QStringLiteral("Setting Captions."));
    window->setCaption(QString::number(slot + 1) + u' ' + record.Name);
    window->openedSite = record;
    m_frame.setWindowTitle(QStringLiteral("Connecting:") + record.Name);

    m_frame.setWindowTitle(QStringLiteral("Setting Word Wrap."));
    // Without word wrap the display wraps at its own width (a reused window forgets the
    // column count of the world it showed before).
    window->Term->setScreenColumns(record.WordWrap ? record.WrapAt : 0);

    m_frame.setWindowTitle(QStringLiteral("Clearing Screen."));
    window->Term->setForeColor(record.TFColor);
    window->Term->setBackColor(record.TBColor);
    window->Term->Disp(kClearScreen);
}

void ConnectionLifecycle::ConnectWorld(int slot, int site, Origin origin)
{
    ProgramState& state = m_program.state;
    const SiteRecord& record = state.Sites[site];
    frmOpen* window = m_worlds.window(slot);
    TcpConnection* connection = window->IPPort1;

    m_frame.setWindowTitle(QStringLiteral("Attempting Connection."));
    state.WorldStates[slot].InUse = true;

    // The Worlds menu lists at most 21 worlds; a world that could not be listed is not opened.
    int inUse = 0;
    for (const WorldState& world : std::as_const(state.WorldStates))
        inUse += world.InUse ? 1 : 0;
    if (inUse > kWorldMenuEntries) {
        window->hide();
        m_program.ShowMessage(QStringLiteral("Lanthorn can have at most %1 worlds open at once. Close one of them "
                                             "before you connect to another.")
                                  .arg(kWorldMenuEntries),
            MessageKind::Information);
        finish(slot, origin, false);
        return;
    }

    try {
        connection->setSwitch4(true);
        connection->setRemoteHost(record.Host.trimmed());
        connection->setRemotePort(record.Port);
        connection->setLineTerminator(record.Type == kSiteTypeMush ? QByteArray("\n") : QByteArray());
        connection->setConnected(true);
    } catch (const LanthornError& error) {
        failed(slot, origin, error.number(), error.description(), error.number() != ErrorNumber::ConnectInProgress);
        return;
    }

    ++m_attempts;
    auto* deadline = new QTimer(this);
    deadline->setSingleShot(true);
    auto done = std::make_shared<bool>(false);
    const auto end = [this, deadline, done, connection]() {
        *done = true;
        --m_attempts;
        disconnect(connection, &TcpConnection::connectedEvent, this, nullptr);
        disconnect(connection, &TcpConnection::connectFailed, this, nullptr);
        deadline->deleteLater();
    };
    connect(connection, &TcpConnection::connectedEvent, this, [=, this] {
        if (*done)
            return;
        end();
        connected(slot, origin);
    });
    connect(connection, &TcpConnection::connectFailed, this, [=, this](int number, const QString& description) {
        if (*done)
            return;
        end();
        failed(slot, origin, number, description);
    });
    connect(deadline, &QTimer::timeout, this, [=, this] {
        if (*done)
            return;
        end();
        connection->setConnected(false);
        window->hide();
        m_program.ShowMessage(QStringLiteral("Sorry, unable to establish a connection."), MessageKind::Information);
        finish(slot, origin, false);
    });
    deadline->start(m_wait);
}

void ConnectionLifecycle::connected(int slot, Origin origin)
{
    ProgramState& state = m_program.state;
    // The site book may have been read again while the world was being connected: the slot's
    // own site index has followed the site, a number taken before the wait has not.
    const int site = state.WorldStates[slot].SiteIndex;
    frmOpen* window = m_worlds.window(slot);
    window->setSiteIndex(site);

    m_frame.setWindowTitle(QStringLiteral("Connected!."));
    m_worlds.showWorld(slot);
    state.CurrentWorld = slot;
    m_frame.setWindowTitle(window->caption());
    state.LastWorldIndex = int(state.WorldStates.size()) - 1;

    QAction* entry = m_frame.mnuArray[std::size_t(std::min(state.WorldMenuCount, kWorldMenuEntries - 1))];
    entry->setText(QString::number(slot + 1) + QStringLiteral(". ") + state.Sites[site].Name);
    entry->setVisible(true);
    entry->setData(QString::number(slot));
    ++state.WorldMenuCount;
    m_frame.mnuDisconnect->setEnabled(true);

    SendLogin(slot, site);
    finish(slot, origin, true);
}

void ConnectionLifecycle::failed(int slot, Origin origin, int errorNumber, const QString& description, bool hideWindow)
{
    if (hideWindow)
        m_worlds.window(slot)->hide();
    if (errorNumber != 0) {
        const int kind
            = errorNumber == ErrorNumber::ConnectInProgress ? MessageKind::Critical : MessageKind::Information;
        m_program.ShowMessage(ConnectFailureMessage(errorNumber, description), kind);
    }
    finish(slot, origin, false);
}

void ConnectionLifecycle::finish(int slot, Origin origin, bool ok)
{
    if (!ok) {
        m_program.state.WorldStates[slot].InUse = false;
        m_worlds.window(slot)->IPPort1->setConnected(false);
        m_worlds.RebuildWorldList();
    }
    if (origin == Origin::ConnectWindow) {
        m_connectWindow.finishConnect();
        BusyPointer::restore();
        m_steps.focusInput();
        m_steps.enableToolbarButtons();
    } else {
        BusyPointer::restore();
        if (ok)
            m_steps.focusInput();
    }
    Q_EMIT attemptFinished(slot, ok);
}

void ConnectionLifecycle::SendLogin(int slot, int site)
{
    const SiteRecord& record = m_program.state.Sites[site];
    if (record.UserId.trimmed().isEmpty())
        return;
    TcpConnection* connection = m_worlds.window(slot)->IPPort1;
    try {
        if (record.Type == kSiteTypeMush) {
            connection->sendData(
                QByteArray("connect ") + record.UserId.toUtf8() + ' ' + record.Password.toUtf8() + kCrLf);
        } else if (record.Type == kSiteTypeMud) {
            connection->sendData(record.UserId.toUtf8() + kCrLf);
            connection->sendData(record.Password.toUtf8() + kCrLf);
        }
    } catch (const LanthornError&) {
        // The world closed the connection at once; its disconnected notice tells the player.
    }
}

} // namespace lanthorn
