// orvanta-cli: the panel's settings from a terminal or a script, without a window.
#include "AppConfig.h"
#include "AppPaths.h"
#include "CheckedWrite.h"
#include "Errors.h"
#include "ExchangeLog.h"
#include "JsonShapes.h"
#include "Language.h"
#include "MessageTable.h"
#include "MessageTools.h"
#include "PanelConnection.h"
#include "PanelExchange.h"
#include "PanelLink.h"
#include "PortProbe.h"
#include "SettingsFile.h"
#include "SnapshotJournal.h"
#include "Speech.h"
#include "WaveFile.h"
#include "XComErr.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <unistd.h>

using namespace orvanta;

// The program's texts in the interface's language.
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

namespace {

// What scripts can rely on.
enum Exit {
    Done = 0,           // done; for diff and write: the panel holds the file's settings
    Differs = 1,        // diff: the panel differs from the file
    BadUse = 2,         // a wrong command line, or a settings file that cannot be taken
    NoPanel = 3,        // no port, or no panel answering on it
    NotKept = 4,        // write: the panel does not hold what was written
    Cancelled = 5,      // write: the user said no
    ReadIncomplete = 6, // a setting could not be read whole: nothing was written anywhere
    Interrupted = 7,    // a write was cut off: the panel holds a mix, the snapshot brings it back
    Internal = 8,       // a fault of this program, reported as what it is
    Unchecked = 9,      // written, but the panel could not be read back to check it
};

QTextStream out(stdout);
QTextStream err(stderr);

const char *const Usage =
    QT_TRANSLATE_NOOP("Cli", R"(Usage: orvanta-cli [options] COMMAND [arguments]

The Orvanta panel's settings without a window.

Commands:
  ports                      the ports it would try: device, and whether it can be opened
  detect                     looks for the panel on the ports; prints the port and firmware
  read [--port P] [-o FILE] [--password]
                             reads the panel's settings into FILE (or prints them)
  write [--port P] FILE [--yes]
                             shows what would change, asks, writes, and checks the panel
  diff [--port P] FILE       lists the settings in which the panel differs from FILE
  history                    the writes so far, each with the snapshot taken before it
  restore N [--port P] [--yes]
                             writes snapshot N back (compare, confirm, verify as write)
  show FILE                  checks a settings file and prints it
  speak TEXT -o WAVE         speaks the text in Russian as a message (44.1 kHz, 16 bits)
  trim WAVE                  removes the silence at both ends of a message
  normalize WAVE             brings a message's peak to -1 dBFS
  import SOUND -o WAVE       makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)
  help [COMMAND]             this text, or a command's

A settings FILE of "-" is read from standard input; "-o -" writes to standard output.

Options:
  --lang L        the language of the texts: %1;
                  without it Config.ini's, else the window's choice, else Russian
  --config FILE   Config.ini to take port names from (default: the window's: beside the
                  program for a portable copy, else ~/.config/Orvanta/, else /etc/xdg/Orvanta/)
  --port P        the port: a name such as COM3, or a device path; without it COM2 is tried,
                  then COM1 to COM8, the USB serial devices and the ports Config.ini names
  --password      read: put the password into the file (made readable by you alone)
  --yes           write, restore: write without asking (needed when there is no terminal)
  --json          ports, detect, show, diff, history: print JSON (shapes in the README)
  --verbose       say which Config.ini is used, and print the exchange with the panel on
                  standard error
  --version       the program's version
  --              what follows is no option, even when it begins with "-"
  -h, --help      this text, or a command's with COMMAND --help

Questions and progress go to standard error, and only to a terminal.

Exit status: 0 done (the panel holds the file's settings), 1 the panel differs (diff),
2 wrong use or a settings file that cannot be taken, 3 no panel, 4 the panel did not keep
what was written, 5 the write was not confirmed (or there was no terminal to ask and no
--yes), 6 a setting could not be read whole (nothing was written; an existing output file is
left as it was), 7 a write was cut off (the panel holds part of the new settings; restore
brings back the snapshot), 8 an internal error, 9 written but not checked: the panel could
not be read back (restore brings back the snapshot).

Before every write the panel's settings are read whole and kept as a snapshot in
~/.local/share/Orvanta/snapshots/ with a journal line; if that read fails, nothing is written.
)");

const std::map<QString, const char *> CommandHelp = {
    {"ports",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli ports [--json]\n\nLists each port name with its device and whether it "
         "can be opened: free, busy (and by which program), no permission (and how to get it), "
         "absent, no serial port.\n")},
    {"detect",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli detect [--port P] [--json]\n\nTries the port (or every port, COM2 "
         "first) and prints the first that the panel answers on, with its firmware version. Exit 3 "
         "when none, with the reason for each port tried.\n")},
    {"read",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli read [--port P] [-o FILE] [--password]\n\nReads every setting of "
         "the panel "
         "into a settings file, or to standard output. The password only with --password.\n")},
    {"write",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli write [--port P] FILE [--yes]\n\nReads the panel, lists what the file "
         "would "
         "change, asks (unless --yes), writes, reads back and reports any setting the panel did "
         "not "
         "keep. Exit 0 when the panel holds the file's settings, 4 when it does not (it refused "
         "a part, or kept other values), 7 when the write was cut off, 9 when it could not be "
         "read back to check.\n")},
    {"history",
     QT_TRANSLATE_NOOP(
         "Cli", "Usage: orvanta-cli history [--json]\n\nLists the writes so far: number, time, "
                "port, firmware, "
                "how it ended, and how many settings it changed. Each has the snapshot of what "
                "the panel held before it.\n")},
    {"restore",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli restore N [--port P] [--yes]\n\nWrites snapshot N (see history) "
         "back into the panel: shows its date, port and the differences, asks, writes, "
         "reads back. A snapshot of the panel is kept first, as for every write.\n")},
    {"diff", QT_TRANSLATE_NOOP("Cli", "Usage: orvanta-cli diff [--port P] FILE [--json]\n\nLists "
                                      "each setting in which the panel "
                                      "differs from "
                                      "the file. Exit 0 when none, 1 when some.\n")},
    {"show", QT_TRANSLATE_NOOP("Cli", "Usage: orvanta-cli show FILE [--json]\n\nChecks a settings "
                                      "file and prints it as the tool "
                                      "writes it.\n")},
    {"speak",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli speak TEXT -o WAVE\n\nSpeaks the text in Russian (espeak-ng) and "
         "keeps it as a voice message: PCM mono 44.1 kHz 16-bit.\n")},
    {"trim",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli trim WAVE [-o OUT]\n\nRemoves the silence at both ends of a voice "
         "message "
         "(keeping 50 ms beside the sound), so that it takes less of the panel's memory. A file "
         "that "
         "is no 16-bit mono PCM WAV is never written over: the result goes to OUT, or to a WAV "
         "file of its name beside it.\n")},
    {"normalize",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Usage: orvanta-cli normalize WAVE [-o OUT]\n\nScales a voice message so that its peak "
         "reaches -1 dBFS, so that the messages sound even. Any file as for trim.\n")},
    {"import",
     QT_TRANSLATE_NOOP(
         "Cli", "Usage: orvanta-cli import SOUND -o WAVE\n\nConverts a sound file of any format "
                "the tool reads (WAV of any kind, FLAC, Ogg, MP3) into a voice message: PCM mono "
                "44.1 kHz 16-bit. A sound longer than the panel's memory is refused.\n")},
    {"help",
     QT_TRANSLATE_NOOP(
         "Cli", "Usage: orvanta-cli help [COMMAND]\n\nThe program's help, or a command's.\n")},
};

