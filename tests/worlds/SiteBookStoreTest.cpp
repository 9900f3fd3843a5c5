#include "worlds/SiteBookStore.h"

#include "FileBytes.h"
#include "ProgramTest.h"

#include <QFile>

using namespace lanthorn;
using lanthorn::testing::ProgramTest;
using lanthorn::testing::ReadFileBytes;

namespace {

class SiteBookStoreTest : public ProgramTest {
protected:
    SiteBookStore store { program };

    /// Stores a site book the way the program writes it: Total, Site<i> and a Host per site.
    void storeNames(const QStringList& names)
    {
        setIni("Sites", "Total", QString::number(names.size()));
        for (int i = 0; i < names.size(); ++i) {
            setIni("Sites", "Site" + QString::number(i), names[i]);
            setIni(names[i], "Host", names[i].toLower() + ".example.org");
        }
    }

    QByteArray fileBytes() const { return ReadFileBytes(program.settings.pathOf(kSettingsFile)); }

    /// The keys of a section in the order the file holds them.
    QStringList keysOf(const QString& section) const
    {
        QStringList keys;
        bool inside = false;
        for (const QByteArray& line : fileBytes().split('\n')) {
            if (line.startsWith('[')) {
                inside = line == '[' + section.toUtf8() + ']';
                continue;
            }
            if (inside && line.contains('='))
                keys.append(QString::fromUtf8(line.left(line.indexOf('='))));
        }
        return keys;
    }

    static SiteFields mushFields()
    {
        SiteFields fields;
        fields.Host = "mush.example.org";
        fields.Port = "4201";
        fields.UserId = "Alice";
        fields.Password = "alicepw";
        fields.Type = kSiteTypeMush;
        fields.WordWrap = true;
        fields.WrapAt = "72";
        fields.Indent = "4";
        fields.Font = { "Fixedsys", 9.75, true, false };
        fields.TFColor = "14";
        fields.TBColor = "1";
        fields.BoldANSI = false;
        return fields;
    }
};

TEST_F(SiteBookStoreTest, SavedSitesReadBackFieldForField)
{
    SiteFields mud = mushFields();
    mud.Type = kSiteTypeMud;
    mud.Port = "40000"; // above the 16-bit range: ports are whole ints
    mud.Font = { "Courier New", 12, false, true };
    mud.BoldANSI = true;

    store.SaveSite("Mush", mushFields());
    store.AddSiteName("Mush");
    store.LoadSiteBook();
    store.SaveSite("Mud", mud);
    store.AddSiteName("Mud");
    ASSERT_EQ(store.LoadSiteBook(), 2);

    const SiteRecord& a = program.state.Sites[0];
    EXPECT_EQ(a.Name, "Mush");
    EXPECT_EQ(a.Host, "mush.example.org");
    EXPECT_EQ(a.Port, 4201);
    EXPECT_EQ(a.UserId, "Alice");
    EXPECT_EQ(a.Password, "alicepw");
    EXPECT_EQ(a.Type, kSiteTypeMush);
    EXPECT_TRUE(a.WordWrap);
    EXPECT_EQ(a.WrapAt, 72);
    EXPECT_EQ(a.Indent, 4);
    EXPECT_EQ(a.Font, "Fixedsys");
    EXPECT_EQ(a.FontSize, 10) << "9.75 points read as a whole number";
    EXPECT_TRUE(a.FontBold);
    EXPECT_FALSE(a.FontItalic);
    EXPECT_EQ(a.TFColor, 14);
    EXPECT_EQ(a.TBColor, 1);
    EXPECT_EQ(a.BoldANSI, 0);
    EXPECT_FALSE(store.needsRepair(0));

    const SiteRecord& b = program.state.Sites[1];
    EXPECT_EQ(b.Port, 40000);
    EXPECT_EQ(b.Type, kSiteTypeMud);
    EXPECT_FALSE(b.FontBold);
    EXPECT_TRUE(b.FontItalic);
    EXPECT_EQ(b.FontSize, 12);
    EXPECT_EQ(b.BoldANSI, 1);

    EXPECT_EQ(ini("Mush", "FontSize"), "9.75");
    EXPECT_EQ(ini("Mush", "FontBold"), "True");
    EXPECT_EQ(ini("Mush", "BoldANSI"), "0");
    EXPECT_EQ(ini("Mud", "Type"), "1");
}

TEST_F(SiteBookStoreTest, SaveWritesItsKeysInOrderAndAMudKeepsTheOldWrapKeys)
{
    store.SaveSite("World", mushFields());
    EXPECT_EQ(keysOf("World"),
        QStringList({ "Host", "Port", "UserId", "Password", "Type", "WordWrap", "WrapAt", "Indent", "Font", "FontSize",
            "FontBold", "FontItalic", "TFColor", "TBColor", "BoldANSI" }));

    SiteFields mud = mushFields();
    mud.Type = kSiteTypeMud;
    mud.WrapAt = "";
    mud.Indent = "";
    mud.WordWrap = false;
    store.SaveSite("World", mud);
    EXPECT_EQ(ini("World", "Type"), "1");
    EXPECT_EQ(ini("World", "WordWrap"), "True");
    EXPECT_EQ(ini("World", "WrapAt"), "72");
    EXPECT_EQ(ini("World", "Indent"), "4");
}

TEST_F(SiteBookStoreTest, MissingKeysTakeTheirDefaults)
{
    program.state.DefaultFont = { "Fixedsys", 9.75, true, false };
    program.state.Screen.TFColor = 7;
    program.state.Screen.TBColor = 1;
    storeNames({ "Bare" });
    program.WriteIniString("Bare", "Host", std::nullopt);

    ASSERT_EQ(store.LoadSiteBook(), 1);
    const SiteRecord& site = program.state.Sites[0];
    EXPECT_EQ(site.Host, " ");
    EXPECT_EQ(site.Port, 0);
    EXPECT_EQ(site.UserId, " ");
    EXPECT_EQ(site.Password, " ");
    EXPECT_EQ(site.Type, kSiteTypeMush);
    EXPECT_FALSE(site.WordWrap);
    EXPECT_EQ(site.WrapAt, 80);
    EXPECT_EQ(site.Indent, 2);
    EXPECT_EQ(site.Font, "Fixedsys");
    EXPECT_EQ(site.FontSize, 10);
    EXPECT_TRUE(site.FontBold);
    EXPECT_FALSE(site.FontItalic);
    EXPECT_EQ(site.TFColor, 7);
    EXPECT_EQ(site.TBColor, 1);
    EXPECT_EQ(site.BoldANSI, 1);
    EXPECT_FALSE(store.needsRepair(0));
}

TEST_F(SiteBookStoreTest, StoredTextIsReadByTheKeysRules)
{
    struct Case {
        const char* key;
        const char* stored;
        int (*field)(const SiteRecord&);
        int expected;
    } cases[] = {
        { "Port", "&H1069", [](const SiteRecord& s) { return s.Port; }, 4201 },
        { "Port", "23 telnet", [](const SiteRecord& s) { return s.Port; }, 23 },
        { "Port", "abc", [](const SiteRecord& s) { return s.Port; }, 0 },
        { "WrapAt", "79.5", [](const SiteRecord& s) { return s.WrapAt; }, 80 },
        { "Indent", "1e999", [](const SiteRecord& s) { return s.Indent; }, 1 }, // reading stops at "e"
        { "WordWrap", "true", [](const SiteRecord& s) { return int(s.WordWrap); }, 1 },
        { "WordWrap", "-1", [](const SiteRecord& s) { return int(s.WordWrap); }, 1 },
        { "FontItalic", "FALSE", [](const SiteRecord& s) { return int(s.FontItalic); }, 0 },
        { "BoldANSI", "True", [](const SiteRecord& s) { return s.BoldANSI; }, 0 }, // numeric rule
        { "UserID", "Bob", [](const SiteRecord& s) { return int(s.UserId == "Bob"); }, 1 },
    };
    storeNames({ "World" });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        setIni("World", c.key, c.stored);
        store.LoadSiteBook();
        EXPECT_EQ(c.field(program.state.Sites[0]), c.expected);
        EXPECT_FALSE(store.needsRepair(0));
        program.WriteIniString("World", QString(c.key), std::nullopt);
    }
}

