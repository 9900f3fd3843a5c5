#include "worlds/ConvertOldSiteList.h"

#include "ProgramTest.h"
#include "worlds/SiteBookStore.h"

using namespace lanthorn;
using lanthorn::testing::ProgramTest;

namespace {

class ConvertOldSiteListTest : public ProgramTest {
protected:
    void storeOldEntry(int i, const QString& line, const QString& type)
    {
        setIni("Sites", "World" + QString::number(i), line);
        if (!type.isNull())
            setIni("Sites", "Type" + QString::number(i), type);
    }
};

TEST_F(ConvertOldSiteListTest, OldEntriesBecomeSitesOfTheirOwn)
{
    setIni("Settings", "WrapAt", "72");
    setIni("Settings", "IndentAt", "4");
    setIni("Sites", "Lines", "3");
    storeOldEntry(0, "Mush mush.example.org 4201 Alice alicepw", "0");
    storeOldEntry(1, "Mud mud.example.org 4000 Bob", "1");
    storeOldEntry(2, "Lone", QString());

    ConvertOldSiteList(program, 2);

    struct Expected {
        const char* name;
        const char* host;
        const char* port;
        const char* user;
        const char* password;
        const char* type;
    } expected[] = {
        { "Mush", "mush.example.org", "4201", "Alice", "alicepw", "0" },
        // Without a fifth word the word routine answers the whole line.
        { "Mud", "mud.example.org", "4000", "Bob", "Mud mud.example.org 4000 Bob", "1" },
        { "Lone", "Lone", "Lone", "Lone", "Lone", "0" },
    };
    for (int i = 0; i < 3; ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name);
        const QString number = QString::number(i);
        EXPECT_EQ(ini("Sites", "Site" + number), e.name);
        EXPECT_EQ(ini("Sites", "World" + number), "<missing>");
        EXPECT_EQ(ini(e.name, "Host"), e.host);
        EXPECT_EQ(ini(e.name, "Port"), e.port);
        EXPECT_EQ(ini(e.name, "UserId"), e.user);
        EXPECT_EQ(ini(e.name, "Password"), e.password);
        EXPECT_EQ(ini(e.name, "Type"), e.type);
        EXPECT_EQ(ini(e.name, "WordWrap"), "True");
        EXPECT_EQ(ini(e.name, "WrapAt"), "72");
        EXPECT_EQ(ini(e.name, "Indent"), "4");
    }
    EXPECT_EQ(ini("Sites", "Total"), "3");
    EXPECT_EQ(ini("Sites", "Lines"), "0");

    SiteBookStore store(program);
    ASSERT_EQ(store.LoadSiteBook(), 3);
    EXPECT_EQ(program.state.Sites[1].Name, "Mud");
    EXPECT_EQ(program.state.Sites[1].Port, 4000);
    EXPECT_EQ(program.state.Sites[1].Type, kSiteTypeMud);
    EXPECT_TRUE(program.state.Sites[0].WordWrap);
}

TEST_F(ConvertOldSiteListTest, MissingWrapSettingsAndUnreadableTypesTakeDefaults)
{
    storeOldEntry(0, "Old old.example.org 23", "99999");
    ConvertOldSiteList(program, 0);
    EXPECT_EQ(ini("Old", "WrapAt"), "80");
    EXPECT_EQ(ini("Old", "Indent"), "3");
    EXPECT_EQ(ini("Old", "Type"), "0");
    EXPECT_EQ(ini("Old", "Port"), "23");
    EXPECT_EQ(ini("Sites", "Total"), "1");
}

} // namespace