struct Options
{
    QString command;
    QString config;
    QString port;
    QString output;
    QString file;
    bool password = false;
    bool yes = false;
    bool help = false;
    bool json = false;
    bool verbose = false;
    bool version = false;
};

// A text of the tables above in the interface's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("Cli", text);
}

QString commandHelp(const QString &command)
{
    return translated(CommandHelp.at(command));
}

void printJson(const QJsonValue &value)
{
    out << (value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject()))
               .toJson(QJsonDocument::Indented);
}

// Counts the commands of long work on standard error, only when that is a terminal.
class Progress
{
public:
    Progress(PanelLink &link, const QString &what)
    {
        if (!::isatty(STDERR_FILENO))
            return;
        m_connection = QObject::connect(&link, &PanelLink::commandSent, [this, what] {
            err << "\r" << what << ": " << ++m_commands << " " << Qt::flush;
        });
    }
    ~Progress()
    {
        if (!m_connection)
            return;
        QObject::disconnect(m_connection);
        err << "\r\x1b[K" << Qt::flush; // the line is cleared for what follows
    }
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

private:
    QMetaObject::Connection m_connection;
    int m_commands = 0;
};

// The panel found on the port, or on every port in the window's order.
class Panel
{
public:
    Panel(const AppConfig &config, const Options &options)
        : m_config(config)
        , m_connection(config, {})
    {
        if (!options.verbose)
            return;
        // The trace shows the exchange, but never the password: neither the coded one that "+Q"
        // sends nor the one its reply carries.
        QObject::connect(&link(), &PanelLink::commandSent,
                         [this](const QString &command) { m_lastCommand = command; });
        m_connection.log().setEcho([this](const QByteArray &entry) {
            QString text =
                QString::fromUtf8(entry).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (m_lastCommand.startsWith(QLatin1String("+Q"))) {
                static const QRegularExpression coded(QStringLiteral("(\\+Q|>)[0-9]+"));
                text.replace(coded, QStringLiteral("\\1••••••••••"));
            }
            err << text << Qt::flush;
        });
    }
    // Looks for a panel with the expected firmware on the port, or on COM2 and then every port;
    // says per port why the panel is not there.
    bool find(const QString &port)
    {
        m_attempts = m_connection.find(port.isEmpty() ? QStringList{QStringLiteral("COM2")} +
                                                            PortNames() + m_config.mappedPortNames()
                                                      : QStringList{port});
        if (!m_attempts.empty() && m_attempts.back().found()) {
            m_found = m_attempts.back();
            return true;
        }
        err << (port.isEmpty()
                    ? Cli::tr("Нет связи с охранной панелью \"Orvanta\" ни на одном порту.\n")
                    : Cli::tr("Нет связи с охранной панелью \"Orvanta\" на порту %1.\n").arg(port))
            << FailedPortsText(m_attempts) << "\n";
        return false;
    }
    PanelSettings read()
    {
        const Progress progress(link(), Cli::tr("Чтение настроек"));
        PanelSettings settings;
        ReadPanelSettings(link(), settings);
        // Left out of the file unless both bytes came whole.
        settings.usedSeconds = MessageTable::ReadUsedSecondsWhole(link());
        return settings;
    }
    PanelLink &link() { return m_connection.link(); }
    const QString &port() const { return m_found.port; }
    const QString &version() const { return m_found.firmware; }
    const std::vector<PortAttempt> &attempts() const { return m_attempts; }

private:
    const AppConfig &m_config;
    PanelConnection m_connection;
    QString m_lastCommand;
    std::vector<PortAttempt> m_attempts;
    PortAttempt m_found;
};

