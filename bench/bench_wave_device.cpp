// The wave-audio device on the sound server: the share of one core the program spends while it
// plays a 10-second message and while it records 10 seconds, and the time from the play call to
// the first sound heard at the input. Runs against the server that ./run bench starts.
#include "voice/WaveDevice.h"
#include "voice/WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <vector>

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
    player.open();
    double share = 0;
    for (auto _ : state) {
        share = coreShare([&] {
            player.Wait = true;
            player.play();
        });
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_PlayTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_RecordTenSeconds(benchmark::State &state)
{
    WaveDevice recorder;
    recorder.FileName = emptyRecording();
    recorder.open();
    double share = 0;
    for (auto _ : state) {
        share = coreShare([&] {
            recorder.record();
            runEvents(10000);
            recorder.stop();
        });
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_RecordTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The recording starts first; the first loud sample of it, against what the input had delivered
// at the play call, gives the delay from the call to the sound at the input: the output's delay
// and the input's together, so at most what the output alone takes.
void BM_PlayToFirstSound(benchmark::State &state)
{
    WaveDevice player;
    player.FileName = tone(0.5);
    player.open();
    WaveDevice recorder;
    recorder.FileName = emptyRecording();
    recorder.open();
    recorder.setTimeFormat(WaveDevice::TimeFormat::Milliseconds);
    std::vector<double> delays;
    for (auto _ : state) {
        recorder.record();
        runEvents(300);
        const qint64 recordedAtCall = recorder.position();
        player.rewind();
        player.Wait = true;
        player.play();
        runEvents(200);
        recorder.stop();
        recorder.Save();
        const TWaveFile recording(recorder.FileName);
        size_t first = 0;
        while (first < recording.Samples.size() && std::abs(int(recording.Samples[first])) < 1000)
            ++first;
        delays.push_back(double(first) / 44.1 - double(recordedAtCall));
    }
    state.counters["play_to_sound_median_ms"] = median(delays);
}
BENCHMARK(BM_PlayToFirstSound)->Iterations(9)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the record call to the first captured sound in the program: the moment the user is told
// to speak.
void BM_RecordToFirstSample(benchmark::State &state)
{
    WaveDevice recorder;
    recorder.FileName = emptyRecording();
    recorder.open();
    std::vector<double> delays;
    for (auto _ : state) {
        QEventLoop loop;
        const QMetaObject::Connection arrived =
            QObject::connect(&recorder, &WaveDevice::recordingStarted, &loop, &QEventLoop::quit);
        QElapsedTimer sinceCall;
        sinceCall.start();
        recorder.record();
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        delays.push_back(double(sinceCall.nsecsElapsed()) / 1e6);
        QObject::disconnect(arrived);
        recorder.stop();
        runEvents(100);
    }
    state.counters["record_to_sample_median_ms"] = median(delays);
}
BENCHMARK(BM_RecordToFirstSample)->Iterations(9)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
