#pragma once

#include "PortWatcher.h"
#include "core/IniFile.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace orvanta {

// What "Config.ini" beside the executable says: debug mode in [Main] Debug, and in [Ports] the
// device path of any port name (COM3=/dev/ttyUSB0). The tool never writes the file.
class AppConfig
{
public:
    static AppConfig load(const QString &executableDir);
    // The same from a file given by its path.
    static AppConfig loadFile(const QString &path);

    QString debugValue() const; // "False" when not given
    // [Main] Language: the interface's language ("ru", "uk", "en"); empty when not given.
    QString language() const;
    // The device a port name opens: the [Ports] entry, else the usual mapping of names.
    std::string devicePath(const std::string &portName) const;
    // The port names [Ports] maps, as the file spells them.
    QStringList mappedPortNames() const;
    // Every port the tool would try: "COM1" to "COM8", the adapters, then the names [Ports]
    // maps, each once.
    QStringList portNames(const std::vector<SerialAdapter> &adapters) const;
    // The sound output and input by their description ([Sound] Output and Input), so that the
    // panel's cable can stay on a sound card of its own; empty for the system's default.
    QString soundOutput() const;
    QString soundInput() const;
    // [Sound] Voice: the speech voice for every message; empty chooses by each message's text.
    QString soundVoice() const;

private:
    IniFile m_ini;
};

// Debug mode is on when the first argument is "DEBUG" in any letter case, or else when the
// configuration value is "TRUE" in any letter case.
bool DecideDebugMode(const QString &configValue, const QString &firstArgument);

// The ports offered: "COM1" to "COM8", then the serial adapters present by their paths.
QStringList PortNames(const std::vector<SerialAdapter> &adapters);

} // namespace orvanta
