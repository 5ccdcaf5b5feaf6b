#include "SupportBundle.h"

#include "KeyCode.h"
#include "MessageList.h"
#include "Password.h"
#include "SettingsFile.h"
#include "SettingsReport.h"
#include "SnapshotJournal.h"
#include "SoundServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <sndfile.h>
#include <soxr.h>

namespace orvanta {

const QString SecretRedactor::Mark = QStringLiteral("[скрыто]");

namespace {

constexpr int LogLines = 1000;

QString readText(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(file.readAll()) : QString();
}

QString lastLines(const QString &text, int count)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > count)
        lines = lines.mid(lines.size() - count);
    return lines.join(QLatin1Char('\n'));
}

QString soundDevices()
{
    QString text;
    const SoundServerState server = SoundServer::instance().state();
    for (const SoundOutputState &device : server.outputs)
        text += QStringLiteral("output: %1\n").arg(device.description);
    for (const SoundInputState &device : server.inputs)
        text += QStringLiteral("input: %1\n").arg(device.description);
    return text.isEmpty() ? QStringLiteral("no sound device\n") : text;
}

QString versions(const QString &toolVersion)
{
    char sndfile[128] = {};
    sf_command(nullptr, SFC_GET_LIB_VERSION, sndfile, sizeof sndfile);
    return QStringLiteral("Orvanta Config %1\nQt %2\n%3\nsoxr %4\n%5 (%6)\n")
        .arg(toolVersion, QString::fromLatin1(qVersion()), QString::fromLatin1(sndfile),
             QString::fromLatin1(soxr_version()), QSysInfo::prettyProductName(),
             QSysInfo::kernelVersion());
}

} // namespace

void SecretRedactor::learn(const QString &password, const QStringList &keyCodes)
{
    QStringList forms;
    if (!password.trimmed().isEmpty()) {
        forms << password.trimmed() << EncodePassword(password.trimmed());
    }
    for (const QString &code : keyCodes) {
        const QString digits = code.trimmed();
        // The empty slot and the placeholder are no secrets.
        if (HoldsNoKey(digits))
            continue;
        forms << digits << ReverseKeyBytes(digits);
    }
    for (const QString &form : forms)
        if (!form.isEmpty() && !m_secrets.contains(form, Qt::CaseInsensitive))
            m_secrets += form;
    std::sort(m_secrets.begin(), m_secrets.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
}

void SecretRedactor::learnFromSettingsFolder(const QString &folder)
{
    for (const QFileInfo &file :
         QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files)) {
        try {
            const PanelSettings settings = ReadSettingsFile(file.filePath());
            QStringList keys;
            for (const std::optional<QString> &key : settings.keys)
                keys += key.value_or(QString());
            learn(settings.password.value_or(QString()), keys);
        } catch (const std::exception &) {
            // A snapshot that does not load still goes through the patterns below.
        }
    }
}

QString SecretRedactor::redacted(QString text) const
{
    // The commands that carry a secret, and the values that answer them: ten digits of a coded
    // password, sixteen hex digits of a key.
    static const QRegularExpression commands(
        QStringLiteral("(\\+Q)[0-9]+|(\\+T0[0-4])[0-9A-Fa-f]{16}"));
    text.replace(commands, QStringLiteral("\\1\\2") + Mark);
    static const QRegularExpression values(
        QStringLiteral("(>)(?:(?:0[0-9]){5}|[0-9A-Fa-f]{16})(?![0-9A-Fa-f])"));
    text.replace(values, QStringLiteral("\\1") + Mark);
    // Settings files and the window state name them.
    static const QRegularExpression named(
        QStringLiteral("^((?:Пароль|Ключ [1-4]|[^=\\n]*\\b(?:xpass|e1))\\s*[:=]\\s*).+$"),
        QRegularExpression::MultilineOption);
    text.replace(named, QStringLiteral("\\1") + Mark);
    for (const QString &secret : m_secrets)
        text.replace(secret, Mark, Qt::CaseInsensitive);
    return text;
}