void printLines(QTextStream &to, const QStringList &lines)
{
    for (const QString &line : lines)
        to << "  " << line << "\n";
}

// A message's length, as the message commands report it.
void printLength(const TWaveFile &wave)
{
    out << Cli::tr("%1 сек.\n")
               .arg(double(wave.Samples.size()) / wave.Format.SampleRate, 0, 'f', 2);
}

// A settings file by its path, or standard input for "-".
// What was rounded as the panel keeps it is said on standard error.
PanelSettings readSettings(const QString &path)
{
    QStringList notes;
    PanelSettings settings;
    if (path != QLatin1String("-")) {
        settings = ReadSettingsFile(path, &notes);
    } else {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            throw EInOutError(Cli::tr("Не удалось прочитать стандартный ввод"));
        settings = ReadSettings(input, &notes);
    }
    for (const QString &note : notes)
        err << path << ": " << note << "\n";
    return settings;
}

int ports(const AppConfig &config, const Options &options)
{
    QStringList names = PortNames() + config.mappedPortNames();
    names.removeDuplicates();
    QJsonArray rows;
    for (const QString &name : names) {
        const QString device = QString::fromStdString(config.devicePath(name.toStdString()));
        const PortProbe probe = ProbePort(device);
        if (options.json)
            rows.append(PortJson(name, device, probe));
        else
            out << name << "\t" << device << "\t" << probe.describe() << "\n";
    }
    if (options.json)
        printJson(rows);
    return Done;
}

