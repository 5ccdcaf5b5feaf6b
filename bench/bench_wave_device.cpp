// The wave-audio device on the sound server: the share of one core the program spends while it
// plays a 10-second message and while it records 10 seconds, and the time from the play call to
// the first sound heard at the input. Runs against the server that ./run bench starts.
#include "WaveDevice.h"
#include "WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace orvanta;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString tone(double seconds)
{
    const QString file = folder().filePath(QStringLiteral("tone-%1.wav").arg(seconds));
    QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "1", "-b", "16", file,
                                              "synth", QString::number(seconds), "sine", "440"});
    return file;
}

QString emptyRecording()
{
    const QString file = folder().filePath(QStringLiteral("recording.wav"));
    TWaveFile().SaveToFile(file);
    return file;
}

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// CPU time over wall time while the action runs: the share of one core.
template <typename Action> double coreShare(Action action)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuSeconds();
    action();
    return (cpuSeconds() - cpu) / (double(wall.nsecsElapsed()) / 1e9);
}

void BM_PlayTenSeconds(benchmark::State &state)
{
    WaveDevice player;
    player.FileName = tone(10);
    player.Open();
    double share = 0;
    for (auto _ : state) {
        share = coreShare([&] {
            player.Wait = true;
            player.Play();
        });
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_PlayTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_RecordTenSeconds(benchmark::State &state)
{
    WaveDevice recorder;
    recorder.FileName = emptyRecording();
    recorder.Open();
    double share = 0;
    for (auto _ : state) {
        share = coreShare([&] {
            recorder.Record();
            runEvents(10000);
            recorder.Stop();
        });
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_RecordTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The recording starts first; the first loud sample of it, against the moment of the play
// call, gives the delay from the call to the sound at the input.
void BM_PlayToFirstSound(benchmark::State &state)
{
    WaveDevice player;
    player.FileName = tone(0.5);
    player.Open();
    WaveDevice recorder;
    recorder.FileName = emptyRecording();
    recorder.Open();
    recorder.SetTimeFormat(WaveDevice::TimeFormat::Milliseconds);
    double delays = 0;
    int runs = 0;
    for (auto _ : state) {
        recorder.Record();
        runEvents(300);
        QElapsedTimer sinceCall;
        sinceCall.start();
        const qint64 recordedAtCall = recorder.Position();
        player.Wait = true;
        player.Play();
        runEvents(200);
        recorder.Stop();
        recorder.Save();
        const TWaveFile recording(recorder.FileName);
        size_t first = 0;
        while (first < recording.Samples.size() && std::abs(int(recording.Samples[first])) < 1000)
            ++first;
        delays += double(first) / 44.1 - double(recordedAtCall);
        ++runs;
        benchmark::DoNotOptimize(sinceCall);
    }
    state.counters["play_to_sound_ms"] = delays / runs;
}
BENCHMARK(BM_PlayToFirstSound)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
