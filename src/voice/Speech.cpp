#include "Speech.h"

#include <espeak-ng/espeak_ng.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace orvanta {

namespace {

// The library keeps one global state: one text at a time.
std::mutex speechMutex;
std::vector<int16_t> *spoken = nullptr;

int collect(short *samples, int count, espeak_EVENT *)
{
    if (spoken && samples && count > 0)
        spoken->insert(spoken->end(), samples, samples + count);
    return 0; // go on
}

QString statusText(espeak_ng_STATUS status)
{
    char text[512] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return QString::fromUtf8(text);
}

// The library, set up once for the program: synchronous output into the collector.
void initialise()
{
    static const espeak_ng_STATUS status = [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_STATUS result = espeak_ng_Initialize(nullptr);
        if (result == ENS_OK)
            result = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (result == ENS_OK)
            espeak_SetSynthCallback(collect);
        return result;
    }();
    if (status != ENS_OK)
        throw ESpeechError(
            QStringLiteral("Синтезатор речи espeak-ng не запускается: %1").arg(statusText(status)));
}

constexpr int FilterHalfWidth = 24; // input samples on each side of an output sample

double windowedSinc(double x, double cutoff)
{
    if (std::abs(x) >= FilterHalfWidth)
        return 0;
    const double sinc = x == 0 ? 1 : std::sin(M_PI * cutoff * x) / (M_PI * cutoff * x);
    const double window = 0.42 + 0.5 * std::cos(M_PI * x / FilterHalfWidth) +
                          0.08 * std::cos(2 * M_PI * x / FilterHalfWidth);
    return cutoff * sinc * window; // Blackman
}

} // namespace

std::vector<int16_t> Resample(const std::vector<int16_t> &samples, int fromRate, int toRate)
{
    if (fromRate == toRate || samples.empty())
        return samples;
    // Below the lower of the two Nyquist frequencies, so that nothing folds back.
    const double cutoff = std::min(1.0, double(toRate) / fromRate);
    const size_t count = size_t(double(samples.size()) * toRate / fromRate);
    std::vector<int16_t> out(count);
    for (size_t n = 0; n < count; ++n) {
        const double t = double(n) * fromRate / toRate;
        const qint64 centre = qint64(std::floor(t));
        double sum = 0;
        for (qint64 k = centre - FilterHalfWidth + 1; k <= centre + FilterHalfWidth; ++k)
            if (k >= 0 && k < qint64(samples.size()))
                sum += samples[size_t(k)] * windowedSinc(t - double(k), cutoff);
        out[n] = int16_t(std::clamp(std::lround(sum), -32768L, 32767L));
    }
    return out;
}

std::vector<int16_t> SpeakText(const QString &text, const QString &voice)
{
    const std::lock_guard lock(speechMutex);
    initialise();
    if (const espeak_ng_STATUS status = espeak_ng_SetVoiceByName(voice.toUtf8().constData());
        status != ENS_OK)
        throw ESpeechError(
            QStringLiteral("Нет голоса «%1» для синтеза речи: %2").arg(voice, statusText(status)));
    std::vector<int16_t> samples;
    spoken = &samples;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, nullptr);
    spoken = nullptr;
    if (status != ENS_OK)
        throw ESpeechError(QStringLiteral("Текст не удалось озвучить: %1").arg(statusText(status)));
    if (samples.empty())
        throw ESpeechError(
            QStringLiteral("Синтезатор речи не дал звука для текста «%1»").arg(text));
    return Resample(samples, espeak_ng_GetSampleRate(), MessageRate);
}

} // namespace orvanta
