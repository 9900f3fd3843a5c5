#include "EventLoop.h"
#include "UiProgramTest.h"
#include "core/Program.h"
#include "input/SendHistory.h"
#include "input/frmHistory.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::UiProgramTest;
using lanthorn::testing::waitFor;

namespace {

class HistoryWindowTest : public UiProgramTest {
protected:
    SendHistory history { program.state };
    // The input box shares its window with another control, which has the focus at first.
    QWidget frame;
    QLineEdit* elsewhere = new QLineEdit(&frame);
    QPlainTextEdit& txtOutBound = *new QPlainTextEdit(&frame);
    frmHistory window { program, services, &txtOutBound };
    QListWidget* list = window.findChild<QListWidget*>("lsHistory");
    QPushButton* closeButton = window.findChild<QPushButton*>("Close");

    void SetUp() override
    {
        ASSERT_NE(list, nullptr);
        ASSERT_NE(closeButton, nullptr);
        txtOutBound.setObjectName("txtOutBound");
        auto* layout = new QVBoxLayout(&frame);
        layout->addWidget(elsewhere);
        layout->addWidget(&txtOutBound);
        frame.show();
        elsewhere->setFocus();
        for (const char* line : { "A", "B", "C" })
            history.AddToHistory(QString::fromLatin1(line));
    }

    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
    void doubleClick(int row) { emit list->itemDoubleClicked(list->item(row)); }
};

TEST_F(HistoryWindowTest, ListsEverySlotOldestFirstWithTheNewestSelected)
{
    EXPECT_EQ(window.windowTitle(), "Double Click On History Line To Paste Into Send Box");
    EXPECT_EQ(closeButton->text(), "Close Window");

    window.ShowHistory();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(services.isOnTop(&window));
    QStringList expected(kHistorySlots - 3, QString());
    expected << "A"
             << "B"
             << "C";
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(list->currentRow(), kHistorySlots - 1);

    history.AddToHistory("D");
    window.ShowHistory();
    EXPECT_EQ(rows(), expected) << "an open window keeps the history it opened with";
}

TEST_F(HistoryWindowTest, DoubleClickPutsTheRowInFrontOfTheBoxText)
{
    struct Case {
        int row;
        QString before;
        QString after;
        int caret;
    };
    const Case cases[] = {
        { 38, "existing", "Bexisting", 1 }, { 39, "", "C", 1 },
        { 0, "typed", "typed", 0 }, // an empty slot adds nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        elsewhere->setFocus();
        txtOutBound.setPlainText(c.before);
        window.ShowHistory();
        ASSERT_TRUE(waitFor([&] { return window.isActiveWindow(); }));
        services.onTopRequests.clear();
        doubleClick(c.row);
        EXPECT_EQ(txtOutBound.toPlainText(), c.after);
        EXPECT_EQ(txtOutBound.textCursor().position(), c.caret);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(list->count(), 0) << "the list is rebuilt at the next showing";
        EXPECT_EQ(services.onTopRequests, (QList<QPair<QString, bool>> { { "frmHistory", false } }));
        EXPECT_TRUE(waitFor([&] { return txtOutBound.hasFocus(); })) << "the input box gets the focus";
    }
}

TEST_F(HistoryWindowTest, DoubleClickTakesTheRowAsShown)
{
    history.AddToHistory("first line\nsecond line");
    window.ShowHistory();
    history.AddToHistory("sent while the window was open");
    doubleClick(kHistorySlots - 1);
    EXPECT_EQ(txtOutBound.toPlainText(), "first line\nsecond line");

    window.ShowHistory();
    EXPECT_EQ(list->item(kHistorySlots - 1)->text(), "sent while the window was open") << "rebuilt when shown again";
}

TEST_F(HistoryWindowTest, CloseButtonAndCloseBoxInsertNothing)
{
    txtOutBound.setPlainText("half typed");
    window.ShowHistory();
    ASSERT_TRUE(waitFor([&] { return window.isActiveWindow(); }));
    closeButton->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(services.isOnTop(&window));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(txtOutBound.toPlainText(), "half typed");
    EXPECT_TRUE(waitFor([&] { return txtOutBound.hasFocus(); }));

    window.ShowHistory();
    EXPECT_EQ(list->count(), kHistorySlots);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(services.isOnTop(&window));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(txtOutBound.toPlainText(), "half typed");

    window.ShowHistory();
    EXPECT_EQ(list->count(), kHistorySlots) << "the window can be shown again after its close box";
}

} // namespace
