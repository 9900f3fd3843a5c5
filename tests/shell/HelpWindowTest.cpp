#include "shell/HelpBrowser.h"
#include "shell/HelpKeywords.h"
#include "shell/frmHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

// Readable failure messages for the texts compared below.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanthorn;

namespace {

const QString kHelpDir = QStringLiteral(LANTHORN_HELP_SOURCE_DIR);

class HelpWindowTest : public ::testing::Test {
protected:
    frmHelp help { nullptr, kHelpDir };

    /// The page shown, as the help names its targets: "page.html" or "page.html#anchor".
    QString shownTarget() const
    {
        const QUrl url = help.brwPage->source();
        QString target = QDir(kHelpDir).relativeFilePath(url.toLocalFile());
        if (url.hasFragment())
            target += u'#' + url.fragment();
        return target;
    }

    QStringList shownKeywords() const
    {
        QStringList shown;
        for (int i = 0; i < help.lstKeywords->count(); ++i)
            if (!help.lstKeywords->item(i)->isHidden())
                shown.append(help.lstKeywords->item(i)->text());
        return shown;
    }

    QString currentContentsTarget() const
    {
        const QTreeWidgetItem* item = help.tvwContents->currentItem();
        return item ? item->data(0, Qt::UserRole).toString() : QString();
    }
};

TEST_F(HelpWindowTest, ShowContentsOpensTheContentsPageWithTheContentsTree)
{
    help.showContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), "Lanthorn Help");
    EXPECT_EQ(shownTarget(), "index.html");
    EXPECT_EQ(help.tabNavigation->currentIndex(), 0);
    EXPECT_TRUE(help.brwPage->toPlainText().contains("Getting started"));
    ASSERT_GT(help.tvwContents->topLevelItemCount(), 10);
    EXPECT_EQ(help.tvwContents->topLevelItem(0)->text(0), "Getting started");
    EXPECT_GT(help.tvwContents->topLevelItem(0)->childCount(), 0);
}

TEST_F(HelpWindowTest, ShowSearchFocusesTheKeywordFieldWithNoKeywordGiven)
{
    help.showContents();
    help.txtKeyword->setText(QStringLiteral("left over"));
    help.brwPage->setFocus();

    help.showSearch();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.tabNavigation->currentIndex(), 1);
    EXPECT_EQ(help.focusWidget(), help.txtKeyword);
    EXPECT_TRUE(help.txtKeyword->text().isEmpty());
    EXPECT_EQ(shownKeywords().size(), help.lstKeywords->count()) << "the whole index is listed";
    EXPECT_EQ(shownTarget(), "index.html") << "the page beside the search was kept";

    help.showSearch(QStringLiteral("trigger"));
    EXPECT_EQ(help.txtKeyword->text(), "trigger");
    EXPECT_EQ(help.lstKeywords->currentItem()->text(), "trigger examples");
}

TEST_F(HelpWindowTest, SearchFromAFreshWindowShowsTheContentsPageBesideIt)
{
    help.showSearch();
    EXPECT_EQ(shownTarget(), "index.html");
}

TEST_F(HelpWindowTest, TypingFiltersTheIndexAndPrefersKeywordsThatStartWithTheText)
{
    struct Case {
        const char* typed;
        const char* current; // nullptr: nothing left to choose
        QStringList mustShow;
    };
    const QList<Case> cases {
        { "/con", "/con", { "/con", "/connect" } },
        { "CONNECT", "Connect", { "/connect", "Connect", "Connect Window", "Connect button" } },
        { "stack", "Stack Word", { "Stack Word", "| (stack word)" } },
        { "  wrap ", "WrapAt", { "word wrap", "Use WordWrap", "WrapAt" } },
        { "no such thing at all", nullptr, {} },
    };
    help.showSearch();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        help.txtKeyword->clear();
        QTest::keyClicks(help.txtKeyword, QString::fromUtf8(c.typed));
        const QStringList shown = shownKeywords();
        const QString wanted = QString::fromUtf8(c.typed).trimmed();
        for (const QString& keyword : shown)
            EXPECT_TRUE(keyword.contains(wanted, Qt::CaseInsensitive)) << keyword.toStdString();
        for (const QString& keyword : c.mustShow)
            EXPECT_TRUE(shown.contains(keyword)) << keyword.toStdString();
        if (c.current) {
            ASSERT_NE(help.lstKeywords->currentItem(), nullptr);
            EXPECT_EQ(help.lstKeywords->currentItem()->text(), c.current);
        } else {
            EXPECT_TRUE(shown.isEmpty());
        }
    }

    // Enter with nothing left to choose stays on the page shown.
    const QString before = shownTarget();
    QTest::keyClick(help.txtKeyword, Qt::Key_Return);
    EXPECT_EQ(shownTarget(), before);
}