int detect(const AppConfig &config, const Options &options)
{
    Panel panel(config, options);
    const bool found = panel.find(options.port);
    if (options.json) {
        QJsonArray attempts;
        for (const PortAttempt &attempt : panel.attempts())
            attempts.append(AttemptJson(attempt));
        printJson(QJsonObject{{QStringLiteral("found"), found},
                              {QStringLiteral("port"), panel.port()},
                              {QStringLiteral("firmware"), panel.version()},
                              {QStringLiteral("attempts"), attempts}});
    } else if (found) {
        out << panel.port() << "\t" << panel.version() << "\n";
    }
    return found ? Done : NoPanel;
}

int read(const AppConfig &config, const Options &options)
{
    Panel panel(config, options);
    if (!panel.find(options.port))
        return NoPanel;
    const PanelSettings settings = panel.read();
    if (options.output.isEmpty() || options.output == QLatin1String("-"))
        out << SettingsText(settings, options.password);
    else
        WriteSettingsFile(options.output, settings, options.password);
    return Done;
}

// Asks on the terminal; without one there is nobody to ask, and --yes is the way to write.
bool confirmed()
{
    if (!::isatty(STDIN_FILENO)) {
        err << Cli::tr("orvanta-cli: нет терминала, чтобы спросить; чтобы записать без вопроса, "
                       "добавьте --yes\n");
        return false;
    }
    err << Cli::tr("Записать эти настройки в охранную панель? [д/н] ") << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    // Yes in the interface's language, and in Russian and English whatever it is.
    const QStringList yes = Cli::tr("д,да", "the answers that mean yes, comma-separated")
                                .split(QLatin1Char(','), Qt::SkipEmptyParts) +
                            QStringList{QStringLiteral("д"), QStringLiteral("да"),
                                        QStringLiteral("y"), QStringLiteral("yes")};
    return yes.contains(answer);
}

// Writes the settings through the checked write (snapshot, parts in order, read-back, journal)
// and says how it ended: held, not held, refused, unchecked or cut off, with the way back.
int writeWithSnapshot(Panel &panel, const PanelSettings &wanted, const Options &options)
{
    const PanelSettings current = panel.read();
    // A file read from another panel's firmware may mean something else there.
    if (wanted.version && current.version && *wanted.version != *current.version)
        err << Cli::tr("Внимание: настройки прочитаны из панели с прошивкой «%1», а эта панель — "
                       "«%2».\n")
                   .arg(*wanted.version, *current.version);
    const QStringList changes = CompareSettings(current, wanted);
    if (changes.isEmpty()) {
        out << Cli::tr("Панель уже хранит эти настройки.\n");
        return Done;
    }
    out << Cli::tr("Изменится:\n");
    printLines(out, changes);
    out.flush();
    if (!options.yes && !confirmed())
        return Cancelled;
    SnapshotJournal journal;
    WriteOutcome outcome;
    {
        const Progress progress(panel.link(), Cli::tr("Запись настроек"));
        WriteRequest request;
        request.current = current;
        request.wanted = wanted;
        request.port = panel.port();
        outcome = WriteChecked(panel.link(), journal, request);
    }
    using Result = WriteOutcome::Result;
    if (outcome.result == Result::Checked)
        out << Cli::tr("Записано; панель хранит эти настройки.\n");
    else
        err << DescribeWriteOutcome(outcome) << "\n";
    if (outcome.result != Result::Checked && outcome.wroteSomething())
        err << Cli::tr("Прежние настройки сохранены; вернуть их: orvanta-cli restore %1\n")
                   .arg(outcome.snapshot);
    if (!outcome.journalError.isEmpty())
        err << outcome.journalError << "\n"
            << Cli::tr("Снимок прежних настроек: %1\n").arg(outcome.snapshotPath);
    switch (outcome.result) {
    case Result::Checked:
        return Done;
    case Result::NotKept:
    case Result::Refused:
        return NotKept;
    case Result::Unchecked:
        return Unchecked;
    case Result::Interrupted:
        break;
    }
    return Interrupted;
}

