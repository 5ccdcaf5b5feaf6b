#include "SupportBundle.h"

#include "core/AtomicFile.h"

#include "SettingsReport.h"
#include "panel/KeyCode.h"
#include "panel/Password.h"
#include "panel/SettingsFile.h"
#include "panel/SitesTable.h"
#include "panel/SnapshotJournal.h"
#include "voice/MessageList.h"
#include "voice/SoundServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <sndfile.h>
#include <soxr.h>
#include <utility>
#include <vector>

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

namespace {

const QRegularExpression::PatternOptions Unicode =
    QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::MultilineOption;

// A value that stands after a password's name: in a settings file ("Пароль: 14253"), a change
// ("Пароль: 14253 → 86427") or the window state ("xpass=14253").
const QRegularExpression &passwordValues()
{
    static const QRegularExpression pattern(
        QStringLiteral(
            "((?<!\\w)(?:Пароль|Password)\\s*[:=]\\s*|^[^=\\n]*\\bxpass\\s*=\\s*)([^\\s|]+)"
            "(?:(\\s*→\\s*)([^\\s|]+))?"),
        Unicode);
    return pattern;
}

// The same for a key code ("Ключ 1: …", "Key 1: …", "e1=…").
const QRegularExpression &keyValues()
{
    static const QRegularExpression pattern(
        QStringLiteral("((?<!\\w)(?:Ключ|Key) [1-4]\\s*[:=]\\s*|^[^=\\n]*\\be1\\s*=\\s*)([^\\s|]+)"
                       "(?:(\\s*→\\s*)([^\\s|]+))?"),
        Unicode);
    return pattern;
}

// The commands that carry a secret, and the replies that answer them: ten digits of a coded
// password, sixteen hex digits of a key.
const QRegularExpression &passwordOnTheLine()
{
    static const QRegularExpression pattern(
        QStringLiteral("(\\+Q|>)((?:0[0-9]){5}|(?<=\\+Q)[0-9]+)(?![0-9A-Fa-f])"));
    return pattern;
}

const QRegularExpression &keyOnTheLine()
{
    static const QRegularExpression pattern(
        QStringLiteral("(\\+T0[0-4]|>)([0-9A-Fa-f]{16})(?![0-9A-Fa-f])"));
    return pattern;
}

bool isKeyCode(const QString &value)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{16}$"));
    return hex.match(value).hasMatch();
}

bool isPassword(const QString &value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(value).hasMatch();
}

// The text with each match's value groups put through hide; the rest of the match stays.
QString replaceValues(const QString &text, const QRegularExpression &pattern,
                      const std::vector<int> &valueGroups,
                      const std::function<QString(const QString &)> &hide)
{
    QString result;
    qsizetype done = 0;
    QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        for (int group : valueGroups) {
            if (match.capturedLength(group) == 0)
                continue;
            result += text.mid(done, match.capturedStart(group) - done);
            result += hide(match.captured(group));
            done = match.capturedEnd(group);
        }
    }
    return result + text.mid(done);
}

} // namespace

