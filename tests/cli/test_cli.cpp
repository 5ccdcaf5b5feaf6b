// orvanta-cli as a process against the virtual panel.
#include "PanelServer.h"
#include "PtyPair.h"
#include "QtPrinters.h"
#include "TestFiles.h"
#include "comm/XComDrv.h"
#include "link/PanelPort.h"
#include "voice/WaveFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray bytes; // standard output as it came
};

struct CliFixture
{
    QTemporaryDir folder;
    sim::PanelServer panel;
    QString port;

    explicit CliFixture(sim::PanelState state = {})
        : panel(std::move(state))
    {
        port = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
    }
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    // The user's folders lie in the test's own: snapshots of writes go there.
    QProcessEnvironment user() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        // The window's last choice of language too: the texts speak Russian unless told.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        // Serial adapters come and go in the test's own folder, never the machine's.
        QDir().mkpath(path("dev"));
        environment.insert(QStringLiteral("ORVANTA_DEVICE_FOLDER"), path("dev"));
        return environment;
    }
    // orvanta-cli wait started, once it has said that it looked at the ports as they are.
    bool startWait(QProcess &wait) const
    {
        wait.setProcessEnvironment(user());
        wait.start(QStringLiteral(ORVANTA_CLI),
                   {QStringLiteral("wait"), QStringLiteral("--timeout"), QStringLiteral("30")});
        wait.setReadChannel(QProcess::StandardError);
        QByteArray said;
        while (!said.contains("…") && wait.waitForReadyRead(20000))
            said += wait.readAllStandardError();
        return said.contains("…");
    }
    CliResult run(QStringList arguments, const QByteArray &input = {}) const
    {
        return run(arguments, input, user());
    }
    CliResult run(QStringList arguments, const QByteArray &input,
                  const QProcessEnvironment &environment) const
    {
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.setWorkingDirectory(folder.path());
        cli.start(QStringLiteral(ORVANTA_CLI), arguments);
        cli.write(input);
        cli.closeWriteChannel();
        cli.waitForFinished(60000);
        const QByteArray bytes = cli.readAllStandardOutput();
        return {cli.exitCode(), QString::fromUtf8(bytes),
                QString::fromUtf8(cli.readAllStandardError()), bytes};
    }
};

} // namespace

