#include "input/ClientCommand.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

using Kind = ClientCommandKind;

struct CommandCase {
    QString line;
    Kind kind;
    QString argument = {};
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << '"' << c.line.toStdString() << '"';
}

class ClientCommandTable : public ::testing::TestWithParam<CommandCase> { };

TEST_P(ClientCommandTable, FindsTheCommandByItsFirstWord)
{
    const CommandCase& c = GetParam();
    const ClientCommand command = ParseClientCommand(c.line);
    EXPECT_EQ(int(command.kind), int(c.kind));
    EXPECT_EQ(command.argument, c.argument);
}

INSTANTIATE_TEST_SUITE_P(EveryWordAndShortForm, ClientCommandTable,
    ::testing::Values(CommandCase { "/t", Kind::ToggleWorld }, CommandCase { "/close", Kind::CloseWorld },
        CommandCase { "/dc", Kind::DisconnectWorld }, CommandCase { "/keys", Kind::ShowKeys },
        CommandCase { "/key", Kind::ShowKeys }, CommandCase { "/settings", Kind::ShowSettings },
        CommandCase { "/set", Kind::ShowSettings }, CommandCase { "/triggers", Kind::OpenTriggerEditor },
        CommandCase { "/trig", Kind::OpenTriggerEditor }, CommandCase { "/gag", Kind::OpenGagEditor },
        CommandCase { "/gags", Kind::OpenGagEditor }, CommandCase { "/quote", Kind::OpenQuoteWindow },
        CommandCase { "/view", Kind::ShowLogViewer }, CommandCase { "/connect", Kind::OpenConnectWindow },
        CommandCase { "/con", Kind::OpenConnectWindow }, CommandCase { "/w", Kind::OpenConnectWindow },
        CommandCase { "/mail", Kind::ShowMail }, CommandCase { "/m", Kind::ShowMail },
        CommandCase { "/history", Kind::ShowSendHistory }, CommandCase { "/his", Kind::ShowSendHistory },
        CommandCase { "/log", Kind::ToggleLogging }, CommandCase { "/l", Kind::ToggleLogging },
        CommandCase { "/cls", Kind::ClearScreen }, CommandCase { "/chat", Kind::ToggleChatPane },
        CommandCase { "/puppet", Kind::TogglePuppets }, CommandCase { "/pages", Kind::TogglePages },
        CommandCase { "/page", Kind::TogglePages }, CommandCase { "/quit", Kind::QuitProgram },
        CommandCase { "/qu", Kind::QuitProgram }, CommandCase { "/q", Kind::QuitProgram },
        CommandCase { "/grab", Kind::Grab }, CommandCase { "/gr", Kind::Grab }));

INSTANTIATE_TEST_SUITE_P(LetterCaseAndTrailingWords, ClientCommandTable,
    ::testing::Values(CommandCase { "/QUIT", Kind::QuitProgram }, CommandCase { "/Trig", Kind::OpenTriggerEditor },
        CommandCase { "/t other words", Kind::ToggleWorld }, CommandCase { "/CLS now", Kind::ClearScreen },
        CommandCase { "/dc ", Kind::DisconnectWorld }, CommandCase { "/Log  twice", Kind::ToggleLogging }));

INSTANTIATE_TEST_SUITE_P(UnknownLines, ClientCommandTable,
    ::testing::Values(CommandCase { "/", Kind::Unknown }, CommandCase { "/ quit", Kind::Unknown },
        CommandCase { "/quitter", Kind::Unknown }, CommandCase { "/t2", Kind::Unknown },
        CommandCase { "/Huh?", Kind::Unknown }, CommandCase { "//t", Kind::Unknown },
        CommandCase { "quit", Kind::Unknown }, CommandCase { "", Kind::Unknown },
        CommandCase { " /quit", Kind::Unknown }));

INSTANTIATE_TEST_SUITE_P(ConnectByName, ClientCommandTable,
    ::testing::Values(CommandCase { "/w Haven", Kind::ConnectByName, "haven" },
        CommandCase { "/CON The Old Haven", Kind::ConnectByName, "the old haven" },
        CommandCase { "/connect  Two Blanks ", Kind::ConnectByName, " two blanks " },
        CommandCase { "/w ", Kind::ConnectByName, "" }));

INSTANTIATE_TEST_SUITE_P(Grab, ClientCommandTable,
    ::testing::Values(CommandCase { "/grab me/note", Kind::Grab, "@pemit me=1234 me/note [get(me/note)]" },
        CommandCase { "/GR #12/Desc", Kind::Grab, "@pemit me=1234 #12/Desc [get(#12/Desc)]" },
        CommandCase { "/grab a b", Kind::Grab, "@pemit me=1234 a  [get(a )]" },
        CommandCase { "/grab a b c", Kind::Grab, "@pemit me=1234 a  [get(a )]" },
        CommandCase { "/grab ", Kind::Grab, "@pemit me=1234  [get()]" }));

} // namespace