TEST_F(SiteBookStoreTest, UnreadableValuesTakeTheDefaultAndAskForRepair)
{
    struct Case {
        const char* key;
        const char* stored;
        int (*field)(const SiteRecord&);
        int expected;
    } cases[] = {
        { "Port", "99999999999", [](const SiteRecord& s) { return s.Port; }, 0 },
        { "Type", "40000", [](const SiteRecord& s) { return s.Type; }, 0 },
        { "WrapAt", "-99999", [](const SiteRecord& s) { return s.WrapAt; }, 80 },
        { "Indent", "40000", [](const SiteRecord& s) { return s.Indent; }, 2 },
        { "FontSize", "32768", [](const SiteRecord& s) { return s.FontSize; }, 10 },
        { "TFColor", "&HFFFFFF", [](const SiteRecord& s) { return s.TFColor; }, 0 },
        { "TBColor", "123456", [](const SiteRecord& s) { return s.TBColor; }, 15 },
        { "BoldANSI", "70000", [](const SiteRecord& s) { return s.BoldANSI; }, 1 },
        { "WordWrap", "maybe", [](const SiteRecord& s) { return int(s.WordWrap); }, 0 },
        { "FontBold", "yes", [](const SiteRecord& s) { return int(s.FontBold); }, 0 },
    };
    program.state.Screen.TBColor = 15;
    storeNames({ "World" });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        setIni("World", c.key, c.stored);
        ASSERT_NO_THROW(store.LoadSiteBook());
        EXPECT_EQ(c.field(program.state.Sites[0]), c.expected);
        EXPECT_TRUE(store.needsRepair(0));
        program.WriteIniString("World", QString(c.key), std::nullopt);
    }
}

