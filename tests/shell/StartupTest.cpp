#include "EventLoop.h"
#include "FileBytes.h"
#include "ShellTest.h"
#include "core/frmStart.h"
#include "input/FormIn.h"
#include "shell/MDILanthorn.h"
#include "shell/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmAskFor.h"
#include "shell/frmHelp.h"
#include "shell/frmTool.h"
#include "worlds/frmAdd.h"
#include "worlds/frmOpen.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

class StartupTest : public ShellTest {
protected:
    void expectMainFrameReady()
    {
        ASSERT_NE(shell->mainFrame(), nullptr);
        EXPECT_TRUE(shell->mainFrame()->isVisible());
        EXPECT_EQ(shell->mainFrame()->windowTitle(), "Lanthorn");
        EXPECT_EQ(shell->startWindow(), nullptr) << "the start-up window is gone";
        ASSERT_NE(shell->inputWindow(), nullptr);
        EXPECT_TRUE(shell->inputWindow()->txtOutBound->isVisible());
        EXPECT_EQ(program.state.WorldStates.size(), 1);
        EXPECT_FALSE(program.state.WorldStates[0].InUse);
        EXPECT_TRUE(shell->WorldWindow(0)->isVisible());
        EXPECT_EQ(shell->WorldWindow(0)->tag(), "0");
        EXPECT_EQ(program.state.HistoryCursor, 40);
    }

    void finishWizard()
    {
        frmAskFor* wizard = shell->wizard();
        ASSERT_NE(wizard, nullptr);
        wizard->Command2->click();
        wizard->Command2->click();
        waitFor([&] { return shell->mainFrame() != nullptr; });
    }
};

TEST_F(StartupTest, FirstRunAsksTheQuestionsRunsTheWizardAndThenStarts)
{
    services.core.answer({ MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes,
        MessageAnswer::No, MessageAnswer::Yes });
    startShell();

    const QList<RecordedMessage>& boxes = services.core.messages;
    ASSERT_EQ(boxes.size(), 6);
    EXPECT_TRUE(boxes[0].text.startsWith("Welcome to Lanthorn.\n\n"));
    EXPECT_EQ(boxes[0].title, "Lanthorn SetUp Wizard");
    EXPECT_EQ(boxes[0].icon, MessageIcon::None);
    const struct {
        const char* heading;
        int defaultButton;
        const char* key;
        const char* stored;
    } questions[] = {
        { "Log Ommissions:", MessageAnswer::Yes, "LoadOmits", "1" },
        { "Log Size:", MessageAnswer::No, "SplitLogs", "0" },
        { "Triggers:", MessageAnswer::No, "LoadTrigs", "1" },
        { "Gags:", MessageAnswer::No, "LoadGags", "0" },
        { "Scrollbars:", MessageAnswer::No, "Scrollbars", "1" },
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(boxes[i + 1].text.startsWith(QString(questions[i].heading) + "\n\n")) << i;
        EXPECT_EQ(boxes[i + 1].buttons, MessageButtons::YesNo);
        EXPECT_EQ(boxes[i + 1].defaultButton, questions[i].defaultButton) << questions[i].key;
        EXPECT_EQ(ini("Settings", questions[i].key), questions[i].stored) << questions[i].key;
    }
    EXPECT_TRUE(boxes[5].text.endsWith("\n\nDo you wish to see the scrollbars on the receive window?"));
    EXPECT_EQ(shell->mainFrame(), nullptr) << "the main frame waits for the wizard";

    ASSERT_NE(shell->wizard(), nullptr);
    EXPECT_FALSE(shell->wizard()->cmdTextColor->isEnabled());
    finishWizard();
    EXPECT_EQ(services.core.messages.last().text,
        "Lanthorn is now ready to load, please read the Help File for important information on how to use this "
        "program.");
    EXPECT_EQ(ini("Settings", "Version"), kVersionText);
    expectMainFrameReady();

    const int boxesBefore = services.core.messages.size();
    restartShell();
    expectMainFrameReady();
    EXPECT_EQ(services.core.messages.size(), boxesBefore) << "the next start asks nothing";
}

