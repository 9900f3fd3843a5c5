// The main of every benchmark program: a Qt application object (with windows drawn offscreen
// unless a platform is chosen) around Google Benchmark's run.
#include <benchmark/benchmark.h>

#ifdef LANTHORN_BENCH_UI
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
#ifdef LANTHORN_BENCH_UI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
