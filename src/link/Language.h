#pragma once

#include "AppConfig.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvanta {

// A language the interface speaks: its code, which names its catalogue
// (translations/orvanta_<code>.ts) and Qt's own (qtbase_<code>), its name in itself, and its
// word for "language" (the menu of languages is titled in all of them, so that a user lost in a
// language not theirs finds the way back).
struct InterfaceLanguage
{
    const char *code;
    const char *name;
    const char *languageWord;
};
// Every language the interface speaks, Russian (the texts' own) first. The menu, both programs'
// help and the command line read this table, and the build takes every catalogue there is: a
// language is added here and with its catalogue.
inline constexpr InterfaceLanguage LanguageTable[] = {
    {"ru", "Русский", "Язык"},
    {"uk", "Українська", "Мова"},
    {"en", "English", "Language"},
};

// The codes of the table, in its order.
QStringList InterfaceLanguages();
// The languages as the help lists them: "ru (Русский), uk (Українська), en (English)".
QString LanguageChoices();
// The sections of both programs' help on the environment and the files, in the interface's
// language.
QString EnvironmentAndFilesHelp();
// The menu's title: "Язык / Мова / Language".
QString LanguageMenuTitle();
// The code a choice names ("ru", "UK", " en "), or empty when it names no interface language.
QString LanguageCode(const QString &choice);
// The language a program speaks: the command line's option, else Config.ini's [Main] Language,
// else the last choice in the window, else Russian. A choice that names no interface language is
// passed over.
QString ChooseLanguage(const std::optional<QString> &option, const AppConfig &config);
// Puts the language's catalogue and Qt's own texts (buttons, file dialogs) in use, in place of
// the language used before; every window then receives a language change. Needs the
// application object.
void UseLanguage(const QString &code);
// Takes every "--lang L" and "--lang=L" before a "--" out of the arguments and returns the last
// L: empty when given without a value, none when not given.
std::optional<QString> TakeLanguageOption(QStringList &arguments);
// The language last chosen in the window, kept with its state; empty when none was chosen.
QString RememberedLanguage();
void RememberLanguage(const QString &code);
// The language in use ("ru" until another is chosen).
QString CurrentLanguage();

} // namespace orvanta
