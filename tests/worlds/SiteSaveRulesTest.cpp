#include "worlds/SiteSaveRules.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

TEST(SiteSaveRules, RefusalsComeInTheOrderOfTheFields)
{
    const QString noName = "Please name this site first.";
    const QString noHost = "Saved records must have a Host Address. \nPlease Enter One.";
    const QString noPort = "Saved records must have a Port Address. \nPlease Enter One.";
    const QString password = "The Password should only be one word.";
    const QString badPort = "The Port must be a whole number from 1 to 65535.";
    const QString hostBlanks = "A Hostname cannot contain blanks. Please correct the Hostname.";
    const QString nameBlanks = "Site names cannot begin or end with a blank. Please remove the blanks.";
    const QString nameCharacters
        = "Site names cannot contain the characters [ ] or = or a line break. Please choose another name.";

    struct Case {
        QString name;
        QString host;
        QString port;
        QString password;
        QString expected; // empty: the site can be saved
    } cases[] = {
        { "", "", "", "two words", noName },
        { "World", "", "", "two words", noHost },
        { "World", " ", "4201", "", noHost },
        { "World", "host", "", "two words", noPort },
        { "World", "host", "  ", "", noPort },
        { "World", "host", "4201", "two words", password },
        { "World", "host", "4201", " ", password },
        { "World", "host", "4201", "", "" },
        { "World", " host ", " 4201 ", "secret", "" },
        { "World", "my host", "4201", "", hostBlanks },
        { "World", "host", "1", "", "" },
        { "World", "host", "65535", "", "" },
        { "World", "host", "0", "", badPort },
        { "World", "host", "65536", "", badPort },
        { "World", "host", "70000", "", badPort },
        { "World", "host", "abc", "", badPort },
        { "World", "host", "12x", "", badPort },
        { "World", "host", "-23", "", badPort },
        { "World", "host", "42 01", "", badPort },
        { " World", "host", "4201", "", nameBlanks },
        { "World ", "", "", "", nameBlanks },
        { "Wor[ld", "host", "4201", "", nameCharacters },
        { "World]", "host", "4201", "", nameCharacters },
        { "a=b", "host", "4201", "", nameCharacters },
        { "two\nlines", "host", "4201", "", nameCharacters },
        { "two\rlines", "host", "4201", "", nameCharacters },
        { "Two Words", "host", "4201", "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(("name \"" + c.name + "\" host \"" + c.host + "\" port \"" + c.port + "\"").toStdString());
        SiteFields fields;
        fields.Host = c.host;
        fields.Port = c.port;
        fields.Password = c.password;
        EXPECT_EQ(SaveRefusal(c.name, fields, {}).value_or(QString()), c.expected);
    }
}

TEST(SiteSaveRules, TheProgramsOwnSectionsAreNoSiteNames)
{
    SiteFields fields;
    fields.Host = "host";
    fields.Port = "4201";
    for (const char* name : { "Settings", "setup", "SITES", "Keys", "gags", "Trigs", "Hili", "Omits", "mail" }) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(IsProgramSection(name));
        const auto refusal = SaveRefusal(name, fields, {});
        ASSERT_TRUE(refusal.has_value());
        EXPECT_TRUE(refusal->contains("own settings sections")) << refusal->toStdString();
    }
    for (const char* name : { "Setups", "My Mail", "Site" })
        EXPECT_FALSE(SaveRefusal(name, fields, {}).has_value()) << name;
}

TEST(SiteSaveRules, ANameDifferingOnlyInLetterCaseFromAStoredOneIsRefused)
{
    SiteFields fields;
    fields.Host = "host";
    fields.Port = "4201";
    const QStringList stored { "Alpha", "Beta" };
    EXPECT_FALSE(SaveRefusal("Beta", fields, stored).has_value()) << "the same name overwrites after asking";
    EXPECT_FALSE(SaveRefusal("Gamma", fields, stored).has_value());
    EXPECT_EQ(SaveRefusal("BETA", fields, stored).value_or(QString()),
        "A site named Beta already exists. Site names must differ by more than letter case.");

    fields.Port = "0";
    EXPECT_EQ(
        SaveRefusal("BETA", fields, stored).value_or(QString()), "The Port must be a whole number from 1 to 65535.")
        << "the fields are judged first";
}

} // namespace
