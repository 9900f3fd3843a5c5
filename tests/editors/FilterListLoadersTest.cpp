#include "editors/FilterListLoaders.h"

#include "ProgramTest.h"
#include "QtPrinters.h"

using namespace lanthorn;
using lanthorn::testing::ProgramTest;

namespace {

class FilterListLoadersTest : public ProgramTest {
protected:
    void store(const QString& section, std::initializer_list<std::pair<const char*, const char*>> keys)
    {
        for (const auto& [key, value] : keys)
            setIni(section, key, value);
    }
};

TEST_F(FilterListLoadersTest, PatternListsLoadEntriesOneToLinesWithABlankForAMissingKey)
{
    struct Loader {
        const char* section;
        const char* key;
        void (*load)(Program&);
        QList<PatternEntry> ProgramState::*list;
    };
    const Loader loaders[] = {
        { "Gags", "Gag", LoadGagList, &ProgramState::GagList },
        { "Omits", "Omit", LoadLogOmissions, &ProgramState::LogOmissions },
    };
    for (const Loader& loader : loaders) {
        const QString section = loader.section;
        const QString key = loader.key;
        setIni(section, "Lines", "3");
        setIni(section, key + "1", "B");
        setIni(section, key + "3", "caf\u00e9 *");
        setIni(section, key + "4", "beyond Lines");
        (program.state.*(loader.list)) = { { "stale" } };
        loader.load(program);
        const QList<PatternEntry>& list = program.state.*(loader.list);
        ASSERT_EQ(list.size(), 3) << loader.section;
        EXPECT_EQ(list[0].Text, "B");
        EXPECT_EQ(list[1].Text, " ");
        EXPECT_EQ(list[2].Text, "caf\xc3\xa9 *") << "kept as UTF-8";
    }
}

TEST_F(FilterListLoadersTest, AMissingOrNonNumericCountLoadsNothing)
{
    struct CountCase {
        std::optional<QString> lines;
        qsizetype loaded;
    };
    const CountCase cases[] = {
        { std::nullopt, 0 },
        { "", 0 },
        { "none", 0 },
        { "-2", 0 },
        { "0", 0 },
        { "2 gags", 2 },
        { "&H2", 2 },
        { "1.4", 1 },
    };
    setIni("Gags", "Gag1", "a");
    setIni("Trigs", "Trig1", "a");
    setIni("Hili", "Hili1", "a");
    setIni("Omits", "Omit1", "a");
    for (const CountCase& c : cases) {
        for (const char* section : { "Gags", "Trigs", "Hili", "Omits" })
            program.WriteIniString(section, QStringLiteral("Lines"), c.lines);
        LoadGagList(program);
        LoadTriggerList(program);
        LoadHiliteList(program);
        LoadLogOmissions(program);
        const QString lines = c.lines.value_or("<missing>");
        EXPECT_EQ(program.state.GagList.size(), c.loaded) << lines.toStdString();
        EXPECT_EQ(program.state.TriggerList.size(), c.loaded) << lines.toStdString();
        EXPECT_EQ(program.state.HiliteList.size(), c.loaded) << lines.toStdString();
        EXPECT_EQ(program.state.LogOmissions.size(), c.loaded) << lines.toStdString();
    }
}

TEST_F(FilterListLoadersTest, TriggersReadTheirStackWordAsANumber)
{
    store("Trigs",
        { { "Lines", "4" }, { "Trig1", "* has arrived." }, { "React1", "wave |" }, { "Stack1", "1" }, { "Trig2", "x" },
            { "React2", "y" }, { "Stack2", "two" }, { "Stack3", "99999" }, { "Trig4", "z" }, { "React4", "w" } });
    LoadTriggerList(program);
    const QList<TriggerEntry>& list = program.state.TriggerList;
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].Pattern, "* has arrived.");
    EXPECT_EQ(list[0].Reaction, "wave |");
    EXPECT_EQ(list[0].StackWord, 1);
    EXPECT_EQ(list[1].StackWord, 0) << "letters read as 0";
    EXPECT_EQ(list[2].Pattern, " ");
    EXPECT_EQ(list[2].Reaction, " ");
    EXPECT_EQ(list[2].StackWord, 32767) << "beyond the range: its nearest end";
    EXPECT_EQ(list[3].StackWord, 0) << "a missing stack word";
}

TEST_F(FilterListLoadersTest, HilitesReadTheirCodeAsTextAndTheirWholeLineFlag)
{
    store("Hili",
        { { "Lines", "5" }, { "Hili1", "Bob" }, { "CHili1", "1" }, { "THili1", "True" }, { "Hili2", "Ann" },
            { "CHili2", "9" }, { "THili2", "False" }, { "Hili3", "Eve" }, { "THili3", "1" }, { "Hili4", "Dan" },
            { "CHili4", "2" }, { "THili4", "maybe" } });
    LoadHiliteList(program);
    const QList<HiliteEntry>& list = program.state.HiliteList;
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list[0].Text, "Bob");
    EXPECT_EQ(list[0].ColorCode, "1");
    EXPECT_TRUE(list[0].WholeLine);
    EXPECT_EQ(list[1].ColorCode, "9");
    EXPECT_FALSE(list[1].WholeLine);
    EXPECT_EQ(list[2].ColorCode, "0") << "a missing code is black";
    EXPECT_TRUE(list[2].WholeLine) << "a number as the flag";
    EXPECT_FALSE(list[3].WholeLine) << "anything else is not a whole-line hilite";
    EXPECT_EQ(list[4].Text, " ");
    EXPECT_EQ(list[4].ColorCode, "0");
    EXPECT_FALSE(list[4].WholeLine);
}

} // namespace