TEST_F(StartupTest, WizardStoresItsDefaultsAndTheChosenColoursAndFont)
{
    struct Case {
        const char* name;
        const char* background; // colour name clicked in BC, or null
        std::optional<QFont> font;
        const char* TBColor;
        const char* SendColor;
        const char* Font;
        const char* FontSize;
        const char* FontBold;
    } cases[] = {
        { "untouched", nullptr, std::nullopt, "0", "0", "Courier", "9.75", "False" },
        { "bright white, bold font", "Bright White", QFont("Serif", 12, QFont::Bold), "15", "16777215", "Serif", "12",
            "True" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.WriteIniString("Settings", std::nullopt, std::nullopt);
        program.WriteIniString("Setup", std::nullopt, std::nullopt);
        services.fontAnswers = { c.font };
        restartShell();
        frmAskFor* wizard = shell->wizard();
        ASSERT_NE(wizard, nullptr);
        if (c.background) {
            wizard->BC->setCurrentItem(wizard->BC->findItems(c.background, Qt::MatchExactly).first());
            Q_EMIT wizard->BC->itemClicked(wizard->BC->currentItem());
        }
        wizard->Command2->click();
        EXPECT_TRUE(wizard->cmdTextColor->isEnabled());
        EXPECT_FALSE(wizard->FC->isEnabled());
        EXPECT_TRUE(wizard->lblStat->text().startsWith("Please select the default font"));
        EXPECT_EQ(ini("Settings", "Version"), "<missing>") << "nothing is written before the second OK";
        wizard->cmdTextColor->click();
        finishWizard();

        EXPECT_EQ(ini("Setup", "TFColor"), "7");
        EXPECT_EQ(ini("Setup", "TBColor"), c.TBColor);
        EXPECT_EQ(ini("Setup", "SendColor"), c.SendColor);
        EXPECT_EQ(ini("Setup", "ToolBackColor"), c.SendColor);
        EXPECT_EQ(ini("Setup", "SendText"), "12632256");
        EXPECT_EQ(ini("Setup", "Font"), c.Font);
        EXPECT_EQ(ini("Setup", "FontSize"), c.FontSize);
        EXPECT_EQ(ini("Setup", "FontBold"), c.FontBold);
        EXPECT_EQ(ini("Setup", "FontItalic"), "False");
        expectMainFrameReady();
    }
}

TEST_F(StartupTest, ClosingTheWizardEndsTheProgramWithoutTheVersion)
{
    startShell();
    ASSERT_NE(shell->wizard(), nullptr);
    shell->wizard()->close();
    runEventsFor(20);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(ini("Settings", "Version"), "<missing>");
    EXPECT_EQ(shell->mainFrame(), nullptr);
}

TEST_F(StartupTest, AnotherVersionTextTakesTheFirstRunPath)
{
    program.WriteIniString("Settings", "Version", "Lanthorn Version 2.1");
    startShell();
    EXPECT_NE(shell->wizard(), nullptr);
    EXPECT_EQ(shell->mainFrame(), nullptr);
}

TEST_F(StartupTest, NormalStartAppliesTheScreenDefaultsToTheInputBox)
{
    setUpAsReturningPlayer();
    program.WriteIniString("Setup", "Font", "Serif");
    program.WriteIniString("Setup", "FontSize", "14");
    program.WriteIniString("Setup", "FontBold", "True");
    program.WriteIniString("Setup", "SendColor", "255");
    program.WriteIniString("Setup", "SendText", "&HFF0000&");
    program.WriteIniString("Setup", "ScrollRows", "500");
    startShell();
    expectMainFrameReady();
    EXPECT_TRUE(services.core.messages.isEmpty());

    const QPlainTextEdit* box = shell->inputWindow()->txtOutBound;
    EXPECT_EQ(box->font().family(), "Serif");
    EXPECT_EQ(box->font().pointSizeF(), 14);
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(program.state.Screen.ScrollRows, 500);
    EXPECT_EQ(program.state.Screen.TBColor, 15);
    EXPECT_EQ(program.state.Features.ActivitySeparator, 1) << "the separator is on unless switched off";
    EXPECT_EQ(program.state.Features.GagsEnabled, 0);
}

TEST_F(StartupTest, ExitSavesPlacementAndSwitchesAndTheNextStartRestoresThem)
{
    setUpAsReturningPlayer();
    startShell();
    MDILanthorn* frame = shell->mainFrame();
    frame->move(40, 30);
    frame->resize(700, 500);
    frame->setInputHeight(90);
    program.state.Features.GagsEnabled = 1;
    frame->Exit->trigger();

    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(ini("Settings", "LoadGags"), "1");
    EXPECT_EQ(ini("Settings", "ActSep"), "1");
    EXPECT_NEAR(ini("Setup", "WindowWidth").toDouble(), PixelsToTwips(700, frame), 1);
    EXPECT_NEAR(ini("Setup", "OutBound").toDouble(), PixelsToTwips(90, frame), 1);

    restartShell();
    frame = shell->mainFrame();
    EXPECT_EQ(frame->pos(), QPoint(40, 30));
    EXPECT_EQ(frame->size(), QSize(700, 500));
    EXPECT_EQ(frame->inputHeight(), 90);
    EXPECT_EQ(program.state.Features.GagsEnabled, 1);
}

TEST_F(StartupTest, TheCloseBoxExitsLikeTheMenuAndAMinimisedFrameSavesItsNormalPlacement)
{
    setUpAsReturningPlayer();
    startShell();
    MDILanthorn* frame = shell->mainFrame();
    frame->resize(720, 480);
    frame->showMinimized();
    frame->close();
    EXPECT_EQ(programEnds, 1);
    EXPECT_NEAR(ini("Setup", "WindowWidth").toDouble(), PixelsToTwips(720, frame), 1);
}

TEST_F(StartupTest, OptionCheckItemsReadTheirKeysAndWriteTheirValueForms)
{
    setUpAsReturningPlayer();
    startShell();
    MDILanthorn* frame = shell->mainFrame();
    EXPECT_TRUE(frame->mnuConfirm->isChecked()) << "confirmation is on by default";
    EXPECT_FALSE(frame->mnuScrollbars->isChecked());
    EXPECT_FALSE(frame->mnuNotify->isChecked());

    const struct {
        QAction* item;
        const char* key;
        const char* first;
        const char* second;
    } items[] = {
        { frame->mnuConfirm, "Confirm", "0", "1" },
        { frame->mnuScrollbars, "Scrollbars", "1", "0" },
        { frame->mnuNotify, "Notify", "True", "False" },
    };
    for (const auto& item : items) {
        item.item->trigger();
        EXPECT_EQ(ini("Settings", item.key), item.first) << item.key;
        item.item->trigger();
        EXPECT_EQ(ini("Settings", item.key), item.second) << item.key;
    }
    program.WriteIniString("Settings", "Notify", "True");
    program.WriteIniString("Settings", "Scrollbars", "1");
    program.WriteIniString("Settings", "Confirm", "0");
    restartShell();
    EXPECT_TRUE(shell->mainFrame()->mnuNotify->isChecked());
    EXPECT_TRUE(shell->mainFrame()->mnuScrollbars->isChecked());
    EXPECT_FALSE(shell->mainFrame()->mnuConfirm->isChecked());
}

TEST_F(StartupTest, MenuTreeHasEveryItemWithItsCaptionAndShortcut)
{
    setUpAsReturningPlayer();
    startShell();
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } items[] = {
        { "Connect", "&Connect", "Ctrl+D" },
        { "mnuDisconnect", "&Disconnect", "" },
        { "mnuClose", "Cl&ose", "" },
        { "Log", "&Log", "Ctrl+L" },
        { "mnuQuote", "&Quote File", "Ctrl+Q" },
        { "Exit", "E&xit", "" },
        { "mnuCopy", "&Copy Selected Text", "Ctrl+C" },
        { "mnuPaste", "&Paste Into Outbound Window", "Ctrl+V" },
        { "mnuLine", "&Remove Carriage Returns From Selected Text", "Ctrl+A" },
        { "mnuView", "&View Send History", "" },
        { "mnuGag", "Define &Gag Settings", "" },
        { "mnuHilites", "Define &Hilights", "" },
        { "mnuKeys", "Define &Keyboard Macros", "" },
        { "mnuLog", "Define &Log Options", "" },
        { "mnuTriggers", "Define &Triggers", "" },
        { "mnuSounds", "&Assign Sounds", "" },
        { "mnuSetting", "&Set Default Screen Settings", "" },
        { "mnuEnable", "&Enable Or Disable Features", "" },
        { "mnuConfirm", "&Confirm When Disconnecting or Closing", "" },
        { "mnuScrollbars", "&Use Scrollbars", "" },
        { "mnuNotify", "&Notify Message Box", "" },
        { "Toggle", "&Toggle", "Ctrl+W" },
        { "mnuAbout", "&About", "" },
        { "mnuHelpAr0", "&Help Contents", "" },
        { "mnuHelpAr1", "&Search For Help", "" },
    };
    for (const auto& item : items) {
        auto* action = shell->mainFrame()->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
    }
    MDILanthorn* frame = shell->mainFrame();
    EXPECT_FALSE(frame->mnuSounds->isVisible());
    EXPECT_FALSE(frame->mnuDisconnect->isEnabled()) << "nothing is connected yet";
    for (QAction* entry : frame->mnuArray)
        EXPECT_FALSE(entry->isVisible());
    EXPECT_EQ(frame->mnuArray.size(), 21u);
    EXPECT_TRUE(QRegularExpression("^(1[0-2]|[1-9]):[0-5][0-9] (AM|PM)$").match(frame->mnuTime->text()).hasMatch())
        << frame->mnuTime->text().toStdString();
    EXPECT_EQ(frame->Timer1->interval(), 5000);
    EXPECT_TRUE(frame->Timer1->isActive());
}