TEST_F(SiteBookStoreTest, RepairPutsDefaultsInMemoryOnly)
{
    program.state.DefaultFont = { "Fixedsys", 12, false, false };
    struct Case {
        const char* key;
        const char* stored;
    } cases[] = { { "TFColor", "16" }, { "TBColor", "-1" }, { "FontSize", "0" }, { "Type", "2" } };
    storeNames({ "World" });
    setIni("World", "Font", "Nonesuch");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        setIni("World", c.key, c.stored);
        store.LoadSiteBook();
        ASSERT_TRUE(store.needsRepair(0));

        const QByteArray before = fileBytes();
        store.repair(0);
        const SiteRecord& site = program.state.Sites[0];
        EXPECT_EQ(site.Font, "Fixedsys");
        EXPECT_EQ(site.FontSize, 12);
        EXPECT_EQ(site.TFColor, 0);
        EXPECT_EQ(site.TBColor, 15);
        EXPECT_EQ(site.Type, kSiteTypeMush);
        EXPECT_FALSE(store.needsRepair(0));
        EXPECT_EQ(fileBytes(), before) << "nothing is written until the site is saved";
        program.WriteIniString("World", QString(c.key), std::nullopt);
    }
}

TEST_F(SiteBookStoreTest, AnEmptyBookHoldsOneEmptyRecord)
{
    for (const char* total : { "<none>", "0", "-2", "abc", "99999" }) {
        SCOPED_TRACE(total);
        if (QByteArray(total) == "<none>")
            program.WriteIniString("Sites", "Total", std::nullopt);
        else
            setIni("Sites", "Total", total);
        setIni("Sites", "Site0", "Ghost");
        EXPECT_EQ(store.LoadSiteBook(), 0);
        EXPECT_EQ(store.count(), 0);
        ASSERT_EQ(program.state.Sites.size(), 1);
        EXPECT_TRUE(program.state.Sites[0].Name.isEmpty());
        EXPECT_EQ(store.firstIndexOf(""), -1);
    }
}

TEST_F(SiteBookStoreTest, NewNamesGoToTheEndOfTheStoredOrder)
{
    storeNames({ "Zeta", "Alpha" });
    store.LoadSiteBook();
    store.SaveSite("Mid", mushFields());
    store.AddSiteName("Mid");
    EXPECT_EQ(ini("Sites", "Total"), "3");
    EXPECT_EQ(ini("Sites", "Site2"), "Mid");
    store.LoadSiteBook();
    EXPECT_EQ(store.names(), QStringList({ "Zeta", "Alpha", "Mid" }));
    EXPECT_EQ(program.state.Sites[2].Host, "mush.example.org");
}

TEST_F(SiteBookStoreTest, DeletingTheSecondOfThreeRewritesTheIndex)
{
    storeNames({ "Alpha", "Beta", "Gamma" });
    store.LoadSiteBook();
    EXPECT_EQ(store.DeleteSite("Beta"), 1);

    EXPECT_EQ(ini("Sites", "Total"), "2");
    EXPECT_EQ(ini("Sites", "Site0"), "Alpha");
    EXPECT_EQ(ini("Sites", "Site1"), "Gamma");
    EXPECT_EQ(ini("Sites", "Site2"), "Gamma") << "the key beyond the total stays behind";
    EXPECT_EQ(ini("Beta", "Host"), "<missing>") << "the section is gone";
    EXPECT_EQ(ini("Gamma", "Host"), "gamma.example.org");

    EXPECT_EQ(store.LoadSiteBook(), 2);
    EXPECT_EQ(store.names(), QStringList({ "Alpha", "Gamma" }));
}

TEST_F(SiteBookStoreTest, DuplicateNamesAreFoundByPositionAndDeletedTogether)
{
    storeNames({ "Twin", "Other", "Twin" });
    setIni("Sites", "Site3", "twin");
    setIni("Sites", "Total", "4");
    store.LoadSiteBook();
    EXPECT_EQ(store.firstIndexOf("Twin"), 0);
    EXPECT_EQ(store.lastIndexOf("Twin"), 2) << "letter case counts";
    EXPECT_EQ(store.lastIndexOf("TWIN"), -1);

    EXPECT_EQ(store.DeleteSite("Twin"), 2);
    store.LoadSiteBook();
    EXPECT_EQ(store.names(), QStringList({ "Other", "twin" }));
}

TEST_F(SiteBookStoreTest, DeletingASiteNamedLikeAProgramSectionKeepsThatSection)
{
    setIni("Setup", "Font", "Fixedsys");
    storeNames({ "setup", "Keep" });
    store.LoadSiteBook();
    EXPECT_EQ(store.DeleteSite("setup"), 1);
    EXPECT_EQ(ini("Setup", "Font"), "Fixedsys");
    store.LoadSiteBook();
    EXPECT_EQ(store.names(), QStringList({ "Keep" }));
}

} // namespace