TEST(Cli, ReadDiffAndWriteWithVerification)
{
    CliFixture f;
    const CliResult read = f.run({"read", "--port", f.port, "-o", f.path("panel.txt")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(f.run({"diff", "--port", f.port, f.path("panel.txt")}).exitCode, 0);

    QString text = QString::fromUtf8(ReadFile(f.path("panel.txt")));
    text.replace(QStringLiteral("Шлейф 3, при размыкании: реле 2 включить: нет"),
                 QStringLiteral("Шлейф 3, при размыкании: реле 2 включить: да"));
    WriteFile(f.path("changed.txt"), text.toUtf8());
    const CliResult diff = f.run({"diff", "--port", f.port, f.path("changed.txt")});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(diff.out, QStringLiteral("  Шлейф 3, при размыкании: реле 2 включить: нет → да\n"));

    EXPECT_EQ(f.run({"write", "--port", f.port, f.path("changed.txt")}, "н\n").exitCode,
              5); // not confirmed
    const CliResult write = f.run({"write", "--yes", "--port", f.port, f.path("changed.txt")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(write.out.contains(QStringLiteral("панель хранит эти настройки")));
    EXPECT_EQ(f.run({"diff", "--port", f.port, f.path("changed.txt")}).exitCode, 0);
    EXPECT_EQ(f.panel.state().relayRules[1][1], 1 << 2);

    // A panel that refuses the loop record, or takes it and keeps the old one, does not hold the
    // file afterwards: exit 4, with the part or the setting named and the way back.
    text.replace(QStringLiteral("Шлейф 1, замыкание: нет"),
                 QStringLiteral("Шлейф 1, замыкание: да"));
    text.replace(QStringLiteral("Ключ 2: 0000000000000000"),
                 QStringLiteral("Ключ 2: 1A2B3C4D5E6F7081"));
    WriteFile(f.path("loops.txt"), text.toUtf8());
    const std::pair<const char *, const char *> faults[] = {
        {"refuse", "Охранная панель отказалась принять: шлейфы и общие настройки."},
        {"forget", "  Шлейф 1, замыкание: нет → да"}};
    for (const auto &[fault, said] : faults) {
        sim::PanelFaults faulty;
        faulty.onlyCommand = "+K0"; // the write of the record, not its read
        faulty.refuse = fault == std::string("refuse");
        faulty.forget = !faulty.refuse;
        f.panel.setFaults(faulty);
        const CliResult notKept = f.run({"write", "--yes", "--port", f.port, f.path("loops.txt")});
        EXPECT_EQ(notKept.exitCode, 4) << fault;
        EXPECT_TRUE(notKept.err.contains(QString::fromUtf8(said))) << notKept.err.toStdString();
        EXPECT_EQ(f.panel.state().loopRecord[0], 0) << fault;
    }
}

TEST(Cli, MalformedFileSendsNothingAndNoPanelIsSaid)
{
    CliFixture f;
    WriteFile(f.path("bad.txt"), "Настройки охранной панели Orvanta, формат 1\nКлюч 1: xyz\n");
    const CliResult bad = f.run({"write", "--yes", "--port", f.port, f.path("bad.txt")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Строка 2")));
    EXPECT_TRUE(f.panel.commands().empty());
    const CliResult none = f.run({"detect", "--port", f.path("nothing")});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_FALSE(none.err.isEmpty());
    EXPECT_EQ(f.run({"read", "--help"}).exitCode, 0);
    EXPECT_EQ(f.run({"frobnicate"}).exitCode, 2);
}

TEST(Cli, PortsTellFreeFromBusy)
{
    CliFixture f;
    sim::PanelServer other;
    const QString held = QString::fromStdString(other.openPseudoTerminal());
    TXComm holder;
    ApplyPanelPortDefaults(holder);
    holder.SetDeviceName(held.toStdString());
    ASSERT_TRUE(holder.OpenDevice());
    WriteFile(f.path("Config.ini"),
              QStringLiteral("[Ports]\nCOM11=%1\nCOM12=%2\n").arg(f.port, held).toUtf8());
    const CliResult ports = f.run({"--config", f.path("Config.ini"), "ports"});
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_TRUE(ports.out.contains(QStringLiteral("COM11\t%1\tсвободен\n").arg(f.port)))
        << ports.out.toStdString();
    EXPECT_TRUE(ports.out.contains(QStringLiteral("COM12\t%1\tзанят: test_cli (pid ").arg(held)))
        << ports.out.toStdString();
    const CliResult detect = f.run({"--config", f.path("Config.ini"), "detect"});
    EXPECT_EQ(detect.out, QStringLiteral("COM11\tVER 03.07 ORVANTA GSM\n"));
}

TEST(Cli, FitsTheCommandLine)
{
    CliFixture f;
    EXPECT_TRUE(f.run({"--version"}).out.startsWith(QStringLiteral("orvanta-cli 2.")));
    EXPECT_EQ(f.run({"help", "write"}).out, f.run({"write", "--help"}).out);

    // Standard output and input stand for files; "--" ends the options.
    const CliResult read = f.run({"read", "--port", f.port, "-o", "-"});
    ASSERT_EQ(read.exitCode, 0);
    WriteFile(f.path("-dashed.txt"), read.out.toUtf8());
    EXPECT_EQ(f.run({"show", "--", QStringLiteral("-dashed.txt")}).exitCode, 0);
    EXPECT_EQ(f.run({"show", "-"}, read.out.toUtf8()).out, read.out);
    QString changed = read.out;
    changed.replace(QStringLiteral("Шлейф 1, замыкание: нет"),
                    QStringLiteral("Шлейф 1, замыкание: да"));

    // No terminal to ask and no --yes: refused, naming --yes, nothing written.
    f.panel.clearTranscript();
    const CliResult unasked = f.run({"write", "--port", f.port, "-"}, changed.toUtf8());
    EXPECT_EQ(unasked.exitCode, 5);
    EXPECT_TRUE(unasked.err.contains(QStringLiteral("--yes")));
    for (const std::string &command : f.panel.commands())
        EXPECT_LE(command.size(), 4u) << command;

    // One shape each with --json.
    const auto json = [&](QStringList arguments, const QByteArray &input = {}) {
        arguments << QStringLiteral("--json");
        return QJsonDocument::fromJson(f.run(arguments, input).out.toUtf8());
    };
    EXPECT_EQ(json({"diff", "--port", f.port, "-"}, changed.toUtf8()).array(),
              QJsonArray({QJsonObject{
                  {"setting", "Шлейф 1, замыкание"}, {"panel", "нет"}, {"file", "да"}}}));
    const QJsonObject shown = json({"show", "-"}, read.out.toUtf8()).object();
    EXPECT_EQ(shown["settings"].toArray()[0].toObject(),
              (QJsonObject{{"name", "Версия прошивки"}, {"value", "VER 03.07 ORVANTA GSM"}}));
    const QJsonObject detected = json({"detect", "--port", f.port}).object();
    EXPECT_TRUE(detected["found"].toBool());
    EXPECT_EQ(detected["port"].toString(), f.port);
    EXPECT_EQ(json({"detect", "--port", f.path("none")})["attempts"][0]["failure"].toString(),
              QStringLiteral("нет устройства"));
    EXPECT_EQ(json({"ports"}).array()[0].toObject()["port"].toString(), QStringLiteral("COM1"));
    ASSERT_EQ(f.run({"write", "--yes", "--port", f.port, "-"}, changed.toUtf8()).exitCode, 0);
    const QJsonArray history = json({"history"}).array();
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0]["result"].toString(), QStringLiteral("записано"));
    EXPECT_EQ(history[0]["changes"][0]["file"].toString(), QStringLiteral("да"));

    // --verbose says which Config.ini and shows the exchange.
    const CliResult verbose = f.run({"--verbose", "detect", "--port", f.port});
    EXPECT_TRUE(verbose.err.startsWith(QStringLiteral("Config.ini: /")))
        << verbose.err.toStdString();
    EXPECT_TRUE(verbose.err.contains(QStringLiteral(">VER 03.07 ORVANTA GSM")));
}

// The texts speak --lang's language, else Config.ini's, else the one chosen in the window, else
// Russian; a count before a word takes the word's plural form.
TEST(Cli, SpeaksTheChosenLanguage)
{
    CliFixture f;
    EXPECT_TRUE(f.run({"help"}).out.startsWith(QStringLiteral("Использование: orvanta-cli")));
    EXPECT_TRUE(
        f.run({"--lang", "en", "help"}).out.startsWith(QStringLiteral("Usage: orvanta-cli")));
    const CliResult unknown = f.run({"--lang=xx", "help"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, QStringLiteral("orvanta-cli: неизвестный язык xx: ru, uk или en\n"));
    EXPECT_EQ(f.run({"help", "--lang"}).err,
              QStringLiteral("orvanta-cli: параметру --lang нужно значение\n"));
    EXPECT_TRUE(f.run({"--lang", "en", "--lang=uk", "help"})
                    .out.startsWith(QStringLiteral("Використання: orvanta-cli"))); // the last
    QDir().mkpath(f.path("config/Orvanta"));
    WriteFile(f.path("config/Orvanta/Forms.conf"), "[fContact]\nLanguage=uk\n");
    EXPECT_TRUE(f.run({"help"}).out.startsWith(QStringLiteral("Використання: orvanta-cli")));
    WriteFile(f.path("Config.ini"), "[Main]\nLanguage=en\n");
    EXPECT_TRUE(f.run({"--config", f.path("Config.ini"), "help"})
                    .out.startsWith(QStringLiteral("Usage: orvanta-cli")));

    const CliResult read = f.run({"read", "--port", f.port, "-o", "-"});
    QString changed = read.out;
    for (int loop = 1; loop <= 5; ++loop)
        changed.replace(QStringLiteral("Шлейф %1, замыкание: нет").arg(loop),
                        QStringLiteral("Шлейф %1, замыкание: да").arg(loop));
    ASSERT_EQ(f.run({"write", "--yes", "--port", f.port, "-"}, changed.toUtf8()).exitCode, 0);
    const QString counted[][2] = {{"ru", "5 изменений"}, {"uk", "5 змін"}, {"en", "5 changes"}};
    for (const auto &[language, count] : counted)
        EXPECT_TRUE(f.run({"--lang", language, "history"}).out.endsWith(count + QLatin1Char('\n')))
            << language.toStdString();

    // A person reads the differences in the language; programs read the file's words.
    WriteFile(f.path("before.txt"), read.out.toUtf8());
    const CliResult english =
        f.run({"--lang", "en", "diff", "--port", f.port, f.path("before.txt")});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_FALSE(english.out.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))))
        << english.out.toStdString();
    const CliResult json =
        f.run({"--lang", "en", "diff", "--json", "--port", f.port, f.path("before.txt")});
    EXPECT_TRUE(json.out.contains(QStringLiteral("\"Шлейф 1, замыкание\"")));
}

TEST(Cli, MessageCommands)
{
    CliFixture f;
    TWaveFile wave;
    wave.Samples.assign(44100, 0);
    for (int i = 22050; i < 33075; ++i)
        wave.Samples[size_t(i)] = int16_t(i % 2 ? 1000 : -1000);
    wave.SaveToFile(f.path("message.wav"));
    EXPECT_EQ(f.run({"trim", f.path("message.wav")}).exitCode, 0);
    EXPECT_EQ(TWaveFile(f.path("message.wav")).Samples.size(), size_t(11025 + 2 * 2205));
    EXPECT_EQ(f.run({"normalize", f.path("message.wav")}).exitCode, 0);
    EXPECT_EQ(TWaveFile(f.path("message.wav")).Samples[2206], 29204);
    EXPECT_EQ(f.run({"trim", f.path("missing.wav")}).exitCode, 2);

    // A file in another format is never written over: the result lies beside it, or in -o.
    QProcess::execute(QStringLiteral("sox"),
                      {f.path("message.wav"), "-c", "2", "-b", "24", f.path("stereo.wav")});
    const QByteArray stereo = ReadFile(f.path("stereo.wav"));
    EXPECT_EQ(f.run({"normalize", f.path("stereo.wav")}).exitCode, 2); // stereo.wav is itself
    EXPECT_EQ(f.run({"normalize", f.path("stereo.wav"), "-o", f.path("even.wav")}).exitCode, 0);
    EXPECT_EQ(ReadFile(f.path("stereo.wav")), stereo);
    EXPECT_EQ(TWaveFile(f.path("even.wav")).Samples, TWaveFile(f.path("message.wav")).Samples);
    QProcess::execute(QStringLiteral("sox"), {f.path("message.wav"), f.path("music.flac")});
    EXPECT_EQ(f.run({"trim", f.path("music.flac")}).exitCode, 0);
    EXPECT_EQ(TWaveFile(f.path("music.wav")).Samples, TWaveFile(f.path("message.wav")).Samples);
    // Any sound file becomes a message at 44.1 kHz; longer than the panel's memory it is refused.
    QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "22050", "-c", "2", f.path("tone.ogg"),
                                              "synth", "31", "sine", "440"});
    const CliResult imported = f.run({"import", f.path("tone.ogg"), "-o", f.path("tone.wav")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(QStringLiteral("длиннее 30 сек.")));
    const TWaveFile tone(f.path("tone.wav"));
    EXPECT_EQ(tone.Format.SampleRate, 44100u);
    EXPECT_NEAR(double(tone.Samples.size()) / 44100, 31, 0.05);
    QProcess::execute(QStringLiteral("sox"),
                      {"-n", "-r", "8000", f.path("long.flac"), "trim", "0", "481"});
    const CliResult refused = f.run({"import", f.path("long.flac"), "-o", f.path("long.wav")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("481.0 сек."))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(f.path("long.wav")));
    EXPECT_EQ(f.run({"speak", "Тревога, шлейф три", "-o", f.path("spoken.wav")}).exitCode, 0);
    EXPECT_EQ(TWaveFile(f.path("spoken.wav")).Format.SampleRate, 44100u);
}

TEST(Cli, ReadThatMissesASettingFailsAndLeavesTheBackupAsItWas)
{
    CliFixture f;
    WriteFile(f.path("panel.txt"), "the backup of last week\n");
    sim::PanelFaults lost;
    lost.onlyCommand = "+T02";
    lost.silent = true;
    f.panel.setFaults(lost);
    const CliResult read = f.run({"read", "--port", f.port, "-o", f.path("panel.txt")});
    EXPECT_EQ(read.exitCode, 6);
    EXPECT_TRUE(read.err.contains(QStringLiteral("Ключ 2"))) << read.err.toStdString();
    EXPECT_EQ(ReadFile(f.path("panel.txt")), "the backup of last week\n");
    EXPECT_EQ(f.run({"read", "--port", f.port}).out, QString()); // nothing printed either
}

TEST(Cli, PortThatIsAnOrdinaryFileIsNeitherOpenedNorWritten)
{
    CliFixture f;
    WriteFile(f.path("notes.txt"), "a user's notes\n");
    const CliResult detect = f.run({"detect", "--port", f.path("notes.txt")});
    EXPECT_EQ(detect.exitCode, 3);
    EXPECT_EQ(ReadFile(f.path("notes.txt")), "a user's notes\n");
}

TEST(Cli, ConfigIniIsFoundWhereTheWindowFindsIt)
{
    CliFixture f;
    QDir(f.folder.path()).mkpath(QStringLiteral("config/Orvanta"));
    WriteFile(f.path("config/Orvanta/Config.ini"), "[Ports]\r\nCOM9=" + f.port.toUtf8() + "\r\n");
    QProcessEnvironment user = f.user();
    user.insert(QStringLiteral("XDG_CONFIG_HOME"), f.path("config"));
    const CliResult detect = f.run({"detect", "--port", "COM9"}, {}, user);
    EXPECT_EQ(detect.exitCode, 0) << detect.err.toStdString();
    EXPECT_TRUE(detect.out.startsWith(QStringLiteral("COM9\t")));
    EXPECT_EQ(f.run({"--config", f.path("missing.ini"), "ports"}).exitCode, 2);
}

namespace {

// A fresh virtual panel's settings as orvanta-cli reads them into a file, the password with them.
QString freshPanelSettings()
{
    CliFixture f;
    if (f.run({"read", "--port", f.port, "-o", f.path("panel.txt"), "--password"}).exitCode != 0)
        return {};
    return QString::fromUtf8(ReadFile(f.path("panel.txt")));
}

} // namespace

// A reply late, lost, or cut off after the panel took the command, and a value acknowledged but
// not kept: the exit status, the words and the journal say what the panel holds, as it holds it.
TEST(Cli, WriteSaysWhatThePanelHoldsWhateverBecameOfTheReply)
{
    const struct
    {
        const char *only;
        int delayMs;
        bool silent;
        int hangUpAfter;
        bool forget;
        int exitCode;
        const char *said;
        const char *journaled;
        bool keyHeld; // whether the panel holds the new key 1 afterwards
    } cases[] = {
        {"+T011", 450, false, 0, false, 0, "Записано; панель хранит эти настройки.", "записано",
         true},
        {"+T011", 1200, false, 0, false, 0, "Записано; панель хранит эти настройки.", "записано",
         true},
        {"+Q05", 0, true, 0, false, 0, "Записано; панель хранит эти настройки.", "записано", true},
        // The 17th command is the first of the write: the panel takes it and the line goes.
        {"+T011", 0, true, 17, false, 7, "(ключи), неизвестно", "прервано", true},
        {"+T011", 0, false, 0, true, 4, "не сохранила:\n  Ключ 1", "панель не сохранила часть",
         false},
    };
    QString text = freshPanelSettings();
    ASSERT_FALSE(text.isEmpty());
    text.replace(QStringLiteral("Ключ 1: 0000000000000000"),
                 QStringLiteral("Ключ 1: 1111111111111111"));
    text.replace(QStringLiteral("Пароль: 12345"), QStringLiteral("Пароль: 54321"));
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.only) + " " + c.said);
        CliFixture f;
        WriteFile(f.path("new.txt"), text.toUtf8());
        sim::PanelFaults faults;
        faults.onlyCommand = c.only;
        faults.delayMs = c.delayMs;
        faults.silent = c.silent;
        faults.hangUpAfter = c.hangUpAfter;
        faults.forget = c.forget;
        f.panel.setFaults(faults);
        const CliResult write = f.run({"write", "--port", f.port, f.path("new.txt"), "--yes"});
        EXPECT_EQ(write.exitCode, c.exitCode) << write.err.toStdString();
        EXPECT_TRUE((write.out + write.err).contains(QString::fromUtf8(c.said)))
            << write.out.toStdString() << write.err.toStdString();
        EXPECT_EQ(write.err.contains(QStringLiteral("orvanta-cli restore 1")), c.exitCode != 0);
        EXPECT_TRUE(f.run({"history"}).out.contains(QString::fromUtf8(c.journaled)));
        const std::array<uint8_t, 8> ones{0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
        EXPECT_EQ(f.panel.state().keys[0] == ones, c.keyHeld);
    }
}