TEST_F(StartupTest, AboutWindowShowsTheVersionOnTopAndOkHidesIt)
{
    setUpAsReturningPlayer();
    startShell();
    shell->mainFrame()->mnuAbout->trigger();
    frmAbout* about = shell->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Lanthorn");
    EXPECT_TRUE(about->lblAbout->text().startsWith("Lanthorn Version 2.2.6\n"));
    EXPECT_TRUE(about->lblAbout->text().endsWith("\n8/17/96"));
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(services.isOnTop(about));
    about->cmdAbOK->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(services.isOnTop(about));
}

TEST_F(StartupTest, DamagedSettingsNeverStopTheStartUp)
{
    struct Case {
        const char* name;
        QByteArray content;
        QStringList expectedMessages; // prefixes
    } cases[] = {
        { "empty", "", {} },
        { "garbage", QByteArray("\x00\xff[[[==\n\x01\x02", 10) + QByteArray(5000, '\xfe'), {} },
        { "no equals signs", "[Settings]\nVersion\nLoadGags\n", {} },
        { "old sites count beyond 16 bits", "[Sites]\nLines=99999\n", {} },
        { "feature switch beyond 16 bits", "[Settings]\nLoadGags=70000\n", { "Error #  6\rOverflow" } },
        { "bold that is not a boolean", "[Setup]\nFontBold=perhaps\n",
            { "Error #  13 was generated by Lanthorn\rType mismatch" } },
        { "duplicate sections and keys", "[Setup]\nFont=A\nFont=B\n[Setup]\nFont=C\nFontSize=12\n", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.reset();
        ASSERT_TRUE(WriteFileBytes(
            program.settings.pathOf(kSettingsFile), c.content + "\n[Settings]\nVersion=Lanthorn Version 2.2.6\n"));
        services.core.messages.clear();
        restartShell();
        expectMainFrameReady();
        ASSERT_EQ(services.core.messages.size(), c.expectedMessages.size())
            << services.core.texts().join("|").toStdString();
        for (int i = 0; i < c.expectedMessages.size(); ++i)
            EXPECT_TRUE(services.core.messages[i].text.startsWith(c.expectedMessages[i]))
                << services.core.messages[i].text.toStdString();
    }
}

TEST_F(StartupTest, AMissingTilePictureIsReportedAndTheStartGoesOn)
{
    setUpAsReturningPlayer();
    QTemporaryDir emptyProgramDir;
    shell = std::make_unique<Shell>(program, services, QString(), [this] { ++programEnds; });
    shell->setProgramDirectory(emptyProgramDir.path());
    shell->start();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_TRUE(services.core.messages[0].text.startsWith("Error #  53\rFile not found"));
    expectMainFrameReady();
}

} // namespace

