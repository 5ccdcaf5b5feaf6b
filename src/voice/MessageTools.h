#pragma once

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

// Seconds of sound in a wave file, from its header alone (as the wave file reads it, never more
// than the file holds); 0 for a file that is missing or no wave file.
double WaveSeconds(const QString &path);

} // namespace orvanta
