// trim: the silence at both ends of a message removed.
#include "cli/Commands.h"
#include "cli/MessageFile.h"
#include "voice/MessageTools.h"

namespace orvanta::cli {

int RunTrim(const Invocation &call)
{
    return EditMessageFile(call.options, [](TWaveFile &wave) {
        return TrimSilence(wave.Samples, int(wave.Format.SampleRate));
    });
}

} // namespace orvanta::cli
