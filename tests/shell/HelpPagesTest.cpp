#include "shell/HelpContents.h"
#include "shell/HelpKeywords.h"
#include "shell/HelpTopics.h"
#include "shell/MDILanthorn.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <functional>
#include <gtest/gtest.h>
#include <map>

// Readable failure messages for the texts compared below.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanthorn;

namespace {

const QString kHelpDir = QStringLiteral(LANTHORN_HELP_SOURCE_DIR);

/// What the checks need to know of one page: whether it is well-formed, its anchors and links.
struct PageFacts {
    QString error;
    QString title;
    int headings = 0;
    bool linksStyleSheet = false;
    QSet<QString> anchors;
    QStringList duplicateAnchors;
    QStringList links; // href and src values, in page order
    QStringList forbiddenElements;
};

PageFacts readPage(const QString& path)
{
    PageFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        facts.error = QStringLiteral("cannot be read");
        return facts;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString name = xml.name().toString();
        for (const char* anchorAttribute : { "id", "name" }) {
            const QString anchor = attributes.value(QLatin1String(anchorAttribute)).toString();
            if (anchor.isEmpty() || (QLatin1String(anchorAttribute) == QLatin1String("name") && name != u"a"))
                continue;
            if (facts.anchors.contains(anchor))
                facts.duplicateAnchors.append(anchor);
            facts.anchors.insert(anchor);
        }
        for (const char* linkAttribute : { "href", "src" })
            if (attributes.hasAttribute(QLatin1String(linkAttribute)))
                facts.links.append(attributes.value(QLatin1String(linkAttribute)).toString());
        if (name == u"h1")
            ++facts.headings;
        if (name == u"title")
            facts.title = xml.readElementText();
        if (name == u"link" && attributes.value(QLatin1String("href")) == u"style.css")
            facts.linksStyleSheet = true;
        if (name == u"script" || name == u"iframe" || name == u"object" || name == u"style")
            facts.forbiddenElements.append(name);
    }
    if (xml.hasError())
        facts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return facts;
}

/// Every page of the help, read once for all tests.
const std::map<QString, PageFacts>& pages()
{
    static const std::map<QString, PageFacts> all = [] {
        std::map<QString, PageFacts> read;
        for (const QString& name : QDir(kHelpDir).entryList({ QStringLiteral("*.html") }, QDir::Files))
            read.emplace(name, readPage(QDir(kHelpDir).filePath(name)));
        return read;
    }();
    return all;
}

/// Why a target ("page.html", "page.html#anchor" or "#anchor" seen from fromPage) does not
/// resolve; empty when it does.
QString unresolved(const QString& target, const QString& fromPage)
{
    const QUrl url(target);
    if (!url.scheme().isEmpty())
        return QStringLiteral("leaves the help (") + url.scheme() + u')';
    const QString file = url.path().isEmpty() ? fromPage : url.path();
    if (file == u"style.css")
        return QFile::exists(QDir(kHelpDir).filePath(file)) ? QString() : QStringLiteral("missing");
    const auto page = pages().find(file);
    if (page == pages().end())
        return QStringLiteral("no such page");
    if (url.hasFragment() && !page->second.anchors.contains(url.fragment()))
        return QStringLiteral("no anchor ") + url.fragment() + QStringLiteral(" on ") + file;
    return {};
}

QSet<QString> keywordSet()
{
    QSet<QString> keywords;
    for (const HelpKeyword& entry : ReadHelpKeywords(QDir(kHelpDir).filePath(QStringLiteral("keywords.txt"))))
        keywords.insert(entry.keyword.toCaseFolded());
    return keywords;
}

void collectTargets(const QList<HelpContentsEntry>& entries, QStringList& targets)
{
    for (const HelpContentsEntry& entry : entries) {
        targets.append(entry.target);
        collectTargets(entry.children, targets);
    }
}

// ---- The pages themselves ----

TEST(HelpPages, EveryPageIsWellFormedWithTitleHeadingAndStyleSheet)
{
    ASSERT_GE(pages().size(), 10u) << "help pages expected in " << kHelpDir.toStdString();
    for (const auto& [name, facts] : pages()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(facts.error.isEmpty()) << facts.error.toStdString();
        EXPECT_FALSE(facts.title.trimmed().isEmpty());
        EXPECT_EQ(facts.headings, 1);
        EXPECT_TRUE(facts.linksStyleSheet);
        EXPECT_TRUE(facts.duplicateAnchors.isEmpty()) << facts.duplicateAnchors.join(u' ').toStdString();
        EXPECT_TRUE(facts.forbiddenElements.isEmpty()) << facts.forbiddenElements.join(u' ').toStdString();
    }
}

