// Loading and saving a 30-second 44.1 kHz message, beside sox copying the same file, and the
// loader as it was before sound files were read through libsndfile.
#include "voice/WaveFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString message(const char *name = "message.wav")
{
    const QString file = folder().filePath(QLatin1String(name));
    if (!QFile::exists(file))
        QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "1", "-b", "16", file,
                                                  "synth", "30", "sine", "300-3000"});
    return file;
}

// The earlier loader: the first 44 bytes taken as the header, then the samples of the last
// channel, 16-bit only.
std::vector<int16_t> headerLoader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    uchar header[44];
    if (file.read(reinterpret_cast<char *>(header), 44) < 36)
        return {};
    const quint16 channels = std::max<quint16>(1, qFromLittleEndian<quint16>(header + 22));
    const quint32 size = qFromLittleEndian<quint32>(header + 40);
    const QByteArray bytes = file.read(std::min<qint64>(size, file.size() - 44));
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 frames = bytes.size() / (2 * channels);
    std::vector<int16_t> samples(size_t(frames), 0);
    for (qint64 i = 0; i < frames; ++i)
        samples[size_t(i)] =
            int16_t(qFromLittleEndian<quint16>(data + (i * channels + channels - 1) * 2));
    return samples;
}

void BM_LoadMessageAsBefore(benchmark::State &state)
{
    const QString path = message();
    for (auto _ : state) {
        const std::vector<int16_t> samples = headerLoader(path);
        benchmark::DoNotOptimize(samples.data());
    }
}
BENCHMARK(BM_LoadMessageAsBefore)->Unit(benchmark::kMillisecond);

void BM_LoadFlacMessage(benchmark::State &state)
{
    const QString path = message("message.flac");
    for (auto _ : state) {
        TWaveFile wave(path);
        benchmark::DoNotOptimize(wave.Samples.data());
    }
}
BENCHMARK(BM_LoadFlacMessage)->Unit(benchmark::kMillisecond);

void BM_LoadMessage(benchmark::State &state)
{
    const QString path = message();
    size_t samples = 0;
    for (auto _ : state) {
        TWaveFile wave(path);
        benchmark::DoNotOptimize(wave.Samples.data());
        samples = wave.Samples.size();
    }
    state.counters["samples"] = double(samples);
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
