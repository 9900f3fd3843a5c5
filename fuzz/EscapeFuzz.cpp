// Writes arbitrary bytes into a terminal model in pieces the fuzzer chooses, and the same bytes
// whole into another: nothing may crash, and both must show the same rows in the same colours,
// before and after a change of width.
#include "platform/TerminalModel.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

bool sameRows(const lanthorn::TerminalModel& a, const lanthorn::TerminalModel& b)
{
    if (a.firstRow() != b.firstRow() || a.lastRow() != b.lastRow() || a.screenTop() != b.screenTop())
        return false;
    for (qint64 row = a.firstRow(); row <= a.lastRow(); ++row) {
        const lanthorn::TerminalLine& x = a.line(row);
        const lanthorn::TerminalLine& y = b.line(row);
        if (x.text() != y.text() || x.runs().size() != y.runs().size())
            return false;
        for (std::size_t i = 0; i < x.runs().size(); ++i) {
            if (x.runs()[i].column != y.runs()[i].column || !(x.runs()[i].style == y.runs()[i].style))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int rows = input.ConsumeIntegralInRange(1, 8);
    const int scrollback = input.ConsumeIntegralInRange(0, 16);
    const int viewColumns = input.ConsumeIntegralInRange(0, 40);
    const int screenColumns = input.ConsumeIntegralInRange(0, 40);
    const int laterColumns = input.ConsumeIntegralInRange(0, 40);

    lanthorn::TerminalModel pieces;
    lanthorn::TerminalModel whole;
    for (lanthorn::TerminalModel* model : { &pieces, &whole }) {
        model->setRows(rows);
        model->setScrollbackRows(scrollback);
        model->setViewColumns(viewColumns);
        model->setScreenColumns(screenColumns);
    }

    QByteArray all;
    while (input.remaining_bytes() > 0) {
        const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 64);
        const std::vector<char> piece = input.ConsumeBytes<char>(length);
        const QByteArray bytes(piece.data(), qsizetype(piece.size()));
        pieces.Disp(bytes);
        all += bytes;
    }
    whole.Disp(all);

    if (!sameRows(pieces, whole) || pieces.ScreenText() != whole.ScreenText()
        || pieces.ScrollbackText() != whole.ScrollbackText())
        std::abort();
    if (whole.lastRow() - whole.firstRow() + 1 > rows + scrollback)
        std::abort();

    pieces.setViewColumns(laterColumns);
    whole.setViewColumns(laterColumns);
    if (!sameRows(pieces, whole))
        std::abort();
    (void)whole.textBetween({ whole.firstRow() - 1, -5 }, { whole.lastRow() + 1, 1000 });
    return 0;
}
