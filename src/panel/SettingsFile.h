#pragma once

#include "PanelSettings.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace orvanta {

// A settings file that cannot be taken: the message names the line.
class ESettingsFileError : public std::runtime_error
{
public:
    explicit ESettingsFileError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

// A panel's settings as text a person can read and diff can compare: the format's version on the
// first line, then one setting a line, "name: value", named in words, in a fixed order. Every bit
// of every record is a line of its own, so that a file written from a read and loaded back gives
// the same records. Parts the settings do not hold are left out; the password only on request.
QString SettingsText(const PanelSettings &settings, bool withPassword);

// The general option of that bit of the options byte, in the interface's language.
QString GeneralOptionName(int bit);
// Reads the text back; a part is taken when all its lines are there. Throws ESettingsFileError
// naming the line of a malformed file, one of a newer format, or a value out of range. An odd
// relay on-time is taken one second lower, as the panel keeps it; notes, when given, receive a
// line for each such value, naming its line and both values.
PanelSettings ParseSettingsText(const QString &text, QStringList *notes = nullptr);

// The file on disk, replaced whole; with the password it is readable by its owner alone.
// Throws EInOutError.
void WriteSettingsFile(const QString &path, const PanelSettings &settings, bool withPassword);
// Throws EInOutError when the file cannot be read, ESettingsFileError when it cannot be taken.
PanelSettings ReadSettingsFile(const QString &path, QStringList *notes = nullptr);
// The same from an open device, a pipe among them.
PanelSettings ReadSettings(QIODevice &device, QStringList *notes = nullptr);

// Each setting that wanted holds and that differs in current, in words:
// "Шлейф 3, при размыкании: реле 2 включить: нет → да". The version and the memory in use are
// what the panel reports, not settings, and are not compared; a password is compared as the
// panel holds it, padded with 5s to five digits. The words are the interface's
// language for a person, or the file's, which stay the same in every language, for what is kept
// or read by programs (the journal, JSON).
// Hidden secrets show the password as the journal does ("•••••") and no digit of a key's code;
// a slot without a key still shows its zeros.
enum class Wording { Interface, File };
enum class Secrets { Shown, Hidden };
QStringList CompareSettings(const PanelSettings &current, const PanelSettings &wanted,
                            Wording wording = Wording::Interface, Secrets secrets = Secrets::Shown);

} // namespace orvanta