TEST(Cli, InterruptedWriteSaysWhatHappenedAndRestoreBringsThePanelBack)
{
    // The line goes after the panel search and the snapshot's read, after the keys, the loop
    // record and one relay, or during the read-back. Which parts each cut leaves written is the
    // checked write's own test; here: the exit status, the way back, the journal and a restore.
    const struct
    {
        int hangUpAfter;
        int exitCode;
        const char *said;
    } cuts[] = {
        // The first key's command went out before the line went: the panel may have taken it.
        {16, 7, "Приняла ли охранная панель последнюю команду (ключи), неизвестно"},
        {22, 7, "Записано: ключи, шлейфы и общие настройки, реле (не целиком)."},
        {28, 9, "Настройки записаны, но прочитать их для проверки не удалось"},
    };
    QString text = freshPanelSettings();
    ASSERT_FALSE(text.isEmpty());
    text.replace(QStringLiteral("Ключ 1: 0000000000000000"),
                 QStringLiteral("Ключ 1: 0123456789abcdef"));
    text.replace(QStringLiteral("Шлейф 3, при размыкании: реле 2 включить: нет"),
                 QStringLiteral("Шлейф 3, при размыкании: реле 2 включить: да"));
    text.replace(QStringLiteral("Шлейф 1, замыкание: нет"),
                 QStringLiteral("Шлейф 1, замыкание: да"));
    text.replace(QStringLiteral("Ключ 2: 0000000000000000"),
                 QStringLiteral("Ключ 2: 1A2B3C4D5E6F7081"));
    text.replace(QStringLiteral("Пароль: 12345"), QStringLiteral("Пароль: 54321"));
    for (const auto &cut : cuts) {
        SCOPED_TRACE(cut.hangUpAfter);
        CliFixture f;
        const sim::PanelState before = f.panel.state();
        WriteFile(f.path("new.txt"), text.toUtf8());

        sim::PanelFaults unplugged;
        unplugged.hangUpAfter = cut.hangUpAfter;
        f.panel.setFaults(unplugged);
        const CliResult write = f.run({"write", "--port", f.port, f.path("new.txt"), "--yes"});
        EXPECT_EQ(write.exitCode, cut.exitCode) << write.err.toStdString();
        EXPECT_TRUE(write.err.contains(QString::fromUtf8(cut.said))) << write.err.toStdString();
        // The way back is named once anything may have reached the panel.
        EXPECT_TRUE(write.err.contains(QStringLiteral("orvanta-cli restore 1")));
        const CliResult history = f.run({"history"});
        EXPECT_TRUE(history.out.startsWith(QStringLiteral("1\t"))) << history.out.toStdString();
        EXPECT_TRUE(history.out.contains(cut.exitCode == 9
                                             ? QStringLiteral("записано, не проверено")
                                             : QStringLiteral("прервано")));

        // The same panel plugged in again: the snapshot brings back exactly what it held.
        sim::PanelServer again(f.panel.state());
        const QString port = QString::fromStdString(again.openPseudoTerminal());
        again.start();
        const CliResult restore = f.run({"restore", "1", "--port", port, "--yes"});
        EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString() << restore.out.toStdString();
        EXPECT_EQ(again.state().keys, before.keys);
        EXPECT_EQ(again.state().loopRecord, before.loopRecord);
        EXPECT_EQ(again.state().relayRules, before.relayRules);
        EXPECT_EQ(again.state().password, before.password);
    }
}

