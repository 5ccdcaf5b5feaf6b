// orvanta-cli: the panel's settings from a terminal or a script, without a window.
// The commands are listed in Commands.cpp, each one's body in commands/.
#include "Commands.h"
#include "comm/XComErr.h"
#include "core/Errors.h"
#include "link/AppConfig.h"
#include "link/AppPaths.h"
#include "link/Language.h"
#include "panel/PanelExchange.h"
#include "panel/SettingsFile.h"
#include "voice/Speech.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <memory>

using namespace orvanta;
using namespace orvanta::cli;

int main(int argc, char **argv)
{
    // The report (alone, in the support bundle, or of each panel programmed) draws its pages with
    // Qt's fonts, which need a GUI application; it runs without a display all the same.
    const bool drawing = std::any_of(argv + 1, argv + argc, [](const char *word) {
        return !std::strcmp(word, "report") || !std::strcmp(word, "support") ||
               !std::strcmp(word, "program");
    });
    if (drawing && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    // The texts speak the language of --lang, else Config.ini's, else the window's last choice.
    const std::optional<QString> language = TakeLanguageOption(arguments);
    const auto useLanguage = [&language](const AppConfig &config) {
        UseLanguage(ChooseLanguage(language, config));
    };
    const AppPaths paths = AppPaths::resolve(QCoreApplication::applicationDirPath(),
                                             QDir::currentPath(), QDir::homePath());
    useLanguage(AppConfig::loadFile(paths.configFile));
    if (language && language->isEmpty()) {
        err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(QStringLiteral("--lang"));
        return BadUse;
    }
    if (language && LanguageCode(*language).isEmpty()) {
        QStringList codes = InterfaceLanguages();
        const QString last = codes.takeLast();
        err << Cli::tr("orvanta-cli: unknown language %1: %2 or %3\n")
                   .arg(*language, codes.join(QStringLiteral(", ")), last);
        return BadUse;
    }
    Options options;
    if (!ParseCommandLine(arguments, options))
        return BadUse;
    if (!options.config.isEmpty())
        useLanguage(AppConfig::loadFile(options.config));
    if (options.version) {
        out << "orvanta-cli " << ORVANTA_VERSION << "\n";
        return Done;
    }
    if (options.command.isEmpty()) {
        (options.help ? out : err) << ProgramHelp();
        return options.help ? Done : BadUse;
    }
    const Command *command = FindCommand(options.command);
    if (!command) {
        err << Cli::tr("orvanta-cli: unknown command %1 (see --help)\n").arg(options.command);
        return BadUse;
    }
    if (options.help || !command->run) {
        out << CommandHelp(options.command);
        return Done;
    }
    if ((command->argument == Argument::Required && options.file.isEmpty()) ||
        (command->argument == Argument::None && !options.file.isEmpty())) {
        err << CommandHelp(options.command);
        return BadUse;
    }
    // The same Config.ini as the window's: beside the program for a portable copy, else the
    // user's, then the system's. One named on the command line must exist.
    if (!options.config.isEmpty() && !QFileInfo(options.config).isFile()) {
        err << Cli::tr("orvanta-cli: no such Config.ini: %1\n").arg(options.config);
        return BadUse;
    }
    const QString configFile = options.config.isEmpty() ? paths.configFile : options.config;
    if (options.verbose)
        err << "Config.ini: " << QFileInfo(configFile).absoluteFilePath()
            << (QFileInfo(configFile).isFile() ? QString() : Cli::tr(" (нет такого файла)"))
            << "\n";
    const AppConfig config = AppConfig::loadFile(configFile);
    try {
        return command->run({options, config, paths});
    } catch (const ESpeechError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const ESettingsFileError &error) {
        err << options.file << ": " << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const EInOutError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const EIncompleteRead &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return ReadIncomplete;
    } catch (const EDeviceError &error) {
        // An unplugged adapter, a port that fails under the exchange.
        err << Cli::tr("Ошибка связи с охранной панелью \"Orvanta\": %1\n")
                   .arg(QString::fromUtf8(error.what()));
        return NoPanel;
    } catch (const EConvertError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const std::exception &error) {
        err << Cli::tr("orvanta-cli: внутренняя ошибка программы: %1\n")
                   .arg(QString::fromUtf8(error.what()));
        return Internal;
    }
}
