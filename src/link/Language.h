#pragma once

#include "AppConfig.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvanta {

// The languages the interface speaks, by their codes: Russian (the texts' own), Ukrainian and
// English.
QStringList InterfaceLanguages();
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
