#include "input/InputLine.h"

#include "core/LanthornError.h"
#include "core/Program.h"
#include "input/ClientCommand.h"
#include "input/CommandActions.h"
#include "input/FormIn.h"
#include "input/InputLineText.h"
#include "input/Macros.h"
#include "input/SendHistory.h"
#include "platform/KeyCodes.h"
#include "platform/TerminalDisplay.h"
#include "platform/UiServices.h"
#include "shell/WorldWindows.h"
#include "worlds/frmOpen.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStringDecoder>

namespace lanthorn {

namespace {

/// World text as the input box shows it: UTF-8 where it is valid, Latin-1 where it is not.
QString decodeWorldText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

/// The box holds its lines separated by LF; a world gets them separated by CR LF.
QByteArray wireText(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace("\r\n", "\n");
    bytes.replace('\n', "\r\n");
    return bytes;
}

} // namespace

InputLine::InputLine(
    Program& program, UiServices& services, FormIn& input, WorldWindows& worlds, CommandActions& actions, Hooks hooks)
    : m_program(program)
    , m_services(services)
    , m_box(input.txtOutBound)
    , m_worlds(worlds)
    , m_actions(actions)
    , m_hooks(std::move(hooks))
{
    m_box->installEventFilter(this);
}

void InputLine::showBoxText(const QString& text)
{
    m_box->setPlainText(text);
    m_box->moveCursor(QTextCursor::End);
}

bool InputLine::sendToCurrentWorld(const QString& text)
{
    try {
        m_actions.sendLine(m_program.state.CurrentWorld, wireText(text));
        return true;
    } catch (const LanthornError& error) {
        if (error.number() == ErrorNumber::NotConnected)
            m_program.ShowMessage(QStringLiteral("Failure to send: Not Connected!"), MessageKind::Warning);
        else
            m_program.ShowMessage(
                QStringLiteral("Error Sending: ") + QString::number(error.number()) + error.description(),
                MessageKind::Critical);
        return false;
    }
}

void InputLine::Enter()
{
    const QString text = m_box->toPlainText();
    m_box->clear();
    if (text.startsWith(u'/')) {
        RunCommand(text);
        return;
    }
    if (!sendToCurrentWorld(text)) {
        // The line stays, so it can be sent again once the world is connected.
        if (m_box->toPlainText().isEmpty())
            showBoxText(text);
        return;
    }
    SendHistory(m_program.state).AddToHistory(text);
    m_box->setFocus();
}

void InputLine::notInThisVersion(const QString& what)
{
    m_program.ShowMessage(what + QStringLiteral(" is not part of this version of Lanthorn."), MessageKind::Information);
}

void InputLine::RunCommand(const QString& line)
{
    const ClientCommand command = ParseClientCommand(line);
    ProgramState& state = m_program.state;
    switch (command.kind) {
    case ClientCommandKind::Grab:
        if (!command.argument.isEmpty())
            sendToCurrentWorld(command.argument);
        break;
    case ClientCommandKind::ToggleWorld:
        m_actions.ToggleWorld();
        break;
    case ClientCommandKind::CloseWorld:
        m_actions.CloseWorld();
        break;
    case ClientCommandKind::DisconnectWorld:
        m_actions.DisconnectWorld();
        break;
    case ClientCommandKind::ShowKeys:
        m_hooks.showKeys();
        break;
    case ClientCommandKind::ShowSettings:
        notInThisVersion(QStringLiteral("The screen settings window"));
        break;
    case ClientCommandKind::OpenTriggerEditor:
        m_actions.OpenTriggerEditor();
        break;
    case ClientCommandKind::OpenGagEditor:
        m_actions.OpenGagEditor();
        break;
    case ClientCommandKind::OpenQuoteWindow:
        m_actions.OpenQuoteWindow();
        break;
    case ClientCommandKind::ShowLogViewer:
        notInThisVersion(QStringLiteral("The log viewer"));
        break;
    case ClientCommandKind::OpenConnectWindow:
        m_hooks.openConnectWindow();
        break;
    case ClientCommandKind::ConnectByName:
        m_hooks.connectByName(command.argument);
        break;
    case ClientCommandKind::ShowMail:
        notInThisVersion(QStringLiteral("The mail composer"));
        break;
    case ClientCommandKind::ShowSendHistory:
        m_actions.ShowSendHistory();
        break;
    case ClientCommandKind::ToggleLogging:
        m_actions.ToggleLogging();
        break;
    case ClientCommandKind::ClearScreen: {
        frmOpen* window = m_worlds.window(state.CurrentWorld);
        window->Term->Disp(kClearScreen);
        if (state.WorldStates[state.CurrentWorld].SplitScreen)
            window->Chat->Disp(kClearScreen);
        break;
    }
    case ClientCommandKind::ToggleChatPane:
        m_actions.toggleChatPane();
        break;
    case ClientCommandKind::TogglePuppets:
        m_actions.togglePuppets();
        break;
    case ClientCommandKind::TogglePages:
        m_actions.togglePages();
        break;
    case ClientCommandKind::QuitProgram:
        m_actions.QuitProgram();
        break;
    case ClientCommandKind::Unknown:
        showBoxText(kUnknownCommandText);
        break;
    }
}

bool InputLine::HandleWorldKey(int keyCode, int shift, frmOpen* window)
{
    if (!window)
        return false;
    TerminalDisplay* display = shift != 0 ? window->Chat : window->Term;
    ProgramState& state = m_program.state;
    switch (keyCode) {
    case 33:
        display->scrollPageUp();
        return false;
    case 34:
        display->scrollPageDown();
        return false;
    case 38:
        if (m_box->toPlainText().size() <= kArrowScrollLimit)
            display->scrollLineUp();
        return false;
    case 40:
        if (m_box->toPlainText().size() <= kArrowScrollLimit)
            display->scrollLineDown();
        return false;
    case 112:
        m_services.showHelp(HelpCommand::Contents);
        return true;
    case 19:
        m_actions.TogglePause();
        return true;
    default:
        break;
    }
    if (keyCode >= kFirstMacroKeyCode && keyCode <= kLastMacroKeyCode) {
        if (m_actions.isConnected(state.CurrentWorld)) {
            if (const std::optional<QString> macro = MacroText(m_program, keyCode))
                sendToCurrentWorld(*macro);
        }
        return true;
    }
    if (keyCode >= 96 && keyCode <= 105) {
        if (!m_actions.isConnected(state.CurrentWorld) || !state.Features.NumberPadMap)
            return false;
        m_box->clear();
        sendToCurrentWorld(NumberPadWord(keyCode));
        return true;
    }
    return false;
}

void InputLine::typedIntoDisplay(QString& text)
{
    m_box->setFocus();
    m_box->moveCursor(QTextCursor::End);
    m_box->insertPlainText(text);
    text.clear();
}

void InputLine::GrabResult(const QByteArray& line)
{
    showBoxText(lanthorn::GrabResult(decodeWorldText(line)));
}

bool InputLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::ShortcutOverride) {
        // The frame's Edit items own Ctrl+C, Ctrl+V and Ctrl+A, also while the box has the
        // focus; the history and prefix keys are the box's own.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier
            && (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_A))
            return true;
        if (key->modifiers() == Qt::ControlModifier
            && QList<int> { Qt::Key_P, Qt::Key_N, Qt::Key_U, Qt::Key_S, Qt::Key_T, Qt::Key_B }.contains(key->key())) {
            event->accept();
            return true;
        }
    }
    if (watched == m_box && event->type() == QEvent::KeyPress)
        return inputKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool InputLine::inputKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!(event->modifiers() & Qt::KeypadModifier) || event->key() == Qt::Key_Enter) {
            Enter();
            return true;
        }
    }
    if (event->modifiers() == Qt::ControlModifier) {
        SendHistory history(m_program.state);
        switch (event->key()) {
        case Qt::Key_P:
            showBoxText(history.HistoryBack());
            return true;
        case Qt::Key_N:
            showBoxText(history.HistoryForward());
            return true;
        case Qt::Key_U:
            m_box->clear();
            return true;
        case Qt::Key_S:
            showBoxText(PrefixLines(m_box->toPlainText(), QStringLiteral("say ")));
            return true;
        case Qt::Key_T:
            showBoxText(PrefixLines(m_box->toPlainText(), QStringLiteral("@emit ")));
            return true;
        case Qt::Key_B:
            history.AddToHistory(m_box->toPlainText());
            m_box->clear();
            m_box->setFocus();
            return true;
        default:
            break;
        }
    }
    return HandleWorldKey(
        WindowsKeyCode(event), ShiftState(event->modifiers()), m_worlds.window(m_program.state.CurrentWorld));
}

} // namespace lanthorn
