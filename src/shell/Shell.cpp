#include "shell/Shell.h"

#include "core/Program.h"
#include "core/SettingsValues.h"
#include "core/StartupSettings.h"
#include "core/frmBit.h"
#include "core/frmStart.h"
#include "editors/FilterListLoaders.h"
#include "incoming/LineChain.h"
#include "input/CommandActions.h"
#include "input/FormIn.h"
#include "input/InputLine.h"
#include "input/frmHistory.h"
#include "input/frmKeys.h"
#include "log/LogCommands.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "platform/UiServices.h"
#include "shell/BusyPointer.h"
#include "shell/FontChoices.h"
#include "shell/MDILanthorn.h"
#include "shell/MainFrameForIncoming.h"
#include "shell/Twips.h"
#include "shell/UnwrapText.h"
#include "shell/WorldWindows.h"
#include "shell/frmAbout.h"
#include "shell/frmAskFor.h"
#include "shell/frmHelp.h"
#include "shell/frmTool.h"
#include "worlds/ConnectionLifecycle.h"
#include "worlds/ConvertOldSiteList.h"
#include "worlds/frmAdd.h"
#include "worlds/frmOpen.h"
#include "worlds/frmSites.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace lanthorn {

namespace {
constexpr int kFileNotFound = 53;
}

Shell::Shell(Program& program, UiServices& services, QString startArguments, std::function<void()> endProgram)
    : m_program(program)
    , m_services(services)
    , m_startArguments(std::move(startArguments))
    , m_endProgram(std::move(endProgram))
{
}

Shell::~Shell()
{
    BusyPointer::restore();
}

QString Shell::programDirectory() const
{
    return m_programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : m_programDirectory;
}

void Shell::start()
{
    StartupWindowLoad();
}

void Shell::setStatus(const QString& text)
{
    if (m_start)
        m_start->setStatus(text);
}

void Shell::StartupWindowLoad()
{
    m_start = std::make_unique<frmStart>();
    ProgramState& state = m_program.state;
    state.DefaultFont = FontChoiceOf(m_start->font());

    if (!m_bit) {
        m_bit = std::make_unique<frmBit>();
        const QString tile = QDir(programDirectory()).filePath(QStringLiteral("tile.bmp"));
        if (!m_bit->loadPicture(tile))
            m_program.ReportUnhandledError(
                LanthornError(kFileNotFound, QStringLiteral("File not found: ") + tile, QStringLiteral("frmStart")),
                true);
    }
    m_bit->TileBackground(m_start.get());

    if (m_program.ReadIniString(QStringLiteral("Settings"), QStringLiteral("Version"), QStringLiteral(" "))
        != kVersionText) {
        m_start.reset();
        AskFirstRunQuestions();
        return;
    }

    m_start->show();
    SetAlwaysOnTop(m_start.get(), true);
    ShowBusyPointer();
    m_start->repaint();

    setStatus(QStringLiteral("Loading Preferences"));
    LoadFeatureSwitches(m_program);
    setStatus(QStringLiteral("Loading Fonts and Colors"));
    LoadScreenDefaults(m_program);

    try {
        const int oldSites
            = IntegerValue(m_program.ReadIniString(QStringLiteral("Sites"), QStringLiteral("Lines"), "0"));
        if (oldSites != 0) {
            setStatus(QStringLiteral("Converting Older Version Site Definitions"));
            ConvertOldSiteList(m_program, oldSites - 1);
        }
    } catch (const LanthornError& error) {
        if (error.number() == ErrorNumber::TypeMismatch)
            m_program.PlainMessage(kCorruptedText, kCorruptedTitle);
        else if (error.number() != ErrorNumber::Overflow)
            m_program.ReportUnhandledError(error, true);
    }

    state.WorldStates = { WorldState {} };

    if (state.Features.TriggersEnabled) {
        setStatus(QStringLiteral("Loading Triggers."));
        LoadTriggerList(m_program);
    }
    if (state.Features.GagsEnabled) {
        setStatus(QStringLiteral("Loading Gags."));
        LoadGagList(m_program);
    }
    if (state.Features.LogOmissionsEnabled) {
        setStatus(QStringLiteral("Loading Log Omissions."));
        LoadLogOmissions(m_program);
    }
    setStatus(QStringLiteral("Loading Hilights."));
    LoadHiliteList(m_program);

    setStatus(QStringLiteral("Loading Lanthorn."));
    LoadMainFrame();

    RestorePointer();
    m_start.reset();
}

