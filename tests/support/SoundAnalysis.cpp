#include "SoundAnalysis.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cmath>
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
    // Half periods between the first and the last zero crossing: a click or a fade at either
    // end changes how long the sound is loud, not its pitch.
    int crossings = 0;
    auto firstCrossing = last, lastCrossing = last;
    for (auto it = first + 1; it < last; ++it) {
        if ((*(it - 1) < 0) == (*it < 0))
            continue;
        if (crossings++ == 0)
            firstCrossing = it;
        lastCrossing = it;
    }
    tone.frequency = crossings > 1
                         ? (crossings - 1) / 2.0 * sampleRate / double(lastCrossing - firstCrossing)
                         : 0;
    return tone;
}

namespace {

// The samples from the first to the last loud one.
std::vector<int16_t> loudPart(const std::vector<int16_t> &samples)
{
    int peak = 0;
    for (int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    const auto loud = [peak](int16_t sample) {
        return std::abs(int(sample)) > peak / 10;
    };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    return first < last ? std::vector<int16_t>(first, last) : std::vector<int16_t>();
}

bool runSox(const QStringList &arguments)
{
    QProcess sox;
    sox.start(QStringLiteral("sox"), arguments);
    return sox.waitForFinished(30000) && sox.exitStatus() == QProcess::NormalExit &&
           sox.exitCode() == 0;
}

// The best normalised correlation of x's samples from to to with y's at the same place, shifted
// up to maxShift either way.
double correlationAt(const std::vector<int16_t> &x, const std::vector<int16_t> &y, size_t from,
                     size_t to, int maxShift)
{
    double best = 0;
    for (int shift = -maxShift; shift <= maxShift; ++shift) {
        double xy = 0, xx = 0, yy = 0;
        for (size_t i = from; i < to; ++i) {
            const qint64 j = qint64(i) + shift;
            if (j < 0 || j >= qint64(y.size()))
                continue;
            xy += double(x[i]) * y[size_t(j)];
            xx += double(x[i]) * x[i];
            yy += double(y[size_t(j)]) * y[size_t(j)];
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

} // namespace

double BestCorrelation(const std::vector<int16_t> &a, const std::vector<int16_t> &b, int maxShift)
{
    const std::vector<int16_t> x = loudPart(a);
    return correlationAt(x, loudPart(b), 0, x.size(), maxShift);
}

double WindowedCorrelation(const std::vector<int16_t> &a, const std::vector<int16_t> &b,
                           size_t window, int maxShift)
{
    const std::vector<int16_t> x = loudPart(a);
    const std::vector<int16_t> y = loudPart(b);
    std::vector<double> each;
    for (size_t from = 0; from + window <= x.size(); from += window)
        each.push_back(correlationAt(x, y, from, from + window, maxShift));
    if (each.empty())
        return correlationAt(x, y, 0, x.size(), maxShift);
    std::nth_element(each.begin(), each.begin() + ptrdiff_t(each.size() / 2), each.end());
    return each[each.size() / 2];
}

bool MakeSweep(const QString &path, double seconds, int fromHertz, int toHertz)
{
    return runSox({"-n", "-r", "44100", "-c", "1", "-b", "16", path, "synth",
                   QString::number(seconds), "sine",
                   QStringLiteral("%1-%2").arg(fromHertz).arg(toHertz), "vol", "0.5"});
}

bool MakeTone(const QString &path, double seconds, int hertz, int rate, int bits)
{
    QStringList arguments{"-n", "-r", QString::number(rate), "-c",
                          "1",  "-b", QString::number(bits)};
    if (bits == 8)
        arguments << "-e"
                  << "unsigned-integer";
    // A wave file whatever the name: message files need no extension.
    arguments << "-t"
              << "wav" << path << "synth" << QString::number(seconds) << "sine"
              << QString::number(hertz) << "vol"
              << "0.5";
    return runSox(arguments);
}

void RunEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool RunEventsUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        RunEvents(10);
    }
    return true;
}

bool PlayInTheBackground(QProcess &player, const QString &file)
{
    player.start(QStringLiteral("paplay"), {file});
    return player.waitForStarted(5000);
}

} // namespace orvanta::test