TEST(Cli, EachPortWithoutThePanelSaysWhy)
{
    CliFixture f;
    f.panel.setVersion("VER 02.11 ORVANTA GSM");
    sim::PanelServer held;
    const QString heldPort = QString::fromStdString(held.openPseudoTerminal());
    QProcess holder; // another program holding the port with a lock, as careful programs do
    holder.start(QStringLiteral("flock"),
                 {heldPort, QStringLiteral("sleep"), QStringLiteral("60")});
    ASSERT_TRUE(holder.waitForStarted());
    sim::PanelServer closed;
    const QString closedPort = QString::fromStdString(closed.openPseudoTerminal());
    WriteFile(f.path("Config.ini"), QStringLiteral("[Ports]\nCOM11=%1\nCOM12=%2\nCOM13=%3\n"
                                                   "COM14=/dev/ttyNOSUCH\n")
                                        .arg(f.port, heldPort, closedPort)
                                        .toUtf8());
    const QByteArray lockOwner = " " + QByteArray::number(holder.processId()) + " ";
    for (int i = 0; i < 500 && !ReadFile(QStringLiteral("/proc/locks")).contains(lockOwner); ++i)
        QThread::msleep(10);

    const auto detect = [&](const QString &port, const QProcessEnvironment &environment) {
        return f.run({"--config", f.path("Config.ini"), "detect", "--port", port}, {}, environment);
    };
    const CliResult other = detect(QStringLiteral("COM11"), f.user());
    EXPECT_EQ(other.exitCode, 3);
    EXPECT_TRUE(other.err.contains(
        QStringLiteral(
            "COM11 (%1): ответило устройство с другой прошивкой: \"VER 02.11 ORVANTA GSM\"")
            .arg(f.port)))
        << other.err.toStdString();
    const CliResult busy = detect(QStringLiteral("COM12"), f.user());
    EXPECT_TRUE(busy.err.contains(
        QStringLiteral("COM12 (%1): занят: flock (pid %2)").arg(heldPort).arg(holder.processId())))
        << busy.err.toStdString();
    const CliResult absent = detect(QStringLiteral("COM14"), f.user());
    EXPECT_TRUE(absent.err.contains(QStringLiteral("COM14 (/dev/ttyNOSUCH): нет устройства")))
        << absent.err.toStdString();

    // A device the user may not open: the tool run as an unprivileged user.
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can run the tool as another user";
    // The tool and its Config.ini where that user can reach them.
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_CLI), f.path("orvanta-cli")));
    const auto asNobody = [&](const QString &port) {
        QProcess cli;
        cli.start(QStringLiteral("setpriv"),
                  {"--reuid=nobody", "--regid=nogroup", "--clear-groups", f.path("orvanta-cli"),
                   "--config", f.path("Config.ini"), "detect", "--port", port});
        cli.waitForFinished(60000);
        return QString::fromUtf8(cli.readAllStandardError());
    };
    ASSERT_EQ(::chown(QFile::encodeName(closedPort).constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(closedPort).constData(), 0600), 0);
    EXPECT_TRUE(asNobody(QStringLiteral("COM13"))
                    .contains(QStringLiteral("COM13 (%1): нет доступа: устройство открыто только "
                                             "владельцу root (права 0600)")
                                  .arg(closedPort)));
    const struct group *dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    ASSERT_EQ(::chown(QFile::encodeName(closedPort).constData(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(closedPort).constData(), 0660), 0);
    const QString joinable = asNobody(QStringLiteral("COM13"));
    EXPECT_TRUE(joinable.contains(QStringLiteral("COM13 (%1): нет доступа: устройство "
                                                 "принадлежит группе dialout: добавьте "
                                                 "пользователя в нее")
                                      .arg(closedPort)))
        << joinable.toStdString();
    holder.kill();
    holder.waitForFinished();
}