void Shell::AskFirstRunQuestions()
{
    m_program.ShowMessage(
        QStringLiteral("Welcome to Lanthorn.\n\nThe next couple of screens will ask you for information that will "
                       "customize Lanthorn to your preferences.\nAt anytime once Lanthorn starts you will be able to "
                       "change these settings again. \nIf you are unsure what to answer, use the default answer.\n\n"),
        MessageKind::Wizard);

    const struct {
        const char* heading;
        const char* body;
        const char* question;
        int kind;
        const char* key;
    } questions[] = {
        { "Log Ommissions:",
            "Lanthorn has the ability to filter incoming text and omit customizable lines such as Pages, Whispers "
            "and Channels from your log file.  ",
            "Would you like this feature enabled?", 1, "LoadOmits" },
        { "Log Size:",
            "Lanthorn has the ability to keep the size of your log text files from growing past 32K.  Instead it "
            "will be split into parts.\nThis may be handy if you prefer to use Write as your Log Editor. ",
            "Would you like this feature enabled?", 0, "SplitLogs" },
        { "Triggers:",
            "Lanthorn has the ability to automatically send a response to the game if it receives text that you "
            "define.\nThis is a simple form of what is called Triggers.",
            "Would you like this feature enabled?", 0, "LoadTrigs" },
        { "Gags:",
            "Lanthorn has the ability to filter incoming text and omit customizable lines from being displayed on "
            "your screen.",
            "Would you like this feature enabled?", 0, "LoadGags" },
        { "Scrollbars:",
            "There are many ways of re-viewing text that was received from your game server.  It you are a person "
            "who likes to use the keyboard to navigate programs, you will be able to use the PageUp and PageDown to "
            "open and view a scrollback window.  If you prefer to use the Mouse, choose Yes.",
            "Do you wish to see the scrollbars on the receive window?", 0, "Scrollbars" },
    };
    for (const auto& q : questions) {
        const QString text = QString::fromLatin1(q.heading) + QStringLiteral("\n\n") + QString::fromLatin1(q.body)
            + QStringLiteral("\n\n") + QString::fromLatin1(q.question);
        const int answer = m_program.AskYesNo(text, q.kind);
        m_program.WriteIniString(QStringLiteral("Settings"), QString::fromLatin1(q.key), QString::number(answer));
    }

    m_wizard = std::make_unique<frmAskFor>(m_program, m_services);
    m_bit->TileBackground(m_wizard.get());
    connect(m_wizard.get(), &frmAskFor::finished, this, [this] {
        // The wizard is done: it goes away, and the start-up begins anew on the next turn.
        m_wizard.release()->deleteLater();
        QTimer::singleShot(0, this, [this] { StartupWindowLoad(); });
    });
    connect(m_wizard.get(), &frmAskFor::abandoned, this, [this] {
        // Closing the wizard leaves the set-up unfinished; the next start asks again.
        m_wizard.release()->deleteLater();
        endProgram();
    });
    m_wizard->show();
}

