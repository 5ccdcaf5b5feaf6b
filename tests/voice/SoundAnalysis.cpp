#include "SoundAnalysis.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace orvanta::test {

ToneMeasure MeasureTone(const std::vector<int16_t> &samples, int sampleRate)
{
    ToneMeasure tone;
    for (int16_t sample : samples)
        tone.peak = std::max(tone.peak, std::abs(int(sample)));
    const int threshold = tone.peak / 10;
    if (tone.peak == 0)
        return tone;
    const auto loud = [threshold](int16_t sample) {
        return std::abs(int(sample)) > threshold;
    };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    tone.seconds = double(last - first) / sampleRate;
    int crossings = 0;
    for (auto it = first + 1; it < last; ++it)
        crossings += (*(it - 1) < 0) != (*it < 0);
    tone.frequency = tone.seconds > 0 ? crossings / 2.0 / tone.seconds : 0;
    return tone;
}

bool MakeTone(const QString &path, double seconds, int hertz, int rate, int bits)
{
    QStringList arguments{"-n", "-r", QString::number(rate), "-c",
                          "1",  "-b", QString::number(bits)};
    if (bits == 8)
        arguments << "-e"
                  << "unsigned-integer";
    arguments << path << "synth" << QString::number(seconds) << "sine" << QString::number(hertz)
              << "vol"
              << "0.5";
    QProcess sox;
    sox.start(QStringLiteral("sox"), arguments);
    return sox.waitForFinished(30000) && sox.exitStatus() == QProcess::NormalExit &&
           sox.exitCode() == 0;
}

void RunEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace orvanta::test