// The adapters of the device folder with their names and stable paths; a wait that ends with the
// panel that comes, or with exit 3 when none does; a panel that answers already counts only with
// --any.
TEST(Cli, PortsNameTheAdaptersAndWaitFindsThePanelThatComes)
{
    CliFixture f;
    const QString dev = f.path("dev");
    QDir(dev).mkpath(QStringLiteral("serial/by-id"));
    test::PtyPair silent; // an adapter with no panel behind it
    const QString silentPath = QString::fromStdString(silent.slavePath());
    const QString byId =
        dev + QStringLiteral("/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3ZQ1-if00-port0");
    ASSERT_TRUE(QFile::link(silentPath, byId));
    ASSERT_TRUE(QFile::link(silentPath, dev + QStringLiteral("/ttyUSB0")));
    const CliResult ports = f.run({"ports", "--json"});
    const QJsonArray rows = QJsonDocument::fromJson(ports.out.toUtf8()).array();
    QJsonObject adapter;
    for (const QJsonValue &row : rows)
        if (row.toObject()["port"].toString() == dev + QStringLiteral("/ttyUSB0"))
            adapter = row.toObject();
    ASSERT_FALSE(adapter.isEmpty()) << ports.out.toStdString();
    EXPECT_EQ(adapter["stablePath"].toString(), byId);
    EXPECT_EQ(adapter["state"].toString(), QStringLiteral("free"));

    EXPECT_EQ(f.run({"wait", "--timeout", "1"}).exitCode, 3);
    const CliResult any = f.run({"wait", "--any", "--port", f.port, "--timeout", "5"});
    EXPECT_EQ(any.exitCode, 0) << any.err.toStdString();
    EXPECT_EQ(any.out, f.port + QStringLiteral("\n"));

    // The panel plugged in once the wait has looked at the ports as they are.
    QProcess wait;
    ASSERT_TRUE(f.startWait(wait));
    ASSERT_TRUE(QFile::link(f.port, dev + QStringLiteral("/ttyACM0")));
    ASSERT_TRUE(wait.waitForFinished(20000));
    EXPECT_EQ(wait.exitCode(), 0) << wait.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(wait.readAllStandardOutput()), dev + QStringLiteral("/ttyACM0\n"));
}

// The panel just programmed is pulled and the next is plugged in under the same adapter name: a
// new panel, whether the name came back within a round of the wait or after it.
TEST(Cli, WaitFindsTheNextPanelUnderTheNameOfTheLast)
{
    for (const int awayMs : {300, 2500}) {
        SCOPED_TRACE(awayMs);
        CliFixture f;
        const QString adapter = f.path("dev") + QStringLiteral("/ttyUSB0");
        ASSERT_TRUE(QDir().mkpath(f.path("dev")));
        ASSERT_TRUE(QFile::link(f.port, adapter)); // the panel just programmed, still there
        QProcess wait;
        ASSERT_TRUE(f.startWait(wait));

        ASSERT_TRUE(QFile::remove(adapter));
        // While no adapter is there, nothing is reported.
        EXPECT_FALSE(wait.waitForFinished(awayMs));
        sim::PanelServer next;
        ASSERT_TRUE(QFile::link(QString::fromStdString(next.openPseudoTerminal()), adapter));
        next.start();
        ASSERT_TRUE(wait.waitForFinished(20000));
        EXPECT_EQ(wait.exitCode(), 0) << wait.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(wait.readAllStandardOutput()), adapter + QStringLiteral("\n"));
        EXPECT_FALSE(next.commands().empty());
    }
}

