#include "Commands.h"

#include "link/Language.h"

#include <algorithm>

namespace orvanta::cli {

// Each in its own file in commands/.
int RunPorts(const Invocation &call);
int RunDetect(const Invocation &call);
int RunRead(const Invocation &call);
int RunWrite(const Invocation &call);
int RunDiff(const Invocation &call);
int RunHistory(const Invocation &call);
int RunRestore(const Invocation &call);
int RunShow(const Invocation &call);
int RunSpeak(const Invocation &call);
int RunTrim(const Invocation &call);
int RunNormalize(const Invocation &call);
int RunImport(const Invocation &call);
int RunWait(const Invocation &call);
int RunReport(const Invocation &call);
int RunSupport(const Invocation &call);
int RunUpload(const Invocation &call);
int RunTable(const Invocation &call);
int RunProgram(const Invocation &call);

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {
        {"ports", "[--json]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "the ports it would try: device, and whether it can be opened"),
         QT_TRANSLATE_NOOP(
             "Cli", "Lists each port name with its device and whether it can be opened: free, "
                    "busy (and by which program), no permission (and how to get it), absent, no "
                    "serial port. A serial adapter also gets its name (model and serial number) "
                    "and its stable path in /dev/serial/by-id, by which the same adapter is found "
                    "again under another number.\n"),
         RunPorts},
        {"detect", "[--port P] [--json]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "looks for the panel on the ports; prints the port and firmware"),
         QT_TRANSLATE_NOOP(
             "Cli", "Tries the port (or every port, COM2 first) and prints the first that the "
                    "panel answers on, with its firmware version. Exit 3 when none, with the "
                    "reason for each port tried.\n"),
         RunDetect},
        {"read", "[--port P] [-o FILE] [--password]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "reads the panel's settings into FILE (or prints them)"),
         QT_TRANSLATE_NOOP("Cli", "Reads every setting of the panel into a settings file, or to "
                                  "standard output. The password only with --password.\n"),
         RunRead},
        {"write", "[--port P] FILE [--site NAME] [--yes] [--show-secrets]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "shows what would change, asks, writes, and checks the panel"),
         QT_TRANSLATE_NOOP(
             "Cli", "Reads the panel, lists what the file would change, asks (unless --yes), "
                    "writes, reads back and reports any setting the panel did not keep. Exit 0 "
                    "when the panel holds the file's settings, 4 when it does not (it refused a "
                    "part, or kept other values), 7 when the write was cut off, 9 when it could "
                    "not be read back to check.\n"),
         RunWrite},
        {"diff", "[--port P] FILE [--json] [--show-secrets]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "lists the settings in which the panel differs from FILE"),
         QT_TRANSLATE_NOOP("Cli", "Lists each setting in which the panel differs from the file. "
                                  "Exit 0 when none, 1 when some.\n"),
         RunDiff},
        {"history", "[--json]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "the writes so far, each with the snapshot taken before it"),
         QT_TRANSLATE_NOOP(
             "Cli", "Lists the writes so far: number, time, port, firmware, how it ended, and "
                    "how many settings it changed. Each has the snapshot of what the panel held "
                    "before it.\n"),
         RunHistory},
        {"restore", "N [--port P] [--site NAME] [--yes] [--show-secrets]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "writes snapshot N back (compare, confirm, verify as write)"),
         QT_TRANSLATE_NOOP(
             "Cli", "Writes snapshot N (see history) back into the panel: shows its date, port "
                    "and the differences, asks, writes, reads back. A snapshot of the panel is "
                    "kept first, as for every write.\n"),
         RunRestore},
        {"show", "FILE [--json]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "checks a settings file and prints it"),
         QT_TRANSLATE_NOOP("Cli", "Checks a settings file and prints it as the tool writes it.\n"),
         RunShow},
        {"speak", "TEXT -o WAVE", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "speaks the text in Russian as a message (44.1 kHz, 16 bits)"),
         QT_TRANSLATE_NOOP("Cli", "Speaks the text in Russian (espeak-ng) and keeps it as a "
                                  "voice message: PCM mono 44.1 kHz 16-bit.\n"),
         RunSpeak},
        {"trim", "WAVE [-o OUT]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "removes the silence at both ends of a message"),
         QT_TRANSLATE_NOOP(
             "Cli", "Removes the silence at both ends of a voice message (keeping 50 ms beside "
                    "the sound), so that it takes less of the panel's memory. A file that is no "
                    "16-bit mono PCM WAV is never written over: the result goes to OUT, or to a "
                    "WAV file of its name beside it.\n"),
         RunTrim},
        {"normalize", "WAVE [-o OUT]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "brings a message's peak to -1 dBFS"),
         QT_TRANSLATE_NOOP("Cli", "Scales a voice message so that its peak reaches -1 dBFS, so "
                                  "that the messages sound even. Any file as for trim.\n"),
         RunNormalize},
        {"import", "SOUND -o WAVE", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "makes a voice message of any sound file (WAV, FLAC, Ogg, MP3)"),
         QT_TRANSLATE_NOOP(
             "Cli", "Converts a sound file of any format the tool reads (WAV of any kind, FLAC, "
                    "Ogg, MP3) into a voice message: PCM mono 44.1 kHz 16-bit. A sound longer "
                    "than the panel's memory is refused.\n"),
         RunImport},
        {"wait", "[--port P] [--any] [--timeout SECONDS]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "waits for a panel to answer; prints its port"),
         QT_TRANSLATE_NOOP(
             "Cli", "Waits until a panel answers on a port where none answered when the wait "
                    "began: an adapter plugged in, or a cable moved to the next panel. Prints "
                    "that port, for --port of the next command. A panel that answers already "
                    "counts only with --any, or once it has fallen silent or its adapter has "
                    "gone: the next panel plugged in under the same name is a new one. Exit 3 "
                    "when none comes within the time (default 300 s).\n"),
         RunWait},
        {"report", "[--port P] [--site NAME] [-o FILE.pdf] [FILE]", Argument::Optional,
         QT_TRANSLATE_NOOP("Cli", "makes a settings report (PDF) of the panel or of FILE"),
         QT_TRANSLATE_NOOP(
             "Cli", "Makes the settings report, an A4 PDF in the interface's language, of the "
                    "panel's settings (read from it) or of a settings file: the general options, "
                    "the loops and relays as tables, how many key slots hold a key, whether a "
                    "password is set, the voice messages with the memory they take, and the last "
                    "writes (of the site with --site, else of the panel's port and firmware). "
                    "Never a key code or the password's digits. Without -o it is report.pdf, or "
                    "report-NAME.pdf with --site.\n"),
         RunReport},
        {"support", "[--site NAME] [--sites FILE.csv] [-o FILE.tar.gz]", Argument::None,
         QT_TRANSLATE_NOOP("Cli", "saves what the support desk needs, secrets removed"),
         QT_TRANSLATE_NOOP(
             "Cli", "Writes one archive for the support desk: the versions, Config.ini, the "
                    "window state, the last 1,000 lines of the log, the journal with its "
                    "snapshots, what ports says, the sound devices, the message lists and a "
                    "report of the last snapshot. Passwords and key codes are replaced by a mark "
                    "everywhere in it; a file that cannot be read is listed in skipped.txt. "
                    "With --site the report is of that site's last snapshot; --sites puts a "
                    "table of sites in, its passwords and keys replaced. Without -o it is "
                    "orvanta-support-YYYY-MM-DD-HHMMSS.tar.gz in the current folder.\n"),
         RunSupport},
        {"upload", "[--port P] [--messages FILE --sounds FILE] [--check] [--yes] [--json]",
         Argument::None, QT_TRANSLATE_NOOP("Cli", "puts the listed voice messages into the panel"),
         QT_TRANSLATE_NOOP(
             "Cli", "Plays each message of the lists (the window's, or --messages and --sounds) "
                    "into the panel while it records, as the window's upload does: every file is "
                    "checked first and nothing is sent unless all can be played; each message is "
                    "heard on the output and verified in the panel's table, with a receipt in the "
                    "upload journal. Ctrl+C stops after the message being sent; a second Ctrl+C "
                    "at once. --check checks and sends nothing; --yes uploads messages longer "
                    "than the memory. Exit 0 when every message went in, 11 when nothing was "
                    "sent, 12 when it stopped part-way.\n"),
         RunUpload},
        {"table", "save|load FILE [--port P]", Argument::Required,
         QT_TRANSLATE_NOOP("Cli", "saves the panel's message table to FILE, or writes it back"),
         QT_TRANSLATE_NOOP(
             "Cli", "The panel's message address table, as the window's debug buttons keep it: "
                    "save reads its 54 words into FILE; load writes FILE's words into the panel, "
                    "each read back and written again while it differs.\n"),
         RunTable},
        {"program",
         "--settings FILE [--sites FILE.csv] [--messages FILE --sounds FILE] [--ledger FILE.csv] "
         "[--reports DIR] [--count N] [--again] [--keep-going] [--port P]",
         Argument::None,
         QT_TRANSLATE_NOOP("Cli", "programs one panel after another from a template"),
         QT_TRANSLATE_NOOP(
             "Cli",
             "Programs a line of panels: for each row of the sites table (a header "
             "site,password,key1,key2,key3,key4; \",\" or \";\"; UTF-8 or Windows-1251; password "
             "and keys optional, each over the template's) it waits for a panel that starts to "
             "answer, reads it whole, writes the template with the row's password and keys "
             "(checked, with a snapshot), uploads the messages as upload does, makes the report "
             "DIR/SITE.pdf and adds a line to the ledger (default ledger.csv): time, site, "
             "port, stable path, adapter serial, firmware, snapshot, each step's outcome and the "
             "report, never a secret. The table, the template and the messages are all checked "
             "first: a bad row is named by its line and nothing is programmed. The panel just "
             "programmed must be pulled (or re-plugged) before the next counts. A site the "
             "ledger says is done is skipped unless --again; without a table it goes on for "
             "--count panels, or until Ctrl+C. A failed step ends the run unless --keep-going. "
             "Ctrl+C while waiting ends at once; during a write it ends once the write did; "
             "during an upload as upload's Ctrl+C. Exit 0 when every row is done, 12 when "
             "stopped by Ctrl+C, else the status of the step that ended the run (3, 4, 6, 7, "
             "9, 10, 11, 12).\n"),
         RunProgram},
        {"help", "[COMMAND]", Argument::None, QT_TRANSLATE_NOOP("Cli", "this text, or a command's"),
         QT_TRANSLATE_NOOP("Cli", "The program's help, or a command's.\n"), nullptr},
    };
    return commands;
}

