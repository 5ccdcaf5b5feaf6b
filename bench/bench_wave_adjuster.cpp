// The waveform editor with a 30-second 44.1 kHz message: its load, a redraw from the envelope
// against one segment per sample, the CPU the program spends while it shows the message and
// nothing plays, and a cut and an undo, each with the file written. The device opens on the
// sound server that ./run bench starts.
#include "panel/MessageTable.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/MessageList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>
#include <sys/resource.h>

using namespace orvanta;

namespace {

// The editor over a message list of its own.
struct LoneEditor
{
    QTemporaryDir folder;
    MessageList list{folder.path()};
    MessageSound sound{list, MemorySeconds};
    TWaveAdjuster view{sound};

    void showInRow(const QString &file)
    {
        list.setCell(MessageList::FileColumn, 1, file);
        view.showRow(1);
    }
};

TWaveAdjuster &editor()
{
    static TWaveAdjuster *shown = [] {
        auto *lone = new LoneEditor; // lives as long as the benchmarks
        const QTemporaryDir &folder = lone->folder;
        TWaveFile wave;
        wave.Samples.resize(30 * 44100);
        for (size_t i = 0; i < wave.Samples.size(); ++i)
            wave.Samples[i] = int16_t(20000 * std::sin(i * 0.05) * std::sin(i * 0.00003));
        const QString path = folder.filePath(QStringLiteral("message.wav"));
        wave.SaveToFile(path);
        TWaveAdjuster *view = &lone->view;
        view->resize(692, 105); // a picture of 690 × 103
        view->show();
        lone->showInRow(path);
        return view;
    }();
    return *shown;
}

void BM_RedrawFromTheEnvelope(benchmark::State &state)
{
    TWaveAdjuster &view = editor();
    for (auto _ : state)
        view.Redraw();
}
BENCHMARK(BM_RedrawFromTheEnvelope)->Unit(benchmark::kMillisecond);

// What selecting a row costs the editor: the message read, drawn and opened on the device.
void BM_LoadMessage(benchmark::State &state)
{
    TWaveAdjuster &view = editor();
    const QString path = view.Wave()->FileName;
    for (auto _ : state)
        view.LoadSound(path);
}
BENCHMARK(BM_LoadMessage)->Unit(benchmark::kMillisecond);

void BM_CutAndUndoWithTheFile(benchmark::State &state)
{
    TWaveAdjuster &view = editor();
    for (auto _ : state) {
        view.SelStart = 44100;
        view.SelEnd = 88199;
        view.CutSelection();
        view.Undo();
    }
    state.SetLabel("one cut and one undo per iteration");
}
BENCHMARK(BM_CutAndUndoWithTheFile)->Unit(benchmark::kMillisecond);

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_IdleWithAMessageShown(benchmark::State &state)
{
    editor();
    double share = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        share = (cpuSeconds() - before) / 10;
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_IdleWithAMessageShown)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A recording that nobody stops, ended by its maximum length, against the loop that looks
// again and again whether it must end.
void BM_RecordTenSecondsInTheEditor(benchmark::State &state)
{
    LoneEditor lone;
    lone.showInRow(lone.folder.filePath(QStringLiteral("recorded.wav")));
    TWaveAdjuster &view = lone.view;
    double share = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        view.RecordSound(10);
        share = (cpuSeconds() - before) / (double(wall.elapsed()) / 1000);
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_RecordTenSecondsInTheEditor)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_SpinningRecordLoopForComparison(benchmark::State &state)
{
    double share = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < 10000)
            QCoreApplication::processEvents();
        share = (cpuSeconds() - before) / (double(wall.elapsed()) / 1000);
    }
    state.counters["core_share_percent"] = 100 * share;
}
BENCHMARK(BM_SpinningRecordLoopForComparison)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