TEST(HelpPages, EveryLinkStaysInTheHelpAndResolves)
{
    for (const auto& [name, facts] : pages())
        for (const QString& link : facts.links) {
            const QString problem = unresolved(link, name);
            EXPECT_TRUE(problem.isEmpty())
                << name.toStdString() << " links " << link.toStdString() << ": " << problem.toStdString();
        }
}

TEST(HelpPages, TheContentsReachEveryPageAndEveryEntryResolves)
{
    const QList<HelpContentsEntry> contents = ReadHelpContents(QDir(kHelpDir).filePath(QStringLiteral("index.html")));
    QStringList targets;
    collectTargets(contents, targets);
    ASSERT_FALSE(targets.isEmpty());

    QSet<QString> reached { QStringLiteral("index.html") };
    for (const QString& target : targets) {
        EXPECT_TRUE(unresolved(target, {}).isEmpty()) << target.toStdString();
        reached.insert(target.section(u'#', 0, 0));
    }
    for (const auto& page : pages())
        EXPECT_TRUE(reached.contains(page.first)) << page.first.toStdString() << " is not in the contents";
}

// ---- The keyword index and the topic numbers ----

TEST(HelpKeywordIndex, EveryTargetResolvesAndNoKeywordIsListedTwice)
{
    const QList<HelpKeyword> keywords = ReadHelpKeywords(QDir(kHelpDir).filePath(QStringLiteral("keywords.txt")));
    ASSERT_GT(keywords.size(), 100);
    QSet<QString> seen;
    for (const HelpKeyword& entry : keywords) {
        EXPECT_TRUE(unresolved(entry.target, {}).isEmpty())
            << entry.keyword.toStdString() << " -> " << entry.target.toStdString() << ": "
            << unresolved(entry.target, {}).toStdString();
        EXPECT_FALSE(seen.contains(entry.keyword.toCaseFolded())) << "listed twice: " << entry.keyword.toStdString();
        seen.insert(entry.keyword.toCaseFolded());
    }
}

TEST(HelpKeywordIndex, EveryTopicNumberOfTheMenusLeadsToAnAnchor)
{
    const QList<int> menuTopics { 110, 130, 250, 260, 270 };
    EXPECT_EQ(HelpTopicNumbers(), menuTopics);
    for (int topic : menuTopics) {
        const QString target = HelpTopicTarget(topic);
        EXPECT_TRUE(target.contains(u'#')) << topic;
        EXPECT_TRUE(unresolved(target, {}).isEmpty()) << topic << " -> " << target.toStdString();
    }
    EXPECT_TRUE(HelpTopicTarget(999).isEmpty());
}

TEST(HelpKeywordIndex, EveryClientCommandKeyAndWindowHasAKeyword)
{
    const QSet<QString> keywords = keywordSet();
    const std::map<const char*, QStringList> groups {
        { "client command",
            { "/grab", "/gr", "/t", "/close", "/dc", "/keys", "/key", "/settings", "/set", "/triggers", "/trig", "/gag",
                "/gags", "/quote", "/view", "/connect", "/con", "/w", "/mail", "/m", "/history", "/his", "/log", "/l",
                "/cls", "/chat", "/puppet", "/pages", "/page", "/quit", "/qu", "/q", "/Huh?" } },
        { "key",
            { "Enter", "Ctrl+P", "Ctrl+N", "Ctrl+B", "Ctrl+U", "Ctrl+S", "Ctrl+T", "Ctrl+D", "Ctrl+L", "Ctrl+Q",
                "Ctrl+W", "Ctrl+C", "Ctrl+V", "Ctrl+A", "Page Up", "Page Down", "Up arrow", "Down arrow", "Pause key",
                "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "number pad" } },
        { "window",
            { "Connect Window", "Site List", "KeyBoard Macros", "history window", "Quote File window", "WHO window",
                "Mail Room", "Mail Configure", "Mailbox", "Gags window", "Lanthorn Triggers", "Hilites window",
                "Log Omissions", "LogView", "Enable/Disable Features", "Lanthorn Default Settings",
                "Lanthorn Global Defaults", "Lanthorn Load Screen", "About Lanthorn", "Lanthorn Help", "toolbar" } },
    };
    for (const auto& [group, names] : groups)
        for (const QString& name : names)
            EXPECT_TRUE(keywords.contains(name.toCaseFolded()))
                << group << " without a keyword: " << name.toStdString();
}

TEST(HelpKeywordIndex, EveryMenuAndMenuItemOfTheMainFrameHasAKeyword)
{
    // Read from the main frame itself, so that a new menu item without a keyword is noticed.
    const QSet<QString> keywords = keywordSet();
    MDILanthorn frame;
    int items = 0;
    for (QAction* top : frame.menuBar()->actions()) {
        const QString title = top->text().remove(u'&');
        if (!top->menu()) {
            EXPECT_TRUE(keywords.contains(title.toCaseFolded())) << "menu bar entry " << title.toStdString();
            continue;
        }
        EXPECT_TRUE(keywords.contains((title + QStringLiteral(" menu")).toCaseFolded())) << title.toStdString();
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator() || !item->isVisible())
                continue; // the world entries fill in at run time
            ++items;
            const QString caption = item->text().remove(u'&');
            EXPECT_TRUE(keywords.contains(caption.toCaseFolded()))
                << title.toStdString() << " > " << caption.toStdString();
        }
    }
    EXPECT_GE(items, 20);
}