void Shell::LoadMainFrame()
{
    ProgramState& state = m_program.state;
    m_frame = std::make_unique<MDILanthorn>();

    setStatus(QStringLiteral("Loading Lanthorn.."));
    m_frame->updateClock();
    state.CurrentWorld = 0;
    state.LastWorldIndex = 0;
    state.WorldMenuCount = 0;
    state.ToggleIndex = 0;
    m_frame->setWindowTitle(QStringLiteral("Lanthorn"));

    setStatus(QStringLiteral("Loading Lanthorn..."));
    const MenuChecks checks = ReadMenuChecks(m_program);
    m_frame->mnuNotify->setChecked(checks.notify);
    m_frame->mnuScrollbars->setChecked(checks.scrollbars);
    m_frame->mnuConfirm->setChecked(checks.confirm);

    setStatus(QStringLiteral("Loading Lanthorn...."));
    m_toolbar = new frmTool(m_program);
    setStatus(QStringLiteral("Loading Lanthorn....."));
    m_frame->setToolbar(m_toolbar);
    m_worlds = std::make_unique<WorldWindows>(m_program, *m_frame, *m_toolbar);
    m_worlds->focusInput = [this] { focusInput(); };
    m_incomingFrame = std::make_unique<MainFrameForIncoming>(*m_frame, *m_worlds);
    m_chain = std::make_unique<LineChain>(m_program, *m_incomingFrame);
    m_worlds->slotReset = [this](int slot) {
        m_chain->ResetWorld(slot);
        if (m_logging)
            m_logging->WorldReleased(slot);
    };
    connect(m_worlds.get(), &WorldWindows::windowCreated, this, [this](frmOpen* window) {
        connect(window->IPPort1, &TcpConnection::dataIn, this, [this, window](QByteArray& text, bool endOfLine) {
            m_chain->DataIn(*window, text, endOfLine);
            text.clear();
        });
        connect(window, &frmOpen::keyDown, this,
            [this, window](int keyCode, int shift) { m_inputLine->HandleWorldKey(keyCode, shift, window); });
        connect(window, &frmOpen::keyPress, this, [this](QString& text) { m_inputLine->typedIntoDisplay(text); });
    });
    m_actions = std::make_unique<CommandActions>(m_program, *m_frame, *m_toolbar, *m_worlds,
        CommandActions::Hooks {
            [this] { focusInput(); },
            [this] { Exit(); },
            [this] { SendHistoryWindow()->ShowHistory(); },
            [this] { LoadGagList(m_program); },
            [this] { LoadTriggerList(m_program); },
        });
    m_logging = std::make_unique<LogCommands>(
        m_program, m_services, m_chain->filters(), *m_worlds, *m_toolbar, m_frame.get());
    m_logging->focusInput = [this] { focusInput(); };
    m_incomingFrame->logLine = [this](const QByteArray& plain, int slot) { m_logging->LogLine(plain, slot); };
    m_actions->StartLogging = [this](int slot) { m_logging->StartLogging(slot); };
    m_actions->StopLogging = [this](int slot) { m_logging->StopLogging(slot); };

    setStatus(QStringLiteral("Loading Lanthorn......"));
    m_input = new FormIn(m_program);
    m_frame->setInputWindow(m_input);
    m_inputLine = std::make_unique<InputLine>(m_program, m_services, *m_input, *m_worlds, *m_actions,
        InputLine::Hooks {
            [this] { OpenConnectWindow(); },
            [this](const QString& name) {
                ConnectWindow(); // loads the site book and the connection lifecycle with it
                m_lifecycle->ConnectByName(name);
            },
            [this] { MacroWindow()->ShowKeys(); },
        });
    m_incomingFrame->grabResult = [this](const QByteArray& line) { m_inputLine->GrabResult(line); };
    connect(m_toolbar, &frmTool::keyDown, this, [this](int keyCode, int shift) {
        m_inputLine->HandleWorldKey(keyCode, shift, WorldWindow(m_program.state.CurrentWorld));
    });

    setStatus(QStringLiteral("Loading Lanthorn......."));
    RestoreMainWindowPlacement();

    setStatus(QStringLiteral("Loading Lanthorn........"));
    frmOpen* first = WorldWindow(0);

    setStatus(QStringLiteral("Loading Lanthorn........."));
    const int inputHeight = TwipsToPixels(ReadInputWindowHeight(m_program), m_frame.get());
    m_frame->setInputHeight(inputHeight);

    setStatus(QStringLiteral("Loading Defined Sites"));
    RestorePointer();
    ConnectWindow();

    wireMenus();
    m_frame->show();
    m_frame->setInputHeight(inputHeight);
    first->show();
    m_worlds->LayoutWorldWindow(first);
    m_frame->Timer1->start();
    focusInput();
    // A host and port on the command line open the Connect window with a new site there.
    m_add->setStartArguments(m_startArguments);
    if (m_add->isVisible())
        m_add->raise();
}

frmAdd* Shell::ConnectWindow()
{
    if (!m_add) {
        m_add = std::make_unique<frmAdd>(m_program, m_services);
        TileBackground(m_add.get());
        TileBackground(m_add->siteList());
        connect(m_add.get(), &frmAdd::inputFocusRequested, this, &Shell::focusInput);
        connect(m_add.get(), &frmAdd::siteBookLoaded, m_worlds.get(), &WorldWindows::siteBookReloaded);
        m_lifecycle = std::make_unique<ConnectionLifecycle>(m_program, *m_frame, *m_worlds, *m_add,
            ConnectionLifecycle::ShellSteps {
                [this] { DisableToolbarButtons(); }, [this] { EnableToolbarButtons(); }, [this] { focusInput(); } });
    }
    return m_add.get();
}

void Shell::OpenConnectWindow()
{
    ShowBusyPointer();
    ConnectWindow()->Open();
    RestorePointer();
}

