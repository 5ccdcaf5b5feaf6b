#include "Speech.h"

#include <QCoreApplication>

#include <espeak-ng/espeak_ng.h>
#include <soxr.h>

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
        throw ESpeechError(QCoreApplication::translate(
                               "orvanta::Speech", "Синтезатор речи espeak-ng не запускается: %1")
                               .arg(statusText(status)));
}

} // namespace

std::vector<int16_t> Resample(const std::vector<int16_t> &samples, int fromRate, int toRate)
{
    if (fromRate == toRate || samples.empty())
        return samples;
    std::vector<int16_t> out(size_t(std::llround(double(samples.size()) * toRate / fromRate)));
    size_t done = 0;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    if (const soxr_error_t error =
            soxr_oneshot(fromRate, toRate, 1, samples.data(), samples.size(), nullptr, out.data(),
                         out.size(), &done, &io, &quality, nullptr))
        throw ESpeechError(QCoreApplication::translate("orvanta::Speech",
                                                       "Не удалось изменить частоту отсчётов: %1")
                               .arg(QString::fromUtf8(error)));
    out.resize(done);
    return out;
}

std::vector<int16_t> SpeakText(const QString &text, const QString &voice)
{
    const std::lock_guard lock(speechMutex);
    initialise();
    if (const espeak_ng_STATUS status = espeak_ng_SetVoiceByName(voice.toUtf8().constData());
        status != ENS_OK)
        throw ESpeechError(
            QCoreApplication::translate("orvanta::Speech", "Нет голоса «%1» для синтеза речи: %2")
                .arg(voice, statusText(status)));
    std::vector<int16_t> samples;
    spoken = &samples;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, nullptr);
    spoken = nullptr;
    if (status != ENS_OK)
        throw ESpeechError(
            QCoreApplication::translate("orvanta::Speech", "Текст не удалось озвучить: %1")
                .arg(statusText(status)));
    if (samples.empty())
        throw ESpeechError(QCoreApplication::translate(
                               "orvanta::Speech", "Синтезатор речи не дал звука для текста «%1»")
                               .arg(text));
    return Resample(samples, espeak_ng_GetSampleRate(), MessageRate);
}

QString VoiceForText(const QString &text)
{
    bool cyrillic = false;
    bool latin = false;
    for (const QChar c : text) {
        if (QStringLiteral("іїєґІЇЄҐ").contains(c))
            return QStringLiteral("uk");
        cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
        latin = latin || (c.script() == QChar::Script_Latin && c.isLetter());
    }
    return cyrillic || !latin ? QStringLiteral("ru") : QStringLiteral("en");
}

} // namespace orvanta
