// speak: a text spoken in Russian and kept as a voice message.
#include "cli/Commands.h"
#include "cli/MessageFile.h"
#include "voice/Speech.h"

namespace orvanta::cli {

int RunSpeak(const Invocation &call)
{
    const Options &options = call.options;
    if (options.output.isEmpty()) {
        err << CommandHelp(QStringLiteral("speak"));
        return BadUse;
    }
    TWaveFile wave;
    wave.Samples = SpeakText(options.file);
    if (!wave.SaveToFile(options.output)) {
        err << Cli::tr("Не удалось создать файл %1\n").arg(options.output);
        return BadUse;
    }
    PrintLength(wave);
    return Done;
}

} // namespace orvanta::cli