// A line of panels from a sites table: a table with a bad row programs nothing and names the row;
// Ctrl+C while the line waits for its next panel ends at once, the ledger whole, and a second run
// skips the site the ledger says is done.
TEST(Cli, ProgramChecksTheTableFirstAndStopsWhileWaiting)
{
    CliFixture f;
    ASSERT_EQ(f.run({"read", "--port", f.port, "-o", f.path("template.txt")}).exitCode, 0);
    const QStringList line = {"program",           "--settings", f.path("template.txt"), "--sites",
                              f.path("sites.csv"), "--ledger",   f.path("ledger.csv")};

    WriteFile(f.path("sites.csv"), "site;password;key1\nА-1;14253;\nБ-2;11234;\n");
    const size_t asked = f.panel.commands().size();
    const CliResult refused = f.run(line);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("строка 3: пароль")))
        << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("11234")));
    EXPECT_FALSE(QFile::exists(f.path("ledger.csv")));
    EXPECT_EQ(f.panel.commands().size(), asked);

    WriteFile(f.path("sites.csv"), "site;password;key1\nА-1;14253;\nБ-2;21436;\n");
    const auto waitFor = [](QProcess &program, QByteArray &said, const char *text) {
        while (!said.contains(text) && program.waitForReadyRead(30000))
            said += program.readAllStandardError();
        return said.contains(text);
    };
    QProcess program;
    program.setProcessEnvironment(f.user());
    program.setWorkingDirectory(f.folder.path());
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(ORVANTA_CLI), line);
    QByteArray said;
    ASSERT_TRUE(waitFor(program, said, "«А-1»…")) << said.toStdString();
    const QString adapter = f.path("dev") + QStringLiteral("/ttyUSB0");
    ASSERT_TRUE(QFile::link(f.port, adapter));
    ASSERT_TRUE(waitFor(program, said, "Готово: А-1.")) << said.toStdString();
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 12) << said.toStdString();
    EXPECT_EQ(f.panel.state().password, "14253");
    const QStringList ledger =
        QString::fromUtf8(ReadFile(f.path("ledger.csv"))).split(QLatin1Char('\n'));
    ASSERT_EQ(ledger.size(), 3) << ledger.join('\n').toStdString(); // the last line ended
    EXPECT_TRUE(ledger[1].startsWith(QStringLiteral("20"))) << ledger[1].toStdString();
    EXPECT_TRUE(ledger[1].endsWith(QStringLiteral(",ok,ok,-,-,,done"))) << ledger[1].toStdString();
    EXPECT_TRUE(ledger[2].isEmpty());

    // Resumed: А-1 is done, so the panel still plugged in is not the next; Б-2 is awaited.
    program.start(QStringLiteral(ORVANTA_CLI), line);
    said.clear();
    ASSERT_TRUE(waitFor(program, said, "«Б-2»…")) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("уже отвечает").toUtf8())) << said.toStdString();
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 12);
    EXPECT_EQ(QString::fromUtf8(ReadFile(f.path("ledger.csv"))).count(QLatin1Char('\n')), 2);
}

// A line that cannot be programmed as given ends before any panel is asked or awaited: each
// case with its status and what it says.
TEST(Cli, ProgramRefusesWhatItCannotDoBeforeAnyPanel)
{
    CliFixture f;
    ASSERT_EQ(f.run({"read", "--port", f.port, "-o", f.path("template.txt")}).exitCode, 0);
    WriteFile(f.path("sites.csv"), "site,password\nА-1,14253\n");
    WriteFile(f.path("done.csv"), "time,site,port,stable_path,adapter_serial,firmware,snapshot,"
                                  "read,write,upload,report,report_path,result\n"
                                  "2026-12-09 10:00,А-1,,,,,1,ok,ok,-,-,,done\n");
    const QString settings = f.path("template.txt");
    const struct
    {
        QStringList arguments;
        int status;
        const char *said;
    } cases[] = {
        {{"--sites", f.path("sites.csv")}, 2, "--settings"},
        {{"--settings", settings, "--count", "0"}, 2, "--count"},
        {{"--settings", settings, "--count", "two"}, 2, "--count"},
        {{"--settings", settings, "--sites", f.path("sites.csv"), "--ledger", f.path("done.csv")},
         0,
         "Все объекты таблицы уже запрограммированы"},
        {{"--settings", settings, "--count", "1", "--ledger", settings + "/ledger.csv"},
         10,
         "Не удалось записать журнал"},
        {{"--settings", settings, "--count", "1", "--ledger", f.path("ledger.csv"), "--reports",
          settings + "/reports"},
         10,
         "Не удалось создать папку"},
    };
    const size_t asked = f.panel.commands().size();
    for (const auto &[arguments, status, said] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult result = f.run(QStringList{"program"} + arguments);
        EXPECT_EQ(result.exitCode, status) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(said))) << result.err.toStdString();
    }
    EXPECT_EQ(f.panel.commands().size(), asked);
}

