#include "MessageFile.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta::cli {

void PrintLength(const TWaveFile &wave)
{
    out << Cli::tr("%1 сек.\n")
               .arg(double(wave.Samples.size()) / wave.Format.SampleRate, 0, 'f', 2);
}

int EditMessageFile(const Options &options, const std::function<bool(TWaveFile &)> &edit)
{
    TWaveFile wave(options.file);
    if (!wave.Loaded) {
        err << wave.Failure << "\n";
        if (!wave.LoadError.isEmpty())
            err << wave.LoadError << "\n";
        return BadUse;
    }
    QString target = options.output;
    if (target.isEmpty() && !wave.PlainPcm) {
        const QFileInfo input(options.file);
        target = input.dir().filePath(input.completeBaseName() + QStringLiteral(".wav"));
        if (QFileInfo(target).exists()) {
            err << Cli::tr("orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не "
                           "будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE\n")
                       .arg(options.file, target);
            return BadUse;
        }
    }
    if (!edit(wave) && target.isEmpty()) {
        out << Cli::tr("Без изменений.\n");
        return Done;
    }
    if (!wave.SaveToFile(target.isEmpty() ? options.file : target)) {
        err << wave.Failure << "\n";
        return BadUse;
    }
    if (!target.isEmpty())
        out << target << ": ";
    PrintLength(wave);
    return Done;
}

} // namespace orvanta::cli
