#pragma once

#include "CommandLine.h"
#include "voice/WaveFile.h"

#include <functional>

namespace orvanta::cli {

// A message's length, as the message commands report it.
void PrintLength(const TWaveFile &wave);

// A message edited: a 16-bit mono PCM WAV file in place (or into -o), any other sound file into
// -o or a WAV file of its name beside it, never over itself. The edit says whether it changed
// anything. Prints the new length; returns the exit code.
int EditMessageFile(const Options &options, const std::function<bool(TWaveFile &)> &edit);

} // namespace orvanta::cli
