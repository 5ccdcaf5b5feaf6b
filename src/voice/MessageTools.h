#pragma once

#include "SoundResult.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace orvanta {

// Edits that make a message take less panel memory and sound even with the others.

// Removes the quiet samples at both ends: those below a twentieth of the message's peak, keeping
// a margin (50 ms) of them beside the sound so that no word is clipped. A silent message is left
// as it is. Returns whether anything was removed.
bool TrimSilence(std::vector<int16_t> &samples, int sampleRate);

// Scales the message so that its peak reaches −1 dBFS. A silent message is left as it is.
// Returns whether the samples changed.
bool EvenLoudness(std::vector<int16_t> &samples);

// The peak that EvenLoudness gives: 32767 × 10^(−1/20).
constexpr int LoudnessPeak = 29204;

// A 1 kHz tone at the peak EvenLoudness gives, with short fades: what the panel hears of an
// evened message, so that its input level can be set before an upload.
std::vector<int16_t> TestTone(int sampleRate, double seconds);

// Seconds of sound in a wave file, from its header alone (as the wave file reads it, never more
// than the file holds); 0 for a file that is missing or no wave file.
double WaveSeconds(const QString &path);

// A sound file of any format the tool reads, brought in as a message: 16-bit mono PCM WAV at the
// tool's recording rate, written whole into target or not at all. The note of a kept message
// tells of its length when it is long; seconds, when given, takes the sound's length.
// Longer than longestSeconds is refused; longer than LongMessageSeconds is kept with a note.
constexpr int LongMessageSeconds = 30;
SoundResult ImportSound(const QString &source, const QString &target, int longestSeconds,
                        double *seconds = nullptr);

} // namespace orvanta