int write(const AppConfig &config, const Options &options)
{
    const PanelSettings wanted = readSettings(options.file); // refused before anything is sent
    Panel panel(config, options);
    if (!panel.find(options.port))
        return NoPanel;
    return writeWithSnapshot(panel, wanted, options);
}

int history(const Options &options)
{
    QJsonArray entries;
    for (const JournalEntry &entry : SnapshotJournal().entries()) {
        if (options.json)
            entries.append(JournalEntryJson(entry));
        else
            out << JournalEntryFields(entry).join(QLatin1Char('\t')) << "\n";
    }
    if (options.json)
        printJson(entries);
    return Done;
}

// Writes snapshot N back, with the same compare, confirm and verify as a write.
int restore(const AppConfig &config, const Options &options)
{
    bool ok = false;
    const int number = options.file.toInt(&ok);
    if (!ok) {
        err << commandHelp(QStringLiteral("restore"));
        return BadUse;
    }
    SnapshotJournal journal;
    PanelSettings snapshot = journal.snapshot(number);
    JournalEntry taken;
    for (const JournalEntry &entry : journal.entries())
        if (entry.number == number)
            taken = entry;
    out << Cli::tr("Снимок № %1 от %2, порт %3, %4\n")
               .arg(number)
               .arg(JournalTimeText(taken.time), taken.port, taken.firmware);
    Panel panel(config, options);
    if (!panel.find(options.port))
        return NoPanel;
    if (const QString foreign = ForeignSnapshotWarning(taken, panel.port(), panel.version());
        !foreign.isEmpty())
        err << foreign << "\n";
    // Said once above, with the port: not again as a file from another firmware.
    snapshot.version.reset();
    return writeWithSnapshot(panel, snapshot, options);
}

int diff(const AppConfig &config, const Options &options)
{
    const PanelSettings wanted = readSettings(options.file);
    Panel panel(config, options);
    if (!panel.find(options.port))
        return NoPanel;
    const PanelSettings current = panel.read();
    const QStringList changes = CompareSettings(current, wanted);
    if (options.json)
        printJson(ChangesJson(CompareSettings(current, wanted, Wording::File)));
    else
        printLines(out, changes);
    return changes.isEmpty() ? Done : Differs;
}

// A message edited in place; the file is replaced whole. Prints the new length.
// A message edited: a 16-bit mono PCM WAV file in place (or into -o), any other sound file into
// -o or a WAV file of its name beside it, never over itself. Prints the new length.
int editMessage(const Options &options, const std::function<bool(TWaveFile &)> &edit)
{
    TWaveFile wave(options.file);
    if (!wave.Loaded) {
        err << wave.Failure << "\n";
        if (!wave.LoadError.isEmpty())
            err << wave.LoadError << "\n";
        return BadUse;
    }
    QString target = options.output;
    if (target.isEmpty() && !wave.PlainPcm) {
        const QFileInfo input(options.file);
        target = input.dir().filePath(input.completeBaseName() + QStringLiteral(".wav"));
        if (QFileInfo(target).exists()) {
            err << Cli::tr("orvanta-cli: %1 не в формате сообщений (WAV PCM, 16 бит, моно) и не "
                           "будет перезаписан, а %2 уже есть: укажите файл результата: -o FILE\n")
                       .arg(options.file, target);
            return BadUse;
        }
    }
    if (!edit(wave) && target.isEmpty()) {
        out << Cli::tr("Без изменений.\n");
        return Done;
    }
    if (!wave.SaveToFile(target.isEmpty() ? options.file : target)) {
        err << wave.Failure << "\n";
        return BadUse;
    }
    if (!target.isEmpty())
        out << target << ": ";
    printLength(wave);
    return Done;
}

