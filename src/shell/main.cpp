#include "dialogs/OrvantaApplication.h"
#include "fContactU.h"
#include "link/AppConfig.h"
#include "link/AppPaths.h"
#include "link/Language.h"
#include "voice/WaveDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

namespace {

const char *const Help = QT_TRANSLATE_NOOP("Cli", R"(Usage: orvanta-config [DEBUG] [--lang L]

The configuration tool of the Orvanta GSM security panel: finds the panel on a serial port,
reads and writes its settings, records, trims and plays the voice messages and uploads them
into the panel.

Options:
  DEBUG          debug mode: the panel's debug buttons, and every exchange kept in log.txt
  --lang L       the language: %1; without it
                 Config.ini's [Main] Language, else the one last chosen in the "Файл…" menu,
                 else Russian
  --version      the version
  --help         this text
)");

const char *const Examples = QT_TRANSLATE_NOOP("Cli", R"(Examples:
  orvanta-config          starts in the language last chosen
  orvanta-config --lang en
                          starts in English
  orvanta-config DEBUG    starts in debug mode: the debug buttons, every exchange in log.txt
)");

// The help in the language the window would speak.
void printHelp(int argc, char **argv)
{
    QCoreApplication core(argc, argv);
    QStringList arguments = core.arguments();
    const QString config = orvanta::AppPaths::resolve(QCoreApplication::applicationDirPath(),
                                                      QDir::currentPath(), QDir::homePath())
                               .configFile;
    orvanta::UseLanguage(orvanta::ChooseLanguage(orvanta::TakeLanguageOption(arguments),
                                                 orvanta::AppConfig::loadFile(config)));
    const QString help = QCoreApplication::translate("Cli", Help).arg(orvanta::LanguageChoices()) +
                         QLatin1Char('\n') + orvanta::EnvironmentAndFilesHelp() +
                         QLatin1Char('\n') + QCoreApplication::translate("Cli", Examples);
    std::fputs(help.toLocal8Bit().constData(), stdout);
}

} // namespace

int main(int argc, char **argv)
{
    // Answered before any window exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("orvanta-config %s\n", ORVANTA_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printHelp(argc, argv);
            return 0;
        }
    }
    orvanta::OrvantaApplication app(argc, argv);
    orvanta::TfContact::Startup startup;
    startup.arguments = app.arguments().mid(1);
    startup.executableDir = QCoreApplication::applicationDirPath();
    // The session outlives the window that shows it.
    const std::unique_ptr<orvanta::Session> session =
        orvanta::Session::ForProgram(startup.executableDir, {}, {});
    int result = 0;
    {
        orvanta::TfContact window(*session, startup);
        window.show();
        result = app.exec();
    } // the window ends its sound here
    return result;
}
