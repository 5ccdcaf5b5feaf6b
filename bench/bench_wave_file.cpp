// Loading and saving a 30-second 44.1 kHz message, beside sox copying the same file.
#include "WaveFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString message()
{
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("message.wav"));
        QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "1", "-b", "16", file,
                                                  "synth", "30", "sine", "300-3000"});
        return file;
    }();
    return path;
}

void BM_LoadMessage(benchmark::State &state)
{
    const QString path = message();
    for (auto _ : state) {
        TWaveFile wave(path);
        benchmark::DoNotOptimize(wave.Samples.data());
    }
}
BENCHMARK(BM_LoadMessage)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveMessage(benchmark::State &state)
{
    const QString path = message();
    const QString out = folder().filePath(QStringLiteral("out.wav"));
    for (auto _ : state) {
        TWaveFile wave(path);
        wave.SaveToFile(out);
    }
}
BENCHMARK(BM_LoadAndSaveMessage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SoxCopiesMessage(benchmark::State &state)
{
    const QString path = message();
    const QString out = folder().filePath(QStringLiteral("sox-out.wav"));
    for (auto _ : state)
        QProcess::execute(QStringLiteral("sox"), {path, out});
}
BENCHMARK(BM_SoxCopiesMessage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
