#include "MessageTools.h"

#include "RegularFile.h"

#include "Speech.h"
#include "WaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sndfile.h>

namespace orvanta {

namespace {

constexpr int MarginMs = 50;
constexpr int QuietShare = 20; // below peak / 20 (−26 dB) counts as silence

int peakOf(const std::vector<int16_t> &samples)
{
    int peak = 0;
    for (int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

} // namespace

bool TrimSilence(std::vector<int16_t> &samples, int sampleRate)
{
    const int peak = peakOf(samples);
    if (peak == 0)
        return false;
    const int threshold = peak / QuietShare;
    const auto loud = [threshold](int16_t sample) {
        return std::abs(int(sample)) > threshold;
    };
    const size_t first =
        size_t(std::find_if(samples.begin(), samples.end(), loud) - samples.begin());
    const size_t last =
        size_t(std::find_if(samples.rbegin(), samples.rend(), loud).base() - samples.begin());
    const size_t margin = size_t(std::max(sampleRate, 1)) * MarginMs / 1000;
    const size_t begin = first > margin ? first - margin : 0;
    const size_t end = std::min(samples.size(), last + margin);
    if (begin == 0 && end == samples.size())
        return false;
    samples =
        std::vector<int16_t>(samples.begin() + qsizetype(begin), samples.begin() + qsizetype(end));
    return true;
}

bool EvenLoudness(std::vector<int16_t> &samples)
{
    const int peak = peakOf(samples);
    if (peak == 0 || peak == LoudnessPeak)
        return false;
    const double gain = double(LoudnessPeak) / peak;
    // Each of the 65,536 sample values scaled once; a long message then costs one look-up a sample.
    std::vector<int16_t> scaled(65536);
    for (size_t index = 0; index < scaled.size(); ++index) {
        const int value = int(index) - 32768;
        scaled[index] = int16_t(std::clamp(std::lround(value * gain), -32768L, 32767L));
    }
    for (int16_t &sample : samples)
        sample = scaled[size_t(sample + 32768)];
    return true;
}

std::vector<int16_t> TestTone(int sampleRate, double seconds)
{
    const size_t count = size_t(std::lround(seconds * sampleRate));
    const double fade = 0.01 * sampleRate; // no click at either end
    std::vector<int16_t> samples(count);
    for (size_t k = 0; k < count; ++k) {
        const double edge = std::min({1.0, double(k) / fade, double(count - 1 - k) / fade});
        samples[k] = int16_t(std::lround(LoudnessPeak * edge *
                                         std::sin(2 * M_PI * 1000.0 * double(k) / sampleRate)));
    }
    return samples;
}

double WaveSeconds(const QString &path)
{
    // The length from the header alone, through the same reader as the message itself.
    const RegularFile opened(path);
    if (!opened.isOpen())
        return 0;
    SF_INFO info = {};
    SNDFILE *file = sf_open_fd(opened.descriptor(), SFM_READ, &info, SF_FALSE);
    if (!file)
        return 0;
    sf_close(file);
    return info.samplerate > 0 ? double(info.frames) / info.samplerate : 0;
}

SoundResult ImportSound(const QString &source, const QString &target, int longestSeconds,
                        double *seconds)
{
    TWaveFile wave(source);
    if (!wave.Loaded) {
        return SoundResult(
            QCoreApplication::translate("orvanta::MessageTools",
                                        "Не удалось загрузить файл \"%1\": %2")
                .arg(source, wave.LoadError.isEmpty()
                                 ? QCoreApplication::translate("orvanta::MessageTools", "нет файла")
                                 : wave.LoadError));
    }
    const double length = double(wave.Samples.size()) / wave.Format.SampleRate;
    if (seconds)
        *seconds = length;
    if (length > longestSeconds) {
        return SoundResult(
            QCoreApplication::translate("orvanta::MessageTools",
                                        "Звук длиной %1 сек. не поместится в память охранной "
                                        "панели: она вмещает %2 сек.")
                .arg(length, 0, 'f', 1)
                .arg(longestSeconds));
    }
    QString note;
    if (length > LongMessageSeconds)
        note = QCoreApplication::translate("orvanta::MessageTools",
                                           "Сообщение длиной %1 сек.: длиннее %2 сек., оно займет "
                                           "много памяти охранной панели")
                   .arg(length, 0, 'f', 1)
                   .arg(LongMessageSeconds);
    TWaveFile message;
    message.Samples = Resample(wave.Samples, int(wave.Format.SampleRate), MessageRate);
    try {
        if (!message.SaveToFile(target))
            return SoundResult(QCoreApplication::translate("orvanta::MessageTools",
                                                           "Не удалось создать файл \"%1\"!")
                                   .arg(target),
                               note);
    } catch (const std::exception &error) {
        return SoundResult(QString::fromUtf8(error.what()), note);
    }
    return SoundResult({}, note);
}

} // namespace orvanta
