#include "input/Macros.h"

#include "ProgramTest.h"

#include <QDir>
#include <QSaveFile>
#include <optional>

using namespace lanthorn;
using lanthorn::testing::ProgramTest;

namespace {

struct MacroCase {
    const char* name;
    std::optional<QString> stored; // Keys/<key> in the settings file; nullopt: no such key
    QString storedKey;
    int keyCode;
    std::optional<QString> expected;
};

void PrintTo(const MacroCase& c, std::ostream* os)
{
    *os << c.name;
}

class MacroTextCases : public ProgramTest, public ::testing::WithParamInterface<MacroCase> { };

TEST_P(MacroTextCases, ReadsTheKeysSection)
{
    const MacroCase& c = GetParam();
    setIni(QStringLiteral("Keys"), QStringLiteral("Other"), QStringLiteral("x")); // the section exists
    if (c.stored)
        setIni(QStringLiteral("Keys"), c.storedKey, *c.stored);
    EXPECT_EQ(MacroText(program, c.keyCode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MacroTextCases,
    ::testing::Values(MacroCase { "MissingKeyIsNoMacro", std::nullopt, "F5", 116, std::nullopt },
        MacroCase { "OneBlankIsNoMacro", " ", "F5", 116, std::nullopt },
        MacroCase { "EmptyValueIsAnEmptyLine", "", "F5", 116, "" },
        MacroCase { "TwoBlanksAreAMacro", "  ", "F5", 116, "  " },
        MacroCase { "CommandTextIsPlainText", "/t", "F5", 116, "/t" },
        MacroCase { "F2IsCode113", "wave", "F2", 113, "wave" },
        MacroCase { "F12IsCode123", "say bye", "f12", 123, "say bye" },
        MacroCase { "OtherKeysMacrosAreNotRead", "north", "F6", 116, std::nullopt },
        MacroCase { "F1HasNoMacro", "help", "F1", 112, std::nullopt },
        MacroCase { "NoKeyBeyondF12", "x", "F13", 124, std::nullopt }),
    [](const ::testing::TestParamInfo<MacroCase>& info) { return std::string(info.param.name); });

using MacroTextTest = ProgramTest;

TEST_F(MacroTextTest, ReadsTheFileOnEveryCall)
{
    setIni(QStringLiteral("Keys"), QStringLiteral("F5"), QStringLiteral("first"));
    EXPECT_EQ(MacroText(program, 116), QStringLiteral("first"));
    setIni(QStringLiteral("Keys"), QStringLiteral("F5"), QStringLiteral("second"));
    EXPECT_EQ(MacroText(program, 116), QStringLiteral("second"));

    // Another program (or the player with an editor) changes the file.
    QSaveFile file(QDir(settingsDir.path()).filePath(kSettingsFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Keys]\nF5=third\n");
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(MacroText(program, 116), QStringLiteral("third"));
}

TEST(MacroKeyNameTest, NamesTheFunctionKey)
{
    EXPECT_EQ(MacroKeyName(113), QStringLiteral("F2"));
    EXPECT_EQ(MacroKeyName(118), QStringLiteral("F7"));
    EXPECT_EQ(MacroKeyName(123), QStringLiteral("F12"));
}

TEST(NumberPadWordTest, MapsTheKeysAsACompass)
{
    const std::pair<int, const char*> table[] = {
        { 96, "up" },
        { 97, "southwest" },
        { 98, "south" },
        { 99, "southeast" },
        { 100, "west" },
        { 101, "down" },
        { 102, "east" },
        { 103, "northwest" },
        { 104, "north" },
        { 105, "northeast" },
        { 95, "" },
        { 106, "" },
        { 56, "" }, // the 8 of the main keyboard
        { -1, "" },
    };
    for (const auto& [code, word] : table)
        EXPECT_EQ(NumberPadWord(code), QString::fromLatin1(word)) << "key code " << code;
}

} // namespace
