// orvanta-cli upload against a virtual panel that hears what the tool plays through the private
// sound server: the messages in order, nothing sent when one cannot be played, and Ctrl+C.
#include "SoundAnalysis.h"
#include "TestFiles.h"
#include "core/CsvLine.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct UploadRun
{
    int exitCode = -1;
    QJsonObject json;
    QString err;
    QStringList transcript; // the commands the panel received
    QStringList heard;      // the messages the panel kept, by file name
};

// A virtual panel that listens, the lists of the given rows (0 s: a file that is not there), and
// orvanta-cli upload; interruptAt: Ctrl+C once the panel was told to record that many messages.
UploadRun upload(const std::vector<std::pair<int, double>> &messages, int interruptAt = 0)
{
    QTemporaryDir folder;
    const QString sound = folder.filePath(QStringLiteral("data/Orvanta/sound"));
    QDir().mkpath(sound);
    QList<QByteArray> texts(55), files(55);
    texts[0] = "Сообщение";
    files[0] = "Файл";
    for (const auto &[row, seconds] : messages) {
        texts[row] = "Сообщение " + QByteArray::number(row);
        files[row] = "m" + QByteArray::number(row) + ".wav";
        if (seconds > 0) {
            EXPECT_TRUE(MakeSweep(QDir(sound).filePath(QString::fromLatin1(files[row])), seconds,
                                  200 + 100 * row, 2000));
        }
    }
    WriteFile(folder.filePath(QStringLiteral("messages.txt")), texts.join("\r\n") + "\r\n");
    WriteFile(folder.filePath(QStringLiteral("sounds.txt")), files.join("\r\n") + "\r\n");

    const QString port = folder.filePath(QStringLiteral("panel"));
    const QString transcript = folder.filePath(QStringLiteral("transcript.txt"));
    const QString heard = folder.filePath(QStringLiteral("heard"));
    QProcess panel;
    panel.start(QStringLiteral(ORVANTA_PANEL_SIM),
                {"--link", port, "--listen", heard, "--transcript", transcript});
    EXPECT_TRUE(panel.waitForReadyRead(5000));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("config")));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(folder.path());
    cli.start(QStringLiteral(ORVANTA_CLI),
              {"upload", "--port", port, "--messages", folder.filePath("messages.txt"), "--sounds",
               folder.filePath("sounds.txt"), "--json"});
    const auto recordings = [&] {
        return QString::fromUtf8(ReadFile(transcript)).count(QStringLiteral("+J"));
    };
    EXPECT_TRUE(cli.waitForStarted(10000));
    if (interruptAt > 0) {
        for (int waited = 0;
             waited < 60000 && recordings() < interruptAt && cli.state() == QProcess::Running;
             waited += 20)
            QThread::msleep(20);
        ::kill(pid_t(cli.processId()), SIGINT);
    }
    cli.waitForFinished(120000);
    UploadRun run;
    run.exitCode = cli.exitCode();
    run.json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    run.err = QString::fromUtf8(cli.readAllStandardError());
    for (const QString &line : QString::fromUtf8(ReadFile(transcript)).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            run.transcript += line.section(QLatin1Char(' '), -1);
    run.heard = QDir(heard).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    panel.terminate();
    panel.waitForFinished(5000);
    return run;
}

QStringList recordCommands(const QStringList &transcript)
{
    QStringList commands;
    for (const QString &command : transcript)
        if (command.startsWith(QLatin1String("+J")) || command == QLatin1String("+j"))
            commands += command;
    return commands;
}

} // namespace

