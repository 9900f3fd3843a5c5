// Reading settings from a file of 500 stored sites, as the site book load does.
#include "core/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lanthorn;

namespace {

constexpr int kSites = 500;
const char* const kSiteKeys[] = { "Host", "Port", "UserId", "Password", "Type", "WordWrap", "WrapAt", "Indent", "Font",
    "FontSize", "FontBold", "FontItalic", "TFColor", "TBColor", "BoldANSI" };

void fillSiteBook(const QString& directory)
{
    // Written as a file, as a long-used settings file would be (writing it key by key would
    // rewrite the whole file thousands of times).
    QByteArray content = "[Sites]\nTotal=" + QByteArray::number(kSites) + "\n";
    for (int i = 0; i < kSites; ++i)
        content += "Site" + QByteArray::number(i) + "=World " + QByteArray::number(i) + "\n";
    for (int i = 0; i < kSites; ++i) {
        content += "[World " + QByteArray::number(i) + "]\n";
        for (const char* key : kSiteKeys)
            content += QByteArray(key) + "=value of " + key + "\n";
    }
    QFile file(QDir(directory).filePath(kSettingsFile));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void BM_ReadIniString_OneKey(benchmark::State& state)
{
    QTemporaryDir dir;
    fillSiteBook(dir.path());
    SettingsFiles settings(dir.path());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.ReadIniString(QStringLiteral("World %1").arg(i % kSites), "TBColor", " "));
        ++i;
    }
}
BENCHMARK(BM_ReadIniString_OneKey);

void BM_ReadIniString_WholeSiteBook(benchmark::State& state)
{
    QTemporaryDir dir;
    fillSiteBook(dir.path());
    SettingsFiles settings(dir.path());
    for (auto _ : state) {
        for (int i = 0; i < kSites; ++i) {
            const QString name = settings.ReadIniString("Sites", QStringLiteral("Site%1").arg(i), " ");
            for (const char* key : kSiteKeys)
                benchmark::DoNotOptimize(settings.ReadIniString(name, QString(key), " "));
        }
    }
    state.SetItemsProcessed(state.iterations() * kSites);
}
BENCHMARK(BM_ReadIniString_WholeSiteBook)->Unit(benchmark::kMillisecond);

void BM_ReadIniString_FirstReadOfFile(benchmark::State& state)
{
    QTemporaryDir dir;
    fillSiteBook(dir.path());
    for (auto _ : state) {
        SettingsFiles fresh(dir.path());
        benchmark::DoNotOptimize(fresh.ReadIniString("World 499", "Host", " "));
    }
}
BENCHMARK(BM_ReadIniString_FirstReadOfFile)->Unit(benchmark::kMicrosecond);

} // namespace
