// Start-up to the ready main frame (offscreen), for a returning player with a site book of
// 100 sites and every feature switched on.
#include "core/Program.h"
#include "platform/UiServices.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lanthorn;

namespace {

/// Services that answer every box with its default and every dialog with a cancel.
class QuietServices : public UiServices {
public:
    int messageBox(const MessageBoxRequest& request) override { return request.defaultButton; }
    void beep() override { }
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return {}; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return {}; }
    void setAlwaysOnTop(QWidget*, bool) override { }
    void flashWindow(QWidget*) override { }
    void setClipboardText(const QString&) override { }
    QString clipboardText() override { return {}; }
    void showHelp(HelpCommand, int) override { }
};

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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
