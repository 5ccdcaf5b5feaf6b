// normalize: a message's peak brought to -1 dBFS.
#include "cli/Commands.h"
#include "cli/MessageFile.h"
#include "voice/MessageTools.h"

namespace orvanta::cli {

int RunNormalize(const Invocation &call)
{
    return EditMessageFile(call.options,
                           [](TWaveFile &wave) { return EvenLoudness(wave.Samples); });
}

} // namespace orvanta::cli
