#pragma once

#include "link/AppConfig.h"
#include "link/AppPaths.h"
#include "panel/PanelSettings.h"
#include "panel/SettingsFile.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QStringList>
#include <QTextStream>
#include <functional>

// The program's texts in the interface's language.
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

namespace orvanta::cli {

// What scripts can rely on.
enum Exit {
    Done = 0,            // done; for diff and write: the panel holds the file's settings
    Differs = 1,         // diff: the panel differs from the file
    BadUse = 2,          // a wrong command line, or a settings file that cannot be taken
    NoPanel = 3,         // no port, or no panel answering on it
    NotKept = 4,         // write: the panel does not hold what was written
    Cancelled = 5,       // write: the user said no
    ReadIncomplete = 6,  // a setting could not be read whole: nothing was written anywhere
    Interrupted = 7,     // a write was cut off: the panel holds a mix, the snapshot brings it back
    Internal = 8,        // a fault of this program, reported as what it is
    Unchecked = 9,       // written, but the panel could not be read back to check it
    NotWritten = 10,     // report: the output file could not be written; none is left
    NothingSent = 11,    // upload: the messages cannot all be played; nothing went to the panel
    StoppedPartWay = 12, // upload: stopped, or a message failed; the panel holds those before it
};

extern QTextStream out;
extern QTextStream err;

struct Options
{
    QString command;
    QString config;
    QString port;
    QString output;
    QString action;   // table: save or load
    QString file;     // the command's one argument: a file, a text, a snapshot's number
    QString timeout;  // wait: seconds
    QString messages; // upload: the lists, instead of the window's
    QString sounds;
    QString site;           // write, restore, report, support: the name of the panel's site
    QString settings;       // program: the template
    QString sites;          // program: the sites table; support: one to put in, its secrets hidden
    QString ledger;         // program
    QString reports;        // program: the folder of the reports
    QString count;          // program: how many panels at most
    bool again = false;     // program: also the sites the ledger says are done
    bool keepGoing = false; // program: on to the next panel after a failed step
    bool any = false;       // wait: a panel that answers already counts too
    bool check = false;     // upload: the check alone, nothing sent
    bool password = false;
    bool yes = false;
    bool showSecrets = false; // write, restore, diff: the password and key codes in full
    bool help = false;
    bool json = false;
    bool verbose = false;
    bool version = false;
};

// How write, restore and diff show the password and key codes to a person.
Secrets SecretsShown(const Options &options);

// Reads the command line; false (with a message) when it cannot be taken.
bool ParseCommandLine(const QStringList &arguments, Options &options);

// What a command runs with.
struct Invocation
{
    const Options &options;
    const AppConfig &config;
    const AppPaths &paths; // where the message lists and their sound lie
};

// A text of the program's tables in the interface's language.
QString Translated(const char *text);

void PrintJson(const QJsonValue &value);
void PrintLines(QTextStream &to, const QStringList &lines);
// Makes a file with write (empty, or why it was not written) at output, whose name then goes to
// standard output; an output of "-" is made aside and given whole to standard output instead.
int SaveOutput(const QString &output, const std::function<QString(const QString &path)> &write);

// A settings file by its path, or standard input for "-".
// What was rounded as the panel keeps it is said on standard error.
PanelSettings ReadSettingsArgument(const QString &path);

} // namespace orvanta::cli