TEST(Cli, UploadPutsTheMessagesInOrderOrNothing)
{
    const struct
    {
        const char *name;
        std::vector<std::pair<int, double>> messages;
        int interruptAt;
        int exitCode;
        const char *end;
        int written;
        QStringList heard;
    } cases[] = {
        {"three heard in order",
         {{1, 1.0}, {2, 0.8}, {4, 1.2}},
         0,
         0,
         "complete",
         3,
         {"01.wav", "02.wav", "03.wav"}},
        // A file that is not there: the check refuses before the panel is told anything.
        {"a missing file", {{1, 1.0}, {2, 0.0}}, 0, 11, nullptr, 0, {}},
        // Ctrl+C during the second: it is finished and verified, the third never starts.
        {"Ctrl+C during the second",
         {{1, 0.8}, {2, 2.5}, {3, 0.8}},
         2,
         12,
         "stopped",
         2,
         {"01.wav", "02.wav"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const UploadRun run = upload(c.messages, c.interruptAt);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.heard, c.heard) << run.err.toStdString();
        const QStringList records = recordCommands(run.transcript);
        if (!c.end) {
            EXPECT_TRUE(records.isEmpty()) << records.join(' ').toStdString();
            EXPECT_TRUE(run.err.contains(QStringLiteral("m2.wav"))) << run.err.toStdString();
            continue;
        }
        EXPECT_EQ(run.json["end"].toString(), QLatin1String(c.end));
        EXPECT_EQ(run.json["written"].toInt(), c.written);
        const QJsonArray rows = run.json["rows"].toArray();
        ASSERT_EQ(rows.size(), c.written);
        for (const QJsonValue &row : rows)
            EXPECT_EQ(row["result"].toString(), QStringLiteral("Ok"));
        // Each message recorded between its "+J" and its "+j", the first from the start.
        ASSERT_EQ(records.size(), 2 * c.written);
        EXPECT_EQ(records.first(), QStringLiteral("+J00"));
    }
}

namespace {

// A folder with the user's own data, configuration and adapters, where orvanta-cli runs.
struct LineFolder
{
    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }
    QProcessEnvironment user() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        QDir().mkpath(path(QStringLiteral("dev")));
        environment.insert(QStringLiteral("ORVANTA_DEVICE_FOLDER"), path(QStringLiteral("dev")));
        return environment;
    }
    void start(QProcess &process, const QString &program, const QStringList &arguments) const
    {
        process.setProcessEnvironment(user());
        process.setWorkingDirectory(folder.path());
        process.start(program, arguments);
    }
    // A virtual panel plugged in as ttyUSB0, keeping its state and what it heard in name's files.
    void plugIn(QProcess &panel, const QString &name) const
    {
        start(panel, QStringLiteral(ORVANTA_PANEL_SIM),
              {"--link", path(QStringLiteral("dev/ttyUSB0")), "--state", path(name + ".state"),
               "--listen", path(name + "-heard")});
        panel.waitForReadyRead(10000);
    }
    QString lines(const QString &name) const { return QString::fromUtf8(ReadFile(path(name))); }
};

QString pdfText(const QString &pdf)
{
    QProcess toText;
    toText.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    toText.waitForFinished(30000);
    return QString::fromUtf8(toText.readAllStandardOutput());
}

} // namespace