namespace {

TEST_F(StartupTest, AnOldSiteListIsConvertedOnceAtStartUp)
{
    setUpAsReturningPlayer();
    program.WriteIniString("Sites", "Lines", "2");
    program.WriteIniString("Sites", "World0", "Home 127.0.0.1 4201 Alice alicepw");
    program.WriteIniString("Sites", "Type0", "0");
    program.WriteIniString("Sites", "World1", "Dungeon 127.0.0.1 4000 Bob bobpw");
    program.WriteIniString("Sites", "Type1", "1");
    startShell();
    EXPECT_EQ(ini("Sites", "Lines"), "0");
    EXPECT_EQ(ini("Sites", "Total"), "2");
    EXPECT_EQ(ini("Dungeon", "Type"), "1");
    ASSERT_GE(program.state.Sites.size(), 2);
    EXPECT_EQ(program.state.Sites[0].Name, "Home") << "the Connect window loaded the converted book";

    program.WriteIniString("Home", "Host", "example.invalid");
    restartShell();
    EXPECT_EQ(ini("Home", "Host"), "example.invalid") << "nothing is converted a second time";
}

TEST_F(StartupTest, HostAndPortOnTheCommandLineOpenANewSiteInTheConnectWindow)
{
    setUpAsReturningPlayer();
    startShell("mush.example.org 4201");
    frmAdd* add = shell->ConnectWindow();
    EXPECT_TRUE(add->isVisible());
    EXPECT_TRUE(add->isExpanded());
    EXPECT_EQ(add->findChild<QLineEdit*>("txtHost")->text(), "mush.example.org");
    EXPECT_EQ(add->findChild<QLineEdit*>("txtPort")->text(), "4201");
    EXPECT_TRUE(add->findChild<QLineEdit*>("txtName")->text().isEmpty());
}

TEST_F(StartupTest, ConnectMenuAndToolbarShowTheConnectWindowOnTop)
{
    setUpAsReturningPlayer();
    startShell();
    frmAdd* add = shell->ConnectWindow();
    EXPECT_FALSE(add->isVisible()) << "loaded hidden at start-up";
    shell->mainFrame()->Connect->trigger();
    EXPECT_TRUE(add->isVisible());
    EXPECT_TRUE(services.isOnTop(add));
    add->hide();
    shell->toolbar()->cmdConnect->click();
    EXPECT_TRUE(add->isVisible());
}

} // namespace

