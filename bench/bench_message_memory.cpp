// The memory the program holds for a long message: the window with no message shown, the same
// window showing a 5-minute 44.1 kHz message, and while that message plays. Each figure is the
// program's resident memory in MB; the message's sound itself is message_pcm_mb. The device
// plays on the sound server that ./run bench starts.
#include "BenchApplication.h"
#include "shell/fContactU.h"
#include "soundpage/SoundPage.h"
#include "voice/MessageList.h"
#include "voice/WaveFile.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>
#include <unistd.h>

using namespace orvanta;

namespace {

constexpr int MessageSeconds = 300;
constexpr int Rate = 44100;

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return double(fields[1].toLongLong()) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString longMessage(const QString &folder)
{
    TWaveFile wave;
    wave.Samples.resize(size_t(MessageSeconds) * Rate);
    for (size_t i = 0; i < wave.Samples.size(); ++i)
        wave.Samples[i] = int16_t(12000 * std::sin(double(i) * 0.0627));
    const QString path = QDir(folder).filePath(QStringLiteral("long.wav"));
    wave.SaveToFile(path);
    return path;
}

void BM_MemoryOfAFiveMinuteMessage(benchmark::State &state)
{
    const QString folder = QDir::currentPath();
    const QString message = longMessage(folder);
    double empty = 0;
    double shown = 0;
    double playing = 0;
    for (auto _ : state) {
        TfContact window(TfContact::Startup{{}, folder, false, {}, {}});
        window.show();
        SoundPage &page = window.sounds();
        for (int row = 1; row <= MessageList::Messages; ++row)
            page.setCell(MessageList::FileColumn, row, QString());
        settle(500);
        empty = residentMb();
        page.setCell(MessageList::FileColumn, 1, message);
        page.selectCell(MessageList::TextColumn, 1);
        settle(500);
        shown = residentMb();
        page.play(true);
        settle(1500);
        playing = residentMb();
        page.stop();
        settle(200);
    }
    state.counters["resident_empty_mb"] = empty;
    state.counters["resident_shown_mb"] = shown;
    state.counters["resident_playing_mb"] = playing;
    state.counters["message_pcm_mb"] = double(MessageSeconds) * Rate * 2 / (1024.0 * 1024.0);
}
BENCHMARK(BM_MemoryOfAFiveMinuteMessage)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
