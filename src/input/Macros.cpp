#include "input/Macros.h"

#include "core/Program.h"

#include <QStringView>
#include <array>

namespace lanthorn {

namespace {

constexpr int kNumberPadZero = 96;

constexpr std::array<QStringView, 10> kNumberPadWords { {
    u"up",
    u"southwest",
    u"south",
    u"southeast",
    u"west",
    u"down",
    u"east",
    u"northwest",
    u"north",
    u"northeast",
} };

} // namespace

QString MacroKeyName(int keyCode)
{
    return u'F' + QString::number(keyCode - 111);
}

std::optional<QString> MacroText(Program& program, int keyCode)
{
    if (keyCode < kFirstMacroKeyCode || keyCode > kLastMacroKeyCode)
        return std::nullopt;
    const QString noMacro = QStringLiteral(" ");
    QString text = program.ReadIniString(kMacroSection, MacroKeyName(keyCode), noMacro);
    if (text == noMacro)
        return std::nullopt;
    return text;
}

QString NumberPadWord(int keyCode)
{
    const int digit = keyCode - kNumberPadZero;
    if (digit < 0 || digit >= int(kNumberPadWords.size()))
        return {};
    return kNumberPadWords[digit].toString();
}

} // namespace lanthorn