// Three panels come one after another as ttyUSB0, each while the one before is pulled: each holds
// the template with its own row's password and keys and heard both messages; the ledger has a
// line per panel and no secret; each report names its site and lists only that site's writes.
TEST(Cli, ProgramPutsEachSitesRowIntoThePanelThatComes)
{
    LineFolder f;
    {
        // The template: a panel's settings read, one option changed.
        QProcess source;
        f.start(source, QStringLiteral(ORVANTA_PANEL_SIM), {"--link", f.path("source")});
        ASSERT_TRUE(source.waitForReadyRead(10000));
        QProcess read;
        f.start(read, QStringLiteral(ORVANTA_CLI),
                {"read", "--port", f.path("source"), "-o", f.path("template.txt")});
        ASSERT_TRUE(read.waitForFinished(30000));
        ASSERT_EQ(read.exitCode(), 0) << read.readAllStandardError().toStdString();
        source.terminate();
        source.waitForFinished(5000);
        QString text = f.lines("template.txt");
        text.replace(QStringLiteral("Шлейф 1, замыкание: нет"),
                     QStringLiteral("Шлейф 1, замыкание: да"));
        WriteFile(f.path("template.txt"), text.toUtf8());
    }
    const QDir sound(f.path("sound"));
    QDir().mkpath(sound.path());
    ASSERT_TRUE(MakeSweep(sound.filePath("alarm.wav"), 0.6, 300, 1500));
    ASSERT_TRUE(MakeSweep(sound.filePath("fire.wav"), 0.5, 500, 2500));
    WriteFile(f.path("messages.txt"), "Сообщение\r\nТревога\r\nПожар\r\n");
    WriteFile(f.path("sounds.txt"), "Файл\r\n" + sound.filePath("alarm.wav").toUtf8() + "\r\n" +
                                        sound.filePath("fire.wav").toUtf8() + "\r\n");
    WriteFile(f.path("sites.csv"), "site,password,key1,key2,key3,key4\n"
                                   "Склад №1,14253,0123456789ABCDEF,,,\n"
                                   "Магазин \"Север\",21436,,FEDCBA9876543210,,\n"
                                   "Гараж,35142,,,1111222233334444,\n");

    QProcess program;
    f.start(program, QStringLiteral(ORVANTA_CLI),
            {"program", "--settings", f.path("template.txt"), "--sites", f.path("sites.csv"),
             "--messages", f.path("messages.txt"), "--sounds", f.path("sounds.txt"), "--ledger",
             f.path("ledger.csv"), "--reports", f.path("reports")});
    // The first panel is plugged in once the line waits for it: one that answers already may be
    // the last of another run.
    program.setReadChannel(QProcess::StandardError);
    QByteArray prompt;
    while (!prompt.contains("…") && program.waitForReadyRead(20000))
        prompt += program.readAllStandardError();
    ASSERT_TRUE(prompt.contains("…")) << prompt.toStdString();
    const QStringList panels = {QStringLiteral("first"), QStringLiteral("second"),
                                QStringLiteral("third")};
    for (int n = 0; n < panels.size(); ++n) {
        SCOPED_TRACE(panels[n].toStdString());
        QProcess panel;
        f.plugIn(panel, panels[n]);
        for (int waited = 0; waited < 120000 && program.state() == QProcess::Running &&
                             f.lines("ledger.csv").count(QLatin1Char('\n')) < n + 2;
             waited += 50)
            program.waitForFinished(50);
        // Pulled: the next panel comes under the same name.
        panel.terminate();
        panel.waitForFinished(5000);
    }
    const bool finished = program.state() == QProcess::NotRunning || program.waitForFinished(60000);
    if (!finished) {
        program.kill();
        program.waitForFinished(5000);
    }
    const QString said = QString::fromUtf8(prompt + program.readAllStandardError());
    ASSERT_TRUE(finished) << said.toStdString() << f.lines("ledger.csv").toStdString()
                          << program.exitCode() << program.errorString().toStdString();
    EXPECT_EQ(program.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Готово: Гараж. Подключите следующую панель…")))
        << said.toStdString();

    const struct
    {
        const char *panel;
        const char *password;
        int slot;
        const char *key; // in the panel's byte order
        const char *site;
        const char *report;
    } expected[] = {
        {"first", "14253", 1, "EFCDAB8967452301", "Склад №1", "Склад__1.pdf"},
        {"second", "21436", 2, "1032547698BADCFE", "Магазин \"Север\"", "Магазин__Север_.pdf"},
        {"third", "35142", 3, "4444333322221111", "Гараж", "Гараж.pdf"},
    };
    const QString ledger = f.lines("ledger.csv");
    const QStringList ledgerLines = ledger.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(ledgerLines.size(), 4) << ledger.toStdString();
    EXPECT_EQ(ledgerLines[0], QStringLiteral("time,site,port,stable_path,adapter_serial,firmware,"
                                             "snapshot,read,write,upload,report,report_path,"
                                             "result"));
    for (int n = 0; n < 3; ++n) {
        const auto &e = expected[n];
        SCOPED_TRACE(e.panel);
        const QString state = f.lines(QString::fromLatin1(e.panel) + ".state");
        EXPECT_TRUE(state.contains(QStringLiteral("password=%1\n").arg(e.password)));
        EXPECT_TRUE(state.contains(QStringLiteral("key%1=%2\n").arg(e.slot).arg(e.key),
                                   Qt::CaseInsensitive))
            << state.toStdString();
        EXPECT_EQ(QDir(f.path(QString::fromLatin1(e.panel) + "-heard"))
                      .entryList({QStringLiteral("*.wav")}, QDir::Files)
                      .size(),
                  2);
        EXPECT_TRUE(ledgerLines[n + 1].contains(QString::fromUtf8(e.site).replace("\"", "\"\"")))
            << ledgerLines[n + 1].toStdString();
        EXPECT_TRUE(ledgerLines[n + 1].endsWith(QStringLiteral(",ok,ok,ok,ok,") +
                                                f.path("reports/") + QString::fromUtf8(e.report) +
                                                QStringLiteral(",done")))
            << ledgerLines[n + 1].toStdString();
        EXPECT_FALSE(ledger.contains(QLatin1String(e.password)));
        EXPECT_FALSE(ledger.contains(QLatin1String(e.key), Qt::CaseInsensitive));
        const QString report = pdfText(f.path("reports/") + QString::fromUtf8(e.report));
        EXPECT_TRUE(report.simplified().contains(QString::fromUtf8(e.site)))
            << report.toStdString();
        // Its own write alone: the snapshot its ledger line names.
        QStringList writes;
        const QRegularExpression writeRow(
            QStringLiteral("^\\s*(\\d+)\\s+\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"),
            QRegularExpression::MultilineOption);
        for (auto match = writeRow.globalMatch(report); match.hasNext();)
            writes += match.next().captured(1);
        EXPECT_EQ(writes, QStringList{CsvCells(ledgerLines[n + 1])[6]}) << report.toStdString();
    }
}