void Shell::wireMenus()
{
    MDILanthorn* frame = m_frame.get();
    connect(frame->Exit, &QAction::triggered, this, &Shell::Exit);
    connect(frame, &MDILanthorn::closeRequested, this, &Shell::Exit);
    connect(frame, &MDILanthorn::frameResized, this, &Shell::frameResized);
    connect(frame->Timer1, &QTimer::timeout, this, &Shell::timerTick);

    connect(
        frame->mnuConfirm, &QAction::triggered, this, [this](bool checked) { WriteConfirmCheck(m_program, checked); });
    connect(
        frame->mnuNotify, &QAction::triggered, this, [this](bool checked) { WriteNotifyCheck(m_program, checked); });
    connect(frame->mnuScrollbars, &QAction::triggered, this, [this](bool checked) {
        WriteScrollbarsCheck(m_program, checked);
        m_worlds->LayoutWorldWindow(WorldWindow(m_program.state.CurrentWorld));
    });
    connect(frame->Connect, &QAction::triggered, this, &Shell::OpenConnectWindow);
    connect(m_toolbar->cmdConnect, &QToolButton::clicked, this, &Shell::OpenConnectWindow);
    m_toolbarReady.insert(m_toolbar->cmdConnect);
    connect(frame->Toggle, &QAction::triggered, m_worlds.get(), &WorldWindows::ToggleWorld);
    connect(frame->mnuClose, &QAction::triggered, m_actions.get(), &CommandActions::CloseWorld);
    connect(frame->mnuView, &QAction::triggered, m_actions.get(), &CommandActions::ShowSendHistory);
    connect(frame->mnuKeys, &QAction::triggered, this, [this] { MacroWindow()->ShowKeys(); });
    connect(frame->mnuCopy, &QAction::triggered, this, &Shell::CopySelectedText);
    connect(frame->mnuPaste, &QAction::triggered, this, &Shell::PasteIntoInput);
    connect(frame->mnuLine, &QAction::triggered, this, &Shell::RemoveCarriageReturns);
    connect(frame->mnuDisconnect, &QAction::triggered, m_actions.get(), &CommandActions::DisconnectWorld);
    connect(frame->Log, &QAction::triggered, m_actions.get(), &CommandActions::ToggleLogging);
    const struct {
        QToolButton* button;
        void (CommandActions::*action)();
    } buttons[]
        = { { m_toolbar->cmdPause, &CommandActions::TogglePause }, { m_toolbar->cmdLook, &CommandActions::look },
              { m_toolbar->cmdWHO, &CommandActions::who }, { m_toolbar->cmdLog, &CommandActions::ToggleLogging } };
    for (const auto& entry : buttons) {
        connect(entry.button, &QToolButton::clicked, m_actions.get(), entry.action);
        m_toolbarReady.insert(entry.button);
    }
    connect(frame->mnuHelpAr[0], &QAction::triggered, this, [this] { m_services.showHelp(HelpCommand::Contents); });
    connect(frame->mnuHelpAr[1], &QAction::triggered, this, [this] { m_services.showHelp(HelpCommand::Search); });
    connect(frame, &MDILanthorn::helpTopicRequested, this,
        [this](int topic) { m_services.showHelp(HelpCommand::Topic, topic); });
    connect(frame->mnuAbout, &QAction::triggered, this, [this] {
        if (!m_about) {
            m_about = std::make_unique<frmAbout>(m_services);
            m_bit->TileBackground(m_about.get());
        }
        m_about->showAbout();
    });

    // Items whose windows the program does not have yet stay disabled rather than doing nothing.
    for (QAction* later : { frame->mnuQuote, frame->mnuGag, frame->mnuHilites, frame->mnuLog, frame->mnuTriggers,
             frame->mnuSetting, frame->mnuEnable })
        later->setEnabled(false);
    EnableToolbarButtons();
}

frmOpen* Shell::WorldWindow(int slot)
{
    return m_worlds->window(slot);
}

void Shell::frameResized()
{
    if (!m_frame)
        return;
    if (m_frame->isMinimized())
        DisableToolbarButtons();
    else
        EnableToolbarButtons();
    m_program.state.NotifyPending = 0;
    if (m_worlds)
        m_worlds->layoutAll();
}

void Shell::timerTick()
{
    m_frame->updateClock();
    if (m_program.state.NotifyPending != 0)
        m_services.flashWindow(m_frame.get());
}

void Shell::RestoreMainWindowPlacement()
{
    const WindowPlacement placement = ReadWindowPlacement(m_program);
    QRect geometry(TwipsToPixels(placement.left, m_frame.get()), TwipsToPixels(placement.top, m_frame.get()),
        TwipsToPixels(placement.width, m_frame.get()), TwipsToPixels(placement.height, m_frame.get()));
    geometry.setSize(geometry.size().expandedTo(QSize(320, 240)));
    // A placement from another screen arrangement is moved back onto a screen that exists.
    const QScreen* screen = QGuiApplication::screenAt(geometry.topLeft() + QPoint(20, 20));
    if (!screen && QGuiApplication::primaryScreen())
        geometry.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    m_frame->move(geometry.topLeft());
    m_frame->resize(geometry.size());
}

