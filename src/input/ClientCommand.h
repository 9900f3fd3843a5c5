#pragma once

#include <QString>

namespace lanthorn {

/// What a line typed into the input box that begins with "/" asks the client to do.
enum class ClientCommandKind {
    Grab, // "/grab", "/gr": send `argument` (nothing when it is empty)
    ToggleWorld, // "/t"
    CloseWorld, // "/close"
    DisconnectWorld, // "/dc"
    ShowKeys, // "/keys", "/key": the macro window
    ShowSettings, // "/settings", "/set": the screen settings window, always-on-top
    OpenTriggerEditor, // "/triggers", "/trig"
    OpenGagEditor, // "/gag", "/gags"
    OpenQuoteWindow, // "/quote"
    ShowLogViewer, // "/view": shown in its normal window state
    OpenConnectWindow, // "/connect", "/con", "/w" alone
    ConnectByName, // "/connect", "/con", "/w" with more words: connect to the site `argument`
    ShowMail, // "/mail", "/m": shown in its normal window state
    ShowSendHistory, // "/history", "/his"
    ToggleLogging, // "/log", "/l"
    ClearScreen, // "/cls"
    ToggleChatPane, // "/chat"
    TogglePuppets, // "/puppet"
    TogglePages, // "/pages", "/page"
    QuitProgram, // "/quit", "/qu", "/q"
    Unknown, // anything else: the box then shows "/Huh?"
};

/// A client command and what it works on.
struct ClientCommand {
    ClientCommandKind kind = ClientCommandKind::Unknown;
    /// Grab: the line to send, without its CR LF (empty when "/grab" stands alone).
    /// ConnectByName: the site name, everything after the line's first blank in lower case.
    /// Empty for every other command.
    QString argument;

    bool operator==(const ClientCommand&) const = default;
};

/// The text the input box shows after a line that is no known command.
inline const QString kUnknownCommandText = QStringLiteral("/Huh?");

/// Finds the command of a line that begins with "/" by its first word (the text before the
/// first blank) in any letter case; words after it are ignored except by the grab and
/// connect commands. A line that does not begin with "/" is Unknown.
ClientCommand ParseClientCommand(const QString& line);

} // namespace lanthorn