TEST_F(HelpWindowTest, EnterOrADoubleClickOpensTheKeywordsPage)
{
    help.showSearch();
    QTest::keyClicks(help.txtKeyword, QStringLiteral("/grab"));
    QTest::keyClick(help.txtKeyword, Qt::Key_Return);
    EXPECT_EQ(shownTarget(), "commands.html#grab");
    EXPECT_EQ(currentContentsTarget(), "commands.html#grab") << "the contents follow the page";

    // The arrow keys in the field walk the filtered list.
    help.txtKeyword->setText(QStringLiteral("ctrl+"));
    const QStringList shown = shownKeywords();
    ASSERT_GE(shown.size(), 2);
    QTest::keyClick(help.txtKeyword, Qt::Key_Down);
    EXPECT_EQ(help.lstKeywords->currentItem()->text(), shown[1]);
    QTest::keyClick(help.txtKeyword, Qt::Key_Return);
    EXPECT_EQ(shownTarget(), help.lstKeywords->currentItem()->data(Qt::UserRole).toString());

    help.txtKeyword->setText(QStringLiteral("Notify Message Box"));
    QListWidgetItem* item = help.lstKeywords->currentItem();
    ASSERT_NE(item, nullptr);
    QCoreApplication::processEvents(); // the list lays out its filtered entries
    const QRect cell = help.lstKeywords->visualItemRect(item);
    // A double-click arrives as a click followed by the double-click itself.
    QTest::mouseClick(help.lstKeywords->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(help.lstKeywords->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(shownTarget(), "worlds.html#notify");
}

TEST_F(HelpWindowTest, ShowTopicOpensThePageOfEachMenuItemsTopic)
{
    const QList<std::pair<int, QString>> topics {
        { 110, QStringLiteral("quote.html#quote-window") },
        { 130, QStringLiteral("logging.html#omissions") },
        { 250, QStringLiteral("macros.html#function-keys") },
        { 260, QStringLiteral("preferences.html#screen-settings") },
        { 270, QStringLiteral("worlds.html#notify") },
        { 4711, QStringLiteral("index.html") },
    };
    for (const auto& [topic, target] : topics) {
        help.hide();
        help.showTopic(topic);
        EXPECT_TRUE(help.isVisible()) << topic;
        EXPECT_EQ(shownTarget(), target) << topic;
        EXPECT_EQ(help.tabNavigation->currentIndex(), 0) << topic;
    }

    // The anchor is scrolled to, also when the window was hidden when the topic was asked for.
    help.hide();
    help.showTopic(130);
    QCoreApplication::processEvents();
    EXPECT_GT(help.brwPage->verticalScrollBar()->value(), 0);
    EXPECT_EQ(currentContentsTarget(), "logging.html#omissions");
}

TEST_F(HelpWindowTest, TheContentsTreeOpensPagesAndBackAndForwardWalkThem)
{
    help.showContents();
    EXPECT_FALSE(help.cmdBack->isEnabled());

    QTreeWidgetItem* triggers = nullptr;
    for (QTreeWidgetItemIterator it(help.tvwContents); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == u"triggers.html")
            triggers = *it;
    ASSERT_NE(triggers, nullptr);
    help.tvwContents->setCurrentItem(triggers);
    EXPECT_EQ(shownTarget(), "triggers.html");

    help.showPage(QStringLiteral("patterns.html#lists"));
    EXPECT_EQ(currentContentsTarget(), "patterns.html#lists");

    ASSERT_TRUE(help.cmdBack->isEnabled());
    help.cmdBack->click();
    EXPECT_EQ(shownTarget(), "triggers.html");
    EXPECT_EQ(currentContentsTarget(), "triggers.html");
    help.cmdBack->click();
    EXPECT_EQ(shownTarget(), "index.html");
    ASSERT_TRUE(help.cmdForward->isEnabled());
    help.cmdForward->click();
    help.cmdForward->click();
    EXPECT_EQ(shownTarget(), "patterns.html#lists");

    help.cmdContents->click();
    EXPECT_EQ(shownTarget(), "index.html");
}

TEST(HelpWindowFiles, AMissingHelpDirectorySaysSoWhateverIsAskedFor)
{
    QTemporaryDir parent;
    const QString missing = parent.filePath(QStringLiteral("help"));
    const QList<std::pair<const char*, std::function<void(frmHelp&)>>> requests {
        { "contents", [](frmHelp& h) { h.showContents(); } },
        { "search", [](frmHelp& h) { h.showSearch(); } },
        { "search with a keyword", [](frmHelp& h) { h.showSearch(QStringLiteral("gags")); } },
        { "topic", [](frmHelp& h) { h.showTopic(110); } },
        { "page", [](frmHelp& h) { h.showPage(QStringLiteral("gags.html")); } },
    };
    for (const auto& [name, request] : requests) {
        SCOPED_TRACE(name);
        frmHelp help(nullptr, missing);
        EXPECT_FALSE(help.helpAvailable());
        request(help);
        EXPECT_TRUE(help.isVisible());
        const QString text = help.brwPage->toPlainText();
        EXPECT_TRUE(text.contains("The help files are missing")) << text.toStdString();
        EXPECT_TRUE(text.contains(missing));
        EXPECT_EQ(help.tvwContents->topLevelItemCount(), 0);
        EXPECT_EQ(help.lstKeywords->count(), 0);
    }
}

TEST(HelpWindowFiles, ReadsItsOwnDirectoryAndReportsAMissingPage)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& content) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write("index.html",
        "<html><body><h1>Small help</h1><ul class=\"contents\">"
        "<li><a href=\"here.html\">Here</a></li><li><a href=\"gone.html\">Gone</a></li></ul>"
        "</body></html>");
    write("here.html", "<html><body><h1>Here it is</h1></body></html>");
    write("keywords.txt", "here\there.html\ngone\tgone.html\n");

    frmHelp help(nullptr, dir.path());
    EXPECT_TRUE(help.helpAvailable());
    EXPECT_EQ(help.tvwContents->topLevelItemCount(), 2);
    EXPECT_EQ(help.lstKeywords->count(), 2);

    help.showSearch(QStringLiteral("here"));
    QTest::keyClick(help.txtKeyword, Qt::Key_Return);
    EXPECT_TRUE(help.brwPage->toPlainText().contains("Here it is"));

    help.showSearch(QStringLiteral("gone"));
    QTest::keyClick(help.txtKeyword, Qt::Key_Return);
    const QString text = help.brwPage->toPlainText();
    EXPECT_TRUE(text.contains("This help page is missing")) << text.toStdString();
    EXPECT_TRUE(text.contains(dir.filePath(QStringLiteral("gone.html"))));
}

TEST(HelpWindowFiles, TheHelpLivesBesideTheProgramAndTheBuildCopiesItThere)
{
    frmHelp help;
    EXPECT_EQ(help.helpDirectory(), QCoreApplication::applicationDirPath() + QStringLiteral("/help"));
    EXPECT_TRUE(help.helpAvailable());
    EXPECT_EQ(ReadHelpKeywords(help.helpDirectory() + QStringLiteral("/keywords.txt")),
        ReadHelpKeywords(kHelpDir + QStringLiteral("/keywords.txt")));
}

} // namespace
