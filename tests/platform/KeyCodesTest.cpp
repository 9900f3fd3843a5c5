// Keys of the terminal display: the Windows key codes and shift states its handlers receive,
// and typed characters offered to the program.
#include "platform/KeyCodes.h"

#include "platform/TerminalDisplay.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <vector>

using namespace lanthorn;

namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

const KeyCase kKeyCases[] = {
    { Qt::Key_PageUp, Qt::NoModifier, 33 },
    { Qt::Key_PageDown, Qt::NoModifier, 34 },
    { Qt::Key_Up, Qt::NoModifier, 38 },
    { Qt::Key_Down, Qt::NoModifier, 40 },
    { Qt::Key_Left, Qt::NoModifier, 37 },
    { Qt::Key_Right, Qt::NoModifier, 39 },
    { Qt::Key_Home, Qt::NoModifier, 36 },
    { Qt::Key_End, Qt::NoModifier, 35 },
    { Qt::Key_F1, Qt::NoModifier, 112 },
    { Qt::Key_F2, Qt::NoModifier, 113 },
    { Qt::Key_F12, Qt::NoModifier, 123 },
    { Qt::Key_Pause, Qt::NoModifier, 19 },
    { Qt::Key_Return, Qt::NoModifier, 13 },
    { Qt::Key_Enter, Qt::KeypadModifier, 13 },
    { Qt::Key_Escape, Qt::NoModifier, 27 },
    { Qt::Key_Backspace, Qt::NoModifier, 8 },
    { Qt::Key_Tab, Qt::NoModifier, 9 },
    { Qt::Key_Space, Qt::NoModifier, 32 },
    { Qt::Key_Insert, Qt::NoModifier, 45 },
    { Qt::Key_Delete, Qt::NoModifier, 46 },
    // The number pad's digits are not the digit row's.
    { Qt::Key_0, Qt::KeypadModifier, 96 },
    { Qt::Key_5, Qt::KeypadModifier, 101 },
    { Qt::Key_9, Qt::KeypadModifier, 105 },
    { Qt::Key_0, Qt::NoModifier, 48 },
    { Qt::Key_9, Qt::NoModifier, 57 },
    { Qt::Key_8, Qt::KeypadModifier | Qt::ShiftModifier, 104 },
    { Qt::Key_Asterisk, Qt::KeypadModifier, 106 },
    { Qt::Key_Plus, Qt::KeypadModifier, 107 },
    { Qt::Key_Minus, Qt::KeypadModifier, 109 },
    { Qt::Key_Period, Qt::KeypadModifier, 110 },
    { Qt::Key_Slash, Qt::KeypadModifier, 111 },
    // With Num Lock off the number pad gives the navigation keys.
    { Qt::Key_Up, Qt::KeypadModifier, 38 },
    { Qt::Key_PageUp, Qt::KeypadModifier, 33 },
    { Qt::Key_Clear, Qt::KeypadModifier, 12 },
    // Letters, and punctuation with its shifted characters by the key.
    { Qt::Key_A, Qt::NoModifier, 65 },
    { Qt::Key_Z, Qt::ControlModifier, 90 },
    { Qt::Key_Exclam, Qt::ShiftModifier, 49 },
    { Qt::Key_ParenRight, Qt::ShiftModifier, 48 },
    { Qt::Key_Asterisk, Qt::ShiftModifier, 56 },
    { Qt::Key_Semicolon, Qt::NoModifier, 186 },
    { Qt::Key_Colon, Qt::ShiftModifier, 186 },
    { Qt::Key_Minus, Qt::NoModifier, 189 },
    { Qt::Key_Slash, Qt::NoModifier, 191 },
    { Qt::Key_QuoteLeft, Qt::NoModifier, 192 },
    { Qt::Key_BraceRight, Qt::ShiftModifier, 221 },
    { Qt::Key_Apostrophe, Qt::NoModifier, 222 },
    { Qt::Key_Shift, Qt::ShiftModifier, 16 },
    { Qt::Key_Control, Qt::ControlModifier, 17 },
    { Qt::Key_Alt, Qt::AltModifier, 18 },
    { Qt::Key_unknown, Qt::NoModifier, 0 },
    { Qt::Key_Eacute, Qt::NoModifier, 0 },
};

TEST(KeyCodes, WindowsCodesOfQtKeys)
{
    for (const KeyCase& c : kKeyCases)
        EXPECT_EQ(WindowsKeyCode(c.key, c.modifiers), c.code) << "Qt key 0x" << std::hex << c.key;
}

TEST(KeyCodes, ShiftStates)
{
    EXPECT_EQ(ShiftState(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftState(Qt::KeypadModifier), 0);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftState(Qt::ControlModifier), 2);
    EXPECT_EQ(ShiftState(Qt::AltModifier), 4);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 7);
}

/// A window around a display that records the keys reaching it.
class WindowAroundDisplay : public QWidget {
public:
    QStringList keysReceived;

protected:
    void keyPressEvent(QKeyEvent* event) override { keysReceived.append(event->text()); }
};

class TerminalDisplayKeys : public ::testing::Test {
protected:
    WindowAroundDisplay window;
    TerminalDisplay* display = new TerminalDisplay(&window);
    std::vector<std::pair<int, int>> keysDown;
    QStringList offered;
    bool take = true;

    void SetUp() override
    {
        QObject::connect(
            display, &TerminalDisplay::keyDown, [this](int code, int shift) { keysDown.emplace_back(code, shift); });
        QObject::connect(display, &TerminalDisplay::keyPress, [this](QString& text) {
            offered.append(text);
            if (take)
                text.clear();
        });
    }

    void press(int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(display, &event);
    }
};

TEST_F(TerminalDisplayKeys, KeyDownSendsCodeAndShiftState)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::pair<int, int> expected;
    };
    const Case cases[] = {
        { Qt::Key_PageUp, Qt::NoModifier, { 33, 0 } },
        { Qt::Key_PageUp, Qt::ShiftModifier, { 33, 1 } },
        { Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier, { 38, 3 } },
        { Qt::Key_F4, Qt::AltModifier, { 115, 4 } },
        { Qt::Key_7, Qt::KeypadModifier, { 103, 0 } },
        { Qt::Key_7, Qt::NoModifier, { 55, 0 } },
        { Qt::Key_Pause, Qt::NoModifier, { 19, 0 } },
    };
    for (const Case& c : cases) {
        keysDown.clear();
        press(c.key, c.modifiers);
        ASSERT_EQ(keysDown.size(), 1u) << c.key;
        EXPECT_EQ(keysDown.front(), c.expected) << c.key;
    }
    for (int i = 0; i < 100; ++i)
        display->Disp("line\r\n");
    const qint64 top = display->topRow();
    ASSERT_GT(top, display->model().firstRow());
    press(Qt::Key_PageUp, Qt::NoModifier);
    press(Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(display->topRow(), top) << "the display leaves scrolling by keys to its handler";
}

TEST_F(TerminalDisplayKeys, TypedCharactersAreOfferedToTheProgram)
{
    press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    press(Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(offered, QStringList({ QStringLiteral("x"), QStringLiteral("\r") })) << "keys without text offer nothing";
    EXPECT_TRUE(window.keysReceived.isEmpty()) << "characters taken go no further";

    take = false;
    press(Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    EXPECT_EQ(window.keysReceived, QStringList({ QStringLiteral("y") })) << "a character left alone goes to the window";
    EXPECT_EQ(display->ScreenText(), QString()) << "the display never shows what is typed";
}

} // namespace
