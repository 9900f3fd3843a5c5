#include "EventLoop.h"
#include "UiProgramTest.h"
#include "core/Program.h"
#include "input/Macros.h"
#include "input/frmKeys.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace lanthorn;
using lanthorn::testing::UiProgramTest;
using lanthorn::testing::waitFor;

namespace {

class MacroWindowTest : public UiProgramTest {
protected:
    std::unique_ptr<frmKeys> window;

    void load()
    {
        window = std::make_unique<frmKeys>(program, services);
        window->ShowKeys();
        ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
    }
    QLineEdit* box(int key) const { return window->findChild<QLineEdit*>(QStringLiteral("txt%1").arg(key)); }
    QPushButton* button(const QString& name) const { return window->findChild<QPushButton*>(name); }
    void setIni(const QString& key, const QString& value) { program.WriteIniString("Keys", key, value); }
    QString ini(const QString& key) { return program.ReadIniString("Keys", key, "<missing>"); }
};

TEST_F(MacroWindowTest, EveryBoxShowsItsStoredMacro)
{
    setIni("F3", "look");
    setIni("f12", "");
    setIni("F7", "/t");
    load();
    EXPECT_EQ(window->windowTitle(), "KeyBoard Macros");
    EXPECT_EQ(button("cmdOK")->text(), "OK");
    EXPECT_TRUE(services.isOnTop(window.get()));
    for (int key = 2; key <= 12; ++key) {
        SCOPED_TRACE(key);
        ASSERT_NE(box(key), nullptr);
        ASSERT_NE(button(QStringLiteral("cF%1").arg(key)), nullptr);
        EXPECT_EQ(button(QStringLiteral("cF%1").arg(key))->text(), QStringLiteral("F%1").arg(key));
        const QString expected = key == 3 ? "look" : key == 7 ? "/t" : key == 12 ? "" : " ";
        EXPECT_EQ(box(key)->text(), expected);
    }
    EXPECT_EQ(ini("F2"), "<missing>") << "loading writes nothing";
}

TEST_F(MacroWindowTest, ABoxIsSavedWhenItLosesTheFocus)
{
    load();
    button("cF5")->click();
    ASSERT_TRUE(box(5)->hasFocus()) << "a key's button focuses its box";
    box(5)->selectAll();
    QTest::keyClicks(box(5), "wave");
    EXPECT_EQ(ini("F5"), "<missing>") << "nothing is saved while the box has the focus";

    button("cF6")->click();
    EXPECT_TRUE(box(6)->hasFocus());
    EXPECT_EQ(ini("F5"), "wave");
    EXPECT_EQ(MacroText(program, 116), QString("wave")) << "in force for the function key at once";

    box(6)->clear();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(waitFor([&] { return elsewhere.isActiveWindow(); }));
    EXPECT_EQ(ini("F6"), "") << "moving to another window saves the box too";
    EXPECT_EQ(MacroText(program, 117), QString(""));
    EXPECT_EQ(ini("F7"), "<missing>") << "boxes that never had the focus are not written";
}

TEST_F(MacroWindowTest, EnterInABoxIsConsumed)
{
    load();
    int returns = 0;
    QObject::connect(box(4), &QLineEdit::returnPressed, [&] { ++returns; });
    button("cF4")->click();
    box(4)->clear();
    QTest::keyClicks(box(4), "ab");
    QTest::keyClick(box(4), Qt::Key_Return);
    QTest::keyClick(box(4), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(box(4), "c");
    EXPECT_EQ(box(4)->text(), "abc");
    EXPECT_EQ(returns, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ini("F4"), "<missing>") << "Enter does not end the editing";
}

TEST_F(MacroWindowTest, OkHidesTheWindowWhichKeepsItsBoxes)
{
    load();
    button("cF3")->click();
    box(3)->setText("typed, then OK");
    services.onTopRequests.clear();
    button("cmdOK")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(services.onTopRequests, (QList<QPair<QString, bool>> { { "frmKeys", false } }));
    EXPECT_EQ(ini("F3"), "typed, then OK") << "the box with the focus is saved";

    setIni("F8", "changed on disk");
    window->ShowKeys();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(services.isOnTop(window.get()));
    EXPECT_EQ(box(8)->text(), " ") << "the file is read only when the window is made";
    EXPECT_EQ(box(3)->text(), "typed, then OK");

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(services.isOnTop(window.get()));
    EXPECT_EQ(box(3)->text(), "typed, then OK") << "the close box only hides";
}

} // namespace