namespace {

TEST_F(StartupTest, HelpItemsAndF1OnAHighlightedItemOpenTheProgramsHelp)
{
    setUpAsReturningPlayer();
    startShell();
    MDILanthorn* frame = shell->mainFrame();
    frame->mnuHelpAr[0]->trigger();
    frame->mnuHelpAr[1]->trigger();
    frame->mnuOptions->popup(QPoint(0, 0));
    frame->mnuOptions->setActiveAction(frame->mnuNotify);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(frame->mnuOptions, &f1);
    frame->mnuOptions->setActiveAction(frame->mnuConfirm);
    QCoreApplication::sendEvent(frame->mnuOptions, &f1);
    frame->mnuOptions->hide();

    const QList<QPair<HelpCommand, int>> expected { { HelpCommand::Contents, 0 }, { HelpCommand::Search, 0 },
        { HelpCommand::Topic, 270 } };
    EXPECT_EQ(services.helpRequests, expected) << "an item without a topic opens nothing";

    shell->showHelpWindow(HelpCommand::Contents);
    ASSERT_NE(shell->helpWindow(), nullptr);
    EXPECT_TRUE(shell->helpWindow()->isVisible());
    EXPECT_EQ(shell->helpWindow()->windowTitle(), "Lanthorn Help");
}

} // namespace
