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

} // namespace orvanta
