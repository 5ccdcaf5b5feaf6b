#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace orvanta::test {

// A sound file in one of the formats users bring, and the sound it should be heard as.
struct SoundFormat
{
    QString name;     // "ulaw.wav", "mp3.mp3", …
    QString path;     // the file, made from one source
    QString expected; // a 16-bit mono file of what it holds: the source, or for stereo its mix
    bool plain;       // 16-bit mono PCM WAV, the one format saved over in place
};

// One second of a chord at 44.1 kHz, 16-bit mono ("source.wav"), and the same sound in every
// format a user brings: WAV with a LIST chunk, WAVE_FORMAT_EXTENSIBLE, 24 and 32-bit integer,
// float, μ-law, A-law, 8-bit, FLAC, Ogg Vorbis, MP3, and stereo with a tone of its own in each
// channel. Made by sox in the folder (MP3 through libsndfile); empty when a tool failed.
std::vector<SoundFormat> MakeSoundFormats(const QString &folder);

// How far one sound's level is from another's, in decibels.
double PeakDecibels(const std::vector<int16_t> &got, const std::vector<int16_t> &want);
double RmsDecibels(const std::vector<int16_t> &got, const std::vector<int16_t> &want);

} // namespace orvanta::test
