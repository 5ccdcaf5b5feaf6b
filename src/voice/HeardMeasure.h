#pragma once

#include "core/HeardSound.h"

#include <cstdint>
#include <vector>

namespace orvanta {

// Measures what the output's monitor heard (heard, at heardRate) against the message's file (at
// fileRate): silence where the file sounds, a sound shorter than the file's, a gap inside it,
// clipping.
HeardSound MeasureHeard(const std::vector<int16_t> &file, uint32_t fileRate,
                        const std::vector<int16_t> &heard, uint32_t heardRate);

// The seconds from the first to the last 10 ms of the samples above silence; 0 for none.
double SoundingSeconds(const std::vector<int16_t> &samples, uint32_t rate);
// How many samples the monitor must have heard to hold a file's sound of fileSeconds from where
// it began to be heard, and 10 ms after: the monitor hears the output a server period late, so
// the end of a message comes after its play ended. 0 while nothing of it was heard, or for a file
// without sound: there is nothing to wait for.
size_t HeardSamplesToWaitFor(double fileSeconds, const std::vector<int16_t> &heard,
                             uint32_t heardRate);

} // namespace orvanta
