// Speed of the incoming text pipeline: the wildcard matcher's worst case, the pieces of the
// display step, and the whole chain on a MUSH flood with realistic filter lists.
#include "BenchLists.h"
#include "MushCorpus.h"
#include "QuietCoreServices.h"
#include "core/Program.h"
#include "incoming/AnsiText.h"
#include "incoming/HiliteSet.h"
#include "incoming/IncomingMainFrame.h"
#include "incoming/IncomingWorldWindow.h"
#include "incoming/LineChain.h"
#include "incoming/PatternList.h"
#include "incoming/WildcardPattern.h"
#include "incoming/WordWrap.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lanthorn;
using namespace lanthorn::bench;

namespace {

/// The generated MUSH corpus, or with --corpus=FILE the lines of that file (one per LF). Made
/// on first use, which every benchmark does before it measures.
const QList<QByteArray>& corpus()
{
    static const QList<QByteArray> lines = [] {
        for (const QString& argument : QCoreApplication::arguments()) {
            if (argument.startsWith(QStringLiteral("--corpus=")))
                return bench::ReadCorpusFile(argument.mid(9));
        }
        return bench::MakeMushCorpus(200000);
    }();
    return lines;
}

class NullDisplay : public TextDisplay {
public:
    void Disp(const QByteArray& text) override { bytes += text.size(); }
    void setForeColor(int) override { }
    void setBackColor(int) override { }
    qint64 bytes = 0;
};

class NullWorld : public IncomingWorldWindow {
public:
    int slot() const override { return 0; }
    int siteIndex() const override { return 0; }
    TextDisplay& term() override { return display; }
    TextDisplay& chat() override { return display; }
    QString caption() const override { return QStringLiteral("1 Bench"); }
    void send(const QByteArray&) override { ++sent; }
    bool whoArmed() const override { return false; }
    void disarmWho() override { }
    NullDisplay display;
    int sent = 0;
};

class NullFrame : public IncomingMainFrame {
public:
    bool isMinimized() const override { return false; }
    bool notifyChecked() const override { return false; }
    void setCaption(const QString&) override { }
    int AddActivity(const QString&) override { return 0; }
    void GrabResult(const QByteArray&) override { }
    void RebuildWorldList() override { }
};

/// A program with one MUSH world (wrap at 80, indent 2, bold colours) and the scenario's lists.
struct BenchProgram {
    QTemporaryDir dir;
    bench::QuietCoreServices services;
    Program program { dir.path(), services };
    NullFrame frame;
    NullWorld world;
    LineChain chain { program, frame };

    explicit BenchProgram(bool lists)
    {
        SiteRecord site;
        site.Name = "Bench";
        site.Type = kSiteTypeMush;
        site.WordWrap = true;
        site.WrapAt = 80;
        site.Indent = 2;
        site.TFColor = 7;
        site.BoldANSI = 1;
        program.state.Sites = { site };
        program.state.WorldStates[0].InUse = true;
        program.state.Features.GagsEnabled = 1;
        program.state.Features.TriggersEnabled = 1;
        program.state.TriggerList = { bench::benchEndTrigger() };
        if (lists) {
            program.state.GagList = benchGags();
            program.state.TriggerList = benchTriggers();
            program.state.HiliteList = benchHilites();
        }
    }
};

void BM_MatcherWorstCase(benchmark::State& state)
{
    const QByteArray text(10000, 'a');
    const WildcardPattern pattern("*a*a*a*a*a*a*b");
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.matches(text));
}
BENCHMARK(BM_MatcherWorstCase)->Unit(benchmark::kMicrosecond);

void BM_MatcherWorstCaseCompiledEachTime(benchmark::State& state)
{
    const QByteArray text(10000, 'a');
    for (auto _ : state)
        benchmark::DoNotOptimize(Matches(text, "*a*a*a*a*a*a*b"));
}
BENCHMARK(BM_MatcherWorstCaseCompiledEachTime)->Unit(benchmark::kMicrosecond);

// Lists and "?" take the general path, which walks text and pattern together.
void BM_MatcherWorstCaseGeneral(benchmark::State& state)
{
    const QByteArray text(10000, 'a');
    const WildcardPattern pattern("*?a*a*a*a*a*a*[b]");
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.matches(text));
}
BENCHMARK(BM_MatcherWorstCaseGeneral)->Unit(benchmark::kMicrosecond);

void BM_PlainText(benchmark::State& state)
{
    const QList<QByteArray>& lines = corpus();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DerivePlainText(lines[i]));
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainText);

void BM_GagListNeverMatching(benchmark::State& state)
{
    QList<QByteArray> patterns;
    for (const PatternEntry& gag : benchGags())
        patterns.append(gag.Text);
    const PatternList gags(patterns);
    const QList<QByteArray>& lines = corpus();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gags.firstMatch(QByteArrayView(lines[i])));
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GagListNeverMatching);

void BM_Hilites(benchmark::State& state)
{
    const HiliteSet hilites(benchHilites());
    const QList<QByteArray>& lines = corpus();
    QByteArray out;
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hilites.apply(lines[i], out));
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Hilites);

void BM_WordWrap(benchmark::State& state)
{
    const QList<QByteArray>& lines = corpus();
    QByteArray out;
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WordWrapInto(lines[i], 80, 2, out));
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WordWrap);

// The whole chain, one MUSH line per data-in event, into a display that keeps nothing.
// Argument: 1 with the scenario's gag, trigger and hilite lists, 0 with only one trigger.
void BM_ChainThroughput(benchmark::State& state)
{
    BenchProgram bench(state.range(0) != 0);
    const QList<QByteArray>& lines = corpus();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QByteArray& line : lines) {
            bench.chain.DataIn(bench.world, line, true);
            bytes += line.size() + 1;
        }
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
    state.SetBytesProcessed(bytes);
    state.counters["sent"] = bench.world.sent;
    benchmark::DoNotOptimize(bench.world.display.bytes);
}
BENCHMARK(BM_ChainThroughput)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
