// orvanta-cli upload against a virtual panel that hears what the tool plays through the private
// sound server: the messages in order, nothing sent when one cannot be played, and Ctrl+C.
#include "SoundAnalysis.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

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