// ---- Reading the index and the contents ----

TEST(HelpKeywordParsing, ReadsTabSeparatedLinesSkipsTheRestAndSortsWithoutRegardToCase)
{
    const QByteArray text = "# comment\tnot.html\n"
                            "\n"
                            "zebra\tz.html#top\r\n"
                            "Apple\ta.html\n"
                            "no tab here\n"
                            "\tempty-keyword.html\n"
                            "empty target\t  \n"
                            "  banana  \t  b.html#x  \n"
                            "caf\xc3\xa9\tc.html\n";
    const QList<HelpKeyword> expected {
        { QStringLiteral("Apple"), QStringLiteral("a.html") },
        { QStringLiteral("banana"), QStringLiteral("b.html#x") },
        { QString::fromUtf8("caf\xc3\xa9"), QStringLiteral("c.html") },
        { QStringLiteral("zebra"), QStringLiteral("z.html#top") },
    };
    EXPECT_EQ(ParseHelpKeywords(text), expected);
    EXPECT_TRUE(ReadHelpKeywords(QStringLiteral("/nonexistent/keywords.txt")).isEmpty());
}

TEST(HelpContentsParsing, TakesTheNestedContentsListAndIgnoresEverythingElse)
{
    struct Case {
        const char* name;
        QByteArray page;
        QStringList flattened; // "depth:title=target" in order
    };
    const QList<Case> cases {
        { "nested lists, links with markup, other lists ignored",
            "<!DOCTYPE html><html><body><ul><li><a href=\"other.html\">Not contents</a></li></ul>"
            "<ul class=\"wide contents\">"
            "<li><a href=\"a.html\">First <code>page</code></a>"
            "<ul><li><a href=\"a.html#one\">One</a></li><li><a href=\"a.html#two\">Two</a></li></ul></li>"
            "<li>No link, skipped</li>"
            "<li><a href=\"b.html\">  Second\n  page </a></li>"
            "</ul><ul class=\"contents\"><li><a href=\"late.html\">Second list ignored</a></li></ul></body></html>",
            { "0:First page=a.html", "1:One=a.html#one", "1:Two=a.html#two", "0:Second page=b.html" } },
        { "no contents list", "<html><body><p>Nothing</p></body></html>", {} },
        { "broken page keeps what was read",
            "<html><body><ul class=\"contents\"><li><a href=\"a.html\">A</a></li>"
            "<li><a href=\"b.html\">B</li></ul>",
            { "0:A=a.html" } },
    };
    for (const Case& c : cases) {
        QStringList flattened;
        std::function<void(const QList<HelpContentsEntry>&, int)> flatten = [&](const auto& entries, int depth) {
            for (const HelpContentsEntry& entry : entries) {
                flattened.append(QStringLiteral("%1:%2=%3").arg(depth).arg(entry.title, entry.target));
                flatten(entry.children, depth + 1);
            }
        };
        flatten(ParseHelpContents(c.page), 0);
        EXPECT_EQ(flattened, c.flattened) << c.name;
    }
}

} // namespace
