#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace orvanta {

// The speech library refused: the message says what, for the user.
class ESpeechError : public std::runtime_error
{
public:
    explicit ESpeechError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

// The text spoken by espeak-ng in the given voice, as a message's samples: mono 16-bit at
// MessageRate, resampled from the library's own rate (soxr). Throws
// ESpeechError when the library or the voice is missing or the text cannot be spoken.
constexpr int MessageRate = 44100;
std::vector<int16_t> SpeakText(const QString &text, const QString &voice = QStringLiteral("ru"));

// The voice for a text in the languages the panel is sold with: Ukrainian letters (і, ї, є, ґ)
// give "uk", other Cyrillic "ru", Latin letters "en"; a text with no letters "ru".
QString VoiceForText(const QString &text);

// Band-limited resampling of 16-bit sound from one rate to another (soxr, high quality).
std::vector<int16_t> Resample(const std::vector<int16_t> &samples, int fromRate, int toRate);

} // namespace orvanta