void SecretRedactor::learn(const QString &password, const QStringList &keyCodes)
{
    QStringList forms;
    if (isPassword(password.trimmed()))
        forms << password.trimmed() << EncodePassword(password.trimmed());
    for (const QString &code : keyCodes) {
        const QString digits = code.trimmed();
        // The empty slot and the placeholder are no secrets.
        if (!isKeyCode(digits) || HoldsNoKey(digits))
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

void SecretRedactor::learnFromText(const QString &text)
{
    // The values a change names: the newest of them are in no snapshot yet.
    const auto values = [&text](const QRegularExpression &pattern) {
        QStringList found;
        QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            found << match.captured(2) << match.captured(4);
        }
        return found;
    };
    for (const QString &password : values(passwordValues()))
        learn(password, {});
    learn(QString(), values(keyValues()));
}

QString SecretRedactor::redacted(QString text) const
{
    const auto always = [](const QString &) {
        return Mark;
    };
    // A key slot with no key stays visible: support sees which slots are empty.
    const auto unlessEmpty = [](const QString &value) {
        return isKeyCode(value) && HoldsNoKey(value) ? value : Mark;
    };
    text = replaceValues(text, passwordOnTheLine(), {2}, always);
    text = replaceValues(text, keyOnTheLine(), {2}, unlessEmpty);
    text = replaceValues(text, passwordValues(), {2, 4}, always);
    text = replaceValues(text, keyValues(), {2, 4}, unlessEmpty);
    // What was learnt, wherever else it stands, as a whole value: never the digits of a password
    // inside a longer run of hex digits. One pass over the text for all of them, the longest
    // tried first.
    if (m_secrets.isEmpty())
        return text;
    QStringList alternatives;
    for (const QString &secret : m_secrets)
        alternatives += QRegularExpression::escape(secret);
    const QRegularExpression whole(QStringLiteral("(?<![0-9A-Za-z])(?:") +
                                       alternatives.join(QLatin1Char('|')) +
                                       QStringLiteral(")(?![0-9A-Za-z])"),
                                   QRegularExpression::CaseInsensitiveOption);
    return text.replace(whole, Mark);
}

QString SupportBundleName(const QDateTime &time)
{
    return QStringLiteral("orvanta-support-%1.tar.gz")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

QString WriteSupportBundle(const QString &path, const SupportSources &sources, QStringList *absent)
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

    // Every text is gathered first, so that a secret any of them names (the newest values of a
    // change are in no snapshot yet) is hidden in all of them.
    QStringList skipped;
    std::vector<std::pair<QString, QString>> texts;
    const auto put = [&](const QString &name, const QString &text) {
        redactor.learnFromText(text);
        texts.emplace_back(name, text);
    };
    // A file the bundle is expected to hold that is not there is named, with where it was looked
    // for: support then knows it was missing, not forgotten.
    const auto copy = [&](const QString &name, const QString &source, int lines = 0) {
        if (!QFileInfo::exists(source)) {
            const QFileInfo looked(source);
            const QString note =
                QCoreApplication::translate("orvanta::SupportBundle", "%1: нет в папке %2")
                    .arg(looked.fileName(), looked.absolutePath());
            skipped += note;
            if (absent)
                *absent += note;
            return;
        }
        bool ok = false;
        const QString text = readText(source, &ok);
        if (!ok) {
            skipped += source;
            return;
        }
        put(name, lines > 0 ? lastLines(text, lines) : text);
    };
    put(QStringLiteral("versions.txt"),
        versions(sources.toolVersion) +
            (sources.site.isEmpty() ? QString() : QStringLiteral("Site: %1\n").arg(sources.site)));
    if (!sources.sitesTable.isEmpty()) {
        QFile table(sources.sitesTable);
        if (table.open(QIODevice::ReadOnly)) {
            // Its cells are hidden by column; the values then wherever else they stand.
            QStringList secrets;
            const QString text =
                SitesTable::Redacted(table.readAll(), SecretRedactor::Mark, &secrets);
            for (const QString &secret : secrets) {
                redactor.learn(secret, {secret});
                redactor.learn(PaddedPassword(secret), {});
            }
            texts.emplace_back(QStringLiteral("sites.csv"), text);
        } else {
            skipped += sources.sitesTable + QStringLiteral(": ") + table.errorString();
        }
    }
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
    std::vector<JournalEntry> journal = SnapshotJournal(journalFolder).entries();
    if (!sources.site.isEmpty())
        journal = WritesOfPanel(journal, {}, {}, sources.site);
    if (!journal.empty()) {
        ReportInput report;
        try {
            report.settings = SnapshotJournal(journalFolder).snapshot(journal.back().number);
            report.source = journal.back().port;
            report.time = journal.back().time;
            report.site = journal.back().site;
            report.writes = WritesOfPanel(journal, journal.back().port, journal.back().firmware,
                                          journal.back().site);
            for (JournalEntry &entry : report.writes) {
                for (QString &change : entry.changes)
                    change = redactor.redacted(change);
                for (QString &line : entry.detail)
                    line = redactor.redacted(line);
            }
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
    for (const auto &[name, text] : texts) {
        QFile file(bundle.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(redactor.redacted(text).toUtf8()) < 0)
            skipped += name;
    }
    QFile skippedFile(bundle.filePath(QStringLiteral("skipped.txt")));
    if (skippedFile.open(QIODevice::WriteOnly))
        skippedFile.write(
            (redactor.redacted(skipped.join(QLatin1Char('\n'))) + QLatin1Char('\n')).toUtf8());

    // Packed in the temporary folder, then put in place whole: what goes wrong is said in the
    // interface's language, never as the archiver's own words.
    const QString packed = work.filePath(QStringLiteral("bundle.tar.gz"));
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-czf"), packed, QStringLiteral("-C"),
                                      work.path(), QStringLiteral("orvanta-support")});
    const auto failed = [&path](const QString &why) {
        return QCoreApplication::translate("orvanta::SupportBundle",
                                           "Не удалось записать файл %1: %2")
            .arg(path, why);
    };
    if (!tar.waitForFinished(60000) || tar.exitStatus() != QProcess::NormalExit ||
        tar.exitCode() != 0)
        return failed(
            tar.error() == QProcess::FailedToStart
                ? QCoreApplication::translate("orvanta::SupportBundle", "архиватор tar не найден")
                : QCoreApplication::translate("orvanta::SupportBundle",
                                              "архив не собран (мало места во "
                                              "временной папке?)"));
    QFile archive(packed);
    if (!archive.open(QIODevice::ReadOnly))
        return failed(archive.errorString());
    QString why;
    if (SaveFileAtomically(path, archive.readAll(), &why) != SaveResult::Saved)
        return failed(why);
    return {};
}

} // namespace orvanta
