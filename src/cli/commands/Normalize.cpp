// normalize: a message's peak brought to -1 dBFS.
#include "Commands.h"
#include "MessageFile.h"
#include "MessageTools.h"

namespace orvanta::cli {

int RunNormalize(const Invocation &call)
{
    return EditMessageFile(call.options,
                           [](TWaveFile &wave) { return EvenLoudness(wave.Samples); });
}

} // namespace orvanta::cli
