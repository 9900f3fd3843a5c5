#include "platform/TerminalColour.h"

namespace lanthorn {

TerminalColour TerminalColour::xterm(int n)
{
    if (n < 0 || n > 255)
        return palette(0);
    if (n < 8)
        return palette(kAnsiToPalette[std::size_t(n)]);
    if (n < 16)
        return palette(kAnsiToPalette[std::size_t(n - 8)] + 8);
    if (n < 232) {
        static constexpr std::uint8_t kLevels[6] = { 0, 95, 135, 175, 215, 255 };
        const int cube = n - 16;
        return direct({ kLevels[cube / 36], kLevels[(cube / 6) % 6], kLevels[cube % 6] });
    }
    const auto grey = std::uint8_t(8 + 10 * (n - 232));
    return direct({ grey, grey, grey });
}

} // namespace lanthorn
