// Logging one unit: the world's log file is held open and every unit is one write straight into
// it (and a look that the file is still the one under its name). Measured plain, and
// word-wrapped with a list of omissions.
#include "QuietCoreServices.h"
#include "core/Program.h"
#include "incoming/FilterMatchers.h"
#include "log/LogWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lanthorn;

namespace {

const QByteArray kUnits[] = {
    "Bob says, \"The quick brown fox jumps over the lazy dog, and then it does it again.\"",
    "Ann has arrived.",
    "<Public> Carl: anyone up for the raid tonight? We meet at the north gate at nine sharp.",
    "You see a narrow passage leading north.",
};

void logUnits(benchmark::State& state, bool wrapped)
{
    QTemporaryDir dir;
    bench::QuietCoreServices services;
    Program program(dir.path(), services);
    SiteRecord site;
    site.WrapAt = 40;
    site.Indent = 2;
    program.state.Sites = { site };
    program.state.WorldStates.resize(1);
    program.state.WorldStates[0].LogWordWrap = wrapped;
    if (wrapped) {
        program.state.Features.LogOmissionsEnabled = 1;
        for (const char* omit : { "* has arrived.", "* has left.", "* pages: *", "* whispers *", "[[*]] *", "<*> *",
                 "Huh? *", "MAIL: *", "Set.", "You paged *", "You whisper *" })
            program.state.LogOmissions.append({ omit });
    }
    FilterMatchers filters(program);
    LogWriter writer(program, filters);
    writer.BeginLog(0, dir.filePath(QStringLiteral("game.log")));
    std::size_t i = 0;
    for (auto _ : state)
        writer.LogLine(kUnits[i++ % std::size(kUnits)], 0);
    state.SetItemsProcessed(state.iterations());
}

void BM_LogLine_Plain(benchmark::State& state)
{
    logUnits(state, false);
}
BENCHMARK(BM_LogLine_Plain);

void BM_LogLine_WrappedWithOmissions(benchmark::State& state)
{
    logUnits(state, true);
}
BENCHMARK(BM_LogLine_WrappedWithOmissions);

} // namespace