const Command *FindCommand(const QString &name)
{
    for (const Command &command : Commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

namespace {

QString invocation(const Command &command)
{
    const QLatin1String synopsis(command.synopsis);
    return QLatin1String(command.name) +
           (synopsis.isEmpty() ? QString() : QLatin1Char(' ') + synopsis);
}

// The command's line in the program's help: its synopsis, and its summary from column 29,
// wrapped to 96 columns; a synopsis too long for that puts the summary on the lines below.
QString commandLine(const Command &command)
{
    constexpr int SummaryColumn = 29;
    constexpr int Width = 96;
    const QString head = QStringLiteral("  ") + invocation(command);
    QString text;
    QString line;
    if (head.size() + 2 <= SummaryColumn) {
        line = head.leftJustified(SummaryColumn);
    } else {
        // A synopsis wider than the help runs on in lines of its own, indented under the name.
        QString part = QStringLiteral(" ");
        for (const QString &word : invocation(command).split(QLatin1Char(' '))) {
            if (!part.trimmed().isEmpty() && part.size() + 1 + word.size() > Width) {
                text += part + QLatin1Char('\n');
                part = QStringLiteral("    ");
            }
            part += QLatin1Char(' ') + word;
        }
        text += part + QLatin1Char('\n');
        line = QString(SummaryColumn, QLatin1Char(' '));
    }
    bool lineHasWords = false;
    for (const QString &word : Translated(command.summary).split(QLatin1Char(' '))) {
        if (lineHasWords && line.size() + 1 + word.size() > Width) {
            text += line + QLatin1Char('\n');
            line = QString(SummaryColumn, QLatin1Char(' '));
            lineHasWords = false;
        }
        if (lineHasWords)
            line += QLatin1Char(' ');
        line += word;
        lineHasWords = true;
    }
    return text + line + QLatin1Char('\n');
}

// Each paragraph of running text (no line of it indented) wrapped to width columns, whatever the
// translation's own line ends; lists and tables are left as they are.
QString wrappedProse(const QString &text, int width = 96)
{
    QStringList paragraphs = text.split(QStringLiteral("\n\n"));
    for (QString &paragraph : paragraphs) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        if (std::any_of(lines.begin(), lines.end(),
                        [](const QString &line) { return line.startsWith(QLatin1Char(' ')); }))
            continue;
        const bool ended = paragraph.endsWith(QLatin1Char('\n'));
        QStringList wrapped;
        QString line;
        for (const QString &word :
             paragraph.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                wrapped += line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        wrapped += line;
        paragraph = wrapped.join(QLatin1Char('\n')) + (ended ? QStringLiteral("\n") : QString());
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

const char *const Usage =
    QT_TRANSLATE_NOOP("Cli", R"~(Usage: orvanta-cli [options] COMMAND [arguments]

The Orvanta panel's settings without a window.

Commands:
%2
A settings FILE of "-" is read from standard input; "-o -" writes to standard output.

Options:
  --lang L        the language of the texts: %1;
                  without it Config.ini's, else the window's choice, else Russian
  --config FILE   Config.ini to take port names from (default: the window's: beside the
                  program for a portable copy, else ~/.config/Orvanta/, else /etc/xdg/Orvanta/)
  --port P        the port: a name such as COM3, or a device path; without it COM2 is tried,
                  then COM1 to COM8, the USB serial devices and the ports Config.ini names
  --password      read: put the password into the file (made readable by you alone)
  --yes           write, restore: write without asking (needed when there is no terminal);
                  upload: also messages longer than the panel's memory
  --show-secrets  write, restore, diff: show the password and key codes (hidden by default:
                  the password as the journal shows it, no digit of a key)
  --json          ports, detect, show, diff, history, upload: print JSON (shapes in the
                  README)
  --messages F, --sounds F
                  upload: the message lists to take instead of the window's
  --check         upload: check every message and send nothing
  --site NAME     write, restore, report, support: the name of the panel's site, kept in the
                  journal and naming the snapshot and the report
  --settings F, --sites F, --ledger F, --reports DIR, --count N, --again, --keep-going
                  program: see program --help
  --any           wait: a panel that answers already counts too
  --timeout S     wait: how many seconds to wait for a panel (default 300)
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
not be read back (restore brings back the snapshot), 10 the output file could not be written
(report, support; no part of it is left), 11 nothing was sent (upload: a message cannot be
played), 12 the upload stopped part-way (Ctrl+C, a failed message, memory full, no end
address).

Before every write the panel's settings are read whole and kept as a snapshot in
~/.local/share/Orvanta/snapshots/ with a journal line; if that read fails, nothing is written.
)~");

const char *const Examples = QT_TRANSLATE_NOOP("Cli", R"~(Examples:
  orvanta-cli detect      finds the panel: its port and firmware
  orvanta-cli read --password -o site.txt
                          keeps the panel's settings, its password with them, in site.txt
  orvanta-cli write site.txt
                          shows what site.txt would change, asks, writes and checks
  orvanta-cli write --yes --port "$(orvanta-cli wait)" template.txt
                          waits for the next panel plugged in and writes the template into it
  orvanta-cli report -o site.pdf
                          the settings report of the panel
  orvanta-cli restore 3   writes back what the panel held before write 3 (see history)
  orvanta-cli program --settings template.txt --sites sites.csv --reports reports
                          programs each site's panel as it is plugged in, one after another,
                          with the site's password and keys, a report and a line in ledger.csv
)~");

} // namespace

QString CommandHelp(const QString &name)
{
    const Command *command = FindCommand(name);
    if (!command)
        return {};
    // A translation may drop the description's last line end; the help always ends a line.
    const QString text =
        wrappedProse(Cli::tr("Usage: orvanta-cli %1\n\n%2")
                         .arg(invocation(*command), Translated(command->describes).trimmed()));
    return text + QLatin1Char('\n');
}

QString ProgramHelp()
{
    QString lines;
    for (const Command &command : Commands())
        lines += commandLine(command);
    return wrappedProse(Translated(Usage).arg(LanguageChoices(), lines)) + QLatin1Char('\n') +
           EnvironmentAndFilesHelp() + QLatin1Char('\n') + Translated(Examples);
}

} // namespace orvanta::cli
