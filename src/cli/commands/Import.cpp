// import: any sound file the tool reads made into a voice message.
#include "cli/Commands.h"
#include "panel/MessageTable.h"
#include "voice/MessageTools.h"

namespace orvanta::cli {

int RunImport(const Invocation &call)
{
    const Options &options = call.options;
    if (options.output.isEmpty()) {
        err << CommandHelp(QStringLiteral("import"));
        return BadUse;
    }
    double seconds = 0;
    const SoundResult imported = ImportSound(options.file, options.output, MemorySeconds, &seconds);
    if (imported.failure) {
        err << imported.failure->text() << "\n";
        return BadUse;
    }
    if (!imported.note.isEmpty())
        err << imported.note << "\n";
    out << options.output << ": " << Cli::tr("%1 сек.\n").arg(seconds, 0, 'f', 2);
    return Done;
}

} // namespace orvanta::cli
