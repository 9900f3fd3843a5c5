// Writing coloured world text into a terminal model, and what its scroll-back costs in memory.
#include "platform/TerminalModel.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

using namespace lanthorn;

namespace {

constexpr int kScrollbackRows = 10000;
constexpr int kScreenRows = 50;
constexpr int kVisibleColumns = 80;

/// 80 visible characters in four colour runs, as a MUSH line with colour arrives, CR LF ended.
QByteArray colouredLine(int n)
{
    QByteArray line;
    line += "\x1b[1m\x1b[3" + QByteArray::number(n % 8) + "m";
    line += QByteArray("[Public] Alice").leftJustified(16, ' ');
    line += "\x1b[0m";
    line += QByteArray("says, \"The quick brown fox jumps over the ").leftJustified(42, '.');
    line += "\x1b[4" + QByteArray::number((n / 8) % 8) + "m";
    line += QByteArray::number(100000 + n).leftJustified(12, ' ');
    line += "\x1b[0m";
    line += QByteArray("lazy dog.\"");
    line += "\r\n";
    return line;
}

std::vector<QByteArray> colouredLines()
{
    std::vector<QByteArray> lines;
    for (int i = 0; i < 64; ++i)
        lines.push_back(colouredLine(i));
    return lines;
}

void configure(TerminalModel& model)
{
    model.setRows(kScreenRows);
    model.setScrollbackRows(kScrollbackRows);
    model.setViewColumns(120);
}

// One write per line, as the program writes MUSH lines; a million lines per iteration.
void BM_AppendColouredLines(benchmark::State& state)
{
    const std::vector<QByteArray> lines = colouredLines();
    constexpr int kLines = 1000000;
    for (auto _ : state) {
        TerminalModel model;
        configure(model);
        for (int i = 0; i < kLines; ++i)
            model.Disp(lines[std::size_t(i) % lines.size()]);
        benchmark::DoNotOptimize(model.lastRow());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_AppendColouredLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same text in network-sized pieces cut anywhere, as MUD chunks arrive.
void BM_AppendColouredChunks(benchmark::State& state)
{
    QByteArray text;
    for (const QByteArray& line : colouredLines())
        text += line;
    while (text.size() < (1 << 20))
        text += text;
    const qsizetype kChunk = 1460;
    const qsizetype lines = text.count("\r\n");
    for (auto _ : state) {
        TerminalModel model;
        configure(model);
        for (qsizetype at = 0; at < text.size(); at += kChunk)
            model.Disp(text.mid(at, kChunk));
        benchmark::DoNotOptimize(model.lastRow());
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_AppendColouredChunks)->Unit(benchmark::kMillisecond);

// Heap taken by a full scroll-back of coloured 80-character lines, per kept line, and what
// remains of it beyond the characters themselves (two bytes each as kept).
void BM_ScrollbackMemory(benchmark::State& state)
{
    const std::vector<QByteArray> lines = colouredLines();
    double perLine = 0;
    qint64 kept = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        {
            TerminalModel model;
            configure(model);
            for (int i = 0; i < kScrollbackRows + kScreenRows + 100; ++i)
                model.Disp(lines[std::size_t(i) % lines.size()]);
            kept = model.lastRow() - model.firstRow() + 1;
            perLine = double(mallinfo2().uordblks - before) / double(kept);
        }
    }
    const double text = kVisibleColumns * sizeof(QChar);
    state.counters["kept_lines"] = double(kept);
    state.counters["heap_bytes_per_line"] = perLine;
    state.counters["text_bytes_per_line"] = text;
    state.counters["overhead_bytes_per_line"] = perLine - text;
    state.counters["overhead_MB_per_10k_lines"] = (perLine - text) * 10000 / (1024.0 * 1024.0);
}
BENCHMARK(BM_ScrollbackMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
