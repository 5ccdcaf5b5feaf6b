#include "HeardMeasure.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr int WindowMs = 10;
// Inside the sound, a stretch of the file this close to its own level must be heard; heard this
// far below the level of the rest, it is missing.
constexpr double SoundingBelowFileDb = 20;
constexpr double MissingBelowHeardDb = 30;

double toDb(double rms)
{
    return rms > 0 ? 20 * std::log10(rms / 32768.0) : -120;
}

// The level of each 10 ms of the sound, in dBFS.
std::vector<double> windowLevels(const std::vector<int16_t> &samples, uint32_t rate)
{
    const size_t window = std::max<size_t>(1, size_t(rate) * WindowMs / 1000);
    std::vector<double> levels;
    for (size_t from = 0; from < samples.size(); from += window) {
        const size_t to = std::min(samples.size(), from + window);
        double sum = 0;
        for (size_t i = from; i < to; ++i)
            sum += double(samples[i]) * samples[i];
        levels.push_back(toDb(std::sqrt(sum / double(to - from))));
    }
    return levels;
}

struct Span
{
    size_t first = 0;
    size_t last = 0; // inclusive
    bool empty = true;
    double seconds() const { return empty ? 0 : double(last - first + 1) * WindowMs / 1000; }
};

Span soundSpan(const std::vector<double> &levels)
{
    Span span;
    for (size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] < HeardSound::SilenceDb)
            continue;
        if (span.empty)
            span.first = i;
        span.last = i;
        span.empty = false;
    }
    return span;
}

// The RMS level of a span, in dBFS.
double spanDb(const std::vector<double> &levels, const Span &span)
{
    if (span.empty)
        return -120;
    double power = 0;
    for (size_t i = span.first; i <= span.last; ++i)
        power += std::pow(10, levels[i] / 10);
    return 10 * std::log10(power / double(span.last - span.first + 1));
}

size_t atFullScale(const std::vector<int16_t> &samples)
{
    return size_t(std::count_if(samples.begin(), samples.end(),
                                [](int16_t s) { return s >= 32767 || s <= -32767; }));
}

} // namespace

HeardSound MeasureHeard(const std::vector<int16_t> &file, uint32_t fileRate,
                        const std::vector<int16_t> &heard, uint32_t heardRate)
{
    HeardSound result;
    const std::vector<double> fileLevels = windowLevels(file, fileRate);
    const std::vector<double> heardLevels = windowLevels(heard, heardRate);
    const Span fileSpan = soundSpan(fileLevels);
    const Span heardSpan = soundSpan(heardLevels);
    result.fileSeconds = fileSpan.seconds();
    result.seconds = heardSpan.seconds();
    result.rmsDb = spanDb(heardLevels, heardSpan);
    int peak = 0;
    for (const int16_t sample : heard)
        peak = std::max(peak, std::abs(int(sample)));
    result.peakDb = toDb(peak);
    if (fileSpan.empty)
        return result; // a file without sound has nothing to prove
    if (heardSpan.empty || result.rmsDb < HeardSound::SilenceDb) {
        result.problem = HeardSound::tr("на выводе звука тишина: сообщение не прозвучало");
        return result;
    }
    if (result.seconds < HeardSound::LeastShare * result.fileSeconds) {
        result.problem = HeardSound::tr("прозвучало %1 с из %2 с сообщения")
                             .arg(result.seconds, 0, 'f', 2)
                             .arg(result.fileSeconds, 0, 'f', 2);
        return result;
    }
    // The sound heard begins later than the file's by the way through the server: the stretches
    // are compared at that offset.
    const double fileDb = spanDb(fileLevels, fileSpan);
    int missing = 0;
    for (size_t i = fileSpan.first; i <= fileSpan.last; ++i) {
        const size_t at = heardSpan.first + (i - fileSpan.first);
        const bool sounding = fileLevels[i] >= fileDb - SoundingBelowFileDb;
        const bool lost =
            at >= heardLevels.size() || heardLevels[at] < result.rmsDb - MissingBelowHeardDb;
        missing = sounding && lost ? missing + WindowMs : 0;
        if (missing >= HeardSound::GapMs) {
            result.problem =
                HeardSound::tr("в звуке пропуск не короче %1 мс на %2 с сообщения")
                    .arg(HeardSound::GapMs)
                    .arg(double(i - fileSpan.first + 1) * WindowMs / 1000 - missing / 1000.0, 0,
                         'f', 2);
            return result;
        }
    }
    const double clipped = double(atFullScale(heard)) -
                           double(atFullScale(file)) * double(heardRate) / double(fileRate);
    if (clipped > HeardSound::ClippedShare * double(heard.size()))
        result.problem = HeardSound::tr("звук искажён: %1 % отсчётов на пределе шкалы")
                             .arg(100 * clipped / double(heard.size()), 0, 'f', 1);
    return result;
}

double SoundingSeconds(const std::vector<int16_t> &samples, uint32_t rate)
{
    return soundSpan(windowLevels(samples, rate)).seconds();
}

size_t HeardSamplesToWaitFor(double fileSeconds, const std::vector<int16_t> &heard,
                             uint32_t heardRate)
{
    const Span heardSpan = soundSpan(windowLevels(heard, heardRate));
    if (fileSeconds <= 0 || heardSpan.empty)
        return 0;
    const size_t window = std::max<size_t>(1, size_t(heardRate) * WindowMs / 1000);
    return (heardSpan.first + 1) * window + size_t(std::lround(fileSeconds * heardRate));
}

} // namespace orvanta
