#include "input/ClientCommand.h"

#include "core/GetWord.h"

#include <QStringView>
#include <utility>

namespace lanthorn {

namespace {

using Kind = ClientCommandKind;

constexpr std::pair<QStringView, Kind> kCommands[] = {
    { u"/grab", Kind::Grab },
    { u"/gr", Kind::Grab },
    { u"/t", Kind::ToggleWorld },
    { u"/close", Kind::CloseWorld },
    { u"/dc", Kind::DisconnectWorld },
    { u"/keys", Kind::ShowKeys },
    { u"/key", Kind::ShowKeys },
    { u"/settings", Kind::ShowSettings },
    { u"/set", Kind::ShowSettings },
    { u"/triggers", Kind::OpenTriggerEditor },
    { u"/trig", Kind::OpenTriggerEditor },
    { u"/gag", Kind::OpenGagEditor },
    { u"/gags", Kind::OpenGagEditor },
    { u"/quote", Kind::OpenQuoteWindow },
    { u"/view", Kind::ShowLogViewer },
    { u"/connect", Kind::OpenConnectWindow },
    { u"/con", Kind::OpenConnectWindow },
    { u"/w", Kind::OpenConnectWindow },
    { u"/mail", Kind::ShowMail },
    { u"/m", Kind::ShowMail },
    { u"/history", Kind::ShowSendHistory },
    { u"/his", Kind::ShowSendHistory },
    { u"/log", Kind::ToggleLogging },
    { u"/l", Kind::ToggleLogging },
    { u"/cls", Kind::ClearScreen },
    { u"/chat", Kind::ToggleChatPane },
    { u"/puppet", Kind::TogglePuppets },
    { u"/pages", Kind::TogglePages },
    { u"/page", Kind::TogglePages },
    { u"/quit", Kind::QuitProgram },
    { u"/qu", Kind::QuitProgram },
    { u"/q", Kind::QuitProgram },
};

Kind KindOf(const QString& firstWord)
{
    for (const auto& [word, kind] : kCommands) {
        if (firstWord == word)
            return kind;
    }
    return Kind::Unknown;
}

} // namespace

ClientCommand ParseClientCommand(const QString& line)
{
    if (!line.startsWith(u'/'))
        return {};
    const Kind kind = KindOf(GetWord(line, 1).toLower());
    const bool oneWord = WordCount(line) == 1;
    switch (kind) {
    case Kind::Grab: {
        if (oneWord)
            return { kind, {} };
        const QString attribute = GetWord(line, 2);
        return { kind,
            QStringLiteral("@pemit me=1234 ") + attribute + QStringLiteral(" [get(") + attribute
                + QStringLiteral(")]") };
    }
    case Kind::OpenConnectWindow:
        if (oneWord)
            return { kind, {} };
        return { Kind::ConnectByName, line.mid(line.indexOf(u' ') + 1).toLower() };
    default:
        return { kind, {} };
    }
}

} // namespace lanthorn