void Shell::SaveMainWindowPlacement()
{
    const QWidget* frame = m_frame.get();
    WindowPlacement placement;
    placement.top = PixelsToTwips(frame->pos().y(), frame);
    placement.width = PixelsToTwips(frame->width(), frame);
    placement.left = PixelsToTwips(frame->pos().x(), frame);
    placement.height = PixelsToTwips(frame->height(), frame);
    SaveWindowPlacement(m_program, placement, PixelsToTwips(m_frame->inputHeight(), frame));
}

void Shell::Exit()
{
    if (m_ended)
        return;
    ShowBusyPointer();
    if (m_frame->isMinimized())
        m_frame->showNormal();
    SaveMainWindowPlacement();
    SaveFeatureSwitches(m_program);
    m_frame->hide();
    RestorePointer();
    endProgram();
}

void Shell::endProgram()
{
    m_ended = true;
    if (m_endProgram)
        m_endProgram();
}

frmKeys* Shell::MacroWindow()
{
    if (!m_keys) {
        m_keys = std::make_unique<frmKeys>(m_program, m_services);
        TileBackground(m_keys.get());
    }
    return m_keys.get();
}

frmHistory* Shell::SendHistoryWindow()
{
    if (!m_history) {
        m_history = std::make_unique<frmHistory>(m_program, m_services, m_input->txtOutBound);
        TileBackground(m_history.get());
    }
    return m_history.get();
}

QString Shell::selectedTextOfFocusedControl() const
{
    // The control with the focus: the input box, or a display of the active world window.
    // The focus goes back to the input box after most actions, so a box without a selection
    // leaves the choice to the displays.
    QWidget* focus = QApplication::focusWidget();
    if (focus == m_input->txtOutBound && m_input->txtOutBound->textCursor().hasSelection()) {
        QString text = m_input->txtOutBound->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        return text;
    }
    if (auto* display = qobject_cast<TerminalDisplay*>(focus))
        return display->selectedText();
    frmOpen* current = m_worlds->window(m_program.state.CurrentWorld);
    for (TerminalDisplay* display : { current->Term, current->Chat }) {
        if (display->hasSelection())
            return display->selectedText();
    }
    return {};
}

void Shell::CopySelectedText()
{
    const int slot = m_program.state.CurrentWorld;
    const SiteRecord* site = m_program.state.WorldStates[slot].InUse ? m_program.state.findSiteOf(slot) : nullptr;
    const int indent = site ? site->Indent : 0;
    m_services.setClipboardText(UnwrapCopiedText(selectedTextOfFocusedControl(), indent));
}

void Shell::PasteIntoInput()
{
    m_input->txtOutBound->insertPlainText(m_services.clipboardText());
}

void Shell::RemoveCarriageReturns()
{
    ShowBusyPointer();
    m_input->txtOutBound->insertPlainText(RemoveLineBreaks(selectedTextOfFocusedControl()));
    RestorePointer();
}

void Shell::showHelpWindow(HelpCommand command, int topic)
{
    if (!m_help)
        m_help = std::make_unique<frmHelp>(nullptr, QDir(programDirectory()).filePath(QStringLiteral("help")));
    switch (command) {
    case HelpCommand::Contents:
        m_help->showContents();
        break;
    case HelpCommand::Search:
        m_help->showSearch();
        break;
    case HelpCommand::Topic:
        m_help->showTopic(topic);
        break;
    }
}

void Shell::ShowBusyPointer()
{
    BusyPointer::show();
}

void Shell::RestorePointer()
{
    BusyPointer::restore();
}

void Shell::DisableToolbarButtons()
{
    if (m_toolbar) {
        for (QToolButton* button : m_toolbar->pictureButtons())
            button->setEnabled(false);
    }
}

void Shell::EnableToolbarButtons()
{
    if (m_toolbar) {
        for (QToolButton* button : m_toolbar->pictureButtons())
            button->setEnabled(m_toolbarReady.contains(button));
    }
}

void Shell::SetAlwaysOnTop(QWidget* window, bool on)
{
    m_services.setAlwaysOnTop(window, on);
}

void Shell::TileBackground(QWidget* window)
{
    if (m_bit)
        m_bit->TileBackground(window);
}

void Shell::focusInput()
{
    if (!m_input)
        return;
    m_input->activateWindow();
    m_input->txtOutBound->setFocus();
    // Activating a world window hands the focus to its display once the activation is done;
    // take it back then too.
    QTimer::singleShot(0, m_input, [input = m_input] { input->txtOutBound->setFocus(); });
}

} // namespace lanthorn