int speak(const Options &options)
{
    if (options.output.isEmpty()) {
        err << commandHelp(QStringLiteral("speak"));
        return BadUse;
    }
    TWaveFile wave;
    wave.Samples = SpeakText(options.file);
    if (!wave.SaveToFile(options.output)) {
        err << Cli::tr("Не удалось создать файл %1\n").arg(options.output);
        return BadUse;
    }
    printLength(wave);
    return Done;
}

int import(const Options &options)
{
    if (options.output.isEmpty()) {
        err << commandHelp(QStringLiteral("import"));
        return BadUse;
    }
    double seconds = 0;
    const SoundResult imported = ImportSound(options.file, options.output, MemorySeconds, &seconds);
    if (!imported.error.isEmpty()) {
        err << imported.error << "\n";
        return BadUse;
    }
    if (!imported.note.isEmpty())
        err << imported.note << "\n";
    out << options.output << ": " << Cli::tr("%1 сек.\n").arg(seconds, 0, 'f', 2);
    return Done;
}

int show(const Options &options)
{
    const PanelSettings settings = readSettings(options.file);
    if (options.json)
        printJson(SettingsJson(settings));
    else
        out << SettingsText(settings, true);
    return Done;
}

// Reads the command line; false (with a message) when it cannot be taken.
bool parse(const QStringList &arguments, Options &options)
{
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&](QString &into) {
            if (i + 1 >= arguments.size()) {
                err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(argument);
                return false;
            }
            into = arguments[++i];
            // An empty port would be no port at all, and every port would be searched.
            if (into.isEmpty() && argument == QLatin1String("--port")) {
                err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(argument);
                return false;
            }
            return true;
        };
        const std::map<QString, bool *> flags = {
            {QStringLiteral("-h"), &options.help},
            {QStringLiteral("--help"), &options.help},
            {QStringLiteral("--password"), &options.password},
            {QStringLiteral("--yes"), &options.yes},
            {QStringLiteral("--json"), &options.json},
            {QStringLiteral("--verbose"), &options.verbose},
            {QStringLiteral("--version"), &options.version},
        };
        const std::map<QString, QString *> values = {
            {QStringLiteral("--config"), &options.config},
            {QStringLiteral("--port"), &options.port},
            {QStringLiteral("-o"), &options.output},
            {QStringLiteral("--output"), &options.output},
        };
        const bool positional = optionsEnded || argument == QLatin1String("-") ||
                                !argument.startsWith(QLatin1Char('-'));
        if (!positional && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!positional && flags.count(argument)) {
            *flags.at(argument) = true;
        } else if (!positional && values.count(argument)) {
            if (!value(*values.at(argument)))
                return false;
        } else if (!positional) {
            err << Cli::tr("orvanta-cli: unknown option %1 (see --help)\n").arg(argument);
            return false;
        } else if (options.command.isEmpty()) {
            options.command = argument;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            err << Cli::tr("orvanta-cli: one file at most (see --help)\n");
            return false;
        }
    }
    // "help COMMAND" is "COMMAND --help".
    if (options.command == QLatin1String("help")) {
        options.help = true;
        options.command = options.file;
        options.file.clear();
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    // The texts speak the language of --lang, else Config.ini's, else the window's last choice.
    const std::optional<QString> language = TakeLanguageOption(arguments);
    const auto useLanguage = [&language](const AppConfig &config) {
        UseLanguage(ChooseLanguage(language, config));
    };
    const AppPaths paths = AppPaths::resolve(QCoreApplication::applicationDirPath(),
                                             QDir::currentPath(), QDir::homePath());
    useLanguage(AppConfig::loadFile(paths.configFile));
    if (language && language->isEmpty()) {
        err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(QStringLiteral("--lang"));
        return BadUse;
    }
    if (language && LanguageCode(*language).isEmpty()) {
        QStringList codes = InterfaceLanguages();
        const QString last = codes.takeLast();
        err << Cli::tr("orvanta-cli: unknown language %1: %2 or %3\n")
                   .arg(*language, codes.join(QStringLiteral(", ")), last);
        return BadUse;
    }
    Options options;
    if (!parse(arguments, options))
        return BadUse;
    if (!options.config.isEmpty())
        useLanguage(AppConfig::loadFile(options.config));
    if (options.version) {
        out << "orvanta-cli " << ORVANTA_VERSION << "\n";
        return Done;
    }
    if (options.command.isEmpty()) {
        (options.help ? out : err) << translated(Usage).arg(LanguageChoices());
        return options.help ? Done : BadUse;
    }
    const auto help = CommandHelp.find(options.command);
    if (help == CommandHelp.end()) {
        err << Cli::tr("orvanta-cli: unknown command %1 (see --help)\n").arg(options.command);
        return BadUse;
    }
    if (options.help) {
        out << translated(help->second);
        return Done;
    }
    const bool needsFile =
        options.command == QLatin1String("write") || options.command == QLatin1String("diff") ||
        options.command == QLatin1String("show") || options.command == QLatin1String("trim") ||
        options.command == QLatin1String("speak") ||
        options.command == QLatin1String("normalize") ||
        options.command == QLatin1String("import") || options.command == QLatin1String("restore");
    if (needsFile != !options.file.isEmpty()) {
        err << translated(help->second);
        return BadUse;
    }
    // The same Config.ini as the window's: beside the program for a portable copy, else the
    // user's, then the system's. One named on the command line must exist.
    if (!options.config.isEmpty() && !QFileInfo(options.config).isFile()) {
        err << Cli::tr("orvanta-cli: no such Config.ini: %1\n").arg(options.config);
        return BadUse;
    }
    const QString configFile = options.config.isEmpty() ? paths.configFile : options.config;
    if (options.verbose)
        err << "Config.ini: " << QFileInfo(configFile).absoluteFilePath()
            << (QFileInfo(configFile).isFile() ? QString() : Cli::tr(" (нет такого файла)"))
            << "\n";
    const AppConfig config = AppConfig::loadFile(configFile);
    const std::map<QString, std::function<int()>> commands = {
        {QStringLiteral("ports"),
         [&] {
             return ports(config, options);
         }},
        {QStringLiteral("detect"),
         [&] {
             return detect(config, options);
         }},
        {QStringLiteral("read"),
         [&] {
             return read(config, options);
         }},
        {QStringLiteral("write"),
         [&] {
             return write(config, options);
         }},
        {QStringLiteral("history"),
         [&] {
             return history(options);
         }},
        {QStringLiteral("restore"),
         [&] {
             return restore(config, options);
         }},
        {QStringLiteral("diff"),
         [&] {
             return diff(config, options);
         }},
        {QStringLiteral("show"),
         [&] {
             return show(options);
         }},
        {QStringLiteral("speak"),
         [&] {
             return speak(options);
         }},
        {QStringLiteral("import"),
         [&] {
             return import(options);
         }},
        {QStringLiteral("trim"),
         [&] {
             return editMessage(options, [](TWaveFile &wave) {
                 return TrimSilence(wave.Samples, int(wave.Format.SampleRate));
             });
         }},
        {QStringLiteral("normalize"),
         [&] {
             return editMessage(options,
                                [](TWaveFile &wave) { return EvenLoudness(wave.Samples); });
         }},
    };
    try {
        return commands.at(options.command)();
    } catch (const ESpeechError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const ESettingsFileError &error) {
        err << options.file << ": " << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const EInOutError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const EIncompleteRead &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return ReadIncomplete;
    } catch (const EDeviceError &error) {
        // An unplugged adapter, a port that fails under the exchange.
        err << Cli::tr("Ошибка связи с охранной панелью \"Orvanta\": %1\n")
                   .arg(QString::fromUtf8(error.what()));
        return NoPanel;
    } catch (const EConvertError &error) {
        err << QString::fromUtf8(error.what()) << "\n";
        return BadUse;
    } catch (const std::exception &error) {
        err << Cli::tr("orvanta-cli: внутренняя ошибка программы: %1\n")
                   .arg(QString::fromUtf8(error.what()));
        return Internal;
    }
}
