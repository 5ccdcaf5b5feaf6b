#pragma once

#include <QString>

namespace orvanta {

// Where the tool keeps its files. A portable copy (the program's folder holds Config.ini or a
// sound folder, as the demo does) keeps everything as it always has: Config.ini and sound/
// beside the program, the lists and log.txt in the working folder. An installed tool reads
// Config.ini from the user's configuration folder (~/.config/Orvanta/), else the system's
// (/etc/xdg/Orvanta/), keeps sound/ in the user's data folder (~/.local/share/Orvanta/), and,
// started from the desktop menu (the working folder is the home folder and holds no
// messages.txt), keeps the lists and log.txt there too.
// The message lists' files, in the lists' folder.
inline const QString MessagesFile = QStringLiteral("messages.txt");
inline const QString SoundsFile = QStringLiteral("sounds.txt");

struct AppPaths
{
    bool portable = true;
    QString configFile; // Config.ini to read; it need not exist
    QString soundHome;  // the folder that holds sound/
    QString listsDir;   // messages.txt, sounds.txt, log.txt; empty: the working folder

    static AppPaths resolve(const QString &executableDir, const QString &workingDir,
                            const QString &homeDir);
    QString soundDir() const;
    QString inLists(const QString &fileName) const;
};

} // namespace orvanta