QString WriteSupportBundle(const QString &path, const SupportSources &sources)
{
    QTemporaryDir work;
    if (!work.isValid())
        return QCoreApplication::translate("orvanta::SupportBundle", "Нет временной папки: %1")
            .arg(work.errorString());
    const QDir bundle(work.filePath(QStringLiteral("orvanta-support")));
    QDir().mkpath(bundle.filePath(QStringLiteral("snapshots")));
    const QString journalFolder =
        sources.journalFolder.isEmpty() ? SnapshotJournal::defaultFolder() : sources.journalFolder;
    SecretRedactor redactor;
    redactor.learnFromSettingsFolder(journalFolder);
    const QString windowState =
        QSettings(QStringLiteral("Orvanta"), QStringLiteral("Forms")).fileName();
    {
        // The password and key code the window last showed.
        QSettings state(windowState, QSettings::IniFormat);
        QString password;
        QStringList keys;
        for (const QString &key : state.allKeys()) {
            if (key.endsWith(QLatin1String("xpass")))
                password = state.value(key).toString();
            if (key.endsWith(QLatin1String("e1")))
                keys += state.value(key).toString();
        }
        redactor.learn(password, keys);
    }

    QStringList skipped;
    const auto put = [&](const QString &name, const QString &text) {
        QFile file(bundle.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(redactor.redacted(text).toUtf8()) < 0)
            skipped += name;
    };
    const auto copy = [&](const QString &name, const QString &source, int lines = 0) {
        if (!QFileInfo::exists(source))
            return;
        bool ok = false;
        const QString text = readText(source, &ok);
        if (!ok) {
            skipped += source;
            return;
        }
        put(name, lines > 0 ? lastLines(text, lines) : text);
    };
    put(QStringLiteral("versions.txt"), versions(sources.toolVersion));
    copy(QStringLiteral("Config.ini"), sources.paths.configFile);
    copy(QStringLiteral("window-state.ini"), windowState);
    copy(QStringLiteral("log.txt"), sources.paths.inLists(QStringLiteral("log.txt")), LogLines);
    copy(QStringLiteral("messages.txt"), sources.paths.inLists(MessagesFile));
    copy(QStringLiteral("sounds.txt"), sources.paths.inLists(SoundsFile));
    put(QStringLiteral("ports.txt"), sources.portsText);
    put(QStringLiteral("sound-devices.txt"), soundDevices());
    for (const QFileInfo &file : QDir(journalFolder).entryInfoList(QDir::Files))
        copy(QStringLiteral("snapshots/") + file.fileName(), file.filePath());

    // A report of the last snapshot: what the panel held before the last write.
    const std::vector<JournalEntry> journal = SnapshotJournal(journalFolder).entries();
    if (!journal.empty()) {
        ReportInput report;
        try {
            report.settings = SnapshotJournal(journalFolder).snapshot(journal.back().number);
            report.source = journal.back().port;
            report.time = journal.back().time;
            report.writes = journal;
            if (QFileInfo::exists(sources.paths.inLists(MessagesFile))) {
                MessageList list(sources.paths.soundHome);
                list.load(sources.paths.inLists(MessagesFile), sources.paths.inLists(SoundsFile));
                report.messages = ReportMessages(list);
            }
            if (!WriteReportPdf(bundle.filePath(QStringLiteral("report.pdf")), report).isEmpty())
                skipped += QStringLiteral("report.pdf");
        } catch (const std::exception &error) {
            skipped += QStringLiteral("report.pdf: ") + QString::fromUtf8(error.what());
        }
    }
    put(QStringLiteral("skipped.txt"), skipped.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    // Packed beside the target, then put in its place: a bundle is there whole or not at all.
    const QString partial = path + QStringLiteral(".part");
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-czf"), partial, QStringLiteral("-C"),
                                      work.path(), QStringLiteral("orvanta-support")});
    const bool packed = tar.waitForFinished(60000) && tar.exitStatus() == QProcess::NormalExit &&
                        tar.exitCode() == 0;
    if (!packed || (QFile::exists(path) && !QFile::remove(path)) || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        return QCoreApplication::translate("orvanta::SupportBundle",
                                           "Не удалось записать файл %1: %2")
            .arg(path, QString::fromLocal8Bit(tar.readAllStandardError()).trimmed());
    }
    return {};
}

} // namespace orvanta
