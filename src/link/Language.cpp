#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace orvanta {

namespace {

// Beside the main window's state, where the window keeps the rest of what it remembers.
const QString RememberedKey = QStringLiteral("fContact/Language");

struct Translators
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString language = QStringLiteral("ru");
};

Translators &translators()
{
    static Translators installed;
    return installed;
}

// A catalogue in use, or none when it cannot be loaded (the source texts then show).
std::unique_ptr<QTranslator> installed(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

QStringList InterfaceLanguages()
{
    QStringList codes;
    for (const InterfaceLanguage &language : LanguageTable)
        codes += QLatin1String(language.code);
    return codes;
}

QString LanguageChoices()
{
    QStringList choices;
    for (const InterfaceLanguage &language : LanguageTable)
        choices += QStringLiteral("%1 (%2)").arg(QLatin1String(language.code),
                                                 QString::fromUtf8(language.name));
    return choices.join(QStringLiteral(", "));
}

QString EnvironmentAndFilesHelp()
{
    return QCoreApplication::translate("Cli", R"~(Environment:
  ORVANTA_DEVICE_FOLDER   a folder watched for serial adapters instead of udev and /dev (the
                          virtual panel's tests keep theirs in one)
  XDG_CONFIG_HOME         the folder of Orvanta/Config.ini and Orvanta/Forms.conf (default
                          ~/.config)
  XDG_DATA_HOME           the folder of Orvanta/: snapshots, journal, sound files (default
                          ~/.local/share)
  PULSE_SERVER            the sound server the messages are played and recorded through

Files:
  ~/.config/Orvanta/Config.ini
                          port names ([Ports]), the language and debug mode ([Main]); read only
  ~/.config/Orvanta/Forms.conf
                          the window's state
  ~/.local/share/Orvanta/snapshots/
                          journal.txt, one line per write, and the snapshot of the panel taken
                          before it; uploads.txt, what each upload of messages heard
  ~/.local/share/Orvanta/sound/
                          the voice messages' wave files
  messages.txt, sounds.txt, log.txt
                          the message lists and the exchange log, in the folder the window is
                          started from (from the desktop menu: ~/.local/share/Orvanta/)
)~");
}

QString LanguageMenuTitle()
{
    QStringList words;
    for (const InterfaceLanguage &language : LanguageTable)
        words += QString::fromUtf8(language.languageWord);
    return words.join(QStringLiteral(" / "));
}

QString LanguageCode(const QString &choice)
{
    const QString code = choice.trimmed().toLower();
    return InterfaceLanguages().contains(code) ? code : QString();
}

QString ChooseLanguage(const std::optional<QString> &option, const AppConfig &config)
{
    for (const QString &choice :
         {option.value_or(QString()), config.language(), RememberedLanguage()})
        if (const QString code = LanguageCode(choice); !code.isEmpty())
            return code;
    return QString::fromLatin1(LanguageTable[0].code);
}

void UseLanguage(const QString &code)
{
    Translators &in = translators();
    // The windows hear of the change through posted events, so they set their texts when those
    // arrive, with the new catalogues already in place.
    for (auto *old : {&in.own, &in.qt})
        if (*old) {
            QCoreApplication::removeTranslator(old->get());
            old->reset();
        }
    const QString known = LanguageCode(code);
    in.language = known.isEmpty() ? QString::fromLatin1(LanguageTable[0].code) : known;
    in.qt = installed(QStringLiteral("qtbase_") + in.language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    in.own = installed(QStringLiteral("orvanta_") + in.language, QStringLiteral(":/i18n"));
}

std::optional<QString> TakeLanguageOption(QStringList &arguments)
{
    const QString option = QStringLiteral("--lang");
    std::optional<QString> language;
    for (int i = 0; i < arguments.size() && arguments[i] != QLatin1String("--");) {
        if (arguments[i].startsWith(option + QLatin1Char('='))) {
            language = arguments.takeAt(i).mid(option.size() + 1);
        } else if (arguments[i] == option) {
            arguments.removeAt(i);
            language = i < arguments.size() ? arguments.takeAt(i) : QString();
        } else {
            ++i;
        }
    }
    return language;
}

QString RememberedLanguage()
{
    return LanguageCode(QSettings(QStringLiteral("Orvanta"), QStringLiteral("Forms"))
                            .value(RememberedKey)
                            .toString());
}

void RememberLanguage(const QString &code)
{
    QSettings(QStringLiteral("Orvanta"), QStringLiteral("Forms")).setValue(RememberedKey, code);
}

QString CurrentLanguage()
{
    return translators().language;
}

} // namespace orvanta
