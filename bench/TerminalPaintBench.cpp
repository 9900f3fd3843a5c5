// Painting a full terminal display of 200 x 50 characters of coloured text, offscreen.
#include "platform/TerminalDisplay.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

using namespace lanthorn;

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 50;

/// A display of kColumns x kRows cells filled with rows of eight colour runs each.
std::unique_ptr<TerminalDisplay> filledDisplay()
{
    auto display = std::make_unique<TerminalDisplay>();
    display->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    display->setScrollBarVisible(false);
    display->resize(int(std::ceil(kColumns * display->cellWidth())), kRows * display->lineHeight());
    display->setRows(kRows);
    display->setScrollbackRows(100);
    display->show();
    for (int row = 0; row < kRows + 10; ++row) {
        QByteArray line;
        for (int run = 0; run < 8; ++run) {
            line += "\x1b[" + QByteArray(run % 2 ? "1;" : "") + "3" + QByteArray::number((row + run) % 8) + ";4"
                + QByteArray::number((row + run + 3) % 8) + "m";
            line += QByteArray("The quick brown fox jumps.").leftJustified(kColumns / 8, '-');
        }
        display->Disp(line + "\x1b[0m\r\n");
    }
    QApplication::processEvents();
    return display;
}

void BM_RenderFullScreenIntoImage(benchmark::State& state)
{
    const auto display = filledDisplay();
    QImage image(display->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        display->viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["columns"] = display->model().viewColumns();
    state.counters["rows"] = display->visibleRows();
}
BENCHMARK(BM_RenderFullScreenIntoImage)->Unit(benchmark::kMicrosecond);

void BM_RepaintFullScreen(benchmark::State& state)
{
    const auto display = filledDisplay();
    for (auto _ : state)
        display->viewport()->repaint();
}
BENCHMARK(BM_RepaintFullScreen)->Unit(benchmark::kMicrosecond);

} // namespace
