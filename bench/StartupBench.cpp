// Start-up to the ready main frame (offscreen), for a returning player with a site book of
// 100 sites and every feature switched on.
#include "QuietServices.h"
#include "core/Program.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lanthorn;
using lanthorn::bench::QuietServices;

namespace {

void BM_StartupToMainFrame(benchmark::State& state)
{
    QTemporaryDir dir;
    QuietServices services;
    {
        Program setup(dir.path(), services);
        setup.WriteIniString("Settings", "Version", kVersionText);
        for (const char* key : { "LoadGags", "LoadTrigs", "LoadOmits", "LoadWHO", "NumberMap" })
            setup.WriteIniString("Settings", QString(key), "1");
        setup.WriteIniString("Sites", "Total", "100");
        for (int i = 0; i < 100; ++i) {
            const QString name = QStringLiteral("World %1").arg(i);
            setup.WriteIniString("Sites", QStringLiteral("Site%1").arg(i), name);
            setup.WriteIniString(name, "Host", "127.0.0.1");
            setup.WriteIniString(name, "Port", QString::number(4000 + i));
        }
    }
    for (auto _ : state) {
        Program program(dir.path(), services);
        Shell shell(program, services, QString(), [] {});
        shell.start();
        benchmark::DoNotOptimize(shell.mainFrame());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToMainFrame)->Unit(benchmark::kMillisecond);

} // namespace
