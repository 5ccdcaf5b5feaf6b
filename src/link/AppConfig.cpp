#include "AppConfig.h"

#include "comm/XComDrv.h"

#include <QDir>

namespace orvanta {

AppConfig AppConfig::load(const QString &executableDir)
{
    return loadFile(QDir(executableDir).filePath(QStringLiteral("Config.ini")));
}

AppConfig AppConfig::loadFile(const QString &path)
{
    AppConfig config;
    config.m_ini = IniFile::read(path);
    return config;
}

QStringList AppConfig::mappedPortNames() const
{
    return m_ini.keys(QStringLiteral("Ports"));
}

QString AppConfig::language() const
{
    return m_ini.value(QStringLiteral("Main"), QStringLiteral("Language")).trimmed();
}

QString AppConfig::debugValue() const
{
    return m_ini.value(QStringLiteral("Main"), QStringLiteral("Debug"), QStringLiteral("False"));
}

std::string AppConfig::devicePath(const std::string &portName) const
{
    const QString mapped = m_ini.value(QStringLiteral("Ports"), QString::fromStdString(portName));
    return mapped.isEmpty() ? DefaultDevicePath(portName) : mapped.toStdString();
}

QStringList AppConfig::portNames(const std::vector<SerialAdapter> &adapters) const
{
    QStringList names = PortNames(adapters) + mappedPortNames();
    names.removeDuplicates();
    return names;
}

QString AppConfig::soundOutput() const
{
    return m_ini.value(QStringLiteral("Sound"), QStringLiteral("Output")).trimmed();
}

QString AppConfig::soundInput() const
{
    return m_ini.value(QStringLiteral("Sound"), QStringLiteral("Input")).trimmed();
}

QString AppConfig::soundVoice() const
{
    return m_ini.value(QStringLiteral("Sound"), QStringLiteral("Voice")).trimmed();
}

bool DecideDebugMode(const QString &configValue, const QString &firstArgument)
{
    return firstArgument.toUpper() == QLatin1String("DEBUG") ||
           configValue.toUpper() == QLatin1String("TRUE");
}

QStringList PortNames(const std::vector<SerialAdapter> &adapters)
{
    QStringList names;
    for (int n = 1; n <= 8; ++n)
        names += QStringLiteral("COM%1").arg(n);
    for (const SerialAdapter &adapter : adapters)
        names += adapter.path;
    return names;
}

} // namespace orvanta