// The settings report of a file, in each language, read back from the PDF: what the file sets,
// the messages, and none of the secrets; a file that does not load, or an output that cannot be
// written, leaves no file.
TEST(Cli, ReportOfAFileSaysTheSettingsAndNoSecret)
{
    CliFixture f;
    ASSERT_EQ(f.run({"read", "--port", f.port, "-o", f.path("panel.txt"), "--password"}).exitCode,
              0);
    QString text = QString::fromUtf8(ReadFile(f.path("panel.txt")));
    const std::pair<const char *, const char *> edits[] = {
        {"Ключ 2: 0000000000000000", "Ключ 2: 0123456789abcdef"},
        {"Пароль: 12345", "Пароль: 14253"},
        {"Шлейф 1, замыкание: нет", "Шлейф 1, замыкание: да"},
        {"Шлейф 3, при размыкании: реле 2 включить: нет",
         "Шлейф 3, при размыкании: реле 2 включить: да"},
    };
    for (const auto &[from, to] : edits)
        text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
    WriteFile(f.path("panel.txt"), text.toUtf8());
    TWaveFile message;
    message.Samples.assign(2 * 44100, 1000);
    ASSERT_TRUE(message.SaveToFile(f.path("alarm.wav")));
    WriteFile(f.path("messages.txt"), "Сообщение\r\nТревога\r\n");
    WriteFile(f.path("sounds.txt"), "Файл\r\n" + f.path("alarm.wav").toUtf8() + "\r\n");

    const struct
    {
        const char *language;
        std::vector<const char *> said;
    } languages[] = {
        {"ru", {"Ключей в ячейках: 1 из 4", "задан", "шлейф 3, размыкание", "Тревога", "2,0"}},
        {"en", {"Keys in the slots: 1 of 4", "set", "loop 3, opening", "Тревога", "2.0"}},
        {"uk", {"Ключів у комірках: 1 з 4", "задано", "шлейф 3, розмикання", "Тревога", "2,0"}},
    };
    for (const auto &[language, said] : languages) {
        SCOPED_TRACE(language);
        const QString pdf = f.path("report.pdf");
        const CliResult report =
            f.run({"--lang", language, "report", "-o", pdf, f.path("panel.txt")});
        ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
        QProcess toText;
        toText.start(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(toText.waitForFinished(30000));
        const QString page = QString::fromUtf8(toText.readAllStandardOutput());
        EXPECT_TRUE(page.contains(QStringLiteral("VER 03.07 ORVANTA GSM")));
        for (const char *words : said)
            EXPECT_TRUE(page.contains(QString::fromUtf8(words))) << words << "\n"
                                                                 << page.toStdString();
        // Loop 1 closes: the first cell of its row, as the loop page shows it.
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\n1\\s+(да|yes|так)\\s+—"))));
        for (const char *secret : {"14253", "0104020503", "0123456789", "4242424242"})
            EXPECT_FALSE(page.contains(QLatin1String(secret))) << secret;
        QFile::remove(pdf);
    }

    WriteFile(f.path("bad.txt"), "Настройки охранной панели Orvanta, формат 1\nКлюч 1: xyz\n");
    const CliResult bad = f.run({"report", "-o", f.path("bad.pdf"), f.path("bad.txt")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Строка 2"))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(f.path("bad.pdf")));
    const CliResult unwritable = f.run({"report", "-o", f.path("none/r.pdf"), f.path("panel.txt")});
    EXPECT_EQ(unwritable.exitCode, 10) << unwritable.err.toStdString();
    EXPECT_FALSE(unwritable.err.isEmpty());
    EXPECT_TRUE(QDir(f.folder.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

// "-o -" gives the report or the bundle whole on standard output and makes no file; a bundle
// without -o gets a name of its own in the current folder.
TEST(Cli, PapersGoWhereTheyAreAsked)
{
    CliFixture f;
    ASSERT_EQ(f.run({"read", "--port", f.port, "-o", f.path("panel.txt")}).exitCode, 0);
    const struct
    {
        QStringList arguments;
        QByteArray begins; // standard output
    } cases[] = {
        {{"report", "-o", "-", f.path("panel.txt")}, "%PDF"},
        {{"support", "-o", "-"}, "\x1f\x8b"},
        {{"support"}, "orvanta-support-"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const CliResult result = f.run(c.arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.bytes.startsWith(c.begins)) << result.bytes.left(40).toStdString();
        EXPECT_FALSE(QFile::exists(f.path("-")));
    }
    const QStringList bundles =
        QDir(f.folder.path()).entryList({QStringLiteral("orvanta-support-*.tar.gz")});
    EXPECT_EQ(bundles.size(), 1) << bundles.join(QLatin1Char(' ')).toStdString();
    // The lists and the log are looked for in the folder it runs in: absent, each is named with
    // that folder.
    const CliResult support = f.run({"support", "-o", f.path("bundle.tar.gz")});
    for (const char *file : {"log.txt", "messages.txt", "sounds.txt"})
        EXPECT_TRUE(support.err.contains(
            QStringLiteral("%1: нет в папке %2").arg(QLatin1String(file), f.folder.path())))
            << file << ": " << support.err.toStdString();
}

// The support bundle of a panel whose password and keys were written, with a debug log and the
// window's state that name them too: unpacked, its report turned into text, no file holds any
// form of the secrets. They reach it by every path: a snapshot, the newest values of a write
// (in the journal only), a window write logged with its changes, the window state, the exchange
// on the line; a key code that holds the password's digits is hidden whole, and an empty key
// slot stays visible.
TEST(Cli, SupportBundleHoldsNoSecret)
{
    CliFixture f;
    ASSERT_EQ(f.run({"read", "--port", f.port, "-o", f.path("panel.txt"), "--password"}).exitCode,
              0);
    QString text = QString::fromUtf8(ReadFile(f.path("panel.txt")));
    text.replace(QStringLiteral("Ключ 1: 0000000000000000"),
                 QStringLiteral("Ключ 1: 0123456789ABCDEF"));
    text.replace(QStringLiteral("Ключ 3: 0000000000000000"),
                 QStringLiteral("Ключ 3: CAFEBABE01425367"));
    text.replace(QStringLiteral("Пароль: 12345"), QStringLiteral("Пароль: 14253"));
    WriteFile(f.path("secret.txt"), text.toUtf8());
    ASSERT_EQ(f.run({"write", "--yes", "--port", f.port, f.path("secret.txt")}).exitCode, 0);
    text.replace(QStringLiteral("Шлейф 1, замыкание: нет"),
                 QStringLiteral("Шлейф 1, замыкание: да"));
    text.replace(QStringLiteral("Ключ 2: 0000000000000000"),
                 QStringLiteral("Ключ 2: 1A2B3C4D5E6F7081"));
    WriteFile(f.path("next.txt"), text.toUtf8());
    ASSERT_EQ(
        f.run({"write", "--yes", "--port", f.port, "--site", "Склад", f.path("next.txt")}).exitCode,
        0);
    WriteFile(f.path("log.txt"),
              "12:00:01 +Q0104020503\r\n>0104020503\r\nOK\r\n"
              "12:00:02 +T01EFCDAB8967452301\r\nOK\r\n+T01\r\n>efcdab8967452301\r\nOK\r\n"
              "12:00:03 Записано не всё: Пароль: [скрыто] → 97531 | Ключ 3: CAFEBABE01425367 → "
              "5566778899aabbcc\r\n12:00:04 +T04\r\n>0000000000000000\r\nOK\r\n"
              "12:00:05 +T02DEADBEEF12345678\r\n");
    // A sites table as a spreadsheet saves it: its secrets are hidden in every file.
    WriteFile(f.path("sites.csv"), "site;password;key1\r\n\xD1\xEA\xEB\xE0\xE4;35142;"
                                   "78563412EFBEADDE\r\n");
    QDir().mkpath(f.path("config/Orvanta"));
    WriteFile(f.path("config/Orvanta/Forms.conf"),
              "[fContact]\nxpass=14253\ne1=0123456789ABCDEF\ncb1=COM2\n");

    const CliResult support = f.run({"support", "--sites", f.path("sites.csv"), "--site", "Склад",
                                     "-o", f.path("bundle.tar.gz")});
    ASSERT_EQ(support.exitCode, 0) << support.err.toStdString();
    QDir().mkpath(f.path("unpacked"));
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("tar"), {QStringLiteral("-xzf"), f.path("bundle.tar.gz"),
                                                  QStringLiteral("-C"), f.path("unpacked")}),
        0);
    const QDir bundle(f.path("unpacked/orvanta-support"));
    for (const char *name : {"versions.txt", "ports.txt", "log.txt", "window-state.ini",
                             "report.pdf", "skipped.txt", "sound-devices.txt"})
        EXPECT_TRUE(bundle.exists(QLatin1String(name))) << name;
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftotext"),
                                {bundle.filePath(QStringLiteral("report.pdf")),
                                 bundle.filePath(QStringLiteral("report.txt"))}),
              0);
    EXPECT_TRUE(ReadFile(bundle.filePath(QStringLiteral("window-state.ini"))).contains("cb1=COM2"));
    int files = 0;
    QDirIterator all(bundle.path(), QDir::Files, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QString file = all.next();
        const QString content = QString::fromUtf8(ReadFile(file));
        ++files;
        for (const char *secret :
             {"14253", "0104020503", "0123456789abcdef", "efcdab8967452301", "1a2b3c4d5e6f7081",
              "81706f5e4d3c2b1a", "97531", "0907050301", "cafebabe", "bebafeca", "5566778899aabbcc",
              "ccbbaa9988776655", "35142", "deadbeef12345678", "78563412efbeadde"})
            EXPECT_FALSE(content.contains(QLatin1String(secret), Qt::CaseInsensitive))
                << secret << " in " << file.toStdString();
    }
    EXPECT_GE(files, 10);
    EXPECT_EQ(QString::fromUtf8(ReadFile(bundle.filePath(QStringLiteral("sites.csv")))),
              QStringLiteral("site;password;key1\nСклад;[скрыто];[скрыто]\n"));
    EXPECT_TRUE(ReadFile(bundle.filePath(QStringLiteral("versions.txt"))).contains("Site: Склад"));
    // Support sees which key slots are empty.
    EXPECT_TRUE(ReadFile(bundle.filePath(QStringLiteral("log.txt"))).contains(">0000000000000000"));
    EXPECT_TRUE(ReadFile(bundle.filePath(QStringLiteral("snapshots/journal.txt")))
                    .contains("Ключ 2: 0000000000000000 → [скрыто]"));
}

TEST(Cli, PersonTextHidesThePasswordAndKeysUnlessAsked)
{
    // The password changes, key 1 gets a code, key 2 stays empty, key 3 is taken away; the
    // panel forgets the keys, so the settings it did not keep are listed too.
    const QString fresh = freshPanelSettings();
    ASSERT_FALSE(fresh.isEmpty());
    QString text = fresh;
    text.replace(QStringLiteral("Пароль: 12345"), QStringLiteral("Пароль: 14253"));
    text.replace(QStringLiteral("Ключ 1: 0000000000000000"),
                 QStringLiteral("Ключ 1: 1A2B3C4D5E6F7081"));
    const QString hiddenKey = QString(16, QChar(0x2022));
    const struct
    {
        const char *command;
        bool showSecrets;
        int exitCode;
    } cases[] = {
        {"diff", false, 1}, {"diff", true, 1},     {"write", false, 4},
        {"write", true, 4}, {"restore", false, 4}, {"restore", true, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.command) + (c.showSecrets ? " --show-secrets" : ""));
        CliFixture f;
        WriteFile(f.path("new.txt"), text.toUtf8());
        QStringList arguments{QLatin1String(c.command), "--port", f.port, f.path("new.txt")};
        if (c.command == std::string("restore")) {
            // Snapshot 2 holds the secrets: the panel held them when the second write began.
            WriteFile(f.path("fresh.txt"), fresh.toUtf8());
            ASSERT_EQ(f.run({"write", "--yes", "--port", f.port, f.path("new.txt")}).exitCode, 0);
            ASSERT_EQ(f.run({"write", "--yes", "--port", f.port, f.path("fresh.txt")}).exitCode, 0);
            arguments = QStringList{"restore", "2", "--port", f.port};
        }
        if (c.command != std::string("diff"))
            arguments += QStringLiteral("--yes");
        if (c.showSecrets)
            arguments += QStringLiteral("--show-secrets");
        sim::PanelFaults forgetful;
        forgetful.onlyCommand = "+T01"; // the first key's write
        forgetful.forget = true;
        f.panel.setFaults(forgetful);
        const CliResult result = f.run(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        const QString said = result.out + result.err;
        for (const char *secret : {"14253", "1A2B3C4D5E6F7081", "12345"})
            EXPECT_EQ(said.contains(QLatin1String(secret)), c.showSecrets) << secret << "\n"
                                                                           << said.toStdString();
        if (!c.showSecrets) {
            EXPECT_TRUE(said.contains(QStringLiteral("Пароль: ••••• → •••••")))
                << said.toStdString();
            EXPECT_TRUE(said.contains(QStringLiteral("Ключ 1: 0000000000000000 → ") + hiddenKey))
                << said.toStdString();
        }
    }
}

// The help in each language fits 96 columns and has its sections; the note that udev is not
// there comes in the same language, from ports alone.
TEST(Cli, HelpAndNotesSpeakTheChosenLanguage)
{
    CliFixture f;
    const bool udev = QFileInfo::exists(QStringLiteral("/run/udev/control"));
    const struct
    {
        const char *language;
        const char *sections;
        const char *noUdev;
    } cases[] = {
        {"ru", "Команды:|Параметры:|Окружение:|Файлы:|Примеры:", "Диспетчер устройств (udev)"},
        {"uk", "Команди:|Параметри:|Оточення:|Файли:|Приклади:", "Диспетчер пристроїв (udev)"},
        {"en", "Commands:|Options:|Environment:|Files:|Examples:", "device manager (udev)"},
    };
    // Without a device folder of its own the program looks at the machine's ports.
    QProcessEnvironment machine = f.user();
    machine.remove(QStringLiteral("ORVANTA_DEVICE_FOLDER"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        const QString lang = QLatin1String(c.language);
        QString help = f.run({"--lang", lang, "--help"}).out;
        for (const char *command : {"write", "report", "support", "wait"})
            help += f.run({"--lang", lang, command, "--help"}).out;
        for (const QString &line : help.split(QLatin1Char('\n')))
            EXPECT_LE(line.size(), 96) << line.toStdString();
        for (const QString &section : QString::fromUtf8(c.sections).split(QLatin1Char('|')))
            EXPECT_TRUE(help.contains(QLatin1Char('\n') + section + QLatin1Char('\n')))
                << section.toStdString();
        const QString note = QString::fromUtf8(c.noUdev);
        EXPECT_EQ(f.run({"--lang", lang, "ports"}, {}, machine).err.contains(note), !udev);
        EXPECT_FALSE(
            f.run({"--lang", lang, "detect", "--port", f.port}, {}, machine).err.contains(note));
    }
}

// The message table saved from the panel and written back, as the window's debug buttons do.
TEST(Cli, TableSavedAndWrittenBack)
{
    sim::PanelState state;
    for (int word = 1; word <= 54; ++word)
        state.setWord(word, uint16_t(word * 10));
    CliFixture f(state);
    const struct
    {
        const char *action;
        int exitCode;
    } cases[] = {{"save", 0}, {"load", 0}, {"fetch", 2}};
    const QString table = f.path("table.txt");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.action);
        if (c.action == std::string("load")) {
            // The file says otherwise of message 3; the rest as saved.
            QString text = QString::fromUtf8(ReadFile(table));
            text.replace(QStringLiteral("s2=001E"), QStringLiteral("s2=0123"));
            WriteFile(table, text.toUtf8());
        }
        const CliResult result = f.run({"table", c.action, table, "--port", f.port});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
    }
    const QString saved = QString::fromUtf8(ReadFile(table));
    EXPECT_TRUE(saved.contains(QStringLiteral("s0=000A"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("s53=021C")));
    EXPECT_EQ(f.panel.state().word(3), 0x0123);
    EXPECT_EQ(f.panel.state().word(4), 40);
}
