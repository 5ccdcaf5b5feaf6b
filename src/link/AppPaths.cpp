#include "AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvanta {

namespace {

const QString ConfigName = QStringLiteral("Config.ini");
const QString Organisation = QStringLiteral("Orvanta");

} // namespace

AppPaths AppPaths::resolve(const QString &executableDir, const QString &workingDir,
                           const QString &homeDir)
{
    const QDir program(executableDir);
    AppPaths paths;
    paths.portable = QFileInfo::exists(program.filePath(ConfigName)) ||
                     QFileInfo(program.filePath(QStringLiteral("sound"))).isDir();
    if (paths.portable) {
        paths.configFile = program.filePath(ConfigName);
        paths.soundHome = executableDir;
        return paths;
    }
    const QString userConfig =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(Organisation + QLatin1Char('/') + ConfigName);
    const QString found = QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                                 Organisation + QLatin1Char('/') + ConfigName);
    paths.configFile = found.isEmpty() ? userConfig : found;
    paths.soundHome = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                          .filePath(Organisation);
    const bool fromMenu =
        QDir(workingDir) == QDir(homeDir) &&
        !QFileInfo::exists(QDir(workingDir).filePath(QStringLiteral("messages.txt")));
    if (fromMenu) {
        paths.listsDir = paths.soundHome;
        QDir().mkpath(paths.listsDir);
    }
    return paths;
}

QString AppPaths::soundDir() const
{
    return QDir(soundHome).filePath(QStringLiteral("sound"));
}

QString AppPaths::inLists(const QString &fileName) const
{
    // In the working folder the names stay relative, as the messages have always shown them.
    return listsDir.isEmpty() ? fileName : QDir(listsDir).filePath(fileName);
}

} // namespace orvanta
