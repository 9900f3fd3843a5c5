#include "FileBytes.h"
#include "UiProgramTest.h"
#include "core/Program.h"
#include "shell/Twips.h"
#include "worlds/frmAdd.h"
#include "worlds/frmSites.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace lanthorn;
using lanthorn::testing::ReadFileBytes;
using lanthorn::testing::UiProgramTest;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

struct StoredSite {
    QString name;
    QString host = "host.example.org";
    QString port = "4201";
    QString type = "0";
};

class ConnectWindowTest : public UiProgramTest {
protected:
    QTemporaryDir programDir;
    std::unique_ptr<frmAdd> window;

    /// Stores sites in the given storage order with complete sections.
    void storeSites(const QList<StoredSite>& sites)
    {
        setIni("Sites", "Total", QString::number(sites.size()));
        for (int i = 0; i < sites.size(); ++i) {
            const StoredSite& site = sites[i];
            setIni("Sites", "Site" + QString::number(i), site.name);
            setIni(site.name, "Host", site.host);
            setIni(site.name, "Port", site.port);
            setIni(site.name, "UserId", "Alice");
            setIni(site.name, "Password", "alicepw");
            setIni(site.name, "Type", site.type);
        }
    }

    frmAdd& load()
    {
        window = std::make_unique<frmAdd>(program, services);
        window->siteList()->setDirectory(programDir.path());
        return *window;
    }

    template <typename T> T* child(const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }

    QColor saveColour() { return child<QPushButton>("cmdSave")->palette().color(QPalette::ButtonText); }
    QStringList listEntries()
    {
        QStringList out;
        auto* list = child<QListWidget>("cmbWorlds");
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
    QString selectedEntry()
    {
        const QListWidgetItem* item = child<QListWidget>("cmbWorlds")->currentItem();
        return item ? item->text() : QString();
    }
    void selectEntry(const QString& name)
    {
        auto* list = child<QListWidget>("cmbWorlds");
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    }
    QByteArray settingsBytes() { return ReadFileBytes(program.settings.pathOf(kSettingsFile)); }
    QSize twipsSize(double width, double height)
    {
        return { TwipsToPixels(width, window.get()), TwipsToPixels(height, window.get()) };
    }
    /// Fills the editor with a site that passes every check.
    void fillValidSite(const QString& name)
    {
        box("txtName")->setText(name);
        box("txtHost")->setText("new.example.org");
        box("txtPort")->setText("4000");
        box("txtPass")->setText("secret");
    }
};

TEST_F(ConnectWindowTest, LoadingListsTheSitesSortedAndShowsTheFirst)
{
    storeSites({ { "Zeta" }, { "alpha", "alpha.example.org", "23" }, { "Mid" } });
    load();
    EXPECT_EQ(window->windowTitle(), "Connect Window");
    EXPECT_FALSE(window->isVisible()) << "the window loads hidden";
    EXPECT_EQ(listEntries(), QStringList({ "alpha", "Mid", "Zeta" }));
    EXPECT_EQ(selectedEntry(), "alpha");
    EXPECT_EQ(box("txtName")->text(), "alpha");
    EXPECT_EQ(box("txtHost")->text(), "alpha.example.org");
    EXPECT_EQ(box("txtPort")->text(), "23");
    EXPECT_EQ(saveColour(), kBlack);
    EXPECT_EQ(window->size(), twipsSize(3650, 5420));
    EXPECT_FALSE(window->isExpanded());
    EXPECT_EQ(program.state.Sites.size(), 3);
    EXPECT_EQ(program.state.Sites[0].Name, "Zeta") << "Sites keeps the stored order";
    EXPECT_TRUE(services.core.messages.isEmpty());
}

TEST_F(ConnectWindowTest, ShowingASiteFillsEveryControl)
{
    storeSites({ { "Mush" }, { "Mud", "mud.example.org", "4000", "1" } });
    setIni("Mush", "WordWrap", "True");
    setIni("Mush", "WrapAt", "72");
    setIni("Mush", "Indent", "4");
    setIni("Mush", "Font", "Fixedsys");
    setIni("Mush", "FontSize", "14");
    setIni("Mush", "FontBold", "True");
    setIni("Mush", "FontItalic", "False");
    setIni("Mush", "TFColor", "14");
    setIni("Mush", "TBColor", "1");
    setIni("Mush", "BoldANSI", "0");
    setIni("Mud", "WrapAt", "60");
    load();

    selectEntry("Mush");
    EXPECT_TRUE(child<QRadioButton>("OpMUSH")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chWW")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>("chWW")->isChecked());
    EXPECT_EQ(box("txtWW")->text(), "72");
    EXPECT_EQ(box("txtInd")->text(), "4");
    EXPECT_EQ(box("txtUserId")->text(), "Alice");
    EXPECT_EQ(box("txtPass")->text(), "alicepw");
    EXPECT_EQ(box("txtPass")->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(child<QCheckBox>("chBold")->isChecked());
    const QLabel* preview = child<QLabel>("lblColor");
    EXPECT_EQ(preview->text(), "Sample Screen");
    EXPECT_EQ(preview->font().family(), "Fixedsys");
    EXPECT_EQ(preview->font().pointSize(), 14);
    EXPECT_TRUE(preview->font().bold());
    EXPECT_FALSE(preview->font().italic());
    EXPECT_EQ(preview->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(child<QListWidget>("FC")->property("tag").toString(), "14");
    EXPECT_EQ(child<QListWidget>("BC")->property("tag").toString(), "1");
    EXPECT_EQ(child<QListWidget>("FC")->currentRow(), -1) << "no colour name is highlighted";
    EXPECT_EQ(saveColour(), kBlack);

    selectEntry("Mud");
    EXPECT_TRUE(child<QRadioButton>("OpMUD")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chWW")->isEnabled());
    EXPECT_EQ(box("txtWW")->text(), "") << "a MUD shows no wrap values, even stored ones";
    EXPECT_EQ(box("txtInd")->text(), "");
    EXPECT_EQ(saveColour(), kBlack);
}

TEST_F(ConnectWindowTest, NewOpensTheEditorWithTheDefaults)
{
    storeSites({ { "Mush" } });
    program.state.DefaultFont = { "Fixedsys", 9.75, true, true };
    program.state.Screen.SendText = 0x0000FF; // red, in the settings' colour numbering
    program.state.Screen.SendColor = 0xFFFFFF;
    program.state.Screen.TFColor = 7;
    program.state.Screen.TBColor = 1;
    load();
    click("cmdNew");

    EXPECT_TRUE(window->isExpanded());
    EXPECT_EQ(window->size(), twipsSize(7650, 6735));
    EXPECT_TRUE(child<QWidget>("txtName")->isVisibleTo(window.get()));
    for (const char* name : { "txtName", "txtHost", "txtPort", "txtUserId", "txtPass" })
        EXPECT_EQ(box(name)->text(), "") << name;
    EXPECT_EQ(box("txtWW")->text(), "80");
    EXPECT_EQ(box("txtInd")->text(), "2");
    EXPECT_TRUE(child<QRadioButton>("OpMUSH")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chWW")->isChecked());
    const QLabel* preview = child<QLabel>("lblColor");
    EXPECT_EQ(preview->font().family(), "Fixedsys");
    EXPECT_DOUBLE_EQ(preview->font().pointSizeF(), 9.75);
    EXPECT_TRUE(preview->font().bold());
    EXPECT_TRUE(preview->font().italic());
    EXPECT_EQ(preview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(child<QListWidget>("FC")->property("tag").toString(), "7");
    EXPECT_EQ(child<QListWidget>("BC")->property("tag").toString(), "1");
    EXPECT_EQ(saveColour(), kBlack);
}

TEST_F(ConnectWindowTest, EditsMarkTheSiteUnsavedButTheCheckBoxesDoNot)
{
    storeSites({ { "Mush" } });
    load();
    struct Case {
        const char* what;
        std::function<void()> edit;
        bool marks;
    } cases[] = {
        { "name", [&] { box("txtName")->setText("x"); }, true },
        { "host", [&] { box("txtHost")->setText("x"); }, true },
        { "port", [&] { box("txtPort")->setText("1"); }, true },
        { "user", [&] { box("txtUserId")->setText("x"); }, true },
        { "password", [&] { box("txtPass")->setText("x"); }, true },
        { "wrap column", [&] { box("txtWW")->setText("70"); }, true },
        { "indent", [&] { box("txtInd")->setText("3"); }, true },
        { "MUSH option", [&] { click("OpMUSH"); }, true },
        { "MUD option", [&] { click("OpMUD"); }, true },
        { "text colour", [&] { child<QListWidget>("FC")->setCurrentRow(3); }, true },
        { "background colour", [&] { child<QListWidget>("BC")->setCurrentRow(2); }, true },
        { "wrap check box", [&] { click("chWW"); }, false },
        { "bold check box", [&] { click("chBold"); }, false },
        { "custom font",
            [&] {
                services.fontAnswers.push_back(QFont("Fixedsys", 12));
                click("cmdTextCol");
            },
            true },
        { "custom font cancelled", [&] { click("cmdTextCol"); }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click("cmdNew");
        ASSERT_EQ(saveColour(), kBlack);
        c.edit();
        EXPECT_EQ(saveColour(), c.marks ? kRed : kBlack);
    }
}

TEST_F(ConnectWindowTest, TheWorldTypeSwitchesTheWrapControls)
{
    storeSites({ { "Mush" } });
    load();
    click("cmdNew");
    click("OpMUD");
    EXPECT_FALSE(child<QCheckBox>("chWW")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("chWW")->isChecked());
    EXPECT_EQ(box("txtWW")->text(), "");
    EXPECT_EQ(box("txtInd")->text(), "");
    click("OpMUSH");
    EXPECT_TRUE(child<QCheckBox>("chWW")->isEnabled());
}

TEST_F(ConnectWindowTest, ColourListsAndTheFontChooserSetThePreview)
{
    storeSites({ { "Mush" } });
    load();
    click("cmdNew");
    auto* fore = child<QListWidget>("FC");
    auto* back = child<QListWidget>("BC");
    fore->setCurrentItem(fore->findItems("Bright Yellow", Qt::MatchExactly).value(0));
    back->setCurrentItem(back->findItems("Blue", Qt::MatchExactly).value(0));
    const QLabel* preview = child<QLabel>("lblColor");
    EXPECT_EQ(fore->property("tag").toString(), "14");
    EXPECT_EQ(back->property("tag").toString(), "1");
    EXPECT_EQ(preview->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(0, 0, 128));

    const QFont before = preview->font();
    services.onTopRequests.clear();
    click("cmdTextCol"); // cancelled: nothing changes
    EXPECT_EQ(preview->font(), before);
    EXPECT_EQ(services.onTopRequests, (QList<QPair<QString, bool>> { { "frmAdd", false }, { "frmAdd", true } }));

    QFont chosen("Fixedsys", 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    services.fontAnswers.push_back(chosen);
    click("cmdTextCol");
    EXPECT_EQ(preview->font().family(), "Fixedsys");
    EXPECT_EQ(preview->font().pointSize(), 16);
    EXPECT_TRUE(preview->font().bold());
    EXPECT_TRUE(preview->font().italic());
    EXPECT_TRUE(services.isOnTop(window.get()));
}

TEST_F(ConnectWindowTest, SaveRefusesIncompleteOrUnsafeSitesWithoutWriting)
{
    storeSites({ { "Mush" } });
    load();
    struct Case {
        QString name, host, port, password;
        QString message;
    } cases[] = {
        { "", "", "", "", "Please name this site first." },
        { "New", "", "", "", "Saved records must have a Host Address. \nPlease Enter One." },
        { "New", "h", "", "", "Saved records must have a Port Address. \nPlease Enter One." },
        { "New", "h", "23", "two words", "The Password should only be one word." },
        { "Setup", "h", "23", "",
            "\"Setup\" is the name of one of Lanthorn's own settings sections and cannot be used for a site. "
            "Please choose another name." },
        { "[New]", "h", "23", "",
            "Site names cannot contain the characters [ ] or = or a line break. Please choose another name." },
        { "New ", "h", "23", "", "Site names cannot begin or end with a blank. Please remove the blanks." },
        { "New", "my host", "23", "", "A Hostname cannot contain blanks. Please correct the Hostname." },
        { "New", "h", "0", "", "The Port must be a whole number from 1 to 65535." },
        { "New", "h", "70000", "", "The Port must be a whole number from 1 to 65535." },
        { "New", "h", "abc", "", "The Port must be a whole number from 1 to 65535." },
        { "mush", "h", "23", "", "A site named Mush already exists. Site names must differ by more than letter case." },
    };
    const QByteArray before = settingsBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        click("cmdNew");
        box("txtName")->setText(c.name);
        box("txtHost")->setText(c.host);
        box("txtPort")->setText(c.port);
        box("txtPass")->setText(c.password);
        services.core.messages.clear();
        const QColor mark = saveColour();
        click("cmdSave");
        ASSERT_EQ(services.core.messages.size(), 1);
        EXPECT_EQ(services.core.messages[0].text, c.message);
        EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(saveColour(), mark) << "a refused save changes nothing";
    }
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(ConnectWindowTest, AMissingPasswordShowsABlankThatSaveRefuses)
{
    storeSites({ { "Mush" } });
    program.WriteIniString("Mush", "Password", std::nullopt);
    load();
    EXPECT_EQ(box("txtPass")->text(), " ");
    click("cmdSave");
    EXPECT_EQ(services.core.texts(), QStringList({ "The Password should only be one word." }));
}

TEST_F(ConnectWindowTest, SavingANewSiteAppendsItAndSelectsItInItsSortedPlace)
{
    storeSites({ { "Zeta" }, { "Alpha" } });
    load();
    click("cmdNew");
    fillValidSite("Mid");
    box("txtHost")->setText(" padded.example.org "); // blanks at the ends are dropped
    click("OpMUD");
    child<QCheckBox>("chBold")->setChecked(true);
    click("cmdSave");

    EXPECT_TRUE(services.core.messages.isEmpty());
    EXPECT_EQ(ini("Sites", "Total"), "3");
    EXPECT_EQ(ini("Sites", "Site2"), "Mid");
    EXPECT_EQ(ini("Mid", "Host"), "padded.example.org");
    EXPECT_EQ(ini("Mid", "Port"), "4000");
    EXPECT_EQ(ini("Mid", "Type"), "1");
    EXPECT_EQ(ini("Mid", "BoldANSI"), "1");
    EXPECT_EQ(ini("Mid", "WrapAt"), "<missing>");
    EXPECT_EQ(listEntries(), QStringList({ "Alpha", "Mid", "Zeta" }));
    EXPECT_EQ(selectedEntry(), "Mid");
    EXPECT_EQ(box("txtHost")->text(), "padded.example.org");
    EXPECT_TRUE(child<QRadioButton>("OpMUD")->isChecked());
    EXPECT_EQ(program.state.Sites.size(), 3);
    EXPECT_EQ(saveColour(), kBlack);
}

TEST_F(ConnectWindowTest, SavingAnExistingNameAsksBeforeOverwriting)
{
    storeSites({ { "Alpha" }, { "Mush" } });
    load();
    selectEntry("Mush");
    box("txtHost")->setText("changed.example.org");
    const QByteArray before = settingsBytes();

    services.core.answer({ MessageAnswer::No });
    click("cmdSave");
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Site Mush already exists. Overwrite it?");
    EXPECT_EQ(services.core.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(services.core.messages[0].defaultButton, MessageAnswer::Yes);
    EXPECT_EQ(settingsBytes(), before);
    EXPECT_EQ(saveColour(), kBlack) << "marked saved before the question";

    services.core.answer({ MessageAnswer::Yes });
    click("cmdSave");
    EXPECT_EQ(ini("Mush", "Host"), "changed.example.org");
    EXPECT_EQ(ini("Sites", "Total"), "2");
    EXPECT_EQ(selectedEntry(), "Mush");
    EXPECT_EQ(box("txtHost")->text(), "changed.example.org");
}

TEST_F(ConnectWindowTest, ASaveTheSettingsFileRefusesIsReportedAndKeptUnsaved)
{
    storeSites({ { "Mush" } });
    load();
    click("cmdNew");
    fillValidSite("New");
    // A folder where the settings file belongs makes every write fail.
    QFile::remove(program.settings.pathOf(kSettingsFile));
    ASSERT_TRUE(QDir(settingsDir.path()).mkdir(kSettingsFile));
    click("cmdSave");
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_TRUE(services.core.messages[0].text.contains("New was not saved"))
        << services.core.messages[0].text.toStdString();
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(saveColour(), kRed);
    EXPECT_EQ(box("txtName")->text(), "New") << "the window keeps what was typed";
}

TEST_F(ConnectWindowTest, DeleteAsksWithNoAsDefaultAndRewritesTheBook)
{
    storeSites({ { "Alpha" }, { "Beta" }, { "Gamma" } });
    load();
    selectEntry("Beta");

    services.core.answer({ MessageAnswer::No });
    click("cmdDelete");
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Are you sure you want to delete Beta?");
    EXPECT_EQ(services.core.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_EQ(listEntries().size(), 3);

    services.core.answer({ MessageAnswer::Yes });
    click("cmdDelete");
    EXPECT_EQ(ini("Sites", "Total"), "2");
    EXPECT_EQ(ini("Sites", "Site1"), "Gamma");
    EXPECT_EQ(ini("Beta", "Host"), "<missing>");
    EXPECT_EQ(listEntries(), QStringList({ "Alpha", "Gamma" }));
    EXPECT_EQ(selectedEntry(), "Alpha");
}

TEST_F(ConnectWindowTest, ADamagedSiteIsRepairedInMemoryWithTwoMessages)
{
    struct Case {
        const char* key;
        const char* stored;
    } cases[] = { { "TFColor", "16" }, { "FontSize", "0" }, { "TBColor", "99999" }, { "FontBold", "sometimes" } };
    program.state.DefaultFont = { "Fixedsys", 11, false, false };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        storeSites({ { "Broken" } });
        setIni("Broken", "Font", "Nonesuch");
        setIni("Broken", c.key, c.stored);
        const QByteArray before = settingsBytes();
        services.core.messages.clear();
        load();

        EXPECT_EQ(services.core.texts(),
            QStringList(
                { "Your Site Configuration for Broken appears to be damaged.  Setting to defaults to repair this.",
                    "Please save Broken to ensure the repairs are saved to your Lanthorn.ini File" }));
        ASSERT_EQ(services.core.messages.size(), 2);
        EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(services.core.messages[1].icon, MessageIcon::Information);
        const QLabel* preview = child<QLabel>("lblColor");
        EXPECT_EQ(preview->font().family(), "Fixedsys");
        EXPECT_EQ(preview->font().pointSize(), 11);
        EXPECT_EQ(preview->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(255, 255, 255));
        EXPECT_EQ(child<QListWidget>("FC")->property("tag").toString(), "0");
        EXPECT_EQ(child<QListWidget>("BC")->property("tag").toString(), "15");
        EXPECT_EQ(settingsBytes(), before) << "the repair is written only by a save";
        program.WriteIniString("Broken", std::nullopt, std::nullopt);
    }
}

TEST_F(ConnectWindowTest, ConnectNeedsASavedNameAndHandsOverTheLastMatch)
{
    storeSites({ { "Twin", "first.example.org" }, { "Other" }, { "Twin", "second.example.org" } });
    load();
    QList<int> requested;
    QObject::connect(window.get(), &frmAdd::connectRequested, [&](int site) { requested.append(site); });
    window->Open();

    box("txtName")->setText("twin"); // letter case counts
    click("cmdConnect");
    EXPECT_EQ(services.core.texts(), QStringList({ "Please save this world first." }));
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(requested.count(), 0);
    EXPECT_TRUE(window->isVisible());

    box("txtName")->setText("Twin");
    ASSERT_EQ(saveColour(), kRed);
    click("cmdConnect");
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested[0], 2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(services.isOnTop(window.get()));
    EXPECT_FALSE(child<QPushButton>("cmdConnect")->isEnabled());
    EXPECT_EQ(saveColour(), kBlack);

    click("cmdNew");
    window->finishConnect();
    EXPECT_TRUE(child<QPushButton>("cmdConnect")->isEnabled());
    EXPECT_FALSE(window->isExpanded());
    EXPECT_EQ(window->size(), twipsSize(3650, 5420));
    const int corner = TwipsToPixels(10, window.get());
    EXPECT_EQ(window->pos(), QPoint(corner, corner));
}

TEST_F(ConnectWindowTest, DoubleClickingASiteConnectsIt)
{
    storeSites({ { "Alpha" }, { "Beta" } });
    load();
    QList<int> requested;
    QObject::connect(window.get(), &frmAdd::connectRequested, [&](int site) { requested.append(site); });
    auto* list = child<QListWidget>("cmbWorlds");
    QListWidgetItem* beta = list->findItems("Beta", Qt::MatchExactly).value(0);
    emit list->itemDoubleClicked(beta);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested[0], 1);
}

TEST_F(ConnectWindowTest, CancelHidesTheCompactWindowAndAsksForTheInputBox)
{
    storeSites({ { "Alpha" } });
    load();
    int focus = 0;
    QObject::connect(window.get(), &frmAdd::inputFocusRequested, [&] { ++focus; });
    window->Open();
    click("cmdNew");
    box("txtHost")->setText("typed.example.org");
    click("cmdCancel");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isExpanded());
    EXPECT_FALSE(services.isOnTop(window.get()));
    EXPECT_EQ(saveColour(), kBlack);
    EXPECT_EQ(focus, 1);
    EXPECT_EQ(box("txtHost")->text(), "typed.example.org") << "the fields keep their contents";
    EXPECT_EQ(ini("Alpha", "Host"), "host.example.org");
}

TEST_F(ConnectWindowTest, StartArgumentsOpenANewSiteAtThatAddress)
{
    struct Case {
        const char* arguments;
        const char* host;
        const char* port;
    } cases[] = { { "mush.example.org 4201", "mush.example.org", "4201" }, { "solo", "solo", "solo" } };
    storeSites({ { "Alpha" } });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        load();
        window->setStartArguments(c.arguments);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isExpanded());
        EXPECT_EQ(box("txtName")->text(), "");
        EXPECT_EQ(box("txtHost")->text(), c.host);
        EXPECT_EQ(box("txtPort")->text(), c.port);
        EXPECT_EQ(saveColour(), kRed) << "the address is not stored yet";
    }
    load();
    window->setStartArguments("");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ConnectWindowTest, TheSiteListFillsNameHostAndPort)
{
    QFile file(QDir(programDir.path()).filePath("sites.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Haven haven.example.org 4201 A quiet place\r\nPair pair.example.org\r\n");
    file.close();
    storeSites({ { "Alpha" } });
    load();
    click("cmdNew");
    box("txtUserId")->setText("Bob");
    box("txtPass")->setText("bobpw");
    box("txtWW")->setText("66");
    click("cmdList");

    frmSites* sites = window->siteList();
    EXPECT_TRUE(sites->isVisible());
    auto* list = sites->findChild<QListWidget*>("Sites");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    emit list->itemDoubleClicked(list->findItems("Haven", Qt::MatchStartsWith).value(0));
    EXPECT_FALSE(sites->isVisible());
    EXPECT_EQ(box("txtName")->text(), "Haven");
    EXPECT_EQ(box("txtHost")->text(), "haven.example.org ") << "a middle word keeps its blank";
    EXPECT_EQ(box("txtPort")->text(), "4201 ");
    EXPECT_EQ(box("txtUserId")->text(), "");
    EXPECT_EQ(box("txtPass")->text(), "");
    EXPECT_EQ(box("txtWW")->text(), "66") << "the other settings stay";
    EXPECT_EQ(saveColour(), kRed);

    click("cmdSave"); // the blanks the word routine leaves are not stored
    EXPECT_EQ(ini("Haven", "Host"), "haven.example.org");
    EXPECT_EQ(ini("Haven", "Port"), "4201");

    click("cmdList");
    emit list->itemDoubleClicked(list->findItems("Pair", Qt::MatchStartsWith).value(0));
    EXPECT_EQ(box("txtPort")->text(), "Pair pair.example.org") << "no third word: the whole line";
}

} // namespace
